#include "storage/subjectfolders.h"

#include <QDir>
#include <QQueue>
#include <QSet>

using namespace Qt::StringLiterals;

namespace Storage::SubjectFolders {

namespace {

bool isThumbnailFolder(const QString &level)
{
    return level == u"xelthumb"_s || level == u"SmallPics"_s;
}

} // namespace

QStringList suggestions(const QString &pictureFolder)
{
    const QStringList levels = QDir::fromNativeSeparators(pictureFolder).split(u'/', Qt::SkipEmptyParts);
    QStringList list;
    for (qsizetype first = levels.size() - 1; first >= 0; --first)
        list.append(levels.mid(first).join(u';'));
    return list;
}

bool isDateLike(const QString &level)
{
    const QString start = level.left(4);
    return start >= u"0000"_s && start <= u"9999"_s;
}

QString subjectOfLevels(QStringList levels)
{
    if (!levels.isEmpty() && isThumbnailFolder(levels.last()))
        levels.removeLast();
    QStringList taken;
    for (const QString &level : std::as_const(levels)) {
        if (isDateLike(level)) {
            if (taken.isEmpty())
                continue;
            break;
        }
        taken.append(level);
    }
    return taken.join(u';');
}

QStringList candidates(const QString &mainFolder)
{
    // A root main folder is used without its slash, so that each path has one between levels.
    QString base = QDir::fromNativeSeparators(mainFolder);
    while (base.endsWith(u'/'))
        base.chop(1);
    QStringList found;
    QSet<QString> seen;
    QQueue<QStringList> pending;
    pending.enqueue({});
    while (!pending.isEmpty()) {
        const QStringList levels = pending.dequeue();
        const QString subject = subjectOfLevels(levels);
        if (!subject.isEmpty() && subject != u"xelthumb"_s && !seen.contains(subject.toLower())) {
            seen.insert(subject.toLower());
            found.append(subject);
            if (found.size() >= maximumCandidates)
                break;
        }
        const QDir folder(base + u'/' + levels.join(u'/'));
        const QStringList children =
            folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden, QDir::Name);
        for (const QString &child : children)
            pending.enqueue(levels + QStringList{child});
    }
    return found;
}

} // namespace Storage::SubjectFolders
