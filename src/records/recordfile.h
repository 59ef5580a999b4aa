#pragma once

#include "records/fileerror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>

namespace Records {

// A work file of fixed-size records without header: record i starts at byte i * recordSize.
// Each call opens the file for one operation and closes it again. A file whose size is not a
// whole number of records is reported as Damaged and is never read past its end.
class RecordFile final
{
public:
    RecordFile(const QString &path, int recordSize);

    const QString &path() const { return m_path; }
    int recordSize() const { return m_recordSize; }

    bool exists() const;
    FileResult<qint64> count() const;
    FileResult<QByteArray> read(qint64 index) const;
    FileResult<QList<QByteArray>> readAll() const;
    // The whole records of a damaged file, for callers that can go on with them.
    FileResult<QList<QByteArray>> readWholeRecords() const;
    // Hands the whole records to take one by one in file order, without holding the whole file
    // in memory; a record's bytes are valid only during its call. The number of records read.
    FileResult<qint64> readEachWholeRecord(const std::function<void(QByteArrayView record)> &take) const;

    // Writes record index in place; index == count() appends. An append that fails leaves the
    // file as it was. Writing, truncating and creating refuse a symbolic link at the path.
    FileResult<void> write(qint64 index, const QByteArray &record) const;
    FileResult<void> append(const QByteArray &record) const;
    FileResult<void> truncate(qint64 count) const;
    // Creates an empty file when there is none; an existing file is left as it is.
    FileResult<void> create() const;
    // Replaces the whole file. The new content is written beside the old file and takes its
    // place only once it is complete, so a failure at any point leaves the old file intact.
    FileResult<void> rewrite(const QList<QByteArray> &records) const;
    FileResult<void> rewrite(const QByteArray &concatenatedRecords) const;
    // The same for count records that recordAt returns one by one in order, never holding more
    // than a slice of the file in memory.
    FileResult<void> rewrite(qint64 count, const std::function<QByteArray(qint64 index)> &recordAt) const;

private:
    FileError error(FileError::Code code, const QString &systemMessage = {}, qint64 offset = -1) const;

    QString m_path;
    int m_recordSize;
};

// Replaces a file's content at once through AtomicFile. Every whole file the program writes goes
// that way, so that a full disk never leaves an emptied file.
FileResult<void> writeFileAtomically(const QString &path, const QByteArray &content);

// A whole file written piece by piece, that takes the old file's place only on commit(): the
// pieces go to a new file beside it, which commit() syncs to disk and renames over the old one.
// Until then, and whenever a step fails, the old file stays as it was; a failure removes the new
// file, and the error holds the path and the system's words. A symbolic link at path is refused
// (Code::SymbolicLink) rather than replaced. Dropping it without commit() cancels.
class AtomicFile final
{
public:
    explicit AtomicFile(const QString &path);
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    const QString &path() const { return m_path; }
    FileResult<void> open();
    FileResult<void> write(QByteArrayView bytes);
    // Whether commit() waits until the bytes are on the disk: a file that can be made again, such
    // as a copy kept for speed, need not wait.
    enum class Durability { Synced, Unsynced };
    FileResult<void> commit(Durability durability = Durability::Synced);
    void cancel();

private:
    bool flushBuffer();

    QString m_path;
    QByteArray m_temporary;
    QByteArray m_buffer;
    int m_handle = -1;
    // The system error of the first failed step, 0 while none failed.
    int m_error = 0;
};

// The steps of a write that a full or failing disk makes fail.
enum class WriteStep { Write, Sync, Rename };

// For tests: while one lives, every atomic write, and every write of a record in place (step
// Write), fails at step with systemError as if the system had answered so.
class SimulatedWriteFailure final
{
public:
    explicit SimulatedWriteFailure(WriteStep step, int systemError);
    ~SimulatedWriteFailure();
    SimulatedWriteFailure(const SimulatedWriteFailure &) = delete;
    SimulatedWriteFailure &operator=(const SimulatedWriteFailure &) = delete;
};

} // namespace Records
