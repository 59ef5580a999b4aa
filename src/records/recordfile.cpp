#include "records/recordfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Records {

namespace {

// Whole files are read and written in slices of about this size: large enough that system calls
// do not dominate, small enough that the buffer stays in the processor's cache and is reused
// instead of claiming fresh memory for the whole file.
constexpr qint64 sliceBytes = 256 * 1024;

// Writes beside the file, flushes to disk and renames over it. writeContent reports whether all
// of it was written.
FileResult<void> writeAtomically(const QString &path, const std::function<bool(QIODevice *file)> &writeContent)
{
    QSaveFile file(path);
    // A rename over a file we may not replace must fail rather than fall back to writing the
    // old file in place, which would bring back the risk this function exists to avoid.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return fail(FileError{FileError::Code::WriteFailed, path, -1, file.errorString()});
    if (!writeContent(&file)) {
        const QString message = file.errorString();
        file.cancelWriting();
        return fail(FileError{FileError::Code::WriteFailed, path, -1, message});
    }
    if (!file.commit())
        return fail(FileError{FileError::Code::WriteFailed, path, -1, file.errorString()});
    return {};
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
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error(exists() ? FileError::Code::OpenFailed : FileError::Code::NotFound, file.errorString()));
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
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error(exists() ? FileError::Code::OpenFailed : FileError::Code::NotFound, file.errorString()));
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
    QFile file(m_path);
    if (!exists())
        return fail(error(FileError::Code::NotFound));
    if (!file.open(QIODevice::ReadWrite))
        return fail(error(FileError::Code::OpenFailed, file.errorString()));
    const qint64 offset = index * m_recordSize;
    if (index < 0 || offset > file.size() || file.size() % m_recordSize != 0)
        return fail(error(FileError::Code::Damaged, {}, offset));
    if (!file.seek(offset) || file.write(record) != m_recordSize || !file.flush())
        return fail(error(FileError::Code::WriteFailed, file.errorString(), offset));
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
    QFile file(m_path);
    if (!exists())
        return fail(error(FileError::Code::NotFound));
    if (!file.resize(newCount * m_recordSize))
        return fail(error(FileError::Code::WriteFailed, file.errorString()));
    return {};
}

FileResult<void> RecordFile::create() const
{
    if (exists())
        return {};
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(error(FileError::Code::CreateFailed, file.errorString()));
    return {};
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
    const qint64 perSlice = qMax<qint64>(1, sliceBytes / m_recordSize);
    QByteArray slice;
    slice.reserve(qMin(count, perSlice) * m_recordSize);
    return writeAtomically(m_path, [&](QIODevice *file) {
        for (qint64 i = 0; i < count; ++i) {
            const QByteArray record = recordAt(i);
            Q_ASSERT(record.size() == m_recordSize);
            slice.append(record);
            if ((i + 1) % perSlice == 0 || i + 1 == count) {
                if (file->write(slice) != slice.size())
                    return false;
                // Keeps the capacity for the next slice, unlike clear().
                slice.resize(0);
            }
        }
        return true;
    });
}

FileResult<void> writeFileAtomically(const QString &path, const QByteArray &content)
{
    return writeAtomically(path, [&content](QIODevice *file) { return file->write(content) == content.size(); });
}

} // namespace Records
