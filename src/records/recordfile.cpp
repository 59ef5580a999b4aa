#include "records/recordfile.h"

#include "records/nofollow.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <optional>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Records {

namespace {

// Whole files are read and written in slices of about this size: large enough that system calls
// do not dominate, small enough that the buffer stays in the processor's cache and is reused
// instead of claiming fresh memory for the whole file.
constexpr qint64 sliceBytes = 256 * 1024;

struct SimulatedFailure
{
    WriteStep step;
    int systemError;
};

// Set only by SimulatedWriteFailure, in tests.
std::optional<SimulatedFailure> simulatedFailure;

// Whether a test makes step fail; errno then holds the error it chose.
bool simulatedFailureAt(WriteStep step)
{
    if (!simulatedFailure || simulatedFailure->step != step)
        return false;
    errno = simulatedFailure->systemError;
    return true;
}

// Writes all of bytes at offset, or at the file's position when offset is negative.
bool writeAll(int handle, QByteArrayView bytes, qint64 offset = -1)
{
    if (simulatedFailureAt(WriteStep::Write))
        return false;
    const char *data = bytes.data();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t done = offset < 0 ? ::write(handle, data, size_t(left))
                                        : ::pwrite(handle, data, size_t(left), off_t(offset));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            if (done == 0)
                errno = EIO;
            return false;
        }
        data += done;
        left -= done;
        if (offset >= 0)
            offset += done;
    }
    return true;
}

FileError writeFailed(const QString &path, int systemError)
{
    return FileError{FileError::Code::WriteFailed, path, -1, qt_error_string(systemError)};
}

// A rename is only lasting once the folder that holds the name is on disk too. The new content
// is in place by then, so a folder that cannot be synced is no failure of the write.
void syncFolderOf(const QString &path)
{
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    ::fsync(folder);
    ::close(folder);
}

using Put = std::function<bool(QByteArrayView bytes)>;

FileResult<void> writeAtomically(const QString &path, const std::function<bool(const Put &put)> &writeContent)
{
    AtomicFile file(path);
    if (auto opened = file.open(); !opened)
        return opened;
    FileResult<void> written;
    const bool complete = writeContent([&file, &written](QByteArrayView bytes) {
        written = file.write(bytes);
        return bool(written);
    });
    if (!written)
        return written;
    if (!complete)
        return fail(writeFailed(path, EIO));
    return file.commit();
}

} // namespace

RecordFile::RecordFile(const QString &path, int recordSize) : m_path(path), m_recordSize(recordSize)
{
    Q_ASSERT(recordSize > 0);
}

bool RecordFile::exists() const
{
    const QFileInfo info(m_path);
    return info.exists() && !info.isDir();
}

FileError RecordFile::error(FileError::Code code, const QString &systemMessage, qint64 offset) const
{
    return FileError{code, m_path, offset, systemMessage};
}

FileResult<qint64> RecordFile::count() const
{
    const QFileInfo info(m_path);
    if (!info.exists() || info.isDir())
        return fail(error(FileError::Code::NotFound));
    const qint64 size = info.size();
    if (size % m_recordSize != 0)
        return fail(error(FileError::Code::Damaged, {}, size - size % m_recordSize));
    return size / m_recordSize;
}

FileResult<QByteArray> RecordFile::read(qint64 index) const
{
    // Never through a link, never waiting on a pipe put at the work file's name.
    QFile file;
    if (auto opened = openWithoutFollowing(file, m_path, QIODevice::ReadOnly); !opened)
        return fail(error(exists() ? FileError::Code::OpenFailed : FileError::Code::NotFound, opened.error().systemMessage));
    const qint64 offset = index * m_recordSize;
    if (index < 0 || offset + m_recordSize > file.size())
        return fail(error(FileError::Code::Damaged, {}, offset));
    if (!file.seek(offset))
        return fail(error(FileError::Code::ReadFailed, file.errorString(), offset));
    QByteArray bytes = file.read(m_recordSize);
    if (bytes.size() != m_recordSize)
        return fail(error(FileError::Code::ReadFailed, file.errorString(), offset));
    return bytes;
}

FileResult<QList<QByteArray>> RecordFile::readWholeRecords() const
{
    QList<QByteArray> records;
    const auto read = readEachWholeRecord([&records](QByteArrayView record) { records.append(record.toByteArray()); });
    if (!read)
        return fail(read.error());
    return records;
}

FileResult<qint64> RecordFile::readEachWholeRecord(const std::function<void(QByteArrayView record)> &take) const
{
    // Never through a link, never waiting on a pipe put at the work file's name.
    QFile file;
    if (auto opened = openWithoutFollowing(file, m_path, QIODevice::ReadOnly); !opened)
        return fail(error(exists() ? FileError::Code::OpenFailed : FileError::Code::NotFound, opened.error().systemMessage));
    const qint64 count = file.size() / m_recordSize;
    const qint64 perSlice = qMax<qint64>(1, sliceBytes / m_recordSize);
    QByteArray slice(qMin(count, perSlice) * m_recordSize, Qt::Uninitialized);
    for (qint64 done = 0; done < count;) {
        const qint64 records = qMin(perSlice, count - done);
        const qint64 bytes = records * m_recordSize;
        if (file.read(slice.data(), bytes) != bytes)
            return fail(error(FileError::Code::ReadFailed, file.errorString()));
        for (qint64 i = 0; i < records; ++i)
            take(QByteArrayView(slice.constData() + i * m_recordSize, m_recordSize));
        done += records;
    }
    return count;
}

FileResult<QList<QByteArray>> RecordFile::readAll() const
{
    const auto total = count();
    if (!total)
        return fail(total.error());
    return readWholeRecords();
}

FileResult<void> RecordFile::write(qint64 index, const QByteArray &record) const
{
    Q_ASSERT(record.size() == m_recordSize);
    QFile file;
    if (!exists() && !isSymbolicLink(m_path))
        return fail(error(FileError::Code::NotFound));
    if (auto opened = openWithoutFollowing(file, m_path, QIODevice::ReadWrite | QIODevice::ExistingOnly); !opened)
        return opened;
    const qint64 size = file.size();
    const qint64 offset = index * m_recordSize;
    if (index < 0 || offset > size || size % m_recordSize != 0)
        return fail(error(FileError::Code::Damaged, {}, offset));
    if (!writeAll(file.handle(), record, offset)) {
        const int systemError = errno;
        // An append that found no room leaves no part of a record behind.
        if (offset == size)
            file.resize(size);
        return fail(error(FileError::Code::WriteFailed, qt_error_string(systemError), offset));
    }
    return {};
}

FileResult<void> RecordFile::append(const QByteArray &record) const
{
    const auto total = count();
    if (!total)
        return fail(total.error());
    return write(*total, record);
}

FileResult<void> RecordFile::truncate(qint64 newCount) const
{
    QFile file;
    if (!exists() && !isSymbolicLink(m_path))
        return fail(error(FileError::Code::NotFound));
    if (auto opened = openWithoutFollowing(file, m_path, QIODevice::ReadWrite | QIODevice::ExistingOnly); !opened)
        return opened;
    if (!file.resize(newCount * m_recordSize))
        return fail(error(FileError::Code::WriteFailed, file.errorString()));
    return {};
}

FileResult<void> RecordFile::create() const
{
    if (isSymbolicLink(m_path))
        return fail(error(FileError::Code::SymbolicLink));
    if (exists())
        return {};
    QFile file;
    return openWithoutFollowing(file, m_path, QIODevice::WriteOnly | QIODevice::NewOnly, FileError::Code::CreateFailed);
}

FileResult<void> RecordFile::rewrite(const QList<QByteArray> &records) const
{
    QByteArray all;
    all.reserve(records.size() * m_recordSize);
    for (const QByteArray &record : records) {
        Q_ASSERT(record.size() == m_recordSize);
        all.append(record);
    }
    return rewrite(all);
}

FileResult<void> RecordFile::rewrite(const QByteArray &concatenatedRecords) const
{
    Q_ASSERT(concatenatedRecords.size() % m_recordSize == 0);
    return writeFileAtomically(m_path, concatenatedRecords);
}

FileResult<void> RecordFile::rewrite(qint64 count, const std::function<QByteArray(qint64 index)> &recordAt) const
{
    // AtomicFile gathers the records into slices.
    return writeAtomically(m_path, [&](const Put &put) {
        for (qint64 i = 0; i < count; ++i) {
            const QByteArray record = recordAt(i);
            Q_ASSERT(record.size() == m_recordSize);
            if (!put(record))
                return false;
        }
        return true;
    });
}

FileResult<void> writeFileAtomically(const QString &path, const QByteArray &content)
{
    return writeAtomically(path, [&content](const Put &put) { return put(content); });
}

AtomicFile::AtomicFile(const QString &path) : m_path(path) {}

AtomicFile::~AtomicFile()
{
    cancel();
}

FileResult<void> AtomicFile::open()
{
    cancel();
    const QByteArray target = QFile::encodeName(m_path);
    struct stat old {};
    const bool existed = ::lstat(target.constData(), &old) == 0;
    if (existed && S_ISLNK(old.st_mode))
        return fail(FileError{FileError::Code::SymbolicLink, m_path, -1, {}});
    if (existed && !S_ISREG(old.st_mode))
        return fail(writeFailed(m_path, S_ISDIR(old.st_mode) ? EISDIR : EINVAL));
    for (int attempt = 0; m_handle < 0 && attempt < 16; ++attempt) {
        m_temporary = target + ".new" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        m_handle = ::open(m_temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (m_handle < 0 && errno != EEXIST && errno != EINTR)
            break;
    }
    if (m_handle < 0)
        return fail(writeFailed(m_path, errno));
    // The new file keeps the access rights the old one had.
    if (existed)
        ::fchmod(m_handle, old.st_mode & 07777);
    m_error = 0;
    return {};
}

FileResult<void> AtomicFile::write(QByteArrayView bytes)
{
    if (m_handle < 0)
        return fail(writeFailed(m_path, m_error != 0 ? m_error : EBADF));
    if (m_buffer.size() + bytes.size() > sliceBytes) {
        if (!flushBuffer())
            return fail(writeFailed(m_path, m_error));
    }
    if (bytes.size() >= sliceBytes) {
        if (!writeAll(m_handle, bytes)) {
            m_error = errno;
            return fail(writeFailed(m_path, m_error));
        }
    } else {
        m_buffer.append(bytes);
    }
    return {};
}

bool AtomicFile::flushBuffer()
{
    if (m_error == 0 && !m_buffer.isEmpty() && !writeAll(m_handle, m_buffer))
        m_error = errno;
    // Keeps the capacity for the next slice, unlike clear().
    m_buffer.resize(0);
    return m_error == 0;
}

FileResult<void> AtomicFile::commit(Durability durability)
{
    if (m_handle < 0)
        return fail(writeFailed(m_path, m_error != 0 ? m_error : EBADF));
    int error = flushBuffer() ? 0 : m_error;
    if (error == 0 && durability == Durability::Synced
        && (simulatedFailureAt(WriteStep::Sync) || ::fsync(m_handle) != 0))
        error = errno;
    if (::close(m_handle) != 0 && error == 0)
        error = errno;
    m_handle = -1;
    const QByteArray target = QFile::encodeName(m_path);
    if (error == 0
        && (simulatedFailureAt(WriteStep::Rename) || ::rename(m_temporary.constData(), target.constData()) != 0))
        error = errno;
    if (error != 0) {
        ::unlink(m_temporary.constData());
        m_error = error;
        return fail(writeFailed(m_path, error));
    }
    if (durability == Durability::Synced)
        syncFolderOf(m_path);
    return {};
}

void AtomicFile::cancel()
{
    if (m_handle < 0)
        return;
    ::close(m_handle);
    m_handle = -1;
    ::unlink(m_temporary.constData());
    m_buffer.resize(0);
}

SimulatedWriteFailure::SimulatedWriteFailure(WriteStep step, int systemError)
{
    simulatedFailure = SimulatedFailure{step, systemError};
}

SimulatedWriteFailure::~SimulatedWriteFailure()
{
    simulatedFailure.reset();
}

} // namespace Records
