#include "platform/movefile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Platform {

namespace {

using Records::FileError;

FileError failure(FileError::Code code, const QString &path, int error)
{
    return {code, path, -1, QString::fromLocal8Bit(std::strerror(error))};
}

int renameNoReplace(const QByteArray &from, const QByteArray &to)
{
#ifdef RENAME_NOREPLACE
    return ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
#else
    // Older C libraries lack the wrapper; the kernel call is the same.
    constexpr unsigned int noReplace = 1;
    return int(::syscall(SYS_renameat2, AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), noReplace));
#endif
}

// The file system has no hard links (FAT on memory cards, many network shares): claiming the name
// with an exclusive create is atomic there too, and rename() then only replaces our own placeholder.
int renameOverPlaceholder(const QByteArray &from, const QByteArray &to)
{
    const int placeholder = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (placeholder < 0)
        return errno;
    ::close(placeholder);
    if (::rename(from.constData(), to.constData()) == 0)
        return 0;
    const int error = errno;
    ::unlink(to.constData());
    return error;
}

// Moves within one file system without replacing; 0 or the errno of the failure.
int placeWithoutReplacing(const QByteArray &from, const QByteArray &to)
{
    if (renameNoReplace(from, to) == 0)
        return 0;
    int error = errno;
    if (error != EINVAL && error != ENOSYS && error != EOPNOTSUPP)
        return error;

    // The file system cannot rename without replacing. A hard link never replaces either.
    if (::link(from.constData(), to.constData()) == 0) {
        if (::unlink(from.constData()) == 0)
            return 0;
        error = errno;
        // The new link is ours; dropping it restores the state before the move.
        ::unlink(to.constData());
        return error;
    }
    error = errno;
    if (error == EPERM || error == EOPNOTSUPP || error == EMLINK || error == ENOSYS)
        return renameOverPlaceholder(from, to);
    return error;
}

int writeAll(int descriptor, const char *data, ssize_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(descriptor, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += written;
        size -= written;
    }
    return 0;
}

// Copies the regular file source into the new file target (opened by the caller) with its mode and
// time stamps, and makes the copy durable; 0 or the errno of the failure. *digest gets the hash of
// the bytes read, to check the copy against.
int copyContents(int source, const struct stat &sourceInfo, int target, QByteArray *digest)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 copied = 0;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const ssize_t read = ::read(source, buffer.data(), size_t(buffer.size()));
        if (read < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (read == 0)
            break;
        hash.addData(QByteArrayView(buffer.constData(), read));
        copied += read;
        if (const int error = writeAll(target, buffer.constData(), read))
            return error;
    }
    // A source that changed size while it was read is not the file that was asked to move.
    if (copied != qint64(sourceInfo.st_size))
        return EIO;
    *digest = hash.result();
    if (::fchmod(target, sourceInfo.st_mode & 07777) != 0)
        return errno;
    const struct timespec times[2] = {sourceInfo.st_atim, sourceInfo.st_mtim};
    if (::futimens(target, times) != 0)
        return errno;
    if (::fsync(target) != 0)
        return errno;
    return 0;
}

// Reads the copy back and compares it with what was written: the size and the hash. A file
// system that lost or changed bytes on the way (a full or failing medium, a network share) must not
// be trusted with the only copy. 0, EIO on a difference, or the errno of the failure.
int verifyCopy(const QByteArray &path, qint64 size, const QByteArray &digest)
{
    const int descriptor = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (descriptor < 0)
        return errno;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    qint64 total = 0;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    int error = 0;
    for (;;) {
        const ssize_t read = ::read(descriptor, buffer.data(), size_t(buffer.size()));
        if (read < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        if (read == 0)
            break;
        hash.addData(QByteArrayView(buffer.constData(), read));
        total += read;
    }
    ::close(descriptor);
    if (error != 0)
        return error;
    return total == size && hash.result() == digest ? 0 : EIO;
}

void syncFolderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : path.left(slash);
    const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

// Moves to another file system: a copy under a temporary name beside the target, which then takes
// the target's name without replacing; the source goes last.
int moveAcross(const QByteArray &from, const QByteArray &to, const std::function<void(const QString &)> &beforeCopy)
{
    const int source = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        return errno;
    struct stat sourceInfo;
    if (::fstat(source, &sourceInfo) != 0) {
        const int error = errno;
        ::close(source);
        return error;
    }
    if (!S_ISREG(sourceInfo.st_mode)) {
        // Only plain files are copied; anything else stays where it is.
        ::close(source);
        return EXDEV;
    }

    const qsizetype slash = to.lastIndexOf('/');
    const QByteArray folder = to.left(slash + 1);
    const QByteArray name = to.mid(slash + 1);
    QByteArray temporary;
    int target = -1;
    for (int attempt = 0; attempt < 100 && target < 0; ++attempt) {
        const QByteArray tag = QByteArray::number(QRandomGenerator::global()->generate(), 16);
        temporary = folder + ".~" + name.left(200) + '.' + tag + ".part";
        if (beforeCopy)
            beforeCopy(QFile::decodeName(temporary));
        target = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (target < 0 && errno != EEXIST)
            break;
    }
    if (target < 0) {
        const int error = errno;
        ::close(source);
        return error;
    }

    QByteArray digest;
    int error = copyContents(source, sourceInfo, target, &digest);
    ::close(source);
    if (::close(target) != 0 && error == 0)
        error = errno;
    if (error == 0)
        error = verifyCopy(temporary, qint64(sourceInfo.st_size), digest);
    if (error == 0)
        error = placeWithoutReplacing(temporary, to);
    if (error != 0) {
        ::unlink(temporary.constData());
        return error;
    }
    syncFolderOf(to);
    if (::unlink(from.constData()) != 0) {
        // The source must not stay behind next to a second copy: take the copy away again.
        error = errno;
        ::unlink(to.constData());
        return error;
    }
    return 0;
}

} // namespace

bool entryExists(const QString &path)
{
    struct stat info;
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

bool isTemporaryCopyName(const QString &name)
{
    return name.startsWith(u".~"_s) && name.endsWith(u".part"_s) && name.size() > 7;
}

Records::FileResult<void> moveWithoutReplacing(const QString &from, const QString &to,
                                               const std::function<void(const QString &)> &beforeCopy)
{
    // The system reads a path up to its first NUL: "abc\0def.jpg" would become "abc".
    if (from.contains(QChar(0)))
        return Records::fail(failure(FileError::Code::NotFound, from, ENOENT));
    if (to.contains(QChar(0)))
        return Records::fail(failure(FileError::Code::CreateFailed, to, EINVAL));
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    // Only plain files move. A folder or a link that took a file's name since the folder was
    // listed stays where it is.
    struct stat sourceInfo;
    if (::lstat(source.constData(), &sourceInfo) != 0) {
        const int error = errno;
        const auto code = error == ENOENT ? FileError::Code::NotFound : FileError::Code::OpenFailed;
        return Records::fail(failure(code, from, error));
    }
    if (!S_ISREG(sourceInfo.st_mode))
        return Records::fail(failure(FileError::Code::OpenFailed, from, S_ISDIR(sourceInfo.st_mode) ? EISDIR : ELOOP));
    int error = placeWithoutReplacing(source, target);
    if (error == EXDEV)
        error = moveAcross(source, target, beforeCopy);
    if (error == 0)
        return {};
    if (error == ENOENT && !entryExists(from))
        return Records::fail(failure(FileError::Code::NotFound, from, error));
    return Records::fail(failure(FileError::Code::CreateFailed, to, error));
}

} // namespace Platform
