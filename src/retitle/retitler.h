#pragma once

#include "retitle/foldernames.h"
#include "retitle/retitlelog.h"

#include "session/mediatypes.h"
#include "compose/extensioncase.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

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

class JournalWriter;
struct TestPassResult;

// The counters of one retitling run.
struct RunCounters
{
    int retitled = 0;
    int failures = 0;
    int synchronized = 0;
    int deleted = 0;
    int undeleted = 0;
    int synchronizedDeleted = 0;

    bool operator==(const RunCounters &) const = default;
};

// The one-line outcome of a run for the status line, and the hint shown when pointing at it.
struct RunSummary
{
    QString text;
    // Empty when the run deleted nothing.
    QString hint;
    bool failed = false;

    bool operator==(const RunSummary &) const = default;
};

// What the retitling tells the parts of the program that are not its own.
struct RetitleHooks
{
    // The free text of a picture that was retitled; the context dictionary learns it.
    std::function<void(const QString &freeText)> confirmedFreeText;
    // After the last picture: the context dictionary settles its size.
    std::function<void()> freeTextsDone;
    // After the run: the counter element takes its next start value.
    std::function<void()> updateCounter;
    // After every picture, so that the window stays responsive.
    std::function<void()> yield;
    // The counter's start value as the journal keeps it; empty while the counter is off.
    std::function<QString()> counterStart = {};
};

// Retitle Now: sends the pictures marked for deletion to the trash, renames (and moves) every
// picture of a test pass with the files that follow it and its thumbnail, and logs every step.
// A failure of one picture is logged and counted and never stops the run; a picture whose
// companion cannot follow is moved back with the companions that already moved. No file is ever
// replaced, and at any moment each file exists under its old or its new name.
class Retitler final : public QObject
{
    Q_OBJECT

public:
    // logFolder: the work folder's "Logs/" folder.
    Retitler(Session::PictureSession &pictures, Settings::ProgramSettings &programSettings, Platform::Dialogs &dialogs,
             Platform::FileSystem &files, const QString &logFolder, QObject *parent = nullptr);
    ~Retitler() override;

    void setHooks(RetitleHooks hooks) { m_hooks = std::move(hooks); }
    // Where each run keeps its journal, the record that lets it be undone; empty (the default)
    // for none.
    void setJournalFolder(const QString &folder) { m_journalFolder = folder; }
    // Writes the plan of the run of pass to a new journal before anything is touched, the
    // folders still to be created included; Retitle does so itself when not done before. False
    // when the journal could not be written (the user was told).
    bool beginJournal(const TestPassResult &pass);
    // The run of the journal begun will not take place: its journal is closed as finished.
    void abandonJournal();
    // The journal of the last run; empty for none.
    QString journalPath() const { return m_journalPath; }

    // The whole run over the pass; its sync extensions are emptied at the end. storageManagement:
    // pictures are renamed and moved into storage folders. False when nothing was touched because
    // the log could not be created (the user was told).
    bool Retitle(TestPassResult &pass, bool storageManagement, const QDateTime &start = QDateTime::currentDateTime());

    // DeleteIsSuccess: a picture and its companions to the trash; 0 on failure, else 1 + the
    // number of companions trashed.
    int DeleteIsSuccess(const QString &FileOld);
    // RenameIsSuccess: renames/moves a picture with its companions and thumbnail into folder, the
    // destination the test pass planned; 0 on failure or rollback, else 1 + the number of
    // companions moved.
    int RenameIsSuccess(const QString &FileOld, const QString &FileNew, const QString &folder);
    // ToTheBin: one file to the trash; a path that names no file counts as success.
    bool ToTheBin(const QString &FileName);

    // The extensions whose files follow a picture, as a pass found them.
    void setSyncExtensions(const QStringList &extensions) { m_syncExtensions = extensions; }
    // Which files are listed and whether pairs follow, as the pass had them.
    void setMediaOptions(const Session::MediaOptions &options) { m_media = options; }
    const RunCounters &counters() const { return m_counters; }
    // A run has happened since the folder was opened (closing then offers "Done").
    bool hasRetitled() const { return m_hasRetitled; }
    // The log of the last run.
    QString logPath() const { return m_logPath; }

    // failureReasons: the system's words for the failed moves of the run, each once.
    static RunSummary summary(const RunCounters &counters, bool storageManagement,
                              const QStringList &failureReasons = {});

Q_SIGNALS:
    // The run begins: show the busy cursor and disable stages 1 and 3.
    void retitlingStarted();
    // The run has ended: enable stages 1 and 3 and restore the cursor.
    void retitlingFinished();
    void currentRowChanged(int row);
    // The status line's hint after a run; empty for none.
    void statusHintChanged(const QString &hint);
    // The rebuilt picture table holds no picture: the main window closes (and offers "Done").
    void pictureFolderEmptied();

private:
    // The files that follow a picture as the folder held them when the step began, each with the
    // path it moves to beside newPath (empty while only the old paths are wanted).
    QList<QPair<QString, QString>> companionsOf(const QString &picturePath, const QString &newPath = {});
    // Every move of a run: refused unless to is a plain name directly in folder.
    [[nodiscard]] Records::FileResult<void> moveInto(const QString &from, const QString &to, const QString &folder);
    void moveThumbnail(const QString &FileOld, const QString &FileNew, const QString &folder);
    void removeEmptyThumbnailFolder();
    void yield() const;
    // The journal's step of a move or a trashing from path; -1 for none.
    int stepOf(bool trash, const QString &from) const;
    void recordStep(int step, bool done);

    Session::PictureSession &m_pictures;
    Settings::ProgramSettings &m_programSettings;
    Platform::Dialogs &m_dialogs;
    Platform::FileSystem &m_files;
    QString m_logFolder;
    RetitleHooks m_hooks;
    RetitleLog m_log;
    QString m_logPath;
    FolderNames m_names;
    QStringList m_syncExtensions;
    Session::MediaOptions m_media;
    Compose::ExtensionCase::Choice m_extensionCase = Compose::ExtensionCase::Choice::Keep;
    RunCounters m_counters;
    bool m_hasRetitled = false;
    // Whether a thumbnail folder exists, per folder, for the run under way.
    QHash<QString, bool> m_thumbnailFolders;
    QString m_journalFolder;
    QString m_journalPath;
    std::unique_ptr<JournalWriter> m_journal;
    QHash<QString, int> m_moveSteps;
    QHash<QString, int> m_trashSteps;
    QStringList m_plannedFolders;
    // A failed move logged with the system's reason, which the summary tells once.
    void logFailedMove(LogEvent event, const QString &from, const QString &to, const Records::FileError &error);

    // The system's words for the failed moves of the run, each once, in the order they came.
    QStringList m_failureReasons;
    // The last ToTheBin really sent a file to the trash.
    bool m_trashed = false;
};

} // namespace Retitle
