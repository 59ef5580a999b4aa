#pragma once

#include "records/fileerror.h"

#include <QDateTime>
#include <QFile>
#include <QString>

namespace Retitle {

// The events a retitling writes to its log, one line each.
enum class LogEvent {
    Deleted,
    DeleteFailed,
    SyncDeleted,
    SyncDeleteFailed,
    Renamed,
    RenameFailed,
    SyncRenamed,
    SyncRenameFailed,
    Rollback,
    RolledBack,
    RollbackFailed,
    RollbackTerminated,
    SyncRolledBack,
    SyncRollbackFailed,
};

// The log of one retitling: a text file in the work folder's "Logs/", UTF-8 with CR LF line ends;
// control characters and backslashes of names are written as \xHH. Every line reaches the file
// before the next file operation starts, so that after an interruption the log tells under which
// name each file is.
//
// A run writes two lines per picture, as many as it makes renames, so the lines go through a
// shared mapping of the file instead of a system call each: a line stored there is in the
// system's cache at once and survives the program being killed. The file grows ahead of the lines
// in chunks filled with empty lines (so a killed run leaves a readable log) and is cut to its
// lines when closed. Where the file cannot be mapped, each line is written and flushed.
class RetitleLog final
{
public:
    explicit RetitleLog(qint64 chunkSize = qint64(1) << 20);
    ~RetitleLog();
    RetitleLog(const RetitleLog &) = delete;
    RetitleLog &operator=(const RetitleLog &) = delete;

    // "yyyyMMddhhmmss_" + the picture folder with every '/' as '~' + ".txt". A name that would
    // not fit the 255 bytes of a file name keeps the end of the folder's path behind a hash of the
    // whole path.
    static QString fileName(const QDateTime &start, const QString &pictureFolder);
    // Cuts the logs of the folder that a killed run left with empty lines kept ahead of their
    // last line. Only the last bytes of a log cleanly closed are read.
    static void trimKilledRuns(const QString &logFolder);
    // The line of an event. path: the file concerned; for moves the path moved from and the
    // path moved to (for a rollback: from the new path back to the old one).
    static QString line(LogEvent event, const QString &path = {}, const QString &to = {});

    // Creates the file, or empties an existing one, and takes room for the first lines. Fails,
    // leaving no file, when the room cannot be had (a full disk).
    [[nodiscard]] Records::FileResult<void> open(const QString &path);
    bool isOpen() const { return m_file.isOpen(); }
    // WriteLog: appends one line and flushes it to the system.
    void WriteLog(const QString &line);
    void WriteLog(LogEvent event, const QString &path = {}, const QString &to = {});
    void close();
    // False once a line could not be written since open(); failure() holds the system's words.
    bool isComplete() const { return m_complete; }
    const QString &failure() const { return m_failure; }

private:
    bool reserve(qint64 length);

    QFile m_file;
    qint64 m_chunkSize;
    // The mapped file: its lines take the first m_length bytes of m_capacity.
    uchar *m_map = nullptr;
    qint64 m_length = 0;
    qint64 m_capacity = 0;
    bool m_complete = true;
    // The last reserve() failed for want of room, not for want of a mapping.
    bool m_roomRefused = false;
    QString m_failure;
};

} // namespace Retitle
