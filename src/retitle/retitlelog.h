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

// The log of one retitling: a text file in the work folder's "Logs/", Windows-1252 with CR LF
// line ends. Every line reaches the file before the next file operation starts, so that after an
// interruption the log tells under which name each file is.
class RetitleLog final
{
public:
    // "yyyyMMddhhmmss_" + the picture folder with every '/' as '~' + ".txt".
    static QString fileName(const QDateTime &start, const QString &pictureFolder);
    // The line of an event. path: the file concerned; for moves the path moved from and the
    // path moved to (for a rollback: from the new path back to the old one).
    static QString line(LogEvent event, const QString &path = {}, const QString &to = {});

    // Creates the file, or empties an existing one.
    [[nodiscard]] Records::FileResult<void> open(const QString &path);
    bool isOpen() const { return m_file.isOpen(); }
    QString path() const { return m_file.fileName(); }
    // WriteLog: appends one line and flushes it to the system.
    void WriteLog(const QString &line);
    void WriteLog(LogEvent event, const QString &path = {}, const QString &to = {});
    void close();

private:
    QFile m_file;
};

} // namespace Retitle
