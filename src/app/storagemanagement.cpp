#include "app/storagemanagement.h"

#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "settings/programsettings.h"
#include "settings/sessionsettings.h"
#include "storage/mainfolderfile.h"
#include "storage/storagesetupmodel.h"

#include <QFileInfo>

#include <utility>

using namespace Qt::StringLiterals;

namespace App {

using L10n::text;

namespace {

// The show-again flag of the start-up prompt among the information messages.
constexpr int startupPromptFlag = 5;

} // namespace

StorageManagement::StorageManagement(Settings::ProgramSettings &program, Settings::SessionSettings &session,
                                     Platform::Drives &drives, Platform::Dialogs &dialogs,
                                     const QString &mainFolderFile, QObject *parent)
    : QObject(parent), m_program(program), m_session(session), m_drives(drives), m_dialogs(dialogs),
      m_mainFolder(std::make_unique<Storage::MainFolderFile>(mainFolderFile))
{
}

StorageManagement::~StorageManagement() = default;

Records::FileResult<void> StorageManagement::InitFMainFolder()
{
    return m_mainFolder->InitFMainFolder();
}

const QString &StorageManagement::mainFolderFile() const
{
    return m_mainFolder->path();
}

QString StorageManagement::mainFolder() const
{
    return m_mainFolder->mainFolder();
}

Storage::StorageSetupState StorageManagement::state() const
{
    const Settings::ProgramSettingsRec &rec = m_program.rec();
    const QString folder = mainFolder();
    return {rec.PSLevels, rec.PSSubjPosition, folder, !folder.isEmpty() && QFileInfo(folder).isDir()};
}

Settings::StorageSetup StorageManagement::sessionSetup() const
{
    const Storage::StorageSetupState current = state();
    return {current.levels, current.subjectPosition, current.mainFolderExists};
}

Storage::StorageSettings StorageManagement::settings() const
{
    const Settings::ProgramSettingsRec &rec = m_program.rec();
    return {rec.PSLevels,       rec.PSSubjPosition, rec.PSSubjOptional, rec.PSSubjWarn,  rec.PSPromptFolder,
            rec.PSShiftMidnight, rec.PSAddNameDay,  rec.PSAbbrNameDay,  mainFolder()};
}

QString StorageManagement::useStorageCaption()
{
    return text(1023, "Use Picture Storage Mana&gement");
}

QString StorageManagement::onlySubjectCaption()
{
    return text(1024, "Only use su&bject");
}

QString StorageManagement::onlySubjectHint()
{
    return text(1025, "Organize the selected pictures by subject only; date is irrelevant for these pictures");
}

bool StorageManagement::isOnlySubjectVisible() const
{
    return Storage::StorageSwitches::onlySubjectVisible(state());
}

bool StorageManagement::subjectControlsVisible() const
{
    return m_switches.subjectControlsVisible(state());
}

void StorageManagement::restore()
{
    const Settings::SessionSettingsRec &rec = m_session.folderRec();
    m_resumeQuestion = m_switches.restore(rec.useStorageManagement, rec.onlyUseSubject, state());
    syncFolderRecord();
    Q_EMIT changed();
}

bool StorageManagement::resumeNotice()
{
    const Storage::SetupQuestion question = std::exchange(m_resumeQuestion, Storage::SetupQuestion::None);
    return question != Storage::SetupQuestion::None && askSetup(question, mainFolder());
}

bool StorageManagement::askSetup(Storage::SetupQuestion question, const QString &mainFolder)
{
    Platform::Question ask;
    ask.caption = L10n::standard(L10n::Standard::Confirm);
    ask.lines = Storage::setupQuestionText(question, mainFolder).split(u'\n');
    ask.buttons = {L10n::standard(L10n::Standard::Ok), L10n::standard(L10n::Standard::Cancel)};
    ask.escapeButton = 1;
    return m_dialogs.ask(ask).button == 0;
}

void StorageManagement::syncFolderRecord()
{
    Settings::SessionSettingsRec &rec = m_session.folderRec();
    rec.useStorageManagement = m_switches.useStorage();
    rec.onlyUseSubject = m_switches.onlySubject();
}

void StorageManagement::setUseStorage(bool on)
{
    const Storage::StorageSetupState current = state();
    const Storage::SetupQuestion question = m_switches.setUseStorage(on, current);
    syncFolderRecord();
    Q_EMIT changed();
    if (question != Storage::SetupQuestion::None && askSetup(question, current.mainFolder))
        Q_EMIT setupRequested();
}

void StorageManagement::setOnlySubject(bool on)
{
    m_switches.setOnlySubject(on, state());
    syncFolderRecord();
    Q_EMIT changed();
}

void StorageManagement::useStorageLeft()
{
    m_switches.useStorageLeft();
    syncFolderRecord();
    store();
    Q_EMIT changed();
}

bool StorageManagement::store()
{
    syncFolderRecord();
    const auto written = m_session.UpdateFSession_Local(sessionSetup());
    if (written)
        return true;
    m_dialogs.status({L10n::describe(written.error()), true, 10, Platform::Sound::Error});
    return false;
}

std::unique_ptr<Storage::StorageSetupModel> StorageManagement::setupModel()
{
    return std::make_unique<Storage::StorageSetupModel>(
        settings(), m_drives, m_dialogs, [this](const Storage::StorageSettings &settings) { return apply(settings); });
}

bool StorageManagement::apply(const Storage::StorageSettings &settings)
{
    Settings::ProgramSettingsRec &rec = m_program.rec();
    rec.PSLevels = settings.levels;
    rec.PSSubjPosition = settings.subjectPosition;
    rec.PSSubjOptional = settings.subjectOptional;
    rec.PSSubjWarn = settings.subjectWarning;
    rec.PSPromptFolder = settings.promptFolder;
    rec.PSShiftMidnight = settings.shiftMidnight;
    rec.PSAddNameDay = settings.addNameDay;
    rec.PSAbbrNameDay = settings.abbreviateNameDay;
    m_mainFolder->setMainFolder(settings.mainFolder.left(255));

    if (settings.levels == 0) {
        m_switches.setUseStorage(false, state());
    } else if (m_switches.useStorage()) {
        m_switches.setOnlySubject(m_switches.onlySubject(), state());
    } else {
        m_switches.setUseStorage(true, state());
        // "Only use subject" shows up again with the value the session had for it.
        m_switches.setOnlySubject(m_session.folderRec().onlyUseSubject, state());
    }
    if (!m_switches.useStorage())
        m_switches.useStorageLeft();
    syncFolderRecord();

    // Every file is written even when one fails; the first failure is shown. The settings stay in
    // memory either way, so the dialog closes.
    bool shown = false;
    for (const auto &written : {m_mainFolder->UpdateFMainFolder(), m_program.UpdateFPSM(),
                                m_session.UpdateFSession_Local(sessionSetup())}) {
        if (!written && !shown) {
            m_dialogs.inform({L10n::standard(L10n::Standard::Error), L10n::describe(written.error()),
                              Platform::Severity::Error});
            shown = true;
        }
    }
    Q_EMIT changed();
    return true;
}

bool StorageManagement::startupPrompt()
{
    Settings::ProgramSettingsRec &rec = m_program.rec();
    if (rec.PSLevels != 0 || !rec.PSShowMessage[startupPromptFlag])
        return false;
    Platform::Question question;
    question.caption = text(641, "Mirelto Setup Picture Storage Management?");
    question.header = text(635, "Organize your pictures on the fly!");
    question.lines = {text(636, "Apart from renaming pictures, Mirelto can move your pictures at the same time."),
                      text(637, "Select a Main Picture Storage folder, choose your Picture Storage Scheme and supply "
                                "some details."),
                      text(638, "That's all!")};
    question.buttons = {text(639, "&Run Setup now"), text(912, "&Cancel")};
    question.escapeButton = 1;
    question.checkBoxCaption = text(640, "&Show this message next time");
    question.checkBoxChecked = true;
    const Platform::Answer answer = m_dialogs.ask(question);
    rec.PSShowMessage[startupPromptFlag] = answer.checkBoxChecked;
    if (auto written = m_program.UpdateFPSM(); !written)
        m_dialogs.status({L10n::describe(written.error()), true, 10, Platform::Sound::Error});
    return answer.button == 0;
}

} // namespace App
