#include "storage/subjectpath.h"

using namespace Qt::StringLiterals;

namespace Storage {

namespace {

// A subject path taken from a destination is cut as the subject field holds it.
constexpr int maxSubjectPath = 255;

} // namespace

QString mainFolderBase(const QString &mainFolder)
{
    return mainFolder.endsWith(u'/') ? mainFolder.chopped(1) : mainFolder;
}

QString SubjectOfPath(const QString &scheme, const QString &mainFolder, const QString &path)
{
    const qsizetype subjectIndex = scheme.indexOf(u'S');
    if (subjectIndex < 0)
        return {};
    const QString prefix = mainFolderBase(mainFolder) + u'/';
    if (!path.startsWith(prefix))
        return {};
    QStringList levels = path.mid(prefix.size()).split(u'/');
    // The date and year levels below the subject have fixed names; the subject may span several.
    const qsizetype below = scheme.size() - subjectIndex - 1;
    if (levels.size() <= below)
        return {};
    levels.resize(levels.size() - below);
    const QString rest = levels.join(u'/').left(maxSubjectPath);
    levels = rest.split(u'/');
    if (levels.size() <= subjectIndex)
        return {};
    return levels.mid(subjectIndex).join(u'/');
}

} // namespace Storage
