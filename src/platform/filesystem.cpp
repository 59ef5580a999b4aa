#include "platform/filesystem.h"

#include "platform/drives.h"
#include "platform/folderlevels.h"
#include "platform/movefile.h"
#include "platform/trash.h"

#include "records/nofollow.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace Platform {

bool SystemFileSystem::exists(const QString &path) const
{
    return entryExists(path);
}

bool SystemFileSystem::isFolder(const QString &path) const
{
    return QFileInfo(path).isDir();
}

QList<FolderEntry> SystemFileSystem::entries(const QString &folder) const
{
    QList<FolderEntry> found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        found.append({it.fileName(), info.isDir() && !info.isSymLink()});
    }
    return found;
}

bool SystemFileSystem::isDriveReady(const QString &path) const
{
    return Platform::isDriveReady(path);
}

Records::FileResult<void> SystemFileSystem::move(const QString &from, const QString &to)
{
    return moveWithoutReplacing(from, to);
}

Records::FileResult<void> SystemFileSystem::moveNotingCopies(const QString &from, const QString &to,
                                                           const std::function<void(const QString &)> &beforeCopy)
{
    return moveWithoutReplacing(from, to, beforeCopy);
}

Records::FileResult<void> SystemFileSystem::trash(const QString &path)
{
    return moveToTrash(path);
}

bool SystemFileSystem::makeFolder(const QString &path)
{
    const QString folder = QDir::cleanPath(path);
    if (folder.isEmpty() || Records::isSymbolicLink(folder))
        return false;
    if (QFileInfo(folder).isDir())
        return true;
    // The levels that exist are the user's own layout; those made here are made without
    // following a link that appears at their place.
    QString existing = folder;
    do {
        existing = existing.section(u'/', 0, -2);
    } while (!existing.isEmpty() && !QFileInfo(existing).isDir());
    return bool(makeFolderBelow(existing.isEmpty() ? QStringLiteral("/") : existing, folder));
}

Records::FileResult<void> SystemFileSystem::makeFolderBelow(const QString &top, const QString &path)
{
    return Platform::makeFolderBelow(top, path);
}

} // namespace Platform
