#pragma once

#include "records/fileerror.h"
#include "storage/storagesettings.h"
#include "storage/storageswitches.h"

#include <QObject>
#include <QString>

#include <memory>

namespace Platform {
class Dialogs;
class Drives;
} // namespace Platform
namespace Settings {
class ProgramSettings;
class SessionSettings;
struct StorageSetup;
} // namespace Settings
namespace Storage {
class MainFolderFile;
class StorageSetupModel;
} // namespace Storage

namespace App {

// Storage management as the program runs it: the main folder, the settings that the setup
// writes, the final stage's two switches of the session, and the start-up prompt.
class StorageManagement final : public QObject
{
    Q_OBJECT

public:
    StorageManagement(Settings::ProgramSettings &program, Settings::SessionSettings &session,
                      Platform::Drives &drives, Platform::Dialogs &dialogs, const QString &mainFolderFile,
                      QObject *parent = nullptr);
    ~StorageManagement() override;

    // Reads MainFolder.dat, creating it with no main folder when missing.
    [[nodiscard]] Records::FileResult<void> InitFMainFolder();
    const QString &mainFolderFile() const;
    QString mainFolder() const;
    Storage::StorageSetupState state() const;
    Settings::StorageSetup sessionSetup() const;
    Storage::StorageSettings settings() const;

    // The switches, as the folder settings hold them.
    static QString useStorageCaption();
    static QString onlySubjectCaption();
    static QString onlySubjectHint();
    bool useStorage() const { return m_switches.useStorage(); }
    bool onlySubject() const { return m_switches.onlySubject(); }
    bool isOnlySubjectVisible() const;
    // Subject columns and commands are shown while storage is on with a subject level.
    bool subjectControlsVisible() const;
    // Takes both switches from the folder settings once they are read; storage management is
    // left off when its main folder is unset or gone (resumeNotice tells why).
    void restore();
    // After restore() turned storage management off for want of its main folder: says so with
    // the setup question, once the window is up. True when the user chose to run the setup now.
    bool resumeNotice();
    // Turning storage management on when it is not ready leaves it off and asks whether to run
    // the setup; OK asks for it through setupRequested().
    void setUseStorage(bool on);
    void setOnlySubject(bool on);
    // "Use Picture Storage Management" lost the focus: "Only use subject" follows it off, and the
    // folder settings are written.
    void useStorageLeft();
    // Writes the folder settings; a failure is shown in the status line.
    bool store();

    // The setup dialog's model over the stored settings; Finish writes through apply().
    std::unique_ptr<Storage::StorageSetupModel> setupModel();
    // Stores the settings of a finished setup and sets the switches after them.
    bool apply(const Storage::StorageSettings &settings);

    // The prompt offered at start-up while storage management was never set up; true when the
    // user chose to run the setup now.
    bool startupPrompt();

Q_SIGNALS:
    // A switch, its visibility or the stored setup changed.
    void changed();
    // The setup dialog is to open.
    void setupRequested();

private:
    void syncFolderRecord();
    // Asks question (OK runs the setup); true on OK.
    bool askSetup(Storage::SetupQuestion question, const QString &mainFolder);

    Settings::ProgramSettings &m_program;
    Settings::SessionSettings &m_session;
    Platform::Drives &m_drives;
    Platform::Dialogs &m_dialogs;
    std::unique_ptr<Storage::MainFolderFile> m_mainFolder;
    Storage::StorageSwitches m_switches;
    Storage::SetupQuestion m_resumeQuestion = Storage::SetupQuestion::None;
};

} // namespace App
