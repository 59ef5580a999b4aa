#include "app/commandrun.h"

#include "app/application.h"
#include "app/commanddialogs.h"

#include "l10n/text.h"
#include "platform/folders.h"
#include "retitle/errortable.h"
#include "retitle/retitlelog.h"
#include "retitle/retitleundo.h"
#include "retitle/testpreview.h"
#include "session/picturesession.h"

#include <QDir>

#include <utility>

using namespace Qt::StringLiterals;

namespace App {

using L10n::text;

CommandRun::CommandRun(Application &application, CommandDialogs &dialogs, const CommandLine &line)
    : m_application(application), m_dialogs(dialogs), m_line(line)
{
    m_outcome.command = line.commandName();
}

void CommandRun::fail(const QString &message)
{
    m_dialogs.inform({L10n::standard(L10n::Standard::Error), message, Platform::Severity::Error});
    m_outcome.exitCode = 1;
}

const CommandOutcome &CommandRun::run()
{
    m_outcome.exitCode = 1;
    // An interrupted run is the one to undo; elsewhere it is kept as it is, as the window's
    // question does by default.
    m_dialogs.setUndoInterrupted(m_line.mode == CommandLine::Mode::Undo);
    if (open()) {
        if (m_line.mode == CommandLine::Mode::Undo)
            undo();
        else
            test();
    }
    m_outcome.messages = m_dialogs.messages();
    m_outcome.questions = m_dialogs.questions();
    return m_outcome;
}

bool CommandRun::open()
{
    if (!m_application.start(m_line.folder)) {
        // A folder without pictures would open the folder browser, which a command has not.
        if (m_application.startupError().isEmpty())
            fail(text(336, "No pictures found in folder of types that Mirelto supports, choose a different folder"));
        return false;
    }
    m_outcome.folder = m_application.pictureFolder();
    // What the window does first once it is shown.
    Retitle::RetitleLog::trimKilledRuns(m_application.locations().workFolder + u"Logs/"_s);
    if (m_line.mode != CommandLine::Mode::Undo)
        m_application.retitleUndo().offerRecovery();
    return true;
}

void CommandRun::test()
{
    Retitle::TestPreview &preview = m_application.testPreview();
    Session::PictureSession &pictures = m_application.pictures();
    bool retitleChosen = false;
    // The dialog of the window: the pass, its report, and Retitle Now or Cancel.
    preview.TestPreviewClick([&] {
        preview.runPass();
        if (preview.state() != Retitle::TestPreview::State::Reported)
            return;
        const Retitle::TestPassResult &pass = preview.result();
        const Retitle::ErrorTable errors = Retitle::FillErrorTable();
        m_outcome.tested = true;
        m_outcome.canRetitle = preview.retitleEnabled();
        m_outcome.errors = pass.errorCount;
        m_outcome.warnings = pass.warningCount;
        m_outcome.report = preview.report();
        m_outcome.following = pass.syncExtensions;
        m_outcome.newFolders = pass.newFolders;
        m_outcome.uniqueFolders = pass.uniqueFolders;
        for (const int index : pass.sortedOrder) {
            const Retitle::Rtitle &title = pass.titles.at(index);
            CommandTitle item;
            item.current = pictures.row(title.FinalTitle_Row).currentTitle;
            item.title = title.FinalTitle;
            item.destination = QDir::toNativeSeparators(title.Folder);
            if (title.ErrorCode > 0 && title.ErrorCode <= Retitle::TitleError::last)
                item.error = errors.errors.at(title.ErrorCode);
            if (title.WarningCode > 0 && title.WarningCode <= Retitle::lastWarning)
                item.warning = errors.warnings.at(title.WarningCode);
            m_outcome.titles.append(item);
        }
        for (const Session::PictureRow &row : pictures.rows()) {
            if (row.isSelected() && row.markedForDeletion)
                m_outcome.deleted.append(row.currentTitle);
        }
        if (m_line.mode == CommandLine::Mode::Retitle && preview.retitleEnabled()) {
            preview.retitleNow();
            retitleChosen = preview.outcome() == Retitle::TestPreview::Outcome::RetitleNow;
        }
        if (!retitleChosen)
            preview.cancel();
    });
    if (!m_outcome.tested) {
        bool selected = false;
        for (const Session::PictureRow &row : pictures.rows())
            selected = selected || row.isSelected();
        if (!selected)
            fail(text(1795, "No picture of this folder is selected: select the pictures to retitle in the window first."));
        else
            fail(text(1797, "Test & Preview stopped before its test pass."));
        return;
    }
    if (m_line.mode == CommandLine::Mode::Preview) {
        m_outcome.exitCode = m_outcome.canRetitle ? 0 : 1;
        return;
    }
    if (!retitleChosen) {
        m_outcome.exitCode = 1;
        return;
    }
    const Retitle::Retitler &retitler = m_application.retitler();
    m_outcome.retitled = true;
    m_outcome.counters = retitler.counters();
    bool moved = !m_outcome.newFolders.isEmpty();
    for (const CommandTitle &title : std::as_const(m_outcome.titles))
        moved = moved || !Platform::isSameFolder(title.destination, m_outcome.folder);
    m_outcome.summary = Retitle::Retitler::summary(m_outcome.counters, moved).text;
    m_outcome.log = retitler.logPath();
    m_outcome.journal = retitler.journalPath();
    m_outcome.exitCode = m_outcome.counters.failures == 0 ? 0 : 1;
}

void CommandRun::undo()
{
    Retitle::RetitleUndo &undo = m_application.retitleUndo();
    const std::optional<QString> interrupted = undo.interruptedRun();
    const std::optional<QString> journal = interrupted ? interrupted : undo.lastRetitling();
    if (!journal) {
        fail(text(1337, "There is no retitling of this folder to undo."));
        return;
    }
    const std::optional<Retitle::UndoPlan> plan = undo.prepare(*journal);
    if (!plan) {
        fail(text(1338, "The journal %1 cannot be read.").arg(*journal));
        return;
    }
    m_outcome.undoneJournal = *journal;
    m_outcome.report = undo.report(*plan);
    for (const Retitle::UndoEntry &entry : plan->entries) {
        if (entry.problem == Retitle::UndoEntry::Problem::None)
            continue;
        const Retitle::JournalStep &step = plan->journal.steps.at(entry.step);
        const bool moved = step.kind == Retitle::JournalStep::Kind::Move;
        m_outcome.left.append({moved ? step.to : step.from, moved ? step.from : QString(),
                               Retitle::RetitleUndo::problemText(entry.problem)});
    }
    const bool done = undo.undo(*plan);
    if (interrupted)
        undo.completeInterrupted(*interrupted);
    if (!done)
        return;
    m_outcome.undone = true;
    m_outcome.putBack = undo.putBackCount();
    m_outcome.journal = undo.lastJournal();
    m_outcome.summary = m_dialogs.lastStatus().text;
    m_outcome.exitCode = m_dialogs.lastStatus().error ? 1 : 0;
}

} // namespace App
