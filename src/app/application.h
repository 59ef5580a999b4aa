#pragma once

#include "platform/screen.h"
#include "settings/overallsettingsrec.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace L10n {
class LanguageSwitch;
}
namespace Platform {
class Dialogs;
class Drives;
class SystemFileSystem;
struct StatusMessage;
} // namespace Platform
namespace Settings {
class ProgramSettings;
class SessionSettings;
struct StorageSetup;
} // namespace Settings
namespace Storage {
class StoragePlanner;
struct StoragePlanSettings;
} // namespace Storage
namespace Retitle {
class Retitler;
class RetitleUndo;
class TestPreview;
} // namespace Retitle
namespace Compose {
class CameraClocks;
class DateTimeSettingsModel;
class ExifTagDatabase;
class ExifTagElement;
class ExifTagsModel;
class NumberSettingsModel;
class PicPrefixList;
class PictureDates;
class PicSuffixList;
class TitleSettingsModel;
} // namespace Compose
namespace Session {
class FreeTextEditor;
class PictureSession;
class PicturePreview;
class DictionaryLine;
class Selection;
class StageGuide;
class StageWorkflow;
} // namespace Session
namespace Storage {
class FolderDescriptions;
class SubjectCommands;
class SubjectStore;
struct NewFolderDescriptionInput;
} // namespace Storage
namespace Dictionary {
class DictionaryStore;
class EditLine;
} // namespace Dictionary

namespace App {

class FolderFinish;
class StorageManagement;
class ThemeChoice;
class NewTitleColumn;
class TitleExample;

// Where the program finds its folders.
struct Locations
{
    // The per-user work folder, with a trailing '/'.
    QString workFolder;
    // The folder of the program, with a trailing '/'.
    QString applicationFolder;
};

// The machine facts the start-up checks look at.
struct Machine
{
    Platform::Drives &drives;
    Platform::ScreenInfo screen;
    int localLanguage = -1;
};

// How the main window is to be shown once the session is open.
struct WindowLayout
{
    bool maximised = false;
    // A 1024-pixel-wide screen up to 768 high: maximised and without a maximise button.
    bool fixedMaximised = false;
    // A screen lower than 768 pixels.
    bool compact = false;
};

// The one state of the running program: the settings, the open folder's picture table and the
// start-up and closing sequence that leads to and from it.
class Application final : public QObject
{
    Q_OBJECT

public:
    Application(const Locations &locations, const Machine &machine, Platform::Dialogs &dialogs,
                QObject *parent = nullptr);
    ~Application() override;

    // Program entry up to the open session: the application start, the folder choice from
    // folderArgument (empty: the folder browser) and the session opening. False when the program
    // is to end; a failure has then been shown in one error box.
    bool start(const QString &folderArgument);

    // The application start; on failure startupError() holds the message.
    bool InitApplication();
    // Opens the session of a picture folder; false on failure, with the message in startupError()
    // (empty when the user cancelled).
    bool InitSession(const QString &folder);
    // FillErrorMessage: the start-up error for a work file that could not be created or is read-only.
    enum class FileProblem { Create, ReadOnly };
    void FillErrorMessage(const QString &path, FileProblem problem);
    const QString &startupError() const { return m_startupError; }

    // The start tick, once, shortly after the main window is shown.
    void startTick();
    // Another copy of the program was started on folder (empty: on none) and ended, since this
    // one runs: when it named another folder than this one's, the user is told this one goes on.
    void anotherLaunch(const QString &folder);
    // Closing the main window; after a retitle run the user is asked whether the folder is done.
    // False when the session goes on: the Done box undid the retitling that emptied the folder.
    bool close();
    // "&Quit session/Remove workfiles": asks whether the folder is done; the main window closes
    // afterwards, whatever the answer.
    void quitSession();
    // Whether the folder's work files are gone: nothing of the session is written any more.
    bool workFilesRemoved() const { return m_workFilesRemoved; }
    FolderFinish &folderFinish() { return *m_folderFinish; }

    // RunForm6Message: shows information message number unless the user switched it off; false
    // only when the user chose Cancel.
    bool RunForm6Message(int number);

    QString windowCaption() const;
    const WindowLayout &windowLayout() const { return m_layout; }
    const QString &pictureFolder() const { return m_folder; }
    QString workFile(const QString &name) const;
    const Locations &locations() const { return m_locations; }
    Platform::Dialogs &dialogs() { return m_dialogs; }
    bool restoredStage2() const;

    Settings::ProgramSettings &programSettings() { return *m_programSettings; }
    Settings::SessionSettings &sessionSettings() { return *m_sessionSettings; }
    Session::PictureSession &pictures() { return *m_pictures; }
    Session::Selection &selection() { return *m_selection; }
    // The Active and Static dictionaries with their context dictionaries.
    Dictionary::DictionaryStore &dictionaries() { return *m_dictionaries; }
    Session::StageWorkflow &workflow() { return *m_workflow; }
    Session::StageGuide &stageGuide() { return *m_stageGuide; }
    TitleExample &titleExample() { return *m_titleExample; }
    NewTitleColumn &newTitleColumn() { return *m_newTitleColumn; }
    Compose::CameraClocks &cameraClocks() { return *m_cameraClocks; }
    Compose::PictureDates &pictureDates() { return *m_pictureDates; }
    // The camera clocks were changed: saves them and composes every new title again. False, with
    // the error shown, when they could not be saved.
    bool cameraClocksChanged();
    ThemeChoice &themeChoice() { return *m_themeChoice; }
    Session::FreeTextEditor &freeTextEditor() { return *m_freeTextEditor; }
    // The picture shown beside the table and in the viewer.
    Session::PicturePreview &picturePreview() { return *m_picturePreview; }
    // The free-text edit line of stage 2 with its completions.
    Dictionary::EditLine &editLine() { return *m_editLine; }
    Compose::TitleSettingsModel &titleSettings() { return *m_titleSettings; }
    Compose::PicPrefixList &picturePrefixes() { return *m_prefixes; }
    Compose::PicSuffixList &pictureSuffixes() { return *m_suffixes; }
    Compose::NumberSettingsModel &numberSettings() { return *m_numberSettings; }
    Compose::DateTimeSettingsModel &dateTimeSettings() { return *m_dateTimeSettings; }
    Compose::ExifTagDatabase &exifTagDatabase() { return *m_exifTags; }
    // The model of the dialog "Select Exif tags" over the folder's pictures; currentRow: the
    // picture table's current row, whose values the dialog shows (-1 for none).
    std::unique_ptr<Compose::ExifTagsModel> exifTagsModel(int currentRow);
    Retitle::TestPreview &testPreview() { return *m_testPreview; }
    Retitle::Retitler &retitler() { return *m_retitler; }
    // "Undo last retitling" and the recovery of an interrupted run, from the runs' journals.
    Retitle::RetitleUndo &retitleUndo() { return *m_retitleUndo; }
    const Settings::OverallSettingsRec &overallSettings() const { return m_overall; }
    Settings::StorageSetup storageSetup() const;
    // The main folder, the setup and the session's storage switches.
    StorageManagement &storage() { return *m_storage; }
    // What storage management plans destinations with, read afresh for every Test & Preview.
    Storage::StoragePlanSettings storagePlanSettings() const;
    // The subjects of Subjects.dat and the commands on the pictures' subjects.
    Storage::SubjectStore &subjects() { return *m_subjects; }
    Storage::SubjectCommands &subjectCommands() { return *m_subjectCommands; }
    // Subjects are in use while the session uses storage management and its scheme has a subject
    // level: the subject column, lists, buttons and menu are shown only then.
    bool subjectsInUse() const;
    // Follows a change of the settings that decide subjectsInUse(): moves the subject column and
    // tells the views; also takes over whether subjects are optional.
    void updateSubjectsInUse();
    // Shows the descriptions of new folders during Test & Preview; returns whether the user
    // confirmed them. Without one, new folders get no description.
    void setNewFolderDescriber(std::function<bool(Storage::FolderDescriptions &)> describer);
    // Makes the interface language of the program settings the active one; languageChanged()
    // follows when that is another language than before.
    void applyStoredLanguage();
    // Lists the kinds of files the program settings name; an open folder's table is rebuilt when
    // that changes what it lists.
    void applyMediaOptions();
    // The active interface language (L10n::LanguageCode).
    int language() const;

Q_SIGNALS:
    void captionChanged(const QString &caption);
    void subjectsInUseChanged(bool inUse);
    // Every text asked for from now on is in another language: the windows read theirs again.
    void languageChanged();

private:
    std::optional<QStringList> describeNewFolders(const Storage::NewFolderDescriptionInput &input);
    bool fail(const QString &message);
    bool prepareWorkFolder();
    bool checkNotReadOnly(const QString &path);
    bool createEmptyWhenMissing(const QString &path, int recordSize);
    // Fails with the start-up error for the first of paths that is a symbolic link.
    bool refuseSymbolicLinks(const QStringList &paths);
    bool loadRememberedTexts();
    // The stage workflow, the stage-2 editor with its line, and what they hear of the rest.
    void createStage2();
    void createRetitleUndo();
    void createNewTitleColumn();
    // The Done box's undo: the last retitling undone without a preview, the box having asked.
    bool undoLastRetitling();
    // At the start of a folder without pictures: recovers a killed run and offers to undo the
    // last retitling when it moved every picture away.
    void offerUndoOfEmptiedFolder();
    enum class FolderChoice { Open, End };
    FolderChoice chooseFolder(const QString &folderArgument, QString *folder);

    Locations m_locations;
    Machine m_machine;
    Platform::Dialogs &m_dialogs;
    std::unique_ptr<L10n::LanguageSwitch> m_language;
    std::unique_ptr<Settings::ProgramSettings> m_programSettings;
    std::unique_ptr<Settings::SessionSettings> m_sessionSettings;
    std::unique_ptr<StorageManagement> m_storage;
    std::unique_ptr<Storage::SubjectStore> m_subjects;
    std::unique_ptr<Storage::SubjectCommands> m_subjectCommands;
    bool m_subjectsInUse = false;
    std::unique_ptr<Session::PictureSession> m_pictures;
    std::unique_ptr<Session::Selection> m_selection;
    std::unique_ptr<Dictionary::DictionaryStore> m_dictionaries;
    std::unique_ptr<FolderFinish> m_folderFinish;
    std::unique_ptr<Session::StageWorkflow> m_workflow;
    std::unique_ptr<Session::StageGuide> m_stageGuide;
    std::unique_ptr<TitleExample> m_titleExample;
    std::unique_ptr<NewTitleColumn> m_newTitleColumn;
    std::unique_ptr<Compose::CameraClocks> m_cameraClocks;
    std::unique_ptr<Compose::PictureDates> m_pictureDates;
    std::unique_ptr<ThemeChoice> m_themeChoice;
    std::unique_ptr<Session::FreeTextEditor> m_freeTextEditor;
    std::unique_ptr<Session::PicturePreview> m_picturePreview;
    std::unique_ptr<Dictionary::EditLine> m_editLine;
    std::unique_ptr<Session::DictionaryLine> m_dictionaryLine;
    std::unique_ptr<Compose::TitleSettingsModel> m_titleSettings;
    std::unique_ptr<Compose::PicPrefixList> m_prefixes;
    std::unique_ptr<Compose::PicSuffixList> m_suffixes;
    std::unique_ptr<Compose::NumberSettingsModel> m_numberSettings;
    std::unique_ptr<Compose::DateTimeSettingsModel> m_dateTimeSettings;
    std::unique_ptr<Compose::ExifTagDatabase> m_exifTags;
    std::unique_ptr<Compose::ExifTagElement> m_exifElement;
    std::unique_ptr<Platform::SystemFileSystem> m_files;
    std::unique_ptr<Storage::StoragePlanner> m_destinations;
    std::function<bool(Storage::FolderDescriptions &)> m_describer;
    std::unique_ptr<Retitle::Retitler> m_retitler;
    std::unique_ptr<Retitle::RetitleUndo> m_retitleUndo;
    std::unique_ptr<Retitle::TestPreview> m_testPreview;
    Settings::OverallSettingsRec m_overall;
    WindowLayout m_layout;
    QString m_startupError;
    QString m_folder;
    bool m_startedWithFolder = false;
    bool m_sessionOpen = false;
    bool m_quitCommand = false;
    bool m_workFilesRemoved = false;
};

} // namespace App
