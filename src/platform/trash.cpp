#include "platform/trash.h"

#include "platform/movefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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

} // namespace

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
