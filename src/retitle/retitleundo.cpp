#include "retitle/retitleundo.h"

#include "retitle/journalwriter.h"
#include "retitle/paths_p.h"
#include "retitle/retitlelog.h"

#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/movefile.h"
#include "platform/trash.h"
#include "session/picturesession.h"
#include "settings/programsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Retitle {

using L10n::text;
using Kind = JournalStep::Kind;
using Role = JournalStep::Role;
using State = JournalStep::State;
using Problem = UndoEntry::Problem;

namespace {

constexpr int summarySeconds = 10;

bool stampMatches(const QString &path, const JournalStep &step)
{
    qint64 size = 0;
    qint64 modified = 0;
    return fileStamp(path, &size, &modified) && size == step.size && modified == step.modified;
}

// The step that puts back what step did; its index is set by the caller.
JournalStep inverse(const JournalStep &step, const UndoEntry &entry)
{
    JournalStep result = step;
    result.state = State::Unknown;
    switch (step.kind) {
    case Kind::Move:
        result.from = step.to;
        result.to = step.from;
        break;
    case Kind::Trash:
        result.kind = Kind::Restore;
        result.from = entry.trashFile;
        result.to = step.from;
        break;
    case Kind::Restore:
        result.kind = Kind::Trash;
        result.from = step.to;
        result.to.clear();
        break;
    case Kind::MakeFolder:
        result.kind = Kind::RemoveFolder;
        break;
    case Kind::RemoveFolder:
        result.kind = Kind::MakeFolder;
        break;
    }
    return result;
}

bool statOf(const QString &path, struct stat *info)
{
    return ::lstat(QFile::encodeName(path).constData(), info) == 0;
}

bool sameContents(const QString &a, const QString &b)
{
    QFile first(a);
    QFile second(b);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly))
        return false;
    while (!first.atEnd()) {
        if (first.read(1 << 20) != second.read(1 << 20))
            return false;
    }
    return second.atEnd();
}

// A move to another file system that was killed after its copy took the new name and before
// the original went leaves the file twice: the copy (same stamp and bytes, or the same file
// under a second link) goes again, and the move counts as not done.
void dropUnfinishedCopy(const JournalStep &step)
{
    struct stat from;
    struct stat to;
    if (step.kind != Kind::Move || !statOf(step.from, &from) || !statOf(step.to, &to) || !S_ISREG(from.st_mode)
        || !S_ISREG(to.st_mode))
        return;
    const bool sameFile = from.st_dev == to.st_dev && from.st_ino == to.st_ino;
    const bool copy = from.st_dev != to.st_dev && stampMatches(step.from, step) && stampMatches(step.to, step)
                      && sameContents(step.from, step.to);
    if (sameFile || copy)
        ::unlink(QFile::encodeName(step.to).constData());
}

QString displayed(const QString &path, const QString &pictureFolder)
{
    return folderOf(path) == pictureFolder ? fileNameOf(path) : QDir::toNativeSeparators(path);
}

} // namespace

RetitleUndo::RetitleUndo(Session::PictureSession &pictures, Settings::ProgramSettings &programSettings,
                         Platform::Dialogs &dialogs, Platform::FileSystem &files, const QString &workFolder,
                         QObject *parent)
    : QObject(parent),
      m_pictures(pictures),
      m_programSettings(programSettings),
      m_dialogs(dialogs),
      m_files(files),
      m_workFolder(workFolder)
{
}

QStringList RetitleUndo::roots(const Journal &journal) const
{
    QStringList result{QDir::cleanPath(journal.pictureFolder)};
    // A journal older than its storage record reaches the main folder as set now.
    const QString storage = journal.storageFolder ? *journal.storageFolder
                            : m_hooks.storageFolder ? m_hooks.storageFolder()
                                                    : QString();
    if (!storage.isEmpty())
        result.append(QDir::cleanPath(storage));
    return result;
}

bool RetitleUndo::isInsideRun(const QString &path, const Journal &journal) const
{
    // Written as the system would find it: no ".", "..", doubled or trailing '/'.
    if (!path.startsWith(u'/') || QDir::cleanPath(path) != path)
        return false;
    for (const QString &root : roots(journal)) {
        if (root.size() < 2 || !QDir::isAbsolutePath(root) || !path.startsWith(root + u'/'))
            continue;
        // Every folder on the way down from the root is a real folder, not a link to elsewhere.
        QString walked = root;
        const QStringList parts = path.mid(root.size() + 1).split(u'/');
        for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
            walked += u'/' + parts.at(i);
            struct stat info;
            if (statOf(walked, &info) && !S_ISDIR(info.st_mode))
                return false;
        }
        return true;
    }
    return false;
}

bool RetitleUndo::happened(const JournalStep &step, const Journal &journal) const
{
    switch (step.kind) {
    case Kind::Move:
        if (!isInsideRun(step.from, journal) || !isInsideRun(step.to, journal))
            return false;
        dropUnfinishedCopy(step);
        return m_files.exists(step.to) && !m_files.exists(step.from);
    case Kind::Trash:
        return isInsideRun(step.from, journal) && !m_files.exists(step.from)
               && Platform::findTrashed(step.from, step.size, step.modified).has_value();
    case Kind::Restore:
        return isInsideRun(step.to, journal) && stampMatches(step.to, step) && !m_files.exists(step.from);
    case Kind::MakeFolder:
        return m_files.isFolder(step.from);
    case Kind::RemoveFolder:
        return !m_files.exists(step.from);
    }
    return false;
}

void RetitleUndo::removeTemporaries(const Journal &journal) const
{
    for (const QString &path : journal.temporaries) {
        struct stat info;
        if (Platform::isTemporaryCopyName(fileNameOf(path)) && isInsideRun(path, journal) && statOf(path, &info)
            && S_ISREG(info.st_mode))
            ::unlink(QFile::encodeName(path).constData());
    }
}

QString RetitleUndo::journalFolder() const
{
    return m_workFolder + u"Journal"_s;
}

QStringList RetitleUndo::journals() const
{
    const QString suffix = JournalFormat::folderSuffix(m_pictures.pictureFolder());
    QStringList result;
    // Their names sort newest first.
    const QStringList names = QDir(journalFolder()).entryList({u"*.journal"_s}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        if (name.endsWith(suffix))
            result.append(joinPath(journalFolder(), name));
    }
    return result;
}

bool RetitleUndo::hasJournals(const QString &workFolder, const QString &pictureFolder)
{
    const QString suffix = JournalFormat::folderSuffix(pictureFolder);
    const QStringList names = QDir(workFolder + u"Journal"_s).entryList({u"*.journal"_s}, QDir::Files, QDir::Name);
    return std::any_of(names.cbegin(), names.cend(), [&suffix](const QString &name) { return name.endsWith(suffix); });
}

std::optional<QString> RetitleUndo::lastRetitling() const
{
    // An undo that is not itself undone cancels the run it undid.
    QSet<QString> cancelled;
    for (const QString &path : journals()) {
        const auto journal = Journal::readSummary(path);
        if (!journal || journal->pictureFolder != m_pictures.pictureFolder())
            continue;
        const QString name = fileNameOf(path);
        if (cancelled.contains(name))
            continue;
        if (journal->kind == Journal::Kind::Undo) {
            // An undo that was interrupted put back only a part: the rest can still go back.
            if (!journal->recovered)
                cancelled.insert(journal->undoes);
            continue;
        }
        if (journal->finished)
            return path;
    }
    return std::nullopt;
}

std::optional<QString> RetitleUndo::lastUndo() const
{
    for (const QString &path : journals()) {
        const auto journal = Journal::readSummary(path);
        if (!journal || journal->pictureFolder != m_pictures.pictureFolder())
            continue;
        // Only the newest run counts: what came after an undo would be lost by taking it back.
        if (journal->kind != Journal::Kind::Undo || !journal->finished)
            return std::nullopt;
        const auto undone = Journal::readSummary(joinPath(journalFolder(), journal->undoes));
        if (!undone || undone->kind != Journal::Kind::Retitle)
            return std::nullopt;
        return path;
    }
    return std::nullopt;
}

std::optional<QString> RetitleUndo::interruptedRun() const
{
    for (const QString &path : journals()) {
        const auto journal = Journal::readSummary(path);
        if (journal && journal->pictureFolder == m_pictures.pictureFolder() && !journal->finished)
            return path;
    }
    return std::nullopt;
}

void RetitleUndo::refresh()
{
    m_available = lastRetitling().has_value();
    m_redoAvailable = lastUndo().has_value();
}

std::optional<UndoPlan> RetitleUndo::prepare(const QString &journalPath) const
{
    auto read = Journal::read(journalPath);
    if (!read)
        return std::nullopt;
    UndoPlan plan;
    plan.journal = *read;
    const Journal &journal = plan.journal;
    // The records of steps done reach the disk in groups: a step without one, of whatever run,
    // is looked up at both of its paths.
    QList<UndoEntry> files;
    QList<UndoEntry> createdFolders;
    QList<UndoEntry> removedFolders;
    for (int i = int(journal.steps.size()) - 1; i >= 0; --i) {
        const JournalStep &step = journal.steps.at(i);
        if (step.state == State::Failed || step.state == State::RolledBack)
            continue;
        const bool unknown = step.state == State::Unknown;
        UndoEntry entry;
        entry.step = i;
        // Only what lies inside the run's folders is touched, whatever the journal says.
        const bool inside = step.kind == Kind::Move ? isInsideRun(step.from, journal) && isInsideRun(step.to, journal)
                            : step.kind == Kind::Restore ? isInsideRun(step.to, journal)
                                                         : isInsideRun(step.from, journal);
        if (!inside) {
            if (step.role == Role::Folder || step.role == Role::Thumbnail || unknown)
                continue;
            entry.problem = Problem::Outside;
            files.append(entry);
            continue;
        }
        switch (step.kind) {
        case Kind::MakeFolder:
            if (m_files.isFolder(step.from))
                createdFolders.append(entry);
            continue;
        case Kind::RemoveFolder:
            if (!m_files.isFolder(step.from))
                removedFolders.prepend(entry);
            continue;
        case Kind::Move: {
            // One look at the new path tells whether the file is there and as the run left it.
            qint64 size = 0;
            qint64 modified = 0;
            const bool there = fileStamp(step.to, &size, &modified);
            const bool unchanged = there && size == step.size && modified == step.modified;
            if (!there) {
                // Not moved at all, or put back already.
                if (unknown || stampMatches(step.from, step))
                    continue;
                entry.problem = Problem::Missing;
            } else if (m_files.exists(step.from)) {
                if (unknown)
                    continue;
                entry.problem = unchanged ? Problem::NameTaken : Problem::Changed;
            } else if (!unchanged) {
                entry.problem = Problem::Changed;
            }
            break;
        }
        case Kind::Trash:
            if (const auto trashed = Platform::findTrashed(step.from, step.size, step.modified)) {
                entry.trashFile = trashed->file;
                entry.trashInfo = trashed->info;
                if (m_files.exists(step.from)) {
                    // Without a record: the file there is the one the run did not get to.
                    if (unknown)
                        continue;
                    entry.problem = Problem::NameTaken;
                }
            } else {
                if (unknown || stampMatches(step.from, step))
                    continue;
                entry.problem = Problem::NotInTrash;
            }
            break;
        case Kind::Restore:
            if (!m_files.exists(step.to)) {
                if (unknown)
                    continue;
                entry.problem = Problem::Missing;
            } else if (!stampMatches(step.to, step)) {
                if (unknown)
                    continue;
                entry.problem = Problem::Changed;
            }
            break;
        }
        // A thumbnail is only a copy: one that cannot go back stays, and its picture goes all
        // the same.
        if (step.role == Role::Thumbnail && entry.problem != Problem::None)
            continue;
        files.append(entry);
    }

    // A picture goes back with all of its files or not at all.
    QSet<int> leftGroups;
    for (const UndoEntry &entry : std::as_const(files)) {
        if (entry.problem != Problem::None)
            leftGroups.insert(journal.steps.at(entry.step).group);
    }
    QSet<int> groups;
    for (UndoEntry &entry : files) {
        const JournalStep &step = journal.steps.at(entry.step);
        if (leftGroups.contains(step.group) && entry.problem == Problem::None)
            entry.problem = Problem::LeftWithPicture;
        if (entry.problem != Problem::None) {
            plan.leftFiles += step.role == Role::Thumbnail ? 0 : 1;
            continue;
        }
        groups.insert(step.group);
        if (step.kind == Kind::Trash)
            ++plan.restoredFromTrash;
        if (step.role == Role::Companion)
            ++plan.companions;
    }
    plan.pictures = int(groups.size());
    plan.left = int(leftGroups.size());
    plan.folders = int(createdFolders.size());
    plan.entries = removedFolders + files + createdFolders;
    return plan;
}

QString RetitleUndo::problemText(Problem problem)
{
    switch (problem) {
    case Problem::None:
        return {};
    case Problem::Changed:
        return text(1283, "changed since the retitling");
    case Problem::Missing:
        return text(1284, "no longer under its new name");
    case Problem::NameTaken:
        return text(1285, "its old name is taken by another file");
    case Problem::NotInTrash:
        return text(1286, "not found in the trash");
    case Problem::LeftWithPicture:
        return text(1287, "stays with its picture");
    case Problem::Outside:
        return text(1738, "lies outside the folders of the retitling");
    }
    return {};
}

QList<ReportLine> RetitleUndo::report(const UndoPlan &plan) const
{
    using Colour = ReportLine::Colour;
    using Style = ReportLine::Style;
    const Journal &journal = plan.journal;
    const QString folder = journal.pictureFolder;
    QList<ReportLine> lines;
    const QString heading = journal.kind == Journal::Kind::Undo ? text(1308, "Undo the undo of %1")
                                                                  : text(1288, "Undo the retitling of %1");
    lines.append({heading.arg(QLocale::system().toString(journal.start, QLocale::ShortFormat)),
                  Colour::Black, Style::Bold});
    lines.append({QDir::toNativeSeparators(folder), Colour::Black, Style::Italic});
    lines.append({reportRule(), Colour::Black, Style::Normal});
    lines.append({QString::number(plan.pictures) + text(1289, " picture(s) will be put back under their old names")
                      + (plan.companions > 0 ? u", "_s + QString::number(plan.companions)
                                                   + text(1290, " file(s) going with them")
                                             : QString()),
                  Colour::Blue, Style::Normal});
    if (plan.restoredFromTrash > 0)
        lines.append({QString::number(plan.restoredFromTrash) + text(1291, " file(s) will come back from the trash"),
                      Colour::Blue, Style::Normal});
    if (plan.folders > 0)
        lines.append({QString::number(plan.folders) + text(1292, " folder(s) the retitling created will be removed when empty"),
                      Colour::Blue, Style::Normal});
    if (plan.left > 0)
        lines.append({QString::number(plan.left) + text(1293, " picture(s) stay where they are, see below"), Colour::Red,
                      Style::Bold});
    if (!journal.finished && journal.kind == Journal::Kind::Undo)
        lines.append({text(1742, "This undo was interrupted: only what it put back is retitled again"), Colour::Red,
                      Style::Normal});
    else if (!journal.finished)
        lines.append({text(1294, "This retitling was interrupted: only what it did is put back"), Colour::Red,
                      Style::Normal});
    lines.append({reportRule(), Colour::Black, Style::Normal});
    const QString arrow = u"\u2190"_s;
    // In the order the run went, not the order of the undo.
    for (auto it = plan.entries.crbegin(); it != plan.entries.crend(); ++it) {
        const UndoEntry &entry = *it;
        const JournalStep &step = journal.steps.at(entry.step);
        const bool problem = entry.problem != Problem::None;
        if (step.role == Role::Folder || step.role == Role::Thumbnail || (step.role == Role::Companion && !problem))
            continue;
        QString line;
        switch (step.kind) {
        case Kind::Move:
            line = displayed(step.from, folder) + u'\t' + arrow + u'\t' + displayed(step.to, folder);
            break;
        case Kind::Trash:
            line = displayed(step.from, folder) + u'\t' + arrow + u'\t' + text(1295, "the trash");
            break;
        case Kind::Restore:
            line = text(1295, "the trash") + u'\t' + arrow + u'\t' + displayed(step.to, folder);
            break;
        default:
            continue;
        }
        if (step.role == Role::Companion)
            line = u"   "_s + line;
        if (problem)
            line += u'\t' + problemText(entry.problem);
        ReportLine report{line, problem ? Colour::Red : Colour::Black, Style::Normal};
        report.isTitle = true;
        lines.append(report);
    }
    return lines;
}

bool RetitleUndo::undo(const UndoPlan &plan)
{
    const Journal &journal = plan.journal;
    const QString pictureFolder = m_pictures.pictureFolder();
    QDateTime start = QDateTime::currentDateTime();
    JournalWriter writer;
    m_files.makeFolder(journalFolder());
    Records::FileResult<void> created;
    for (int attempt = 0; attempt < 5; ++attempt, start = start.addMSecs(1)) {
        m_lastJournal = joinPath(journalFolder(), JournalFormat::fileName(start, pictureFolder));
        created = writer.create(m_lastJournal);
        if (created)
            break;
    }
    RetitleLog log;
    const QString logFolder = m_workFolder + u"Logs"_s;
    m_files.makeFolder(logFolder);
    if (created)
        created = log.open(joinPath(logFolder, RetitleLog::fileName(start, pictureFolder)));
    if (!created) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(created.error()),
                          Platform::Severity::Error});
        return false;
    }

    writer.add({u"run"_s, u"undo"_s, JournalFormat::time(start), pictureFolder});
    writer.add({u"undoes"_s, fileNameOf(journal.path)});
    const QStringList reach = roots(journal);
    writer.add({u"storage"_s, reach.value(1)});
    writer.add({u"total"_s, QString::number(m_programSettings.rec().PSTotalRetitled)});
    if (const QString counter = m_hooks.counterStart ? m_hooks.counterStart() : QString(); !counter.isEmpty())
        writer.add({u"counter"_s, counter});
    // The rows as the run left them, under the names the pictures have now.
    QHash<QString, int> rowOf;
    for (int i = 0; i < m_pictures.rowCount(); ++i)
        rowOf.insert(m_pictures.row(i).currentTitle, i);
    QList<JournalStep> steps;
    for (const UndoEntry &entry : plan.entries) {
        const JournalStep &step = journal.steps.at(entry.step);
        if (entry.problem != Problem::None)
            continue;
        JournalStep back = inverse(step, entry);
        if (back.kind == Kind::Restore) {
            // The trash keeps the time stamps; the size and time are those the run found.
            fileStamp(back.from, &back.size, &back.modified);
        }
        steps.append(back);
        writer.addStep(back);
        if (step.role == Role::Picture && (back.kind == Kind::Move || back.kind == Kind::Trash)
            && folderOf(back.from) == pictureFolder) {
            if (const auto row = rowOf.find(fileNameOf(back.from)); row != rowOf.end()) {
                const Session::PictureRow &current = m_pictures.row(row.value());
                writer.add({u"row"_s, current.currentTitle, current.marker, current.freeText, current.prefix,
                            current.suffix, current.errorCode, current.markedForDeletion ? u"1"_s : u"0"_s});
            }
        }
    }
    writer.add({u"planned"_s});
    writer.commit();

    // What a killed run left of its copies to another file system goes first.
    removeTemporaries(journal);
    for (const JournalStep &step : journal.steps) {
        if (step.kind == Kind::Move && step.state == State::Unknown && isInsideRun(step.from, journal)
            && isInsideRun(step.to, journal))
            dropUnfinishedCopy(step);
    }

    m_putBack = 0;
    int failed = 0;
    QSet<QString> cameBack;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const JournalStep &step = steps.at(i);
        const int index = int(i);
        bool done = false;
        switch (step.kind) {
        case Kind::MakeFolder:
            done = m_files.makeFolder(step.from);
            break;
        case Kind::RemoveFolder:
            // Never what the user put there since.
            done = QDir().rmdir(step.from);
            break;
        case Kind::Move:
            if (step.role == Role::Thumbnail)
                m_files.makeFolder(folderOf(step.to));
            done = bool(m_files.moveNotingCopies(step.from, step.to, [&writer, index](const QString &temporary) {
                writer.addTemporary(index, temporary);
            }));
            log.WriteLog(done ? LogEvent::Renamed : LogEvent::RenameFailed, step.from, step.to);
            break;
        case Kind::Restore: {
            const UndoEntry *entry = nullptr;
            for (const UndoEntry &candidate : plan.entries) {
                if (candidate.trashFile == step.from)
                    entry = &candidate;
            }
            done = bool(m_files.move(step.from, step.to));
            if (done && entry)
                QFile::remove(entry->trashInfo);
            log.WriteLog((done ? u"Succesfully restored from the trash: "_s : u"Restoring from the trash failed: "_s)
                         + step.to);
            break;
        }
        case Kind::Trash:
            done = bool(m_files.trash(step.from));
            log.WriteLog(done ? LogEvent::Deleted : LogEvent::DeleteFailed, step.from);
            break;
        }
        if (done) {
            writer.markDone(index);
            if (step.role != Role::Folder)
                ++m_putBack;
            if (step.role == Role::Picture && folderOf(step.to) == pictureFolder)
                cameBack.insert(fileNameOf(step.to));
        } else {
            writer.markFailed(index);
            if (step.role != Role::Folder && step.role != Role::Thumbnail)
                ++failed;
        }
        if (m_hooks.yield && i % 64 == 0)
            m_hooks.yield();
    }
    log.close();

    restoreSessionState(journal, cameBack);
    writer.finish(QString::number(m_programSettings.rec().PSTotalRetitled),
                  m_hooks.counterStart ? m_hooks.counterStart() : QString());

    const bool trouble = failed > 0 || plan.left > 0;
    QString outcome = QString::number(plan.pictures) + text(1296, " picture(s) put back under their old names");
    if (trouble)
        outcome += u", "_s + QString::number(plan.leftFiles + failed) + text(1297, " file(s) left where they are");
    m_dialogs.status({outcome, trouble, summarySeconds, trouble ? Platform::Sound::Error : Platform::Sound::Success});
    refresh();
    Q_EMIT undoFinished();
    return true;
}

void RetitleUndo::restoreSessionState(const Journal &journal, const QSet<QString> &cameBack)
{
    // The table follows the folder, then the rows that came back get what the run took from
    // them, as long as nobody has given them anything since.
    m_pictures.FillSGTitle(false, m_hooks.yield);
    QHash<QString, int> rowOf;
    for (int i = 0; i < m_pictures.rowCount(); ++i)
        rowOf.insert(m_pictures.row(i).currentTitle, i);
    for (const JournalRow &saved : journal.rows) {
        // A file now at an old name that is not the picture put back there is someone else's.
        const auto found = rowOf.find(saved.name);
        if (found == rowOf.end() || !cameBack.contains(saved.name))
            continue;
        const Session::PictureRow &row = m_pictures.row(found.value());
        if (row.isSelected() || !row.freeText.isEmpty() || !row.prefix.isEmpty() || !row.suffix.isEmpty()
            || row.markedForDeletion)
            continue;
        Session::PictureRow &changed = m_pictures.rowForChange(found.value());
        changed.marker = saved.marker;
        changed.freeText = saved.freeText;
        changed.prefix = saved.prefix;
        changed.suffix = saved.suffix;
        changed.errorCode = saved.errorCode.isEmpty() ? u"0"_s : saved.errorCode;
        changed.markedForDeletion = saved.markedForDeletion;
        m_pictures.UpdateFSGTitleRec(found.value(), false, false);
    }
    int selected = 0;
    for (int i = 0; i < m_pictures.rowCount(); ++i)
        selected += m_pictures.row(i).isSelected() ? 1 : 0;
    m_pictures.ShowSelectedPictures(selected);

    Settings::ProgramSettingsRec &settings = m_programSettings.rec();
    if (journal.totalBefore && journal.totalAfter && settings.PSTotalRetitled == *journal.totalAfter) {
        settings.PSTotalRetitled = qint32(*journal.totalBefore);
        if (auto written = m_programSettings.UpdateFPSM(); !written)
            m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(written.error()),
                              Platform::Severity::Error});
    }
    if (journal.counterBefore && journal.counterAfter && m_hooks.counterStart && m_hooks.setCounterStart
        && m_hooks.counterStart() == *journal.counterAfter)
        m_hooks.setCounterStart(*journal.counterBefore);
}

void RetitleUndo::completeInterrupted(const QString &journalPath)
{
    const auto journal = Journal::read(journalPath);
    JournalWriter writer;
    if (!writer.openToAppend(journalPath)) {
        refresh();
        return;
    }
    if (journal) {
        // The records of the last steps may not have reached the disk: what the disk holds now
        // is what the run did, and the journal says so from here on.
        for (qsizetype i = 0; i < journal->steps.size(); ++i) {
            const JournalStep &step = journal->steps.at(i);
            if (step.state != State::Unknown)
                continue;
            if (happened(step, *journal))
                writer.markDone(int(i));
            else
                writer.markFailed(int(i));
        }
        removeTemporaries(*journal);
        // The folders it created that nothing came into, the innermost first.
        for (qsizetype i = journal->steps.size() - 1; i >= 0; --i) {
            const JournalStep &step = journal->steps.at(i);
            if (step.kind == Kind::MakeFolder && isInsideRun(step.from, *journal))
                QDir().rmdir(step.from);
        }
    }
    writer.finish({}, {}, true);
    refresh();
}

void RetitleUndo::offerRecovery()
{
    const auto interrupted = interruptedRun();
    if (!interrupted) {
        refresh();
        return;
    }
    const auto plan = prepare(*interrupted);
    if (!plan) {
        completeInterrupted(*interrupted);
        return;
    }
    const bool wasUndo = plan->journal.kind == Journal::Kind::Undo;
    const QString started = QLocale::system().toString(plan->journal.start, QLocale::ShortFormat);
    Platform::Question question;
    question.caption = L10n::title();
    if (wasUndo) {
        question.header = text(1746, "An undo of a retitling of this folder was interrupted");
        question.lines = {
            text(1750, "It started on %1 and had put back %2 file(s) when it stopped.")
                .arg(started)
                .arg(plan->pictures + plan->companions),
            text(1754, "Complete: keep the files where they are now and mark the undo finished. "
                 "Undo last retitling in the Retitle menu then puts the rest back."),
            text(1758, "Undo: retitle the files the undo had put back again."),
        };
    } else {
        question.header = text(1298, "A retitling of this folder was interrupted");
        question.lines = {
            text(1299, "It started on %1 and had moved %2 file(s) when it stopped.")
                .arg(started)
                .arg(plan->pictures + plan->companions),
            text(1300, "Complete: keep the files that were renamed and moved as they are and mark the retitling finished. "
                 "Run Test & Preview again for the pictures still to retitle."),
            text(1301, "Undo: put every file back under its old name and in its old folder."),
        };
    }
    // What an undo would do, as the menu's preview shows it.
    for (const ReportLine &line : report(*plan))
        question.details.append(line.text);
    question.buttons = {text(1302, "&Complete"), text(1303, "&Undo")};
    // An interrupted undo is kept by default: undoing it would retitle the pictures again.
    question.defaultButton = wasUndo ? 0 : 1;
    question.escapeButton = 0;
    question.severity = Platform::Severity::Warning;
    const Platform::Answer answer = m_dialogs.ask(question);
    if (answer.button != 1) {
        completeInterrupted(*interrupted);
        return;
    }
    // The interrupted run is over; its undo has a journal of its own.
    undo(*plan);
    JournalWriter writer;
    if (writer.openToAppend(*interrupted))
        writer.finish({}, {}, true);
    refresh();
}

} // namespace Retitle
