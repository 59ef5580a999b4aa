#include "retitle/testpreview.h"

#include "retitle/correction.h"
#include "retitle/destinationplanner.h"
#include "retitle/errortable.h"
#include "retitle/retitler.h"
#include "retitle/syncext.h"
#include "retitle/testpass.h"

#include "compose/titlecomposer.h"
#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "settings/sessionsettings.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Retitle {

using L10n::text;

TestPreview::TestPreview(Session::PictureSession &pictures, Session::Selection &selection,
                         Settings::SessionSettings &sessionSettings, Platform::Dialogs &dialogs,
                         Platform::FileSystem &files, DestinationPlanner &destinations, Retitler &retitler,
                         const QString &workFolder, QObject *parent)
    : QObject(parent),
      m_pictures(pictures),
      m_selection(selection),
      m_sessionSettings(sessionSettings),
      m_dialogs(dialogs),
      m_files(files),
      m_destinations(destinations),
      m_retitler(retitler),
      m_workFolder(workFolder),
      m_unique(files)
{
}

TestPreview::~TestPreview() = default;

QString TestPreview::windowCaption()
{
    return text(1131, "Mirelto: Test and Preview");
}

QString TestPreview::retitleCaption()
{
    return text(1132, "&Retitle Now");
}

QString TestPreview::editCaption()
{
    return text(1133, "&Edit free text of erroneous titles");
}

QString TestPreview::cancelCaption()
{
    return text(912, "&Cancel");
}

QString TestPreview::helpCaption()
{
    return L10n::standard(L10n::Standard::Help);
}

void TestPreview::TestPreviewClick(const std::function<void()> &showDialog)
{
    if (!preCheck())
        return;
    showDialog();
    finish();
}

bool TestPreview::preCheck()
{
    m_state = State::Idle;
    m_outcome = Outcome::Cancelled;
    m_result = {};
    m_report.clear();
    const auto selected = [](const Session::PictureRow &row) { return row.isSelected(); };
    if (std::none_of(m_pictures.rows().cbegin(), m_pictures.rows().cend(), selected))
        return false;

    m_dialogs.status({QString(), false, 0, Platform::Sound::None});
    auto folders = readFolderUnique(m_workFolder + u"FolderUnique.dat"_s);
    if (!folders && folders.error().code != Records::FileError::Code::NotFound) {
        // The list only widens the checks; without it the pass still checks the destinations.
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(folders.error()),
                          Platform::Severity::Error});
    }
    if (!m_unique.CheckOnUniqueFolders(folders ? *folders : QList<FolderUniqueRec>(), m_dialogs))
        return false;
    if (m_hooks.numberWillFit && !m_hooks.numberWillFit())
        return false;

    const bool withSubject = m_destinations.isActive() && m_pictures.subjectsInUse();
    if (!m_selection.AllSelectedWithFreeText(withSubject)) {
        Platform::Question question;
        question.caption = L10n::standard(L10n::Standard::Confirm);
        question.lines = {withSubject ? text(188, "Not all pictures that have free text or a subject are selected. Do "
                                                  "you want to automatically add those pictures to the selection?")
                                      : text(189, "Not all pictures that have free text are selected. Do you want to "
                                                  "automatically add those pictures to the selection?")};
        question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::No),
                            L10n::standard(L10n::Standard::Cancel)};
        question.defaultButton = 0;
        question.escapeButton = 2;
        const int answer = m_dialogs.ask(question).button;
        if (answer == 2)
            return false;
        if (answer == 0)
            m_selection.BtnSelectClick(Session::SelectionKind::AllHavingFreeText);
    }
    if (m_destinations.CheckOnPSMConflict())
        return false;

    m_syncExtensions = voiceExtensions(m_sessionSettings.folderRec().keepVoiceSynchronized);
    if (auto listed = readSyncExt(m_workFolder + u"SyncExt.dat"_s)) {
        AddToSyncExt(&m_syncExtensions, *listed);
    } else if (listed.error().code != Records::FileError::Code::NotFound) {
        m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(listed.error()),
                          Platform::Severity::Error});
    }
    return true;
}

void TestPreview::progress(const QString &caption, int percent)
{
    if (caption != m_caption || percent != m_percent) {
        m_caption = caption;
        m_percent = percent;
        Q_EMIT progressChanged(caption, percent);
    }
    if (m_hooks.yield)
        m_hooks.yield();
}

void TestPreview::runPass()
{
    if (m_state == State::Running)
        return;
    m_state = State::Running;
    m_caption.clear();
    m_percent = -1;
    const Settings::SessionSettingsRec &settings = m_sessionSettings.folderRec();

    PassOptions options;
    options.forceUniqueness = settings.forceUniqueness;
    options.syncExtensions = m_syncExtensions;
    options.media = m_pictures.mediaOptions();
    options.extensionCase = settings.extensionCase;
    if (settings.exifTagsInTitle)
        options.exifText = m_hooks.exifText;
    options.planNumbers = m_hooks.planNumbers;
    const std::unique_ptr<Compose::ElementValues> values = m_hooks.elementValues ? m_hooks.elementValues() : nullptr;
    const Compose::TitleComposer composer(settings, values.get());

    TestPass pass(m_files, m_unique, [this](const QString &caption, int percent) { progress(caption, percent); });
    const auto compose = [&composer](const Compose::ComposeInput &input) { return composer.compose(input); };
    const bool completed = pass.run(m_pictures.rows(), m_pictures.pictureFolder(), options, m_destinations, compose);
    if (!completed) {
        m_state = State::Idle;
        close(Outcome::Cancelled);
        return;
    }
    m_result = pass.takeResult();
    ReportOptions reportOptions;
    reportOptions.storageActive = m_destinations.isActive();
    reportOptions.storageAvailable = m_destinations.isAvailable();
    if (m_hooks.clockCorrections) {
        QList<int> renamed;
        for (const Rtitle &title : std::as_const(m_result.titles))
            renamed.append(title.FinalTitle_Row);
        reportOptions.clockCorrections = m_hooks.clockCorrections(renamed);
    }
    m_report = writeReport(m_result, m_pictures.rows(), FillErrorTable(), reportOptions);
    m_state = State::Reported;
    Q_EMIT passFinished();
}

bool TestPreview::retitleEnabled() const
{
    return m_state == State::Reported && m_result.errorCount == 0;
}

bool TestPreview::editEnabled() const
{
    return m_state == State::Reported && m_result.errorCount > 0;
}

void TestPreview::close(Outcome outcome)
{
    m_outcome = outcome;
    Q_EMIT closeRequested();
}

void TestPreview::retitleNow()
{
    if (!retitleEnabled())
        return;
    // The journal knows the folders before they exist, so that an undo can remove them again.
    if (!m_retitler.beginJournal(m_result))
        return;
    if (!m_destinations.createNewFolders()) {
        m_retitler.abandonJournal();
        return;
    }
    close(Outcome::RetitleNow);
}

void TestPreview::editErroneous()
{
    if (editEnabled())
        close(Outcome::EditErroneous);
}

void TestPreview::cancel()
{
    if (m_state != State::Running)
        close(Outcome::Cancelled);
}

void TestPreview::finish()
{
    const Outcome outcome = m_outcome;
    m_state = State::Idle;
    m_outcome = Outcome::Cancelled;
    m_report.clear();
    switch (outcome) {
    case Outcome::RetitleNow:
        m_retitler.Retitle(m_result, m_destinations.isActive());
        m_result = {};
        break;
    case Outcome::EditErroneous:
        markErroneousTitles(m_pictures, m_result);
        Q_EMIT correctionStarted();
        break;
    case Outcome::Cancelled:
        break;
    }
    m_syncExtensions.clear();
}

} // namespace Retitle
