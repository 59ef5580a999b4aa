#pragma once

#include "retitle/journal.h"
#include "retitle/previewreport.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace Platform {
class Dialogs;
class FileSystem;
} // namespace Platform
namespace Session {
class PictureSession;
}
namespace Settings {
class ProgramSettings;
}

namespace Retitle {

// What the undo needs from parts of the program that are not its own.
struct UndoHooks
{
    // The counter's start value; empty while the counter is off.
    std::function<QString()> counterStart;
    std::function<void(const QString &)> setCounterStart;
    // After every picture, so that the window stays responsive.
    std::function<void()> yield;
    // The main storage folder as set now: the folder a journal written before journals named
    // their own may reach beside the picture folder. Empty for none.
    std::function<QString()> storageFolder = {};
};

// One step of a run to be reverted, as checked before the undo.
struct UndoEntry
{
    enum class Problem { None, Changed, Missing, NameTaken, NotInTrash, LeftWithPicture, Outside };
    // The run's step, by its index in the journal.
    int step = -1;
    Problem problem = Problem::None;
    // A trashed file: where the trash holds it.
    QString trashFile;
    QString trashInfo;

    bool operator==(const UndoEntry &) const = default;
};

// What an undo of one journal will do: its entries in the order they are carried out.
struct UndoPlan
{
    Journal journal;
    QList<UndoEntry> entries;
    int pictures = 0;
    int companions = 0;
    int restoredFromTrash = 0;
    int folders = 0;
    // Pictures left where they are, with their files.
    int left = 0;
    // The files of those pictures.
    int leftFiles = 0;
};

// Undoes a retitling, or an undo, from its journal: every picture and the files that went with
// it back to its old name and folder, trashed pictures back from the trash, the folders the run
// created removed when empty, and the picture table, the counter and the program's total as the
// run found them where they are still as it left them. A file changed or moved since, or whose
// old name is taken, is reported and left with the rest of its picture; nothing is replaced. An
// undo writes a journal and a log of its own, so that it can be undone in turn.
class RetitleUndo final : public QObject
{
    Q_OBJECT

public:
    // workFolder: with a trailing '/', holding "Journal/" and "Logs/".
    RetitleUndo(Session::PictureSession &pictures, Settings::ProgramSettings &programSettings,
                Platform::Dialogs &dialogs, Platform::FileSystem &files, const QString &workFolder,
                QObject *parent = nullptr);

    void setHooks(UndoHooks hooks) { m_hooks = std::move(hooks); }
    QString journalFolder() const;

    // The journals of the session's picture folder, newest first.
    QStringList journals() const;
    // Whether the work folder keeps a journal of pictureFolder: a run may have moved all of its
    // pictures away, or been killed doing so.
    static bool hasJournals(const QString &workFolder, const QString &pictureFolder);
    // The newest retitling of the folder that no undo has undone; empty for none.
    std::optional<QString> lastRetitling() const;
    // The newest undo of a retitling of the folder, as long as no later retitling or undo came
    // after it: undoing it retitles the pictures again. Empty for none.
    std::optional<QString> lastUndo() const;
    // The newest run of the folder that did not end; empty for none.
    std::optional<QString> interruptedRun() const;
    // Whether "Undo last retitling" has a run to undo; kept up to date by refresh().
    bool isAvailable() const { return m_available; }
    // Whether the last undo can be undone in turn; kept up to date by refresh().
    bool isRedoAvailable() const { return m_redoAvailable; }
    void refresh();

    // Reads the journal and checks every file of it. Empty when the journal cannot be read.
    std::optional<UndoPlan> prepare(const QString &journalPath) const;
    // The preview of an undo: old ← new per picture, with what keeps a picture where it is.
    QList<ReportLine> report(const UndoPlan &plan) const;
    // Carries the plan out; false when nothing was touched because its journal or log could not
    // be written (the user was told). The outcome goes to the status line.
    bool undo(const UndoPlan &plan);
    // The journal of the last undo.
    QString lastJournal() const { return m_lastJournal; }
    // Files the last undo put back.
    int putBackCount() const { return m_putBack; }

    // An interrupted run is kept as it is: every step it did not record is looked up on the
    // disk and recorded as found, the temporary copies it left and the folders it created that
    // stayed empty are removed, and the run is marked finished.
    void completeInterrupted(const QString &journalPath);
    // Whether path lies inside the folders the run of journal may touch (its picture folder and
    // its main storage folder), written without "." or ".." and reached through no link.
    bool isInsideRun(const QString &path, const Journal &journal) const;
    // At the start of the folder: tells of an interrupted run and offers to complete or undo it.
    void offerRecovery();

    static QString problemText(UndoEntry::Problem problem);

Q_SIGNALS:
    void undoFinished();

private:
    // Gives back what the run took from the rows of the pictures that came back under names.
    void restoreSessionState(const Journal &journal, const QSet<QString> &cameBack);
    // Whether the step of a run happened, by what the disk holds now; a copy to another file
    // system that was placed while its original stayed is removed first.
    bool happened(const JournalStep &step, const Journal &journal) const;
    // Removes the temporary copies the run noted that are still there.
    void removeTemporaries(const Journal &journal) const;
    QStringList roots(const Journal &journal) const;

    Session::PictureSession &m_pictures;
    Settings::ProgramSettings &m_programSettings;
    Platform::Dialogs &m_dialogs;
    Platform::FileSystem &m_files;
    QString m_workFolder;
    UndoHooks m_hooks;
    bool m_available = false;
    bool m_redoAvailable = false;
    QString m_lastJournal;
    int m_putBack = 0;
};

} // namespace Retitle
