#include "platform/trash.h"

#include "platform/movefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Platform {

namespace {

// A trash that lost its way, like the one Qt 6.4 sets up below the current directory when the
// user's data folder is missing, gets its file back, and its own bookkeeping goes.
void putBack(const QString &landed, const QString &original)
{
    const QFileInfo file(landed);
    if (!moveWithoutReplacing(file.absoluteFilePath(), original))
        return;
    QDir filesFolder = file.absoluteDir();
    const QString info = filesFolder.absoluteFilePath(u"../info/"_s + file.fileName() + u".trashinfo"_s);
    QFile::remove(info);
    QDir infoFolder(QFileInfo(info).absolutePath());
    if (infoFolder.isEmpty())
        infoFolder.rmdir(infoFolder.absolutePath());
    if (filesFolder.isEmpty())
        filesFolder.rmdir(filesFolder.absolutePath());
}

// The trash folders a file at path may have gone to: the user's, then those at the top of the
// file system that holds it.
QStringList trashFolders(const QString &path)
{
    QStringList folders{QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Trash"_s};
    const QString top = QStorageInfo(QFileInfo(path).absolutePath()).rootPath();
    if (!top.isEmpty()) {
        const QString root = top == u"/"_s ? QString() : top;
        const QString uid = QString::number(::getuid());
        folders.append(root + u"/.Trash/"_s + uid);
        folders.append(root + u"/.Trash-"_s + uid);
    }
    return folders;
}

} // namespace

std::optional<TrashedFile> findTrashed(const QString &originalPath, qint64 size, qint64 modified)
{
    std::optional<TrashedFile> found;
    QString foundDate;
    const QString top = QStorageInfo(QFileInfo(originalPath).absolutePath()).rootPath();
    for (const QString &trash : trashFolders(originalPath)) {
        const QDir infoFolder(trash + u"/info"_s);
        const QStringList names = infoFolder.entryList({u"*.trashinfo"_s}, QDir::Files | QDir::Hidden);
        for (const QString &name : names) {
            QFile info(infoFolder.filePath(name));
            if (!info.open(QIODevice::ReadOnly))
                continue;
            QString path;
            QString date;
            for (const QByteArray &line : info.readAll().split('\n')) {
                if (line.startsWith("Path="))
                    path = QUrl::fromPercentEncoding(line.mid(5).trimmed());
                else if (line.startsWith("DeletionDate="))
                    date = QString::fromUtf8(line.mid(13).trimmed());
            }
            // Trash folders at the top of a file system may keep paths relative to it.
            if (!path.startsWith(u'/'))
                path = (top == u"/"_s ? QString() : top) + u'/' + path;
            if (path != originalPath || (found && date < foundDate))
                continue;
            const QString file = trash + u"/files/"_s + name.chopped(10);
            struct stat stamp;
            if (::lstat(QFile::encodeName(file).constData(), &stamp) != 0)
                continue;
            if (size >= 0
                && (qint64(stamp.st_size) != size
                    || qint64(stamp.st_mtim.tv_sec) * 1000000000 + qint64(stamp.st_mtim.tv_nsec) != modified))
                continue;
            found = TrashedFile{file, info.fileName()};
            foundDate = date;
        }
    }
    return found;
}

Records::FileResult<void> restoreFromTrash(const TrashedFile &trashed, const QString &originalPath)
{
    if (auto moved = moveWithoutReplacing(trashed.file, originalPath); !moved)
        return moved;
    QFile::remove(trashed.info);
    return {};
}

Records::FileResult<void> moveToTrash(const QString &path)
{
    using Records::FileError;
    // Without the user's data folder Qt 6.4 cannot create the home trash and falls back to the
    // current directory, while reporting success.
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!dataFolder.isEmpty())
        QDir().mkpath(dataFolder);

    QString landed;
    if (!QFile::moveToTrash(path, &landed))
        return Records::fail(FileError{FileError::Code::RemoveFailed, path, -1, {}});
    const QFileInfo inTrash(landed);
    const bool left = !entryExists(path);
    if (left && inTrash.isAbsolute() && entryExists(landed))
        return {};
    if (left && entryExists(landed))
        putBack(landed, path);
    return Records::fail(FileError{FileError::Code::RemoveFailed, path, -1, {}});
}

} // namespace Platform
