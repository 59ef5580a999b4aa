#include "retitle/retitler.h"

#include "retitle/companions.h"
#include "retitle/journalwriter.h"
#include "retitle/paths_p.h"
#include "retitle/testpassresult.h"

#include "compose/extensioncase.h"
#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "session/pictures.h"
#include "session/picturesession.h"
#include "settings/programsettings.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QPair>

using namespace Qt::StringLiterals;

namespace Retitle {

using L10n::text;

namespace {

constexpr int summarySeconds = 10;

} // namespace

Retitler::Retitler(Session::PictureSession &pictures, Settings::ProgramSettings &programSettings,
                   Platform::Dialogs &dialogs, Platform::FileSystem &files, const QString &logFolder, QObject *parent)
    : QObject(parent),
      m_pictures(pictures),
      m_programSettings(programSettings),
      m_dialogs(dialogs),
      m_files(files),
      m_logFolder(logFolder),
      m_names(files)
{
}

Retitler::~Retitler() = default;

void Retitler::yield() const
{
    if (m_hooks.yield)
        m_hooks.yield();
}

int Retitler::stepOf(bool trash, const QString &from) const
{
    return m_journal ? (trash ? m_trashSteps : m_moveSteps).value(from, -1) : -1;
}

void Retitler::recordStep(int step, bool done)
{
    if (!m_journal || step < 0)
        return;
    if (done)
        m_journal->markDone(step);
    else
        m_journal->markFailed(step);
}

bool Retitler::beginJournal(const TestPassResult &pass)
{
    m_journal.reset();
    m_moveSteps.clear();
    m_trashSteps.clear();
    if (m_journalFolder.isEmpty())
        return true;
    const QString pictureFolder = m_pictures.pictureFolder();
    const QString journalFolder = m_journalFolder.endsWith(u'/') ? m_journalFolder.chopped(1) : m_journalFolder;
    QDateTime start = QDateTime::currentDateTime();
    auto journal = std::make_unique<JournalWriter>();
    m_files.makeFolder(journalFolder);
    Records::FileResult<void> created;
    // Two runs within one millisecond (an undo right after its run) get names of their own.
    for (int attempt = 0; attempt < 5; ++attempt, start = start.addMSecs(1)) {
        m_journalPath = joinPath(journalFolder, JournalFormat::fileName(start, pictureFolder));
        created = journal->create(m_journalPath);
        if (created || m_files.exists(m_journalPath) == false)
            break;
    }
    if (!created) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(created.error()),
                          Platform::Severity::Error});
        m_journalPath.clear();
        return false;
    }
    journal->add({u"run"_s, u"retitle"_s, JournalFormat::time(start), pictureFolder});
    // An undo touches nothing outside the picture folder and this one (empty for none).
    journal->add({u"storage"_s, pass.storageFolder});
    journal->add({u"total"_s, QString::number(m_programSettings.rec().PSTotalRetitled)});
    if (const QString counter = m_hooks.counterStart ? m_hooks.counterStart() : QString(); !counter.isEmpty())
        journal->add({u"counter"_s, counter});

    // Every level of a new folder that is missing, the outermost first.
    QStringList levels;
    for (const QString &folder : pass.newFolders) {
        QStringList missing;
        for (QString path = QDir::cleanPath(folder); path.size() > 1 && !m_files.isFolder(path); path = folderOf(path))
            missing.prepend(path);
        for (const QString &level : std::as_const(missing)) {
            if (!levels.contains(level))
                levels.append(level);
        }
    }
    for (const QString &level : std::as_const(levels)) {
        JournalStep step;
        step.kind = JournalStep::Kind::MakeFolder;
        step.from = level;
        journal->addStep(step);
    }

    int group = 0;
    const auto plan = [&](JournalStep::Kind kind, JournalStep::Role role, const QString &from, const QString &to) {
        JournalStep step;
        if (!fileStamp(from, &step.size, &step.modified))
            return;
        step.kind = kind;
        step.role = role;
        step.group = group;
        step.from = from;
        step.to = to;
        const int index = journal->addStep(step);
        (kind == JournalStep::Kind::Trash ? m_trashSteps : m_moveSteps).insert(from, index);
    };
    const auto addRow = [&journal](const Session::PictureRow &row) {
        journal->add({u"row"_s, row.currentTitle, row.marker, row.freeText, row.prefix, row.suffix, row.errorCode,
                      row.markedForDeletion ? u"1"_s : u"0"_s});
    };
    // The run starts from these listings: nothing changes in the folder between the plan and the
    // run's first step.
    m_names.clear();
    m_syncExtensions = pass.syncExtensions;
    m_media = pass.media;
    m_extensionCase = Compose::ExtensionCase::fromIndex(pass.extensionCase);
    using Kind = JournalStep::Kind;
    using Role = JournalStep::Role;
    for (int i = 0; i < m_pictures.rowCount(); ++i) {
        const Session::PictureRow &row = m_pictures.row(i);
        if (!row.isSelected() || !row.markedForDeletion)
            continue;
        addRow(row);
        const QString picture = m_pictures.folderFile(row.currentTitle);
        plan(Kind::Trash, Role::Picture, picture, {});
        plan(Kind::Trash, Role::Thumbnail, Session::ThumbnailPath(picture), {});
        for (const auto &[companion, unused] : companionsOf(picture))
            plan(Kind::Trash, Role::Companion, companion, {});
        ++group;
    }
    QHash<QString, bool> thumbnailFolders;
    for (const Rtitle &title : pass.titles) {
        const Session::PictureRow &row = m_pictures.row(title.FinalTitle_Row);
        addRow(row);
        const QString from = m_pictures.folderFile(row.currentTitle);
        const QString to = joinPath(title.Folder, title.FinalTitle);
        plan(Kind::Move, Role::Picture, from, to);
        const QString thumbnail = Session::ThumbnailPath(from);
        auto known = thumbnailFolders.find(folderOf(thumbnail));
        if (known == thumbnailFolders.end())
            known = thumbnailFolders.insert(folderOf(thumbnail), m_files.isFolder(folderOf(thumbnail)));
        if (known.value())
            plan(Kind::Move, Role::Thumbnail, thumbnail, Session::ThumbnailPath(to));
        for (const auto &[companion, target] : companionsOf(from, to))
            plan(Kind::Move, Role::Companion, companion, target);
        ++group;
    }
    journal->add({u"planned"_s});
    journal->commit();
    if (!journal->isComplete()) {
        const Records::FileError error{Records::FileError::Code::WriteFailed, m_journalPath, -1, {}};
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(error), Platform::Severity::Error});
        journal.reset();
        QFile::remove(m_journalPath);
        m_journalPath.clear();
        return false;
    }
    m_plannedFolders = levels;
    m_journal = std::move(journal);
    return true;
}

void Retitler::abandonJournal()
{
    if (!m_journal)
        return;
    m_journal->finish(QString::number(m_programSettings.rec().PSTotalRetitled),
                      m_hooks.counterStart ? m_hooks.counterStart() : QString());
    m_journal.reset();
}

bool Retitler::Retitle(TestPassResult &pass, bool storageManagement, const QDateTime &start)
{
    const QString pictureFolder = m_pictures.pictureFolder();
    if (!m_journalFolder.isEmpty() && !m_journal && !beginJournal(pass))
        return false;
    // A run killed earlier left its log padded with empty lines; only a run touches the logs.
    RetitleLog::trimKilledRuns(m_logFolder);
    m_logPath = joinPath(m_logFolder.endsWith(u'/') ? m_logFolder.chopped(1) : m_logFolder,
                         RetitleLog::fileName(start, pictureFolder));
    // Without its log a run could not tell afterwards where each file went.
    if (auto opened = m_log.open(m_logPath); !opened) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(opened.error()),
                          Platform::Severity::Error});
        abandonJournal();
        return false;
    }
    m_hasRetitled = true;
    // The folders were created between the plan and this moment.
    for (qsizetype i = 0; m_journal && i < m_plannedFolders.size(); ++i) {
        if (m_files.isFolder(m_plannedFolders.at(i)))
            m_journal->markDone(int(i));
    }
    Q_EMIT retitlingStarted();
    m_counters = {};
    m_failureReasons.clear();
    m_syncExtensions = pass.syncExtensions;
    m_media = pass.media;
    m_extensionCase = Compose::ExtensionCase::fromIndex(pass.extensionCase);
    if (!m_journal)
        m_names.clear();

    m_pictures.beginRecordUpdates();
    m_thumbnailFolders.clear();
    bool anyDeleted = false;
    bool anyTrashed = false;
    for (int i = 0; i < m_pictures.rowCount(); ++i) {
        if (!m_pictures.row(i).isSelected() || !m_pictures.row(i).markedForDeletion)
            continue;
        anyTrashed = true;
        Q_EMIT currentRowChanged(i);
        const int result = DeleteIsSuccess(m_pictures.folderFile(m_pictures.row(i).currentTitle));
        if (result == 0) {
            ++m_counters.undeleted;
        } else {
            Session::PictureRow &changed = m_pictures.rowForChange(i);
            changed.marker.clear();
            changed.freeText.clear();
            changed.errorCode = u"0"_s;
            changed.markedForDeletion = false;
            m_pictures.UpdateFSGTitleRec(i, false, false);
            m_pictures.ShowSelectedPictures(qMax(0, m_pictures.selectedCount() - 1));
            ++m_counters.deleted;
            m_counters.synchronizedDeleted += result - 1;
            anyDeleted = true;
        }
        yield();
    }

    // The renames see the folder as the deletions left it; companions are those of that moment,
    // so a file renamed into place by one picture is never taken along by another.
    if (anyTrashed)
        m_names.clear();
    bool anyMovedAway = false;
    for (const Rtitle &title : std::as_const(pass.titles)) {
        const int row = title.FinalTitle_Row;
        Q_EMIT currentRowChanged(row);
        const int result = RenameIsSuccess(m_pictures.folderFile(m_pictures.row(row).currentTitle),
                                           joinPath(title.Folder, title.FinalTitle), title.Folder);
        if (result == 0) {
            ++m_counters.failures;
        } else {
            Session::PictureRow &changed = m_pictures.rowForChange(row);
            if (m_hooks.confirmedFreeText)
                m_hooks.confirmedFreeText(changed.freeText);
            changed.marker.clear();
            m_pictures.pairFollowed(changed.currentTitle, title.FinalTitle);
            changed.currentTitle = title.FinalTitle;
            changed.freeText.clear();
            changed.prefix.clear();
            changed.suffix.clear();
            changed.errorCode = u"0"_s;
            changed.markedForDeletion = false;
            m_pictures.UpdateFSGTitleRec(row, false, false);
            m_pictures.ShowSelectedPictures(qMax(0, m_pictures.selectedCount() - 1));
            ++m_counters.retitled;
            m_counters.synchronized += result - 1;
            if (title.Folder != pictureFolder)
                anyMovedAway = true;
        }
        yield();
    }

    m_pictures.endRecordUpdates();
    if (m_hooks.freeTextsDone)
        m_hooks.freeTextsDone();
    m_log.close();
    if (!m_log.isComplete()) {
        const Records::FileError error{Records::FileError::Code::WriteFailed, m_logPath, -1, m_log.failure()};
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(error), Platform::Severity::Error});
    }
    m_names.clear();
    removeEmptyThumbnailFolder();

    RunSummary outcome = summary(m_counters, storageManagement, m_failureReasons);
    // The run can be taken back: the summary says how.
    if (m_journal && m_counters.retitled + m_counters.deleted > 0)
        outcome.text += text(1305, " (undo: Retitle menu)");
    m_dialogs.status({outcome.text, outcome.failed, summarySeconds,
                      outcome.failed ? Platform::Sound::Error : Platform::Sound::Success});
    Q_EMIT statusHintChanged(outcome.hint);

    m_programSettings.rec().PSTotalRetitled += m_counters.retitled;
    if (auto written = m_programSettings.UpdateFPSM(); !written) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(written.error()),
                          Platform::Severity::Error});
    }
    if (m_hooks.updateCounter)
        m_hooks.updateCounter();
    if (m_journal) {
        m_journal->finish(QString::number(m_programSettings.rec().PSTotalRetitled),
                          m_hooks.counterStart ? m_hooks.counterStart() : QString());
        m_journal.reset();
    }
    pass.syncExtensions.clear();
    m_syncExtensions.clear();

    // Rows of pictures that left the folder would otherwise linger in the table.
    bool emptied = false;
    if (storageManagement || anyDeleted || anyMovedAway) {
        m_pictures.FillSGTitle(false, m_hooks.yield);
        emptied = m_pictures.rowCount() == 0;
        // The pictures the refreshed table leaves out are told beside the run's outcome.
        if (const auto listing = m_pictures.listingStatus())
            m_dialogs.status({outcome.text + u". "_s + listing->text, true, summarySeconds, Platform::Sound::None});
    }
    Q_EMIT retitlingFinished();
    if (emptied)
        Q_EMIT pictureFolderEmptied();
    return true;
}

bool Retitler::ToTheBin(const QString &FileName)
{
    m_trashed = false;
    if (!m_files.exists(FileName))
        return true;
    if (m_files.isFolder(FileName))
        return false;
    m_trashed = bool(m_files.trash(FileName));
    if (m_trashed)
        recordStep(stepOf(true, FileName), true);
    return m_trashed;
}

QList<QPair<QString, QString>> Retitler::companionsOf(const QString &picturePath, const QString &newPath)
{
    const QString folder = folderOf(picturePath);
    // The folder's listing of this run says they are there; a companion removed since then shows
    // as a move of a missing file, which the caller passes over.
    QList<QPair<QString, QString>> companions;
    for (const Session::Follower &follower :
         Retitle::companionsOf(m_names, folder, fileNameOf(picturePath), m_syncExtensions, m_media)) {
        companions.append({joinPath(folder, follower.name),
                           newPath.isEmpty() ? QString()
                                             : joinPath(folderOf(newPath), follower.newName(fileNameOf(newPath), int(m_extensionCase)))});
    }
    return companions;
}

int Retitler::DeleteIsSuccess(const QString &FileOld)
{
    if (!ToTheBin(FileOld)) {
        m_log.WriteLog(LogEvent::DeleteFailed, FileOld);
        return 0;
    }
    m_log.WriteLog(LogEvent::Deleted, FileOld);
    const QString thumbnail = Session::ThumbnailPath(FileOld);
    if (m_files.exists(thumbnail))
        ToTheBin(thumbnail);
    int count = 1;
    for (const auto &[companion, unused] : companionsOf(FileOld)) {
        if (!m_files.exists(companion))
            continue;
        if (ToTheBin(companion)) {
            ++count;
            m_log.WriteLog(LogEvent::SyncDeleted, companion);
        } else {
            m_log.WriteLog(LogEvent::SyncDeleteFailed, companion);
        }
    }
    return count;
}

Records::FileResult<void> Retitler::moveInto(const QString &from, const QString &to, const QString &folder)
{
    // A name that reached here with a '/' or as "..", whatever let it through, would put the file
    // elsewhere than the preview showed.
    const QString prefix = joinPath(folder, QString());
    const QString name = to.startsWith(prefix) ? to.mid(prefix.size()) : QString();
    if (name.isEmpty() || name.contains(u'/') || name == u"."_s || name == u".."_s
        || folderOf(QDir::cleanPath(to)) != QDir::cleanPath(folder))
        return Records::fail(Records::FileError{Records::FileError::Code::CreateFailed, to, -1, {}});
    if (!m_journal)
        return m_files.move(from, to);
    // A copy to another file system is known to the journal before it exists, so that a
    // recovery removes what a killed copy left.
    const int step = stepOf(false, from);
    return m_files.moveNotingCopies(from, to, [this, step](const QString &temporary) {
        m_journal->addTemporary(step, temporary);
    });
}

void Retitler::moveThumbnail(const QString &FileOld, const QString &FileNew, const QString &folder)
{
    const QString from = Session::ThumbnailPath(FileOld);
    const QString to = Session::ThumbnailPath(FileNew);
    // Most folders have no thumbnail folder at all: look once per folder and run.
    const QString thumbnails = folderOf(from);
    auto known = m_thumbnailFolders.find(thumbnails);
    if (known == m_thumbnailFolders.end())
        known = m_thumbnailFolders.insert(thumbnails, m_files.isFolder(thumbnails));
    if (!known.value() || !m_files.exists(from) || m_files.exists(to))
        return;
    // A thumbnail is only a copy: whatever goes wrong here, the picture's move stands.
    const QString target = folderOf(to);
    int created = -1;
    if (m_journal && !m_files.isFolder(target)) {
        // Known before it exists, so that an undo removes it again whatever happens next.
        JournalStep step;
        step.kind = JournalStep::Kind::MakeFolder;
        step.from = target;
        created = m_journal->addStep(step);
        m_journal->commit();
    }
    if (!m_files.makeFolder(target))
        return;
    recordStep(created, true);
    const auto moved = moveInto(from, to, joinPath(folder, u"xelthumb"_s));
    if (moved)
        recordStep(stepOf(false, from), true);
}

void Retitler::logFailedMove(LogEvent event, const QString &from, const QString &to, const Records::FileError &error)
{
    QString line = RetitleLog::line(event, from, to);
    // A full disk or a missing right is the user's to mend: the log says which it was.
    if (!error.systemMessage.isEmpty()) {
        line += u" ("_s + error.systemMessage + u')';
        if (!m_failureReasons.contains(error.systemMessage))
            m_failureReasons.append(error.systemMessage);
    }
    m_log.WriteLog(line);
}

int Retitler::RenameIsSuccess(const QString &FileOld, const QString &FileNew, const QString &folder)
{
    if (const auto moved = moveInto(FileOld, FileNew, folder); !moved) {
        recordStep(stepOf(false, FileOld), false);
        logFailedMove(LogEvent::RenameFailed, FileOld, FileNew, moved.error());
        return 0;
    }
    recordStep(stepOf(false, FileOld), true);
    m_log.WriteLog(LogEvent::Renamed, FileOld, FileNew);
    moveThumbnail(FileOld, FileNew, folder);

    int count = 1;
    QList<QPair<QString, QString>> followed;
    bool companionFailed = false;
    // Each keeps its name after the picture's base name as found (IMG_1.WAV and IMG_1.wav both
    // follow, neither left behind), as the programs that pair them by name expect.
    for (const auto &[from, to] : companionsOf(FileOld, FileNew)) {
        const auto moved = moveInto(from, to, folder);
        if (moved) {
            ++count;
            recordStep(stepOf(false, from), true);
            m_log.WriteLog(LogEvent::SyncRenamed, from, to);
            followed.append({from, to});
        } else if (moved.error().code == Records::FileError::Code::NotFound && moved.error().path == from) {
            // Gone since the folder was listed: there is nothing to take along.
            continue;
        } else {
            recordStep(stepOf(false, from), false);
            logFailedMove(LogEvent::SyncRenameFailed, from, to, moved.error());
            companionFailed = true;
            break;
        }
    }
    if (!companionFailed)
        return count;

    // The picture and its companions belong together: back to where they were. The thumbnail is
    // only a copy and stays under its new name.
    m_log.WriteLog(LogEvent::Rollback);
    const QString oldFolder = folderOf(FileOld);
    if (!moveInto(FileNew, FileOld, oldFolder)) {
        m_log.WriteLog(LogEvent::RollbackFailed, FileNew, FileOld);
        m_log.WriteLog(LogEvent::RollbackTerminated);
        return 0;
    }
    if (m_journal)
        m_journal->markRolledBack(stepOf(false, FileOld));
    m_log.WriteLog(LogEvent::RolledBack, FileNew, FileOld);
    for (const auto &[from, to] : std::as_const(followed)) {
        if (!m_files.exists(to))
            continue;
        if (moveInto(to, from, oldFolder)) {
            if (m_journal)
                m_journal->markRolledBack(stepOf(false, from));
            m_log.WriteLog(LogEvent::SyncRolledBack, to, from);
        } else {
            m_log.WriteLog(LogEvent::SyncRollbackFailed, to, from);
        }
    }
    return 0;
}

void Retitler::removeEmptyThumbnailFolder()
{
    const QString folder = m_pictures.folderFile(u"xelthumb"_s);
    if (QFileInfo(folder).isDir() && Session::FolderHoldsOnlyWorkFiles(folder))
        QDir(folder).removeRecursively();
}

RunSummary Retitler::summary(const RunCounters &counters, bool storageManagement, const QStringList &failureReasons)
{
    RunSummary result;
    const QString retitled = QString::number(counters.retitled);
    if (counters.failures == 0) {
        result.text = retitled + (storageManagement ? text(704, " picture(s) successfully retitled and moved")
                                                    : text(705, " picture(s) successfully retitled"));
    } else {
        result.text = retitled
                      + (storageManagement ? text(700, " picture(s) successfully retitled/moved, ")
                                           : text(701, " picture(s) successfully retitled, "))
                      + QString::number(counters.failures) + text(703, " failure(s) occurred");
        if (!failureReasons.isEmpty())
            result.text += u" ("_s + failureReasons.join(u"; "_s) + u')';
        result.failed = true;
    }
    if (counters.synchronized > 0)
        result.text += u", "_s + QString::number(counters.synchronized) + text(702, " file(s) synchronized");
    if (counters.deleted > 0 || counters.undeleted > 0 || counters.synchronizedDeleted > 0) {
        result.text += text(788, " (Delete information...)");
        result.hint = QString::number(counters.deleted) + text(789, " picture(s) succesfully deleted");
        if (counters.undeleted > 0)
            result.hint += u'\n' + QString::number(counters.undeleted) + text(791, " file(s) could not be deleted");
        if (counters.synchronizedDeleted > 0) {
            result.hint +=
                u'\n' + QString::number(counters.synchronizedDeleted) + text(790, " synchronized file(s) deleted");
        }
    }
    return result;
}

} // namespace Retitle
