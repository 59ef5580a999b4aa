#pragma once

#include "records/fileerror.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace Retitle {

// One file or folder operation of a run, as planned before the run touched anything.
struct JournalStep
{
    enum class Kind { Move, Trash, Restore, MakeFolder, RemoveFolder };
    // Within a picture's group: the picture itself, a file that follows it, its thumbnail.
    enum class Role { Picture, Companion, Thumbnail, Folder };
    enum class State { Unknown, Done, Failed, RolledBack };

    Kind kind = Kind::Move;
    Role role = Role::Folder;
    // The picture the step belongs to; -1 for folders.
    int group = -1;
    // Move: from → to. Trash: the file. Restore: the file in the trash → its original path.
    // MakeFolder, RemoveFolder: the folder.
    QString from;
    QString to;
    // The file's size and modification time (ns since the epoch) when the step was planned, so
    // that a file changed since can be told apart; -1 for folders.
    qint64 size = -1;
    qint64 modified = 0;
    State state = State::Unknown;

    bool operator==(const JournalStep &) const = default;
};

// A picture table row as it was before a run changed it, by the picture's file name.
struct JournalRow
{
    QString name;
    QString marker;
    QString freeText;
    QString prefix;
    QString suffix;
    QString errorCode;
    bool markedForDeletion = false;

    bool operator==(const JournalRow &) const = default;
};

// The journal of one run (a retitling or an undo), read back. A journal lists the whole plan
// before the first step and then, in order, each step done; a journal without its end record
// belongs to a run that was interrupted.
struct Journal
{
    enum class Kind { Retitle, Undo };

    QString path;
    Kind kind = Kind::Retitle;
    QDateTime start;
    QString pictureFolder;
    // An undo: the file name of the journal it undid.
    QString undoes;
    // The main storage folder of a run with storage management, empty for a run without; not
    // known for a journal older than this record.
    std::optional<QString> storageFolder;
    // The temporary copies beside a target on another file system, known before each was made.
    QStringList temporaries;
    QList<JournalStep> steps;
    QList<JournalRow> rows;
    // The program's total of retitled pictures and the counter's start value before and after
    // the run; empty when not known (the run was interrupted, or the counter was off).
    std::optional<qint64> totalBefore;
    std::optional<qint64> totalAfter;
    std::optional<QString> counterBefore;
    std::optional<QString> counterAfter;
    // The whole plan reached the file.
    bool planned = false;
    bool finished = false;
    // The run was interrupted and a recovery ended it: an undo of this kind undid only a part.
    bool recovered = false;

    int doneCount() const;
    // Reads a journal line by line; a damaged last line (an interrupted write) and a line longer
    // than any record can be are ignored. Only a regular file is read, never through a link.
    [[nodiscard]] static Records::FileResult<Journal> read(const QString &path);
    // Only what tells the runs apart: the kind, the picture folder, the run an undo undid and
    // whether the run ended; no steps, rows or counts. Reads the file's head and its last line.
    [[nodiscard]] static Records::FileResult<Journal> readSummary(const QString &path);
};

// A file's size and modification time (ns), the symbolic link itself for a link; false when
// there is no entry at path.
bool fileStamp(const QString &path, qint64 *size, qint64 *modified);

// The text form of journal lines: fields separated by TAB, every control character and
// backslash of a field written as \xHH.
namespace JournalFormat {
inline constexpr int version = 1;
QByteArray header();
QByteArray line(const QStringList &fields);
QStringList fields(QByteArrayView line);
QString kindName(JournalStep::Kind kind);
// "p", "c", "t" or "f".
QString roleName(JournalStep::Role role);
// "yyyy-MM-ddTHH:mm:ss.zzz" in local time.
QString time(const QDateTime &moment);
// The journal file name of a run: sorts newest first, and ends in the picture folder's part of
// the retitling log's name with ".journal".
QString fileName(const QDateTime &start, const QString &pictureFolder);
// The end of every journal name of a picture folder.
QString folderSuffix(const QString &pictureFolder);
} // namespace JournalFormat

} // namespace Retitle
