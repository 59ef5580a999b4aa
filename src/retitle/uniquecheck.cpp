#include "retitle/uniquecheck.h"

#include "retitle/paths_p.h"

#include "l10n/text.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace Retitle {

using L10n::text;

namespace {

constexpr int entriesPerProgress = 500;

// What stands for the drive in the question about a file system that does not answer: the top
// folder of an absolute path, the first character (a drive letter) of anything else.
QString driveOf(const QString &folder)
{
    if (!QDir::isAbsolutePath(folder))
        return folder.left(1);
    return u'/' + folder.section(u'/', 1, 1);
}

bool goOn(Platform::Dialogs &dialogs, const QString &message)
{
    Platform::Question question;
    question.caption = L10n::standard(L10n::Standard::Confirm);
    question.lines = {message};
    question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::No)};
    question.defaultButton = 0;
    question.escapeButton = 1;
    question.severity = Platform::Severity::Warning;
    return dialogs.ask(question).button == 0;
}

} // namespace

UniqueCheck::UniqueCheck(const Platform::FileSystem &files) : m_files(files) {}

bool UniqueCheck::CheckOnUniqueFolders(const QList<FolderUniqueRec> &records, Platform::Dialogs &dialogs)
{
    m_folders.clear();
    m_extended.clear();
    m_names.clear();
    bool result = true;
    for (const FolderUniqueRec &rec : records) {
        if (!rec.checked)
            continue;
        const QString &folder = rec.folder;
        if (!m_files.isDriveReady(folder)) {
            if (!goOn(dialogs, text(355, "Drive ") + driveOf(folder) + text(356, "\\: empty. Can not check ") + folder
                                   + text(357, " Continue?")))
                result = false;
        } else if (m_files.isFolder(folder)) {
            m_folders.append(folder);
        } else if (!goOn(dialogs, folder + text(354, " (of the list of folders to be checked to qualify a picture as "
                                                    "unique) does not exist. Continue?"))) {
            result = false;
        }
    }
    return result;
}

void UniqueCheck::setFolders(const QStringList &folders)
{
    m_folders = folders;
    m_extended.clear();
    m_names.clear();
}

void UniqueCheck::expand(const std::function<void(int scanned, int found)> &progress)
{
    m_extended.clear();
    m_names.clear();
    m_extended.reserve(5000);
    int seen = 0;
    for (const QString &folder : std::as_const(m_folders)) {
        qsizetype next = m_extended.size();
        m_extended.append(folder);
        while (next < m_extended.size()) {
            const QString current = m_extended.at(next++);
            for (const Platform::FolderEntry &entry : m_files.entries(current)) {
                if (entry.isFolder)
                    m_extended.append(joinPath(current, entry.name));
                else
                    m_names.insert(entry.name.toLower());
                if (progress && ++seen % entriesPerProgress == 0)
                    progress(int(next), int(m_extended.size()));
            }
            if (progress)
                progress(int(next), int(m_extended.size()));
        }
    }
}

bool UniqueCheck::ExtendedCheckUnique(const QString &TestFileName, const QStringList &companions) const
{
    if (m_folders.isEmpty())
        return true;
    if (m_names.contains(TestFileName.toLower()))
        return false;
    for (const QString &extension : companions) {
        if (m_names.contains(companionName(TestFileName, extension).toLower()))
            return false;
    }
    return true;
}

} // namespace Retitle
