#include "app/maincommands.h"

#include "app/application.h"
#include "app/storagemanagement.h"
#include "compose/cameraclocksmodel.h"
#include "compose/datetimesettingsmodel.h"
#include "compose/exiftagsmodel.h"
#include "compose/numbersettingsmodel.h"
#include "compose/titlesettingsmodel.h"
#include "dictionary/dictionarystore.h"
#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "platform/folders.h"
#include "retitle/retitleundo.h"
#include "session/freetexteditor.h"
#include "session/selection.h"
#include "session/stageworkflow.h"
#include "storage/groupfoldermodel.h"
#include "storage/subjectcommands.h"
#include "settings/sessionsettings.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace App {

using L10n::text;
using Session::Command;

MainCommands::MainCommands(Application &application, QObject *parent) : QObject(parent), m_application(application)
{
}

QList<MainMenu> MainCommands::menus()
{
    // The thumbnail commands have a menu of their own between "&Edit" and "Ex&tra".
    return {MainMenu::File, MainMenu::Dictionary, MainMenu::Subjects, MainMenu::Edit, MainMenu::Extra, MainMenu::AddTitleElements, MainMenu::Retitle,
            MainMenu::Help};
}

QString MainCommands::menuCaption(MainMenu menu)
{
    switch (menu) {
    case MainMenu::File:
        return text(936, "&File");
    case MainMenu::Dictionary:
        return text(937, "&Dictionary");
    case MainMenu::Subjects:
        return Storage::SubjectCommands::menuCaption();
    case MainMenu::Edit:
        return text(938, "&Edit");
    case MainMenu::Extra:
        return text(939, "Ex&tra");
    case MainMenu::AddTitleElements:
        return text(940, "&Add title elements");
    case MainMenu::Retitle:
        return text(941, "&Retitle");
    case MainMenu::Help:
        return text(958, "&Help");
    }
    return {};
}

QList<MenuEntry> MainCommands::entries(MainMenu menu)
{
    using C = MainCommand;
    switch (menu) {
    case MainMenu::File:
        return {{C::SetupStorage, false, {}},
                {C::CreateGroupFolder, false, {}},
                {C::SelectPictures, true, {C::SelectAll, C::SelectInvert, C::SelectHavingFreeText, C::SelectNone}},
                {C::SelectByStrings, false, {}},
                {C::ToggleStringMode, false, {C::ModeStartsWith, C::ModeContains}},
                {C::MaintainStrings, false, {}},
                {C::ProgramOptions, true, {}},
                {C::QuitSession, true, {}},
                {C::Close, false, {}}};
    case MainMenu::Dictionary:
        return {{C::MakeStaticDictionary, false,
                 {C::DictionaryFromClipboard, C::DictionaryOnLine, C::DictionaryFromFolder}},
                {C::ClearActiveDictionary, true, {}},
                {C::DictionaryOptions, true, {}}};
    case MainMenu::Subjects:
        return {{C::AssignSubject, false, {}}, {C::EraseSubject, false, {}}, {C::MaintainSubjects, false, {}}};
    case MainMenu::Edit:
        return {{C::EditAll, false, {}}, {C::EditOne, false, {}}, {C::JumpToEmpty, false, {}},
                {C::FindReplace, true, {}}, {C::EraseFreeText, true, {}}};
    case MainMenu::Extra:
        return {{C::CopyCurrentTitle, false, {}}, {C::CutCharacters, false, {}}};
    case MainMenu::AddTitleElements:
        return {{C::Prefix, false, {}},
                {C::Suffix, false, {}},
                {C::Numbering, false, {C::ExtractNumber, C::UseCounter}},
                {C::Date, false, {}},
                {C::Time, false, {}},
                {C::ExifTags, false, {}},
                {C::CameraClocks, false, {}},
                {C::SaveElementSettings, true, {}}};
    case MainMenu::Retitle:
        return {{C::ChangeOrder, false, {}},        {C::ForceUnique, false, {}},
                {C::KeepVoice, false, {}},          {C::MaintainExtensions, false, {}},
                {C::MaintainFolderList, false, {}}, {C::TestAndPreview, true, {}},
                {C::UndoRetitling, false, {}}, {C::RedoRetitling, false, {}}};
    case MainMenu::Help:
        return {{C::Guide, false, {}},        {C::QuickStart, false, {}}, {C::WhatsNew, false, {}},
                {C::HelpContents, false, {}}, {C::Credits, false, {}},    {C::About, true, {}}};
    }
    return {};
}

CommandInfo MainCommands::info(MainCommand command)
{
    using C = MainCommand;
    const QString selectHint = text(942, "Select pictures to retitle in the list beneath");
    const QString modeHint = text(943, "Do not forget to check the desired strings");
    const QString describeHint =
        text(944, "Supply a description per picture (in free text element) with the help of the dictionary");
    switch (command) {
    case C::SetupStorage:
    case C::CreateGroupFolder:
        return {};
    case C::SelectPictures:
    case C::SelectAll:
    case C::SelectInvert:
    case C::SelectNone: {
        const QString key = command == C::SelectAll      ? u"Ctrl+A"_s
                            : command == C::SelectInvert ? u"Ctrl+I"_s
                            : command == C::SelectNone   ? u"Ctrl+N"_s
                                                         : QString();
        return {key, selectHint};
    }
    case C::SelectHavingFreeText:
        return {{}, text(945, "Note: found pictures will be added to the current selection")};
    case C::SelectByStrings:
        return {{}, text(946, "Select pictures based on the occurrence of one or more strings in its current title")};
    case C::ToggleStringMode:
        return {{}, modeHint};
    case C::ModeStartsWith:
    case C::ModeContains:
        return {{}, modeHint, true, true};
    case C::MaintainStrings:
        return {{},
                text(947, "Add new strings you want to use for selection, remove selection strings and change selection "
                     "strings")};
    case C::ProgramOptions:
        return {{}, text(948, "Set Program Options regarding messages and the Guide")};
    case C::QuitSession:
        return {{},
                text(949, "Use this option when you are done with this folder. Upon confirmation, pending changes will be "
                     "lost!")};
    case C::MakeStaticDictionary:
        return {};
    case C::DictionaryFromClipboard:
        return {{}, text(965, "Copy information from any source into the Static Dictionary")};
    case C::DictionaryOnLine:
        return {{}, text(966, "Pick available dictionaries from the Mirelto web-site")};
    case C::DictionaryFromFolder:
        return {{}, text(967, "Pick a folder with pictures containing a similar subject")};
    case C::ClearActiveDictionary:
        return {{}, text(968, "This is the part of the dictionary containing the titles you supplied in this session")};
    case C::DictionaryOptions:
        return {{}, text(969, "Set the maximum number of entries for the static dictionary to contain")};
    case C::FindReplace:
        return {{}, text(970, "Find and replace strings in the provided descriptions (in the free text element)")};
    case C::Close:
        return {{}, text(971, "Your work is automatically saved! You can resume the session for this folder at any time")};
    case C::AssignSubject:
    case C::EraseSubject:
    case C::MaintainSubjects:
        return {{}, Storage::SubjectCommands::menuHint()};
    case C::EditAll:
    case C::EditOne:
    case C::JumpToEmpty:
        return {{}, describeHint};
    case C::EraseFreeText:
        return {{}, text(972, "Erase all provided descriptions in the free text element. (Caution: step is irreversable!)")};
    case C::CopyCurrentTitle:
        return {{}, text(973, "Copy the current title to free text of all selected pictures")};
    case C::CutCharacters:
        return {{},
                text(974, "Trim leading/trailing strings from free text of all selected pictures (Caution: step is "
                     "irreversable!)")};
    case C::Prefix:
        return {{}, text(975, "Define a Prefix to be added to all new titles"), true};
    case C::Suffix:
    case C::Time:
        return {{}, {}, true};
    case C::Numbering:
        return {{}, Compose::NumberSettingsModel::menuHint()};
    case C::ExtractNumber:
    case C::UseCounter:
        return {{}, Compose::NumberSettingsModel::menuHint(), true};
    case C::Date:
        return {{}, Compose::DateTimeSettingsModel::dateMenuHint(), true};
    case C::ExifTags:
        return {{}, Compose::ExifTagsModel::menuHint()};
    case C::CameraClocks:
        return {{}, Compose::CameraClocksModel::offsetHint()};
    case C::SaveElementSettings:
        return {{}, text(976, "Save the elements settings and Final stage settings for future sessions of other folders")};
    case C::ChangeOrder:
        return {{}, text(977, "Change the order of elements within the created title. (See Final Stage)")};
    case C::ForceUnique:
        return {{}, text(978, "Add a sequence number to the new picture title should the picture title already exists"), true};
    case C::KeepVoice:
        return {{}, text(979, "If a voice file is found for a picture to retitle, also rename the voice file"), true};
    case C::MaintainExtensions:
        return {{}, text(980, "If a file is found with any of the defined extensions, this file will also be renamed")};
    case C::MaintainFolderList:
        return {{}, text(981, "Maintain folders that will be checked to qualify picture titles to be unique")};
    case C::TestAndPreview:
        return {{}, text(982, "Start making the new picture titles. The result can be previewed in a new window")};
    case C::UndoRetitling:
        return {{}, text(1281, "Put the pictures of the last retitling of this folder back under their old names")};
    case C::RedoRetitling:
        return {{}, text(1306, "Retitle the pictures again as the retitling that was undone last did")};
    case C::Guide:
    case C::QuickStart:
    case C::WhatsNew:
    case C::HelpContents:
    case C::Credits:
    case C::About:
        return {};
    }
    return {};
}

QString MainCommands::caption(MainCommand command) const
{
    using C = MainCommand;
    const Session::Selection &selection = m_application.selection();
    switch (command) {
    case C::SelectPictures:
        return text(983, "&Select pictures to retitle");
    case C::SetupStorage:
        return text(984, "Setup Picture Storage Man&agement");
    case C::CreateGroupFolder:
        return Storage::GroupFolderModel::menuCaption();
    case C::SelectAll:
        return selection.menuCaption(Session::SelectionKind::All);
    case C::SelectInvert:
        return selection.menuCaption(Session::SelectionKind::Invert);
    case C::SelectHavingFreeText:
        return selection.menuCaption(Session::SelectionKind::AllHavingFreeText);
    case C::SelectNone:
        return selection.menuCaption(Session::SelectionKind::None);
    case C::SelectByStrings:
        return selection.selectByStringsMenuCaption();
    case C::ToggleStringMode:
        return text(985, "&Toggle string selection mode");
    case C::ModeStartsWith:
        return selection.modeMenuCaption(true);
    case C::ModeContains:
        return selection.modeMenuCaption(false);
    case C::MaintainStrings:
        return text(986, "&Maintain selection strings");
    case C::ProgramOptions:
        return text(987, "&Program Options");
    case C::QuitSession:
        return text(988, "&Quit session/Remove workfiles");
    case C::Close:
        return text(989, "&Close Mirelto");
    case C::MakeStaticDictionary:
        return text(990, "Ma&ke Static Dictionary from...");
    case C::DictionaryFromClipboard:
        return text(991, "Mirelto Clipboard");
    case C::DictionaryOnLine:
        return text(992, "Dictionary On-Line");
    case C::DictionaryFromFolder:
        return text(993, "Folder(s)");
    case C::ClearActiveDictionary:
        return text(994, "C&lear Active Dictionary");
    case C::DictionaryOptions:
        return text(995, "Dictio&nary Options");
    case C::FindReplace:
        return text(996, "&Find/Replace");
    case C::AssignSubject:
        return Storage::SubjectCommands::assignMenuCaption();
    case C::EraseSubject:
        return Storage::SubjectCommands::eraseMenuCaption();
    case C::MaintainSubjects:
        return Storage::SubjectCommands::maintainMenuCaption();
    case C::EditAll:
        return Session::FreeTextEditor::editAllMenuCaption();
    case C::EditOne:
        return m_application.freeTextEditor().editOneMenuCaption();
    case C::JumpToEmpty:
        return Session::FreeTextEditor::jumpMenuCaption();
    case C::EraseFreeText:
        return Session::FreeTextEditor::eraseMenuCaption();
    case C::CopyCurrentTitle:
        return Session::FreeTextEditor::copyOldMenuCaption();
    case C::CutCharacters:
        return Session::FreeTextEditor::stripMenuCaption();
    case C::Prefix:
        return text(997, "&Prefix");
    case C::Suffix:
        return text(998, "&Suffix");
    case C::Numbering:
        return Compose::NumberSettingsModel::menuCaption();
    case C::ExtractNumber:
        return Compose::NumberSettingsModel::extractMenuCaption();
    case C::UseCounter:
        return Compose::NumberSettingsModel::counterMenuCaption();
    case C::Date:
        return Compose::DateTimeSettingsModel::dateMenuCaption();
    case C::Time:
        return Compose::DateTimeSettingsModel::timeMenuCaption();
    case C::ExifTags:
        return Compose::ExifTagsModel::menuCaption();
    case C::CameraClocks:
        return Compose::CameraClocksModel::menuCaption();
    case C::SaveElementSettings:
        return text(999, "Save elements settings/Final stage settings for future sessions");
    case C::ChangeOrder:
        return text(1000, "&Change order of elements within created title");
    case C::ForceUnique:
        return text(1001, "Force new picture titles to be uni&que");
    case C::KeepVoice:
        return text(1002, "&Keep Voice files synchronized");
    case C::MaintainExtensions:
        return text(1003, "Maintain list of Extensions to be synchronized");
    case C::MaintainFolderList:
        return text(1004, "Maintain &folder list that will be checked to qualify new picture titles to be unique");
    case C::TestAndPreview:
        return text(1005, "Test and &Preview newly created picture titles");
    case C::UndoRetitling:
        return text(1282, "&Undo last retitling");
    case C::RedoRetitling:
        return text(1307, "&Redo the undone retitling");
    case C::Guide:
        return text(1320, "&Guide");
    case C::QuickStart:
        return text(1006, "&Quick start reference");
    case C::WhatsNew:
        return text(1321, "&What's new?");
    case C::HelpContents:
        return text(1322, "Help &contents");
    case C::Credits:
        return text(1323, "C&redits");
    case C::About:
        return text(1007, "&About");
    }
    return {};
}

bool MainCommands::isEnabled(MainCommand command) const
{
    using C = MainCommand;
    const Session::StageWorkflow &workflow = m_application.workflow();
    const bool byStrings = m_application.selection().selectByStringsEnabled();
    switch (command) {
    case C::SelectPictures:
    case C::SelectAll:
    case C::SelectInvert:
    case C::SelectHavingFreeText:
    case C::SelectNone:
        return workflow.isEnabled(Command::SelectKind);
    case C::SelectByStrings:
        return workflow.isEnabled(Command::SelectByStrings) && byStrings;
    case C::ToggleStringMode:
    case C::ModeStartsWith:
    case C::ModeContains:
        return workflow.isEnabled(Command::ToggleStringMode) && byStrings;
    case C::MaintainStrings:
        return workflow.isEnabled(Command::MaintainStrings);
    case C::AssignSubject:
        return m_application.subjectsInUse() && m_application.subjectCommands().assignEnabled();
    case C::EraseSubject:
        return m_application.subjectsInUse() && m_application.subjectCommands().eraseEnabled();
    case C::MaintainSubjects:
        return m_application.subjectsInUse() && m_application.subjectCommands().maintainEnabled();
    case C::EditAll:
        return workflow.isEnabled(Command::EditAll);
    case C::EditOne:
        return workflow.isEnabled(Command::EditOne);
    case C::JumpToEmpty:
        return workflow.isEnabled(Command::JumpToEmpty);
    case C::EraseFreeText:
        return workflow.isEnabled(Command::EraseFreeText);
    case C::FindReplace:
        return workflow.isEnabled(Command::FindReplace);
    case C::MakeStaticDictionary:
    case C::DictionaryFromClipboard:
    case C::DictionaryOnLine:
    case C::DictionaryFromFolder:
    case C::ClearActiveDictionary:
    case C::DictionaryOptions:
        // While a free text is edited, Alt+D belongs to the editor's delete mark; the stage-2
        // panel has buttons of its own for the dictionary builds.
        if (workflow.isEnabled(Command::EditLine))
            return false;
        return workflow.stage() != Session::Stage::Retitling;
    case C::ProgramOptions:
    case C::QuitSession:
        // The dictionaries and the work files are not touched while pictures are being retitled.
        return workflow.stage() != Session::Stage::Retitling;
    case C::CopyCurrentTitle:
        return workflow.isEnabled(Command::CopyCurrentTitle);
    case C::CutCharacters:
        return workflow.isEnabled(Command::CutCharacters);
    case C::Prefix:
    case C::Suffix:
    case C::Numbering:
    case C::ExtractNumber:
    case C::UseCounter:
    case C::Date:
    case C::Time:
    case C::ExifTags:
    case C::CameraClocks:
        return workflow.isEnabled(Command::ElementPanels);
    case C::SaveElementSettings:
        return workflow.isEnabled(Command::SaveElementSettings);
    case C::ChangeOrder:
    case C::MaintainExtensions:
    case C::MaintainFolderList:
        return workflow.isEnabled(Command::ElementOrder);
    case C::ForceUnique:
        return workflow.isEnabled(Command::ForceUniqueness);
    case C::KeepVoice:
        return workflow.isEnabled(Command::KeepVoiceSynchronized);
    case C::TestAndPreview:
        return workflow.isEnabled(Command::TestAndPreview);
    case C::UndoRetitling:
        return workflow.isEnabled(Command::UndoRetitling) && m_application.retitleUndo().isAvailable();
    case C::RedoRetitling:
        return workflow.isEnabled(Command::UndoRetitling) && m_application.retitleUndo().isRedoAvailable();
    case C::SetupStorage:
        // Not while pictures are being retitled and moved.
        return workflow.stage() != Session::Stage::Retitling;
    case C::CreateGroupFolder:
        return m_application.storage().state().isReady();
    case C::Close:
    case C::Guide:
    case C::QuickStart:
    case C::WhatsNew:
    case C::HelpContents:
    case C::Credits:
    case C::About:
        return true;
    }
    return false;
}

bool MainCommands::isChecked(MainCommand command) const
{
    using C = MainCommand;
    const Compose::TitleSettingsModel &title = m_application.titleSettings();
    switch (command) {
    case C::ModeStartsWith:
        return m_application.selection().startsWith();
    case C::ModeContains:
        return !m_application.selection().startsWith();
    case C::Prefix:
        return title.usePrefix();
    case C::Suffix:
        return title.useSuffix();
    case C::ExtractNumber:
        return m_application.numberSettings().extractNumber();
    case C::UseCounter:
        return m_application.numberSettings().useCounter();
    case C::Date:
        return m_application.dateTimeSettings().useDate();
    case C::Time:
        return m_application.dateTimeSettings().useTime();
    case C::ForceUnique:
        return title.forceUniqueness();
    case C::KeepVoice:
        return title.keepVoiceSynchronized();
    default:
        return false;
    }
}

QString MainCommands::menuTitle(MainMenu menu) const
{
    const QString caption = menuCaption(menu);
    if (isMenuEnabled(menu))
        return caption;
    // "&&" stays a literal ampersand.
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size()) {
            ++i;
            if (caption.at(i) == u'&')
                plain += u"&&"_s;
            else
                plain += caption.at(i);
            continue;
        }
        plain += caption.at(i);
    }
    return plain;
}

bool MainCommands::isMenuVisible(MainMenu menu) const
{
    return menu != MainMenu::Subjects || m_application.subjectsInUse();
}

bool MainCommands::isMenuEnabled(MainMenu menu) const
{
    if (!isMenuVisible(menu))
        return false;
    for (const MenuEntry &entry : entries(menu)) {
        if (state(entry.command).enabled)
            return true;
        for (const MainCommand item : entry.items) {
            if (state(item).enabled)
                return true;
        }
    }
    return false;
}

CommandState MainCommands::state(MainCommand command) const
{
    return {caption(command), isEnabled(command), isChecked(command)};
}

void MainCommands::run(MainCommand command)
{
    using C = MainCommand;
    if (!isEnabled(command))
        return;
    Session::Selection &selection = m_application.selection();
    Session::FreeTextEditor &editor = m_application.freeTextEditor();
    Compose::TitleSettingsModel &title = m_application.titleSettings();
    Compose::NumberSettingsModel &number = m_application.numberSettings();
    Compose::DateTimeSettingsModel &dateTime = m_application.dateTimeSettings();
    switch (command) {
    case C::SelectAll:
        selection.BtnSelectClick(Session::SelectionKind::All);
        return;
    case C::SelectInvert:
        selection.BtnSelectClick(Session::SelectionKind::Invert);
        return;
    case C::SelectHavingFreeText:
        selection.BtnSelectClick(Session::SelectionKind::AllHavingFreeText);
        return;
    case C::SelectNone:
        selection.BtnSelectClick(Session::SelectionKind::None);
        return;
    case C::SelectByStrings:
        selection.BtnSelectSClick();
        return;
    case C::ModeStartsWith:
    case C::ModeContains:
        if ((command == C::ModeStartsWith) != selection.startsWith())
            selection.toggleMode();
        return;
    case C::EditAll:
        editor.BtnEditAllClick();
        return;
    case C::EditOne:
        editor.BtnEditOneClick();
        return;
    case C::JumpToEmpty:
        editor.BtnJumpEmptyClick();
        return;
    case C::EraseFreeText:
        editor.SBUndoClick();
        return;
    case C::CopyCurrentTitle:
        editor.BtnCopyOldClick();
        return;
    case C::AssignSubject:
        m_application.subjectCommands().assignToSelected();
        return;
    case C::EraseSubject:
        m_application.subjectCommands().eraseOfSelected();
        return;
    case C::Prefix:
        title.setUsePrefix(!title.usePrefix());
        title.store();
        return;
    case C::Suffix:
        title.setUseSuffix(!title.useSuffix());
        title.store();
        return;
    case C::ExtractNumber:
        number.setExtractNumber(!number.extractNumber());
        return;
    case C::UseCounter:
        number.setUseCounter(!number.useCounter());
        return;
    case C::Date:
        dateTime.setUseDate(!dateTime.useDate());
        return;
    case C::Time:
        dateTime.setUseTime(!dateTime.useTime());
        return;
    case C::SaveElementSettings:
        saveElementSettings();
        return;
    case C::ForceUnique:
        title.setForceUniqueness(!title.forceUniqueness());
        title.store();
        return;
    case C::KeepVoice:
        title.setKeepVoiceSynchronized(!title.keepVoiceSynchronized());
        title.store();
        return;
    case C::QuickStart:
        Q_EMIT helpRequested(QuickStart::section(WindowRegion::Other));
        return;
    case C::Guide:
        Q_EMIT helpDocumentRequested(HelpDocument::Guide);
        return;
    case C::WhatsNew:
        Q_EMIT helpDocumentRequested(HelpDocument::WhatsNew);
        return;
    case C::HelpContents:
        Q_EMIT helpDocumentRequested(HelpDocument::Contents);
        return;
    case C::Credits:
        Q_EMIT helpDocumentRequested(HelpDocument::Credits);
        return;
    case C::About:
        m_application.dialogs().inform({aboutCaption(), aboutText(), Platform::Severity::Information});
        return;
    case C::SelectPictures:
    case C::ToggleStringMode:
    case C::Numbering:
    case C::MakeStaticDictionary:
        // Submenus carry no command of their own.
        return;
    case C::DictionaryOnLine:
        // Shown for its hint; there is nothing to fetch.
        return;
    case C::ClearActiveDictionary:
        m_application.dictionaries().ClearActiveDictionary();
        return;
    case C::QuitSession:
        // The window closes whatever the answer; the question is not asked again.
        m_application.quitSession();
        Q_EMIT shellCommandRequested(C::Close);
        return;
    case C::SetupStorage:
    case C::CreateGroupFolder:
    case C::MaintainStrings:
    case C::MaintainSubjects:
    case C::ProgramOptions:
    case C::DictionaryFromClipboard:
    case C::DictionaryFromFolder:
    case C::DictionaryOptions:
    case C::FindReplace:
    case C::Close:
    case C::CutCharacters:
    case C::ExifTags:
    case C::CameraClocks:
    case C::ChangeOrder:
    case C::MaintainExtensions:
    case C::MaintainFolderList:
    case C::TestAndPreview:
    case C::UndoRetitling:
    case C::RedoRetitling:
        Q_EMIT shellCommandRequested(command);
        return;
    }
}

void MainCommands::saveElementSettings()
{
    Platform::Dialogs &dialogs = m_application.dialogs();
    if (auto saved = m_application.sessionSettings().UpdateFSession(m_application.storageSetup()); !saved) {
        dialogs.status({L10n::describe(saved.error()), true, 10, Platform::Sound::Error});
        return;
    }
    dialogs.status({text(319, "Settings of stage 3 and the final stage saved as default settings"), false, 5});
}

MainCommands::SelectKey MainCommands::selectKey(int key, Qt::KeyboardModifiers modifiers) const
{
    // Ctrl with the letter in either case: Shift (or Caps Lock) may be down as well.
    const Qt::KeyboardModifiers held = modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (held != Qt::ControlModifier)
        return SelectKey::None;
    switch (key) {
    case Qt::Key_A:
        return SelectKey::All;
    case Qt::Key_I:
        return SelectKey::Invert;
    case Qt::Key_N:
        return SelectKey::Nothing;
    default:
        return SelectKey::None;
    }
}

bool MainCommands::isWindowKey(int key, Qt::KeyboardModifiers modifiers) const
{
    if (key == Qt::Key_F1 && (modifiers & ~Qt::KeypadModifier) == Qt::NoModifier)
        return true;
    if (selectKey(key, modifiers) != SelectKey::None)
        return m_application.workflow().isEnabled(Command::SelectKind);
    return m_application.freeTextEditor().isWindowKey(key, modifiers);
}

bool MainCommands::windowKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_F1 && (modifiers & ~Qt::KeypadModifier) == Qt::NoModifier) {
        Q_EMIT helpRequested(QuickStart::section(m_regionUnderPointer ? m_regionUnderPointer() : WindowRegion::Other));
        return true;
    }
    if (const SelectKey select = selectKey(key, modifiers); select != SelectKey::None) {
        if (!m_application.workflow().isEnabled(Command::SelectKind))
            return false;
        run(select == SelectKey::All      ? MainCommand::SelectAll
            : select == SelectKey::Invert ? MainCommand::SelectInvert
                                          : MainCommand::SelectNone);
        return true;
    }
    return m_application.freeTextEditor().windowKey(key, modifiers);
}

QString MainCommands::aboutCaption()
{
    return text(1008, "About Mirelto");
}

QString MainCommands::aboutText() const
{
    return L10n::title() + u' ' + Platform::programVersion() + u"\n\n"_s
           + text(1009, "Gives the pictures of a folder new, meaningful titles in three stages.") + u"\n\n"_s
           + text(1324, "Built with Qt ") + QString::fromLatin1(qVersion()) + u"\n"_s
           + text(1325, "Licence: GNU General Public License, version 3 or later") + u"\n\n"_s
           + text(1326, "Work files: ") + QDir::toNativeSeparators(m_application.locations().workFolder);
}

} // namespace App
