#include "records/nofollow.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Records {

bool isSymbolicLink(const QString &path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISLNK(status.st_mode);
}

FileResult<void> openWithoutFollowing(QFile &file, const QString &path, QIODevice::OpenMode mode,
                                      FileError::Code failureCode)
{
    const bool reads = mode.testFlag(QIODevice::ReadOnly);
    const bool writes = mode.testFlag(QIODevice::WriteOnly) || mode.testFlag(QIODevice::Append);
    // Without blocking: opening a named pipe put at the path would wait for a writer for ever.
    int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | (reads && writes ? O_RDWR : writes ? O_WRONLY : O_RDONLY);
    if (writes) {
        if (mode.testFlag(QIODevice::NewOnly))
            flags |= O_CREAT | O_EXCL;
        else if (!mode.testFlag(QIODevice::ExistingOnly))
            flags |= O_CREAT;
        if (mode.testFlag(QIODevice::Truncate))
            flags |= O_TRUNC;
        if (mode.testFlag(QIODevice::Append))
            flags |= O_APPEND;
    }
    int handle = -1;
    do {
        handle = ::open(QFile::encodeName(path).constData(), flags, 0666);
    } while (handle < 0 && errno == EINTR);
    if (handle < 0) {
        const int error = errno;
        // O_NOFOLLOW answers a link with ELOOP; O_EXCL answers it with EEXIST.
        if ((error == ELOOP || error == EEXIST) && isSymbolicLink(path))
            return fail(FileError{FileError::Code::SymbolicLink, path, -1, {}});
        return fail(FileError{failureCode, path, -1, qt_error_string(error)});
    }
    // Only a regular file is a work file: a pipe, a device or a folder at its name is refused.
    struct stat status {};
    if (::fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(handle);
        return fail(FileError{failureCode, path, -1, qt_error_string(EINVAL)});
    }
    ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK);
    // The flags that shaped the opening are done; QFile takes the handle as it is.
    const QIODevice::OpenMode kept =
        mode & (QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered | QIODevice::Text);
    if (!file.open(handle, kept, QFileDevice::AutoCloseHandle)) {
        const QString message = file.errorString();
        ::close(handle);
        return fail(FileError{failureCode, path, -1, message});
    }
    return {};
}

} // namespace Records
