#include "app/maincommands.h"

#include "app/application.h"
#include "app/storagemanagement.h"
#include "app/quickstart.h"
#include "compose/numbersettingsmodel.h"
#include "compose/titlesettingsmodel.h"
#include "retitle/retitleundo.h"
#include "retitle/testpreview.h"
#include "l10n/language.h"
#include "session/freetexteditor.h"
#include "session/picturesession.h"
#include "session/selection.h"
#include "session/stageworkflow.h"
#include "settings/programsettings.h"
#include "settings/sessionsettings.h"
#include "storage/subjectcommands.h"
#include "storage/subjectstore.h"
#include "support/fakedialogs.h"
#include "support/files.h"
#include "support/programfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using App::MainCommand;
using App::MainCommands;

namespace {

// The letter after a single '&', lower case; none when the caption has no access key.
QChar accessKey(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) == u'&') {
            ++i;
            continue;
        }
        return caption.at(i + 1).toLower();
    }
    return {};
}

} // namespace

class MainCommandsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void accessKeysAreDistinct_data();
    void accessKeysAreDistinct();
    void shortcutTable();
    void statesFollowTheStages();
    void everyStageCommandFollowsTheWorkflow();
    void disabledCommandsDoNothing();
    void togglesShowTheSettings();
    void windowKeys_data();
    void windowKeys();
    void helpKeyOpensTheSectionUnderThePointer();
    void newFolderStartsFromSavedSettings();
    void subjectsMenuFollowsStorage();
    void helpMenuOpensEachDocument_data();
    void helpMenuOpensEachDocument();

private:
    App::Application &start(const QString &folder);
    App::CommandState state(MainCommand command) const { return m_commands->state(command); }
    // Compares every command the stage workflow governs, in the menus and on the buttons, with
    // the workflow's table for the state the program is in.
    void checkStageCommands(const char *where);

    std::unique_ptr<QTemporaryDir> m_root;
    FakeDialogs m_dialogs;
    FakeDrives m_drives;
    std::unique_ptr<App::Application> m_application;
    std::unique_ptr<MainCommands> m_commands;
};

void MainCommandsTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void MainCommandsTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(makeProgramAndPictures(m_root->path(), {u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s}));
    QVERIFY(QDir().mkpath(m_root->filePath(u"other"_s)));
    QVERIFY(writeFile(m_root->filePath(u"other/d.jpg"_s)));
    m_dialogs = FakeDialogs();
    start(m_root->filePath(u"pics"_s));
}

void MainCommandsTest::cleanup()
{
    m_commands.reset();
    m_application.reset();
    m_root.reset();
}

App::Application &MainCommandsTest::start(const QString &folder)
{
    m_commands.reset();
    m_application.reset();
    m_application = std::make_unique<App::Application>(
        App::Locations{m_root->filePath(u"work/"_s), m_root->filePath(u"program/"_s)},
        App::Machine{m_drives, {1920, 1080, Platform::TaskbarEdge::Bottom}, -1}, m_dialogs);
    if (!m_application->start(folder))
        qFatal("the program did not start");
    m_commands = std::make_unique<MainCommands>(*m_application);
    return *m_application;
}

void MainCommandsTest::accessKeysAreDistinct_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("English") << int(L10n::LanguageCode::English);
    QTest::newRow("Dutch") << int(L10n::LanguageCode::Dutch);
}

void MainCommandsTest::accessKeysAreDistinct()
{
    QFETCH(int, language);
    L10n::LanguageSwitch active;
    active.apply(language, language);
    // Both selection modes, since some captions follow the mode.
    m_application->selection().setStrings({{u"a"_s, true}});
    for (int round = 0; round < 2; ++round) {
        QSet<QChar> bar;
        for (const App::MainMenu menu : MainCommands::menus()) {
            const QString menuCaption = MainCommands::menuCaption(menu);
            QVERIFY2(!accessKey(menuCaption).isNull(), qPrintable(menuCaption));
            QVERIFY2(!bar.contains(accessKey(menuCaption)), qPrintable(menuCaption));
            bar.insert(accessKey(menuCaption));

            const auto checkDistinct = [this](const QList<MainCommand> &commands) {
                QSet<QChar> keys;
                for (const MainCommand command : commands) {
                    const QString caption = state(command).caption;
                    QVERIFY2(!caption.isEmpty(), qPrintable(QString::number(int(command))));
                    const QChar key = accessKey(caption);
                    if (key.isNull())
                        continue;
                    QVERIFY2(!keys.contains(key), qPrintable(caption));
                    keys.insert(key);
                }
            };
            QList<MainCommand> items;
            for (const App::MenuEntry &entry : MainCommands::entries(menu)) {
                items.append(entry.command);
                checkDistinct(entry.items);
            }
            checkDistinct(items);
        }
        m_application->selection().toggleMode();
    }
}

void MainCommandsTest::shortcutTable()
{
    QHash<QString, MainCommand> shortcuts;
    for (const App::MainMenu menu : MainCommands::menus()) {
        for (const App::MenuEntry &entry : MainCommands::entries(menu)) {
            for (const MainCommand command : QList<MainCommand>{entry.command} + entry.items) {
                const QString shortcut = MainCommands::info(command).shortcut;
                if (shortcut.isEmpty())
                    continue;
                QVERIFY2(!shortcuts.contains(shortcut), qPrintable(shortcut));
                shortcuts.insert(shortcut, command);
            }
        }
    }
    const QHash<QString, MainCommand> expected = {{u"Ctrl+A"_s, MainCommand::SelectAll},
                                                  {u"Ctrl+I"_s, MainCommand::SelectInvert},
                                                  {u"Ctrl+N"_s, MainCommand::SelectNone}};
    QCOMPARE(shortcuts, expected);
}

void MainCommandsTest::statesFollowTheStages()
{
    Session::FreeTextEditor &editor = m_application->freeTextEditor();
    // Nothing selected: the selection commands and the elements are on, the bulk commands off.
    for (const MainCommand on : {MainCommand::SelectAll, MainCommand::MaintainStrings, MainCommand::Prefix,
                                 MainCommand::SaveElementSettings, MainCommand::ChangeOrder, MainCommand::Close})
        QVERIFY2(state(on).enabled, qPrintable(state(on).caption));
    for (const MainCommand off : {MainCommand::EditAll, MainCommand::EraseFreeText, MainCommand::CopyCurrentTitle,
                                  MainCommand::CutCharacters, MainCommand::TestAndPreview, MainCommand::JumpToEmpty,
                                  MainCommand::SelectByStrings, MainCommand::ToggleStringMode})
        QVERIFY2(!state(off).enabled, qPrintable(state(off).caption));

    m_commands->run(MainCommand::SelectAll);
    QCOMPARE(m_application->pictures().selectedCount(), 3);
    for (const MainCommand on : {MainCommand::EditAll, MainCommand::EraseFreeText, MainCommand::CopyCurrentTitle,
                                 MainCommand::CutCharacters, MainCommand::TestAndPreview})
        QVERIFY2(state(on).enabled, qPrintable(state(on).caption));
    editor.setCurrentRow(1);
    QCOMPARE(state(MainCommand::EditOne).caption, u"Edit free text for picture number 2"_s);
    QVERIFY(state(MainCommand::EditOne).enabled);

    // Stage 2: only its own commands.
    m_commands->run(MainCommand::EditAll);
    QVERIFY(editor.isActive());
    QVERIFY(state(MainCommand::JumpToEmpty).enabled);
    for (const MainCommand off : {MainCommand::SelectAll, MainCommand::SelectPictures, MainCommand::EditAll,
                                  MainCommand::EditOne, MainCommand::Prefix, MainCommand::Numbering,
                                  MainCommand::SaveElementSettings, MainCommand::ForceUnique, MainCommand::TestAndPreview})
        QVERIFY2(!state(off).enabled, qPrintable(state(off).caption));
    // A closed menu leaves its access key to the stage: Alt+D is the delete mark's here.
    QCOMPARE(m_commands->menuTitle(App::MainMenu::Dictionary), u"Dictionary"_s);
    QCOMPARE(m_commands->menuTitle(App::MainMenu::File), u"&File"_s);
    editor.ImStopEditClick();
    QVERIFY(state(MainCommand::TestAndPreview).enabled);
    QVERIFY(!state(MainCommand::JumpToEmpty).enabled);

    // Select by strings follows the checked strings, its caption the mode.
    m_application->selection().setStrings({{u"a"_s, true}});
    QVERIFY(state(MainCommand::SelectByStrings).enabled);
    QVERIFY(state(MainCommand::ModeContains).enabled);
    const bool startsWith = m_application->selection().startsWith();
    QCOMPARE(state(MainCommand::SelectByStrings).caption,
             startsWith ? u"Select pictures starting with defined strings"_s
                        : u"Select pictures containing defined strings"_s);
    m_commands->run(startsWith ? MainCommand::ModeContains : MainCommand::ModeStartsWith);
    QCOMPARE(m_application->selection().startsWith(), !startsWith);
    QCOMPARE(state(MainCommand::ModeStartsWith).checked, !startsWith);
    QCOMPARE(state(MainCommand::SelectByStrings).caption,
             startsWith ? u"Select pictures containing defined strings"_s
                        : u"Select pictures starting with defined strings"_s);
}

void MainCommandsTest::checkStageCommands(const char *where)
{
    using C = MainCommand;
    const Session::Stage stage = m_application->workflow().stage();
    const bool selecting = stage == Session::Stage::Selecting;
    const bool selected = m_application->pictures().selectedCount() > 0;
    const Session::FreeTextEditor &editor = m_application->freeTextEditor();
    const bool currentSelected =
        editor.currentRow() >= 0 && m_application->pictures().row(editor.currentRow()).isSelected();
    const Retitle::RetitleUndo &undo = m_application->retitleUndo();
    const QList<std::pair<QList<C>, bool>> table = {
        {{C::SelectPictures, C::SelectAll, C::SelectInvert, C::SelectHavingFreeText, C::SelectNone,
          C::SelectByStrings, C::ToggleStringMode, C::ModeStartsWith, C::ModeContains, C::MaintainStrings},
         selecting},
        {{C::EditAll, C::FindReplace, C::EraseFreeText, C::CopyCurrentTitle, C::CutCharacters}, selecting && selected},
        {{C::EditOne}, selecting && currentSelected},
        {{C::JumpToEmpty}, stage == Session::Stage::Editing && editor.editMode() == Session::EditMode::All},
        {{C::Prefix, C::Suffix, C::Numbering, C::ExtractNumber, C::UseCounter, C::Date, C::Time, C::ExifTags,
          C::SaveElementSettings, C::ChangeOrder, C::ForceUnique, C::KeepVoice, C::MaintainExtensions,
          C::MaintainFolderList},
         selecting},
        {{C::TestAndPreview}, selecting && selected},
        {{C::UndoRetitling}, selecting && undo.isAvailable()},
        {{C::RedoRetitling}, selecting && undo.isRedoAvailable()},
        {{C::DictionaryFromClipboard, C::DictionaryFromFolder, C::ClearActiveDictionary, C::DictionaryOptions},
         selecting},
    };
    for (const auto &[commands, enabled] : table) {
        for (const C command : commands)
            QVERIFY2(state(command).enabled == enabled, qPrintable(QString::fromLatin1(where) + u": "_s
                                                                   + state(command).caption));
    }
    // The button "Test && &Preview" and its menu item agree.
    QVERIFY2(m_application->titleSettings().isTestAndPreviewEnabled() == (selecting && selected), where);
}

void MainCommandsTest::everyStageCommandFollowsTheWorkflow()
{
    m_application->selection().setStrings({{u"a"_s, true}});
    Session::FreeTextEditor &editor = m_application->freeTextEditor();
    Session::StageWorkflow &workflow = m_application->workflow();
    checkStageCommands("nothing selected");
    m_commands->run(MainCommand::SelectAll);
    checkStageCommands("all selected");

    // A retitling to undo, with a counter for titles.
    Compose::NumberSettingsModel &number = m_application->numberSettings();
    number.setUseCounter(true);
    number.editStart(u"1"_s, 1);
    number.leaveStart();
    Retitle::TestPreview &preview = m_application->testPreview();
    preview.TestPreviewClick([&] {
        preview.runPass();
        workflow.beginRetitling();
        checkStageCommands("retitling");
        workflow.endRetitling();
        preview.retitleNow();
    });
    QVERIFY(m_application->retitleUndo().isAvailable());
    m_commands->run(MainCommand::SelectAll);
    checkStageCommands("after the retitling");

    for (const MainCommand enter : {MainCommand::EditAll, MainCommand::EditOne}) {
        editor.setCurrentRow(1);
        m_commands->run(enter);
        QVERIFY(editor.isActive());
        checkStageCommands(enter == MainCommand::EditAll ? "editing all" : "editing one");
        QSignalSpy shell(m_commands.get(), &MainCommands::shellCommandRequested);
        for (const MainCommand refused : {MainCommand::TestAndPreview, MainCommand::UndoRetitling})
            m_commands->run(refused);
        QCOMPARE(shell.count(), 0);
        editor.ImStopEditClick();
        checkStageCommands("after editing");
    }

    // An undo to redo.
    Retitle::RetitleUndo &undo = m_application->retitleUndo();
    const auto plan = undo.prepare(*undo.lastRetitling());
    QVERIFY(plan && undo.undo(*plan));
    QVERIFY(undo.isRedoAvailable());
    m_commands->run(MainCommand::SelectAll);
    checkStageCommands("after the undo");
    m_commands->run(MainCommand::EditAll);
    checkStageCommands("editing after the undo");
    editor.ImStopEditClick();
    m_commands->run(MainCommand::SelectNone);
    checkStageCommands("nothing selected again");
}

void MainCommandsTest::disabledCommandsDoNothing()
{
    QSignalSpy shell(m_commands.get(), &MainCommands::shellCommandRequested);
    m_commands->run(MainCommand::TestAndPreview);
    m_commands->run(MainCommand::CutCharacters);
    QCOMPARE(shell.count(), 0);
    m_commands->run(MainCommand::SelectAll);
    m_commands->run(MainCommand::EditAll);
    m_commands->run(MainCommand::SelectNone);
    QCOMPARE(m_application->pictures().selectedCount(), 3);
    m_commands->run(MainCommand::MaintainStrings);
    QCOMPARE(shell.count(), 0);
    m_application->freeTextEditor().ImStopEditClick();
    m_commands->run(MainCommand::TestAndPreview);
    QCOMPARE(shell.count(), 1);
    QCOMPARE(shell.first().first().value<MainCommand>(), MainCommand::TestAndPreview);
}

void MainCommandsTest::togglesShowTheSettings()
{
    const Settings::SessionSettingsRec &settings = m_application->sessionSettings().folderRec();
    for (const MainCommand command : {MainCommand::Prefix, MainCommand::Suffix, MainCommand::ExtractNumber,
                                      MainCommand::UseCounter, MainCommand::Date, MainCommand::Time,
                                      MainCommand::ForceUnique, MainCommand::KeepVoice}) {
        const bool before = state(command).checked;
        m_commands->run(command);
        QVERIFY2(state(command).checked != before, qPrintable(state(command).caption));
    }
    QVERIFY(settings.usePrefix && settings.useSuffix && settings.forceUniqueness);
    QVERIFY(!settings.keepVoiceSynchronized);
}

void MainCommandsTest::windowKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<int>("selected");
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier) << false << 3;
    QTest::newRow("Ctrl+Shift+A") << int(Qt::Key_A) << int(Qt::ControlModifier | Qt::ShiftModifier) << false << 3;
    QTest::newRow("Ctrl+Alt+A is not it") << int(Qt::Key_A) << int(Qt::ControlModifier | Qt::AltModifier) << false
                                          << 1;
    QTest::newRow("A alone is not it") << int(Qt::Key_A) << int(Qt::NoModifier) << false << 1;
    QTest::newRow("Ctrl+I") << int(Qt::Key_I) << int(Qt::ControlModifier) << false << 2;
    QTest::newRow("Ctrl+N") << int(Qt::Key_N) << int(Qt::ControlModifier) << false << 0;
    QTest::newRow("Ctrl+A in stage 2 is the line's") << int(Qt::Key_A) << int(Qt::ControlModifier) << true << 1;
}

void MainCommandsTest::windowKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, editing);
    QFETCH(int, selected);
    m_application->selection().toggleRow(0, false);
    if (editing) {
        m_application->freeTextEditor().setCurrentRow(0);
        m_application->freeTextEditor().BtnEditOneClick();
        QVERIFY(m_application->freeTextEditor().isActive());
    }
    const Qt::KeyboardModifiers held(modifiers);
    const bool claimed = m_commands->isWindowKey(key, held);
    QCOMPARE(m_commands->windowKey(key, held), claimed);
    QCOMPARE(claimed, selected != 1);
    QCOMPARE(m_application->pictures().selectedCount(), selected);
}

void MainCommandsTest::helpKeyOpensTheSectionUnderThePointer()
{
    // Each language has its own document, with the same sections and its pictures in the program.
    for (const int language : {L10n::LanguageCode::English, L10n::LanguageCode::Dutch}) {
        L10n::LanguageSwitch active;
        active.apply(language, language);
        QCOMPARE(App::QuickStart::fileName(),
                 language == L10n::LanguageCode::Dutch ? u"quickstart_nl.html"_s : u"quickstart.html"_s);
        const QString document = App::QuickStart::document();
        QVERIFY(!document.isEmpty());
        for (const QString &section : App::QuickStart::sections())
            QVERIFY2(document.contains(u"name=\""_s + section + u'"'), qPrintable(section));
        const QRegularExpression image(u"src=\"([^\"]+)\""_s);
        for (const QRegularExpressionMatch &match : image.globalMatch(document))
            QVERIFY2(QFile::exists(u":/help/"_s + match.captured(1)), qPrintable(match.captured(1)));
    }

    QSignalSpy help(m_commands.get(), &MainCommands::helpRequested);
    App::WindowRegion under = App::WindowRegion::Other;
    m_commands->setRegionUnderPointer([&under] { return under; });
    const QList<QPair<App::WindowRegion, QString>> regions = {
        {App::WindowRegion::Other, u"start"_s},          {App::WindowRegion::Table, u"list"_s},
        {App::WindowRegion::SelectionPanel, u"stage1"_s}, {App::WindowRegion::Stage2Panel, u"stage2"_s},
        {App::WindowRegion::ElementPanels, u"stage3"_s},  {App::WindowRegion::FinalStage, u"final"_s},
        {App::WindowRegion::Preview, u"preview"_s}};
    for (const auto &[region, section] : regions) {
        under = region;
        QVERIFY(m_commands->windowKey(Qt::Key_F1, Qt::NoModifier));
        QCOMPARE(help.takeFirst().first().toString(), section);
        QVERIFY(App::QuickStart::sections().contains(section));
    }
    QCOMPARE(App::QuickStart::editingSection(), App::QuickStart::section(App::WindowRegion::Stage2Panel));
    m_commands->run(MainCommand::QuickStart);
    QCOMPARE(help.takeFirst().first().toString(), u"start"_s);
}

void MainCommandsTest::subjectsMenuFollowsStorage()
{
    App::Application &application = *m_application;
    QVERIFY(QFileInfo::exists(m_root->filePath(u"work/Subjects.dat"_s)));
    QVERIFY(!m_commands->isMenuVisible(App::MainMenu::Subjects));
    QVERIFY(!m_commands->isMenuEnabled(App::MainMenu::Subjects));
    QCOMPARE(application.pictures().subjectColumn(), 4);
    QVERIFY(!state(MainCommand::CreateGroupFolder).enabled);

    // Storage management on for the session, with a subject level in the scheme.
    QSignalSpy inUse(&application, &App::Application::subjectsInUseChanged);
    Storage::StorageSettings storage;
    storage.levels = 2;
    storage.subjectPosition = 1;
    storage.mainFolder = m_root->filePath(u"other"_s);
    QVERIFY(application.storage().apply(storage));
    QCOMPARE(inUse.count(), 1);
    QVERIFY(m_commands->isMenuVisible(App::MainMenu::Subjects));
    QCOMPARE(application.pictures().subjectColumn(), 3);
    // A group folder needs the main folder on disk.
    QVERIFY(state(MainCommand::CreateGroupFolder).enabled);
    QVERIFY(QDir(storage.mainFolder).rename(storage.mainFolder, storage.mainFolder + u"-gone"_s));
    QVERIFY(!state(MainCommand::CreateGroupFolder).enabled);
    QVERIFY(QDir(storage.mainFolder).rename(storage.mainFolder + u"-gone"_s, storage.mainFolder));
    QVERIFY(state(MainCommand::MaintainSubjects).enabled);
    QVERIFY(!state(MainCommand::EraseSubject).enabled);

    // Assigning needs pictures and a chosen subject.
    QVERIFY(application.subjects().AddOrActivateSubject(u"Holiday"_s, -1));
    m_commands->run(MainCommand::SelectAll);
    QVERIFY(state(MainCommand::EraseSubject).enabled);
    QVERIFY(!state(MainCommand::AssignSubject).enabled);
    application.subjectCommands().choose(0);
    m_commands->run(MainCommand::AssignSubject);
    QCOMPARE(application.pictures().row(2).subject, u"Holiday"_s);
    QSignalSpy shell(m_commands.get(), &MainCommands::shellCommandRequested);
    m_commands->run(MainCommand::MaintainSubjects);
    QCOMPARE(shell.count(), 1);

    // Stage 2 shows the picture's subject and keeps a picture without one in the editor.
    m_commands->run(MainCommand::EditAll);
    Storage::SubjectCommands &subjects = application.subjectCommands();
    QCOMPARE(subjects.entries().value(subjects.stage2Chosen()), u"Holiday"_s);
    QVERIFY(subjects.maintainHint().endsWith(u"subjects can not be edited or removed."_s));
    subjects.chooseStage2(-1);
    application.freeTextEditor().ConfirmAndAdvance();
    QCOMPARE(m_dialogs.informed.last().text, u"Please supply a subject for this picture"_s);
    QCOMPARE(application.freeTextEditor().currentRow(), 0);
    application.freeTextEditor().ImStopEditClick();

    application.storage().setUseStorage(false);
    QVERIFY(!m_commands->isMenuVisible(App::MainMenu::Subjects));
    QVERIFY(!state(MainCommand::AssignSubject).enabled);
}

void MainCommandsTest::newFolderStartsFromSavedSettings()
{
    Settings::SessionSettings &settings = m_application->sessionSettings();
    const qint32 counter = settings.workFolderRec().counterStart;
    m_commands->run(MainCommand::Date);
    m_application->titleSettings().setSeparatorIndex(2);
    m_application->titleSettings().moveElement(0, 5);
    const QString order = settings.folderRec().elementOrder;
    settings.folderRec().counterStart = counter + 40;
    m_commands->run(MainCommand::SaveElementSettings);
    QCOMPARE(m_dialogs.statuses.last().text, u"Settings of stage 3 and the final stage saved as default settings"_s);
    QVERIFY(!m_dialogs.statuses.last().error);

    // A later run on a folder never opened before starts from them, with the counter it had.
    start(m_root->filePath(u"other"_s));
    const Settings::SessionSettingsRec &fresh = m_application->sessionSettings().folderRec();
    QVERIFY(fresh.useDate);
    QCOMPARE(fresh.elementSeparator, 2);
    QCOMPARE(fresh.elementOrder, order);
    QCOMPARE(m_application->sessionSettings().workFolderRec().counterStart, counter);
}

void MainCommandsTest::helpMenuOpensEachDocument_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("English") << int(L10n::LanguageCode::English) << u".html"_s;
    QTest::newRow("Dutch") << int(L10n::LanguageCode::Dutch) << u"_nl.html"_s;
}

// The Help menu offers the guide, the quick start, what's new, the contents, the credits and
// the about box, each document shipped in the interface language; the links between them work.
void MainCommandsTest::helpMenuOpensEachDocument()
{
    QFETCH(int, language);
    QFETCH(QString, suffix);
    L10n::LanguageSwitch active;
    active.apply(language, language);
    QList<MainCommand> items;
    for (const App::MenuEntry &entry : MainCommands::entries(App::MainMenu::Help))
        items.append(entry.command);
    QCOMPARE(items, (QList<MainCommand>{MainCommand::Guide, MainCommand::QuickStart, MainCommand::WhatsNew,
                                        MainCommand::HelpContents, MainCommand::Credits, MainCommand::About}));
    if (language == L10n::LanguageCode::English) {
        QCOMPARE(state(MainCommand::WhatsNew).caption, u"&What's new?"_s);
        QCOMPARE(state(MainCommand::HelpContents).caption, u"Help &contents"_s);
        QCOMPARE(state(MainCommand::Credits).caption, u"C&redits"_s);
    }
    QSignalSpy opened(m_commands.get(), &MainCommands::helpDocumentRequested);
    const QList<QPair<MainCommand, App::HelpDocument>> documents = {
        {MainCommand::Guide, App::HelpDocument::Guide},
        {MainCommand::WhatsNew, App::HelpDocument::WhatsNew},
        {MainCommand::HelpContents, App::HelpDocument::Contents},
        {MainCommand::Credits, App::HelpDocument::Credits}};
    static const QRegularExpression link(u"href=\"([a-z_]+\\.html)(#([a-z0-9]+))?\""_s);
    for (const auto &[command, document] : documents) {
        QVERIFY(state(command).enabled);
        m_commands->run(command);
        QCOMPARE(opened.takeFirst().first().value<App::HelpDocument>(), document);
        QVERIFY(App::HelpDocuments::fileName(document).endsWith(suffix));
        const QString text = App::HelpDocuments::text(document);
        QVERIFY(text.contains(u"<h1>"_s));
        QVERIFY(!App::HelpDocuments::caption(document).isEmpty());
        // Every link leads to a shipped document of the same language, at an anchor it has.
        for (const QRegularExpressionMatch &match : link.globalMatch(text)) {
            QFile target(u":/help/"_s + match.captured(1));
            QVERIFY2(target.open(QIODevice::ReadOnly), qPrintable(match.captured(1)));
            QVERIFY(match.captured(1).endsWith(suffix));
            if (match.hasCaptured(3))
                QVERIFY2(target.readAll().contains(QByteArray("name=\"" + match.captured(3).toUtf8() + '"')),
                         qPrintable(match.captured(0)));
        }
    }
    m_commands->run(MainCommand::About);
    const QString about = m_dialogs.informed.constLast().text;
    QVERIFY(about.contains(QString::fromLatin1(qVersion())));
    QVERIFY(about.contains(QDir::toNativeSeparators(m_root->filePath(u"work/"_s))));
    QVERIFY(about.contains(u"GNU General Public License"_s) || about.contains(u"GNU"_s));
}

QTEST_GUILESS_MAIN(MainCommandsTest)
#include "maincommandstest.moc"
