// The main window's side of the command table: the commands it carries out itself, the help
// key's regions and the quick start window.
#include "ui/mainwindow.h"

#include "ui/datetimepanel.h"
#include "ui/dictionarycommands.h"
#include "ui/elementorderview.h"
#include "ui/findreplacedialog.h"
#include "ui/finalstagepanel.h"
#include "ui/folderuniquedialog.h"
#include "ui/groupfolderdialog.h"
#include "ui/mainmenus.h"
#include "ui/numberpanel.h"
#include "ui/prefixsuffixpanel.h"
#include "ui/previewpane.h"
#include "ui/quickstartwindow.h"
#include "ui/selectionpanel.h"
#include "ui/stage2panel.h"
#include "ui/storagesetupdialog.h"
#include "ui/subjectpanel.h"
#include "ui/syncextdialog.h"
#include "ui/undopreviewdialog.h"

#include "app/application.h"
#include "app/maincommands.h"
#include "app/quickstart.h"
#include "app/storagemanagement.h"
#include "retitle/folderuniqueeditor.h"
#include "retitle/syncexteditor.h"
#include "storage/storagesetupmodel.h"
#include "session/freetexteditor.h"

#include <QApplication>
#include <QCursor>
#include <QMenuBar>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace Ui {

using App::MainCommand;
using App::WindowRegion;

namespace {

constexpr const char *helpRegionProperty = "helpRegion";

void nameRegion(QWidget *widget, WindowRegion region)
{
    if (widget)
        widget->setProperty(helpRegionProperty, int(region));
}

} // namespace

void MainWindow::createMainMenus()
{
    m_menus = new MainMenus(menuBar(), m_application, this);
    App::MainCommands &commands = m_menus->commands();
    connect(&commands, &App::MainCommands::shellCommandRequested, this, &MainWindow::runCommand);
    connect(&commands, &App::MainCommands::helpRequested, this,
            [this](const QString &section) { showQuickStart(section); });
    connect(&commands, &App::MainCommands::helpDocumentRequested, this,
            [this](App::HelpDocument document) { showHelp(document, QString(), true); });
    commands.setRegionUnderPointer([this] { return regionAt(QCursor::pos()); });

    // The question on first entering the edit line speaks of the help beside the window: the
    // quick start at its stage-2 section, opened without taking the focus from the line.
    connect(&m_application.freeTextEditor(), &Session::FreeTextEditor::editorHelpRequested, this, [this] {
        if (!m_quickStart || !m_quickStart->isVisible())
            showQuickStart(App::QuickStart::editingSection(), false);
        m_application.freeTextEditor().setGuideSide(m_quickStart->side());
    });
}

void MainWindow::nameHelpRegions()
{
    nameRegion(m_table, WindowRegion::Table);
    nameRegion(findChild<SelectionPanel *>(), WindowRegion::SelectionPanel);
    nameRegion(findChild<Stage2Panel *>(), WindowRegion::Stage2Panel);
    nameRegion(findChild<PrefixSuffixPanel *>(), WindowRegion::ElementPanels);
    nameRegion(findChild<NumberPanel *>(), WindowRegion::ElementPanels);
    nameRegion(findChild<DateTimePanel *>(), WindowRegion::ElementPanels);
    nameRegion(findChild<FinalStagePanel *>(), WindowRegion::FinalStage);
    nameRegion(findChild<PreviewPane *>(), WindowRegion::Preview);
}

void MainWindow::runStorageSetup()
{
    const auto model = m_application.storage().setupModel();
    StorageSetupDialog dialog(*model, isVisible() ? this : nullptr);
    dialog.exec();
}

void MainWindow::runCommand(MainCommand command)
{
    switch (command) {
    case MainCommand::SetupStorage:
        runStorageSetup();
        return;
    case MainCommand::CreateGroupFolder:
        createGroupFolder(m_application, this);
        return;
    case MainCommand::MaintainStrings:
        maintainSelectionStrings();
        return;
    case MainCommand::Close:
        close();
        return;
    case MainCommand::MaintainSubjects:
        maintainSubjects(m_application, this);
        return;
    case MainCommand::CutCharacters:
        if (auto *panel = findChild<Stage2Panel *>())
            panel->cutCharacters();
        return;
    case MainCommand::ExifTags:
        selectExifTags();
        return;
    case MainCommand::CameraClocks:
        adjustCameraClocks();
        return;
    case MainCommand::ChangeOrder:
        if (auto *order = findChild<ElementOrderView *>()) {
            m_application.stageGuide().setCurrentPage(Session::StagePage::FinalStage);
            order->setFocus(Qt::ShortcutFocusReason);
        }
        return;
    case MainCommand::MaintainFolderList: {
        Retitle::FolderUniqueEditor editor(m_application.workFile(u"FolderUnique.dat"_s),
                                           m_application.programSettings(), m_application.dialogs());
        if (!editor.load())
            return;
        FolderUniqueDialog dialog(editor, this);
        dialog.exec();
        return;
    }
    case MainCommand::MaintainExtensions: {
        Retitle::SyncExtEditor editor(m_application.workFile(u"SyncExt.dat"_s), m_application.dialogs());
        if (!editor.load())
            return;
        SyncExtDialog dialog(editor, this);
        dialog.exec();
        return;
    }
    case MainCommand::TestAndPreview:
        Q_EMIT testAndPreviewRequested();
        return;
    case MainCommand::UndoRetitling:
    case MainCommand::RedoRetitling:
        undoLastRetitling(m_application, this, command == MainCommand::RedoRetitling);
        return;
    case MainCommand::FindReplace:
        findAndReplace(m_application, this);
        return;
    case MainCommand::DictionaryFromFolder:
    case MainCommand::DictionaryFromClipboard:
    case MainCommand::DictionaryOptions:
    case MainCommand::ProgramOptions:
        runDictionaryCommand(command);
        return;
    default:
        // The core carries out the others.
        m_menus->commands().run(command);
        return;
    }
}

void MainWindow::runDictionaryCommand(MainCommand command)
{
    const auto help = [this] { showQuickStart(App::QuickStart::dictionarySection()); };
    switch (command) {
    case MainCommand::DictionaryFromFolder:
        makeDictionaryFromFolder(m_application, this, help);
        return;
    case MainCommand::DictionaryFromClipboard:
        makeDictionaryFromClipboard(m_application, this, help);
        return;
    case MainCommand::DictionaryOptions:
    case MainCommand::ProgramOptions:
        showOptions(m_application,
                    command == MainCommand::ProgramOptions ? App::OptionsModel::Page::Program
                                                           : App::OptionsModel::Page::Dictionary,
                    this, help);
        return;
    default:
        return;
    }
}

WindowRegion MainWindow::regionAt(const QPoint &globalPosition) const
{
    for (const QWidget *widget = QApplication::widgetAt(globalPosition); widget; widget = widget->parentWidget()) {
        const QVariant region = widget->property(helpRegionProperty);
        if (region.isValid())
            return WindowRegion(region.toInt());
        if (widget == this)
            break;
    }
    return WindowRegion::Other;
}

void MainWindow::showQuickStart(const QString &section, bool activate)
{
    showHelp(App::HelpDocument::QuickStart, section, activate);
}

void MainWindow::showHelp(App::HelpDocument document, const QString &section, bool activate)
{
    if (!m_quickStart) {
        m_quickStart = new QuickStartWindow(this);
        m_quickStart->keepClear(m_table, m_previewPane);
    }
    m_quickStart->showDocument(document, section, activate);
}

} // namespace Ui
