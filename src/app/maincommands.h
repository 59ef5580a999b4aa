#pragma once

#include "app/helpdocuments.h"
#include "app/quickstart.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace App {

class Application;

// Every command of the main window's menu bar. The items of a submenu follow the submenu.
enum class MainCommand {
    // "&File"
    SetupStorage,
    CreateGroupFolder,
    SelectPictures,
    SelectAll,
    SelectInvert,
    SelectHavingFreeText,
    SelectNone,
    SelectByStrings,
    ToggleStringMode,
    ModeStartsWith,
    ModeContains,
    MaintainStrings,
    ProgramOptions,
    QuitSession,
    Close,
    // "&Dictionary"
    MakeStaticDictionary,
    DictionaryFromClipboard,
    DictionaryOnLine,
    DictionaryFromFolder,
    ClearActiveDictionary,
    DictionaryOptions,
    // "&Subjects"
    AssignSubject,
    EraseSubject,
    MaintainSubjects,
    // "&Edit"
    EditAll,
    EditOne,
    JumpToEmpty,
    FindReplace,
    EraseFreeText,
    // "Ex&tra"
    CopyCurrentTitle,
    CutCharacters,
    // "&Add title elements"
    Prefix,
    Suffix,
    Numbering,
    ExtractNumber,
    UseCounter,
    Date,
    Time,
    ExifTags,
    CameraClocks,
    SaveElementSettings,
    // "&Retitle"
    ChangeOrder,
    ForceUnique,
    KeepVoice,
    MaintainExtensions,
    MaintainFolderList,
    TestAndPreview,
    UndoRetitling,
    RedoRetitling,
    // "&Help"
    Guide,
    QuickStart,
    WhatsNew,
    HelpContents,
    Credits,
    About,
};

enum class MainMenu { File, Dictionary, Subjects, Edit, Extra, AddTitleElements, Retitle, Help };

// One entry of a menu: a command, or a submenu with its items.
struct MenuEntry
{
    MainCommand command;
    bool separatorBefore = false;
    QList<MainCommand> items;
};

// What never changes about a command.
struct CommandInfo
{
    // Portable key-sequence text ("Ctrl+A"), empty for none.
    QString shortcut;
    QString statusText;
    bool checkable = false;
    // Checkable items of one submenu that exclude each other.
    bool exclusive = false;
};

// What a menu item shows when its menu opens.
struct CommandState
{
    QString caption;
    bool enabled = false;
    bool checked = false;
    bool operator==(const CommandState &) const = default;
};

// The command set of the main window: captions, status texts, shortcuts and the states the
// menus take each time they open, read from the same state as the stage panels' buttons, so that
// the menus and the panels always agree. Commands carried out by the core run here; the rest
// (dialogs, focus, closing) are handed to the window through shellCommandRequested().
class MainCommands final : public QObject
{
    Q_OBJECT

public:
    explicit MainCommands(Application &application, QObject *parent = nullptr);

    // The menus in menu-bar order and their entries in menu order.
    static QList<MainMenu> menus();
    static QString menuCaption(MainMenu menu);
    static QList<MenuEntry> entries(MainMenu menu);
    static CommandInfo info(MainCommand command);

    CommandState state(MainCommand command) const;
    // A menu opens while one of its commands can run; a closed menu also leaves its access key to
    // the controls of the running stage.
    bool isMenuEnabled(MainMenu menu) const;
    // The title a menu shows now: its caption, without the access key while it is closed, since
    // the menu bar would take the key all the same, away from the control of the running stage
    // that has it.
    QString menuTitle(MainMenu menu) const;
    // The "&Subjects" menu is there only while subjects are in use.
    bool isMenuVisible(MainMenu menu) const;
    // Carries out command when it is enabled; a command of the window itself is passed on to
    // shellCommandRequested(). A disabled command does nothing.
    void run(MainCommand command);

    // A key of the main window, handled before the control with the focus. True when used.
    bool windowKey(int key, Qt::KeyboardModifiers modifiers);
    // Whether windowKey() would use the key now; the window claims such keys from shortcuts.
    bool isWindowKey(int key, Qt::KeyboardModifiers modifiers) const;
    // Tells which part of the window is under the pointer, for the help key.
    void setRegionUnderPointer(std::function<WindowRegion()> region) { m_regionUnderPointer = std::move(region); }

    // The text of the about box: the version, the Qt version, the licence and where the work
    // files are.
    static QString aboutCaption();
    QString aboutText() const;

Q_SIGNALS:
    void shellCommandRequested(App::MainCommand command);
    // The quick start is to open at section.
    void helpRequested(const QString &section);
    // Another help document is to open.
    void helpDocumentRequested(App::HelpDocument document);

private:
    enum class SelectKey { None, All, Invert, Nothing };
    SelectKey selectKey(int key, Qt::KeyboardModifiers modifiers) const;
    bool isEnabled(MainCommand command) const;
    bool isChecked(MainCommand command) const;
    QString caption(MainCommand command) const;
    void saveElementSettings();

    Application &m_application;
    std::function<WindowRegion()> m_regionUnderPointer;
};

} // namespace App
