#pragma once

#include "app/helpdocuments.h"
#include "session/stageguide.h"

#include <QMainWindow>
#include <QPalette>

class QLabel;
class QMenu;
class QSplitter;
class QTableView;
class QTimer;

namespace App {
class Application;
enum class MainCommand;
enum class WindowRegion;
} // namespace App
namespace Session {
class PictureTableModel;
}

namespace Ui {

class PictureViewer;
class PreviewPane;
class StageColumn;
class MainMenus;
class QuickStartWindow;

// The main window: the picture table, the panel area beside it where the stages show their
// controls, and the status line with the selected count.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(App::Application &application, QWidget *parent = nullptr);
    ~MainWindow() override;

    QTableView *pictureTable() const { return m_table; }
    // The column beside the table where the stages show their controls: a panel goes on the page
    // of its stage, top to bottom.
    void addPanel(Session::StagePage page, QWidget *panel, int stretch = 0);
    QString statusText() const;
    QString selectedCountText() const;

    // Shows a status line text that clears itself after seconds; errors in red.
    void showStatus(const QString &text, bool error, int seconds);
    // Shows the window as the settings and the screen ask.
    void showForSession();
    // Once the program settings are read: the stored colour theme for every window to come.
    void applyStoredTheme();
    // Takes the place of another window over the same session, as after a switch of the interface
    // language: size and place, splitters, the current picture, the scrolling and the focus.
    void takeOver(MainWindow &old);

    // The menu bar built from the command table.
    MainMenus &menus() const { return *m_menus; }
    // A command of the table that the window carries out itself: dialogs, focus, closing.
    void runCommand(App::MainCommand command);
    // The part of the window at a global position, as the help key tells them apart. A widget
    // names its part with the property "helpRegion" (an App::WindowRegion); a child takes the
    // part of the nearest parent that names one.
    App::WindowRegion regionAt(const QPoint &globalPosition) const;
    // Opens the quick start at section; activate false keeps the input focus where it is.
    void showQuickStart(const QString &section, bool activate = true);
    // The help window with document at section; the same window as the quick start's.
    void showHelp(App::HelpDocument document, const QString &section, bool activate);
    // The modal setup of storage management.
    void runStorageSetup();
    // The dictionary builds and the options dialog.
    void runDictionaryCommand(App::MainCommand command);

Q_SIGNALS:
    // "Test && Preview" was asked for.
    void testAndPreviewRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createSelectionCommands();
    // The subject controls of stages 1 and 2, shown while subjects are in use.
    void createSubjectCommands();
    void createTitleElementCommands();
    void addElementPanels();
    void selectExifTags();
    void adjustCameraClocks();
    void createRetitleCommands();
    void createVoiceControl();
    void addThemeMenu(QMenu *view);
    // The picture beside the table, the View menu and the full-screen viewer.
    void createPreview();
    // The menu bar, the window keys and the help, from the command table.
    void createMainMenus();
    // Tells F1 which help section each region of the window belongs to.
    void nameHelpRegions();
    void testAndPreview();
    void maintainSelectionStrings();
    void updateColumns();
    void updateSelectedCount();
    void createStageColumn();
    QString windowStatePath() const;
    QString splitterKey() const;
    void restoreWindowState();
    void storeWindowState() const;

    App::Application &m_application;
    Session::PictureTableModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    StageColumn *m_stageColumn = nullptr;
    QSplitter *m_splitter = nullptr;
    // The table and the picture below it; null where the picture stands beside the table.
    QSplitter *m_tableSplitter = nullptr;
    PreviewPane *m_previewPane = nullptr;
    PictureViewer *m_viewer = nullptr;
    QLabel *m_statusLabel = nullptr;
    QLabel *m_countLabel = nullptr;
    QTimer *m_statusTimer = nullptr;
    MainMenus *m_menus = nullptr;
    QuickStartWindow *m_quickStart = nullptr;
    QPalette m_desktopPalette;
    bool m_closed = false;
};

} // namespace Ui
