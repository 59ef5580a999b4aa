#include "platform/filesystem.h"

#include "platform/movefile.h"
#include "platform/trash.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStorageInfo>

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
    if (!QDir::isAbsolutePath(path))
        return false;
    QFileInfo info(path);
    while (!info.exists()) {
        const QString parent = info.absolutePath();
        if (parent == info.absoluteFilePath())
            return false;
        info.setFile(parent);
    }
    const QStorageInfo storage(info.absoluteFilePath());
    return storage.isValid() && storage.isReady();
}

Records::FileResult<void> SystemFileSystem::move(const QString &from, const QString &to)
{
    return moveWithoutReplacing(from, to);
}

Records::FileResult<void> SystemFileSystem::trash(const QString &path)
{
    return moveToTrash(path);
}

bool SystemFileSystem::makeFolder(const QString &path)
{
    return QDir().mkpath(path);
}

} // namespace Platform
