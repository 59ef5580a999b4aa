#include "records/damagedfile.h"

#include "records/recordfile.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Records {

namespace {

// Names tried beside the file before giving up: far more copies than anyone keeps.
constexpr int maxCopies = 10000;

QString systemMessage(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Closes a descriptor when it goes out of scope.
class Descriptor final
{
public:
    explicit Descriptor(int descriptor) : m_descriptor(descriptor) {}
    ~Descriptor()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_descriptor; }
    bool isOpen() const { return m_descriptor >= 0; }

private:
    int m_descriptor;
};

bool writeAll(int descriptor, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(descriptor, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= size_t(written);
    }
    return true;
}

// Creates the first free copy name beside path, never through a symbolic link: O_EXCL refuses
// any name that exists, a link (even a dangling one) included.
FileResult<int> createCopy(const QString &path, mode_t mode, QString *copyPath)
{
    for (int number = 1; number <= maxCopies; ++number) {
        const QString name = path + u".damaged"_s + (number == 1 ? QString() : u'-' + QString::number(number));
        const int descriptor = ::open(QFile::encodeName(name).constData(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (descriptor >= 0) {
            *copyPath = name;
            return descriptor;
        }
        if (errno != EEXIST)
            return fail(FileError{FileError::Code::CreateFailed, name, -1, systemMessage(errno)});
    }
    return fail(FileError{FileError::Code::CreateFailed, path + u".damaged"_s, -1, {}});
}

FileResult<DamagedFile> copyOpenFile(int source, const QString &path, const struct stat &info, int recordSize)
{
    QString copyPath;
    const auto created = createCopy(path, info.st_mode & 0666, &copyPath);
    if (!created)
        return fail(created.error());
    const Descriptor copy(*created);
    const auto failed = [&](FileError::Code code, int error) {
        ::unlink(QFile::encodeName(copyPath).constData());
        return fail(FileError{code, code == FileError::Code::ReadFailed ? path : copyPath, -1, systemMessage(error)});
    };
    std::array<char, 64 * 1024> buffer;
    qint64 total = 0;
    for (;;) {
        const ssize_t read = ::read(source, buffer.data(), buffer.size());
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return failed(FileError::Code::ReadFailed, errno);
        if (read == 0)
            break;
        if (!writeAll(copy.get(), buffer.data(), size_t(read)))
            return failed(FileError::Code::WriteFailed, errno);
        total += read;
    }
    // The copy is on the disk before the rewrite that follows can drop anything.
    if (::fsync(copy.get()) != 0)
        return failed(FileError::Code::WriteFailed, errno);
    return DamagedFile{path, copyPath, total / recordSize};
}

} // namespace

FileResult<std::optional<DamagedFile>> keepIfDamaged(const QString &path, int recordSize)
{
    Q_ASSERT(recordSize > 0);
    // Never blocking on a named pipe put at the path: only a regular file is copied.
    const Descriptor source(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!source.isOpen()) {
        if (errno == ENOENT)
            return std::optional<DamagedFile>();
        return fail(FileError{FileError::Code::OpenFailed, path, -1, systemMessage(errno)});
    }
    struct stat info;
    if (::fstat(source.get(), &info) != 0)
        return fail(FileError{FileError::Code::ReadFailed, path, -1, systemMessage(errno)});
    if (!S_ISREG(info.st_mode))
        return fail(FileError{FileError::Code::OpenFailed, path, -1, {}});
    if (info.st_size % recordSize == 0)
        return std::optional<DamagedFile>();
    auto kept = copyOpenFile(source.get(), path, info, recordSize);
    if (!kept)
        return fail(kept.error());
    return std::optional<DamagedFile>(*kept);
}

FileResult<std::optional<DamagedFile>> cutDamagedTail(const QString &path, int recordSize)
{
    auto kept = keepIfDamaged(path, recordSize);
    if (!kept || !*kept)
        return kept;
    if (auto cut = RecordFile(path, recordSize).truncate((*kept)->recordsKept); !cut)
        return fail(cut.error());
    return kept;
}

} // namespace Records
