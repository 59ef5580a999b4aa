#pragma once

#include <QMainWindow>

class QLabel;
class QMenu;
class QVBoxLayout;
class QScrollArea;
class QTableView;
class QTimer;

namespace App {
class Application;
}
namespace Session {
class PictureTableModel;
}

namespace Ui {

// The main window: the picture table, the panel area beside it where the stages show their
// controls, and the status line with the selected count.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(App::Application &application, QWidget *parent = nullptr);
    ~MainWindow() override;

    QTableView *pictureTable() const { return m_table; }
    // The column beside the table where the stages show their controls, top to bottom.
    void addPanel(QWidget *panel, int stretch = 0);
    QString statusText() const;
    QString selectedCountText() const;

    // Shows a status line text that clears itself after seconds; errors in red.
    void showStatus(const QString &text, bool error, int seconds);
    // Shows the window as the settings and the screen ask.
    void showForSession();

Q_SIGNALS:
    // "Test && Preview" was asked for.
    void testAndPreviewRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createSelectionCommands();
    void createTitleElementCommands();
    void addElementPanels();
    void addElementMenuItems(QMenu *menu);
    void selectExifTags();
    void createRetitleCommands();
    // The picture beside the table, the View menu and the full-screen viewer.
    void createPreview();
    void testAndPreview();
    void maintainSelectionStrings();
    void updateColumns();
    void updateSelectedCount();
    void fitPanelColumn();

    App::Application &m_application;
    Session::PictureTableModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    QWidget *m_panels = nullptr;
    QScrollArea *m_panelScroll = nullptr;
    QVBoxLayout *m_panelLayout = nullptr;
    QLabel *m_statusLabel = nullptr;
    QLabel *m_countLabel = nullptr;
    QTimer *m_statusTimer = nullptr;
    bool m_closed = false;
};

} // namespace Ui
