#pragma once

#include "retitle/journal.h"

#include "records/fileerror.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

namespace Retitle {

// Writes a run's journal: created anew (never through a symbolic link, never over a file), only
// appended to, and kept in order. The plan is on the disk before commit() returns; the records of
// steps done afterwards are gathered and written in small groups, and synced at most every
// syncInterval milliseconds, so that a long run does not wait for the disk at every step. A record
// is added only after its step happened: after an interruption a step may be missing although it
// happened, never the other way round.
class JournalWriter final
{
public:
    explicit JournalWriter(int syncIntervalMs = 1000);
    ~JournalWriter();
    JournalWriter(const JournalWriter &) = delete;
    JournalWriter &operator=(const JournalWriter &) = delete;

    // Creates path with the header line; fails when it exists.
    [[nodiscard]] Records::FileResult<void> create(const QString &path);
    // Opens an existing journal to append to it (to end an interrupted run).
    [[nodiscard]] Records::FileResult<void> openToAppend(const QString &path);
    bool isOpen() const { return m_handle >= 0; }
    const QString &path() const { return m_path; }

    void add(const QStringList &fields);
    // A step of the plan; its index.
    int addStep(const JournalStep &step);
    // Writes what was added and waits until it is on the disk: the plan before the first step,
    // a step that must be known before it starts.
    void commit();
    // The temporary copy a move to another file system is about to make for step, committed
    // before the file exists, so that a recovery finds it whatever happens next.
    void addTemporary(int step, const QString &path);
    void markDone(int step) { mark("done", step); }
    void markFailed(int step) { mark("failed", step); }
    void markRolledBack(int step) { mark("back", step); }
    // The end record, committed, and the file closed. recovered: the run was interrupted and
    // is ended by a recovery.
    void finish(const QString &totalAfter, const QString &counterAfter, bool recovered = false);
    void close();
    // False once a write failed.
    bool isComplete() const { return m_complete; }

private:
    void mark(const char *tag, int step);
    void write();

    QString m_path;
    int m_handle = -1;
    QByteArray m_buffer;
    int m_steps = 0;
    int m_syncInterval;
    QElapsedTimer m_sinceSync;
    bool m_complete = true;
};

} // namespace Retitle
