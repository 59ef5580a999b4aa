#include "ui/mainwindow.h"

#include "ui/cameraclocksdialog.h"
#include "ui/datetimepanel.h"
#include "ui/daynamedialog.h"
#include "ui/exiftagsdialog.h"
#include "ui/finalstagepanel.h"
#include "ui/newtitledelegate.h"
#include "ui/numberpanel.h"
#include "ui/folderdescriptionsdialog.h"
#include "ui/folderuniquedialog.h"
#include "ui/mainmenus.h"
#include "ui/markerdelegate.h"
#include "ui/prefixsuffixpanel.h"
#include "ui/picturecanvas.h"
#include "ui/pictureviewer.h"
#include "ui/previewpane.h"
#include "ui/selectionpanel.h"
#include "ui/selectionstringsdialog.h"
#include "ui/stagecolumn.h"
#include "ui/subjectpanel.h"
#include "ui/themecolours.h"
#include "ui/themepalette.h"
#include "ui/stage2commands.h"
#include "ui/syncextdialog.h"
#include "ui/testpreviewdialog.h"
#include "ui/voicebutton.h"
#include "ui/wheelguard.h"

#include "app/application.h"
#include "app/maincommands.h"
#include "app/newtitlecolumn.h"
#include "app/storagemanagement.h"
#include "app/themechoice.h"
#include "compose/cameraclocksmodel.h"
#include "compose/datetimesettingsmodel.h"
#include "dictionary/dictionarystore.h"
#include "compose/daynamemodel.h"
#include "compose/exiftagsmodel.h"
#include "compose/numbersettingsmodel.h"
#include "compose/titlesettingsmodel.h"
#include "retitle/folderuniqueeditor.h"
#include "retitle/retitler.h"
#include "retitle/syncexteditor.h"
#include "retitle/testpreview.h"
#include "settings/programsettings.h"
#include "l10n/text.h"
#include "session/freetexteditor.h"
#include "session/picturepreview.h"
#include "session/picturesession.h"
#include "session/picturetablemodel.h"
#include "session/selection.h"
#include "session/stageworkflow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QMenuBar>
#include <QSplitter>
#include <QActionGroup>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QEvent>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace Ui {

using Session::PictureSession;

MainWindow::MainWindow(App::Application &application, QWidget *parent)
    : QMainWindow(parent), m_application(application)
{
    setWindowTitle(application.windowCaption());
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize available = screen->availableGeometry().size();
        resize(qMin(available.width() * 9 / 10, 1500), qMin(available.height() * 9 / 10, 1000));
    }
    connect(&application, &App::Application::captionChanged, this, &QWidget::setWindowTitle);
    application.setNewFolderDescriber([this](Storage::FolderDescriptions &descriptions) {
        // Asked while Test & Preview is open: its window is the parent then.
        QWidget *owner = QApplication::activeWindow() ? QApplication::activeWindow() : this;
        FolderDescriptionsDialog dialog(descriptions, owner);
        return dialog.exec() == QDialog::Accepted;
    });
    // The panels' combo and spin boxes store their settings at once: the wheel must not change them
    // while scrolling past. The guard goes with the window.
    QCoreApplication::instance()->installEventFilter(new WheelGuard(this));

    PictureSession &pictures = application.pictures();
    m_model = new Session::PictureTableModel(pictures, this);
    m_table = new QTableView;
    m_table->setObjectName(u"pictureTable"_s);
    m_table->setModel(m_model);
    m_table->setItemDelegateForColumn(PictureSession::MarkerColumn, new MarkerDelegate(m_table));
    m_table->setItemDelegateForColumn(Session::PictureTableModel::NewTitleColumn, new NewTitleDelegate(m_table));
    m_model->setNewTitleSource(&application.newTitleColumn());
    connect(&application.newTitleColumn(), &App::NewTitleColumn::changed, m_model,
            &Session::PictureTableModel::newTitlesChanged);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    // Tab goes on to the next control, as everywhere else in the window.
    m_table->setTabKeyNavigation(false);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    createStageColumn();

    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->setObjectName(u"mainSplitter"_s);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_table);
    splitter->addWidget(m_stageColumn);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    m_splitter = splitter;
    setCentralWidget(splitter);

    m_statusLabel = new QLabel;
    m_statusLabel->setObjectName(u"statusMessage"_s);
    statusBar()->addWidget(m_statusLabel, 1);
    m_countLabel = new QLabel;
    m_countLabel->setObjectName(u"selectedCount"_s);
    m_countLabel->setMinimumWidth(90);
    m_countLabel->setAlignment(Qt::AlignCenter);
    m_countLabel->setFrameShape(QFrame::StyledPanel);
    // The entry counts of the dictionaries, and the progress of a dictionary build in the message
    // panel.
    auto *entries = new QLabel(m_application.dictionaries().entriesText());
    entries->setObjectName(u"dictionaryEntries"_s);
    entries->setFrameShape(QFrame::StyledPanel);
    statusBar()->addPermanentWidget(entries);
    connect(&m_application.dictionaries(), &Dictionary::DictionaryStore::entriesShown, entries, &QLabel::setText);
    connect(&m_application.dictionaries(), &Dictionary::DictionaryStore::progressShown, this, [this](const QString &text) {
        m_statusTimer->stop();
        m_statusLabel->setText(text);
        m_statusLabel->repaint();
    });
    statusBar()->addPermanentWidget(m_countLabel);
    m_statusTimer = new QTimer(this);
    m_statusTimer->setSingleShot(true);
    connect(m_statusTimer, &QTimer::timeout, m_statusLabel, &QLabel::clear);

    createSelectionCommands();
    addStage2Commands(*this, m_application);
    createSubjectCommands();
    createTitleElementCommands();
    createRetitleCommands();
    createMainMenus();
    createPreview();
    createVoiceControl();
    nameHelpRegions();
    m_stageColumn->finishPages();
    // Some keys belong to the window before the control with the focus.
    QCoreApplication::instance()->installEventFilter(this);

    connect(m_model, &QAbstractItemModel::modelReset, this, &MainWindow::updateColumns);
    connect(m_model, &QAbstractItemModel::headerDataChanged, this, &MainWindow::updateColumns);
    connect(&pictures, &PictureSession::selectedCountChanged, this, &MainWindow::updateSelectedCount);
    updateColumns();
    updateSelectedCount();
}

MainWindow::~MainWindow() = default;

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) && m_menus
        && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this) {
        auto *key = static_cast<QKeyEvent *>(event);
        App::MainCommands &commands = m_menus->commands();
        // The override keeps a shortcut (a menu item's Ctrl+A) from taking the key first.
        if (event->type() == QEvent::ShortcutOverride ? commands.isWindowKey(key->key(), key->modifiers())
                                                      : commands.windowKey(key->key(), key->modifiers())) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress && m_stageColumn->activateAccessKeyOnClosedPage(*key)) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::createStageColumn()
{
    m_stageColumn = new StageColumn(m_application.stageGuide(), m_application.titleExample());
}

void MainWindow::addPanel(Session::StagePage page, QWidget *panel, int stretch)
{
    m_stageColumn->addPanel(page, panel, stretch);
}

void MainWindow::createSelectionCommands()
{
    Session::Selection &selection = m_application.selection();
    auto *panel = new SelectionPanel(selection);
    connect(panel, &SelectionPanel::maintainStringsRequested, this, &MainWindow::maintainSelectionStrings);
    addPanel(Session::StagePage::SelectPictures, panel);

    // The whole selection group is off while stage 2 or the retitling runs.
    Session::StageWorkflow &workflow = m_application.workflow();
    const auto followSelectionGroup = [&workflow, panel] { panel->setEnabled(workflow.selectionGroupEnabled()); };
    connect(&workflow, &Session::StageWorkflow::commandsChanged, this, followSelectionGroup);
    followSelectionGroup();

    // A click on the "Sel" cell toggles the picture; with Shift a range. In stage 2 the same
    // click shows the picture and never changes the selection.
    connect(m_table, &QTableView::clicked, this, [this, &selection](const QModelIndex &index) {
        if (index.column() == PictureSession::MarkerColumn
            && m_application.workflow().isEnabled(Session::Command::ToggleRow))
            selection.toggleRow(index.row(), QGuiApplication::keyboardModifiers() & Qt::ShiftModifier);
    });
    auto *toggle = new QAction(this);
    toggle->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::Key_Space)});
    toggle->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(toggle);
    connect(toggle, &QAction::triggered, this, [this, &selection] {
        if (m_table->currentIndex().isValid() && m_application.workflow().isEnabled(Session::Command::ToggleRow))
            selection.toggleRow(m_table->currentIndex().row(), false);
    });
}

void MainWindow::createSubjectCommands()
{
    auto *selecting = new SubjectPanel(m_application, SubjectPanel::Stage::Selecting);
    addPanel(Session::StagePage::SelectPictures, selecting);
    auto *editing = new SubjectPanel(m_application, SubjectPanel::Stage::Editing);
    addPanel(Session::StagePage::EditFreeText, editing);
    for (SubjectPanel *panel : {selecting, editing})
        connect(panel, &SubjectPanel::maintainRequested, this, [this] { maintainSubjects(m_application, this); });
}

void MainWindow::createTitleElementCommands()
{
    Compose::TitleSettingsModel &model = m_application.titleSettings();
    auto *prefixSuffix = new PrefixSuffixPanel(model);
    addPanel(Session::StagePage::TitleElements, prefixSuffix);
    addElementPanels();
    auto *finalStage = new FinalStagePanel(model);
    finalStage->addStorageSwitches(m_application.storage());
    connect(&m_application.storage(), &App::StorageManagement::setupRequested, this, &MainWindow::runStorageSetup);
    // The button runs the command as its menu item does: the core refuses it where the stage
    // does not allow it, whatever the button's state.
    connect(finalStage, &FinalStagePanel::testAndPreviewRequested, this,
            [this] { m_menus->commands().run(App::MainCommand::TestAndPreview); });
    addPanel(Session::StagePage::FinalStage, finalStage);
    // Test & Preview ends every stage: it stays in view below the pages.
    m_stageColumn->addToActionBar(finalStage->testAndPreviewButton());

    // The elements group is off while stage 2 or the retitling runs; within it each control
    // keeps its own condition.
    Session::StageWorkflow &workflow = m_application.workflow();
    const auto followElementsGroup = [&workflow, prefixSuffix, finalStage] {
        const bool on = workflow.elementsGroupEnabled();
        prefixSuffix->setEnabled(on);
        finalStage->setEnabled(on);
    };
    connect(&workflow, &Session::StageWorkflow::commandsChanged, this, followElementsGroup);
    followElementsGroup();
}

void MainWindow::addElementPanels()
{
    auto *number = new NumberPanel(m_application.numberSettings());
    addPanel(Session::StagePage::TitleElements, number);
    auto *dateTime = new DateTimePanel(m_application.dateTimeSettings());
    connect(dateTime, &DateTimePanel::dayNameRequested, this, [this] {
        Compose::DayNameModel model(m_application.sessionSettings(), m_application.titleSettings(), QLocale::system(),
                                    [] { return QDateTime::currentDateTime(); });
        DayNameDialog dialog(model, this);
        if (dialog.exec() == QDialog::Accepted)
            m_application.dateTimeSettings().notifyChanged();
    });
    connect(dateTime, &DateTimePanel::cameraClocksRequested, this, &MainWindow::adjustCameraClocks);
    addPanel(Session::StagePage::TitleElements, dateTime);

    // Like the other panels of the elements group, these rest while stage 2 runs or the folder is
    // being retitled.
    Session::StageWorkflow &workflow = m_application.workflow();
    const auto followElementsGroup = [&workflow, number, dateTime] {
        const bool on = workflow.elementsGroupEnabled();
        number->setEnabled(on);
        dateTime->setEnabled(on);
    };
    connect(&workflow, &Session::StageWorkflow::commandsChanged, this, followElementsGroup);
    followElementsGroup();
}

void MainWindow::selectExifTags()
{
    const std::unique_ptr<Compose::ExifTagsModel> model = m_application.exifTagsModel(m_table->currentIndex().row());
    ExifTagsDialog dialog(*model, this);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool filled = model->fill();
    QGuiApplication::restoreOverrideCursor();
    if (filled)
        dialog.exec();
}

void MainWindow::adjustCameraClocks()
{
    Compose::CameraClocksModel model(m_application.cameraClocks(), m_application.pictureDates(),
                                     m_application.pictures().rows(), m_application.pictureFolder());
    CameraClocksDialog dialog(model, this);
    if (dialog.exec() == QDialog::Accepted && model.apply())
        m_application.cameraClocksChanged();
}

void MainWindow::createRetitleCommands()
{
    connect(this, &MainWindow::testAndPreviewRequested, this, &MainWindow::testAndPreview);
    Retitle::Retitler &retitler = m_application.retitler();
    connect(&retitler, &Retitle::Retitler::retitlingStarted, this, [this] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_stageColumn->setEnabled(false);
    });
    connect(&retitler, &Retitle::Retitler::retitlingFinished, this, [this] {
        m_stageColumn->setEnabled(true);
        QGuiApplication::restoreOverrideCursor();
    });
    connect(&retitler, &Retitle::Retitler::currentRowChanged, this, [this](int row) {
        m_table->setCurrentIndex(m_model->index(row, PictureSession::TitleColumn));
    });
    connect(&retitler, &Retitle::Retitler::statusHintChanged, m_statusLabel, &QLabel::setToolTip);
    connect(&retitler, &Retitle::Retitler::pictureFolderEmptied, this, &QWidget::close, Qt::QueuedConnection);
}

void MainWindow::createPreview()
{
    Session::PicturePreview &preview = m_application.picturePreview();
    auto *pane = new PreviewPane(preview);
    m_previewPane = pane;
    // A wide screen has room for the picture between the table and the stages; elsewhere it goes
    // below the table, which keeps the width the titles need.
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (primary && primary->availableGeometry().width() >= 1600) {
        m_splitter->insertWidget(1, pane);
        m_splitter->setStretchFactor(1, 1);
    } else {
        m_tableSplitter = new QSplitter(Qt::Vertical);
        m_tableSplitter->setObjectName(u"tableSplitter"_s);
        m_tableSplitter->setChildrenCollapsible(false);
        m_splitter->replaceWidget(0, m_tableSplitter);
        m_tableSplitter->addWidget(m_table);
        m_tableSplitter->addWidget(pane);
        m_tableSplitter->setStretchFactor(0, 3);
        m_tableSplitter->setStretchFactor(1, 2);
        m_splitter->setStretchFactor(0, 1);
    }
    // A pane that was hidden when the splitter was last laid out comes back at a useful size.
    connect(&preview, &Session::PicturePreview::pictureChanged, this, [this, pane] {
        QSplitter *splitter = m_tableSplitter ? m_tableSplitter : m_splitter;
        const int index = splitter->indexOf(pane);
        QList<int> sizes = splitter->sizes();
        if (!pane->isVisible() || index < 0 || sizes.value(index) >= 120)
            return;
        const int total = sizes.value(0) + sizes.value(index);
        sizes[0] = total * 3 / 5;
        sizes[index] = total - sizes[0];
        splitter->setSizes(sizes);
    });
    auto *viewer = new PictureViewer(preview, this);
    m_viewer = viewer;
    connect(&preview, &Session::PicturePreview::viewerChanged, viewer, [this, viewer] {
        if (!viewer->isVisible()) {
            // The whole screen of the window, also where no window manager makes it so.
            if (const QScreen *screen = this->screen())
                viewer->setGeometry(screen->geometry());
            viewer->showFullScreen();
        }
        viewer->raise();
        viewer->activateWindow();
    });
    connect(&preview, &Session::PicturePreview::viewerClosed, this, [this] { activateWindow(); });

    QMenu *view = new QMenu(Session::PicturePreview::viewMenuCaption(), this);
    QAction *always = view->addAction(Session::PicturePreview::showThumbCaption());
    always->setObjectName(u"showThumbnailAction"_s);
    always->setCheckable(true);
    always->setStatusTip(Session::PicturePreview::showThumbHint());
    QAction *fullScreen = view->addAction(Session::PicturePreview::fullScreenCaption());
    fullScreen->setObjectName(u"fullScreenAction"_s);
    fullScreen->setShortcut(QKeySequence(Session::PicturePreview::fullScreenShortcut()));
    fullScreen->setShortcutContext(Qt::WindowShortcut);
    connect(always, &QAction::triggered, this, [&preview] { preview.toggleShowThumb(); });
    connect(fullScreen, &QAction::triggered, this, [&preview] { preview.showFullScreen(); });
    const auto update = [this, &preview, always, fullScreen] {
        always->setChecked(preview.showThumb());
        always->setEnabled(m_application.workflow().isEnabled(Session::Command::ShowThumbnail));
        fullScreen->setEnabled(preview.fullScreenEnabled());
    };
    connect(view, &QMenu::aboutToShow, this, update);
    // F2 works with the menu closed, so its state also follows the picture shown.
    connect(&preview, &Session::PicturePreview::pictureChanged, this, update);
    update();
    // The menu goes after "Edit", where the other editing menus are.
    QAction *before = m_menus->viewMenuPlace();
    menuBar()->insertMenu(before, view);
    addThemeMenu(view);
}

void MainWindow::testAndPreview()
{
    Retitle::TestPreview &preview = m_application.testPreview();
    preview.TestPreviewClick([this, &preview] {
        TestPreviewDialog dialog(preview, this);
        dialog.exec();
    });
}

void MainWindow::maintainSelectionStrings()
{
    Session::Selection &selection = m_application.selection();
    SelectionStringsDialog dialog(selection.strings(), this);
    if (dialog.exec() == QDialog::Accepted)
        selection.setStrings(dialog.strings());
}

void MainWindow::addThemeMenu(QMenu *view)
{
    App::ThemeChoice &themes = m_application.themeChoice();
    QMenu *menu = view->addMenu(App::ThemeChoice::menuCaption());
    menu->setObjectName(u"themeMenu"_s);
    auto *group = new QActionGroup(menu);
    const QStringList captions = App::ThemeChoice::captions();
    for (int theme = 0; theme < captions.size(); ++theme) {
        QAction *action = menu->addAction(captions.at(theme));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [&themes, theme] { themes.choose(theme); });
    }
    connect(menu, &QMenu::aboutToShow, this, [menu, &themes] { menu->actions().at(themes.current())->setChecked(true); });
    // The desktop's palette as it was before any theme, to go back to "Familiar".
    m_desktopPalette = QApplication::palette();
    connect(&themes, &App::ThemeChoice::themeChanged, this,
            [this](int theme) { QApplication::setPalette(themePalette(theme, m_desktopPalette)); });
}

void MainWindow::createVoiceControl()
{
    // The play control sits on the picture it plays, in the pane and in the viewer alike.
    const Session::PlayingMeans means = VoiceButton::findPlayingMeans();
    Session::PicturePreview &preview = m_application.picturePreview();
    auto *paneVoice = new VoiceButton(means);
    paneVoice->setObjectName(u"paneVoice"_s);
    m_previewPane->setOverlay(paneVoice);
    const auto showPane = [paneVoice, &preview] { paneVoice->setPicture(preview.shown().path); };
    connect(&preview, &Session::PicturePreview::pictureChanged, paneVoice, showPane);
    showPane();
    auto *viewerVoice = new VoiceButton(means);
    viewerVoice->setObjectName(u"viewerVoice"_s);
    m_viewer->canvas()->setOverlay(viewerVoice);
    const auto showViewer = [viewerVoice, &preview] { viewerVoice->setPicture(preview.viewerPicture().path); };
    connect(&preview, &Session::PicturePreview::viewerChanged, viewerVoice, showViewer);
    showViewer();
}

void MainWindow::updateColumns()
{
    QHeaderView *header = m_table->horizontalHeader();
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const bool shown = m_model->headerData(column, Qt::Horizontal, Session::PictureTableModel::ColumnShownRole).toBool();
        m_table->setColumnHidden(column, !shown);
    }
    // Every column as wide as what it holds, the free text taking what is left: the current title
    // is never cut to make room for empty columns.
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(PictureSession::MarkerColumn, QHeaderView::Fixed);
    // Room for the mark and the voice note's microphone, or the caption if it is wider.
    const QString markerCaption = m_model->headerData(PictureSession::MarkerColumn, Qt::Horizontal).toString();
    m_table->setColumnWidth(PictureSession::MarkerColumn,
                            qMax(40, m_table->fontMetrics().horizontalAdvance(markerCaption) + 16));
    header->setSectionResizeMode(m_application.pictures().freeTextColumn(), QHeaderView::Stretch);
    // Sized by hand: fitting it to its contents would compose the title of every row.
    header->setSectionResizeMode(Session::PictureTableModel::NewTitleColumn, QHeaderView::Interactive);
    if (m_table->columnWidth(Session::PictureTableModel::NewTitleColumn) < 120)
        m_table->setColumnWidth(Session::PictureTableModel::NewTitleColumn, 220);
}

void MainWindow::updateSelectedCount()
{
    const PictureSession &pictures = m_application.pictures();
    m_countLabel->setText(pictures.selectedCountText());
    m_countLabel->setToolTip(pictures.selectedCountHint());
}

QString MainWindow::statusText() const
{
    return m_statusLabel->text();
}

QString MainWindow::selectedCountText() const
{
    return m_countLabel->text();
}

void MainWindow::showStatus(const QString &text, bool error, int seconds)
{
    QPalette palette = m_statusLabel->palette();
    palette.setColor(QPalette::WindowText, error ? ThemeColours::text(Tint::Error, this->palette())
                                                 : this->palette().color(QPalette::WindowText));
    m_statusLabel->setPalette(palette);
    QFont font = m_statusLabel->font();
    font.setBold(error);
    m_statusLabel->setFont(font);
    m_statusLabel->setText(text);
    m_statusTimer->start(qMax(1, seconds) * 1000);
}

QString MainWindow::windowStatePath() const
{
    return m_application.workFile(u"Window.ini"_s);
}

QString MainWindow::splitterKey() const
{
    // The two arrangements of the picture have their own splitter positions.
    return m_tableSplitter ? u"splitter"_s : u"wideSplitter"_s;
}

void MainWindow::restoreWindowState()
{
    const QSettings stored(windowStatePath(), QSettings::IniFormat);
    restoreGeometry(stored.value(u"geometry"_s).toByteArray());
    if (!m_splitter->restoreState(stored.value(splitterKey()).toByteArray()) && !m_tableSplitter) {
        // First time on a wide screen: the titles and the picture share what the stages leave.
        const int stages = m_stageColumn->minimumSizeHint().width();
        const int rest = qMax(0, width() - stages);
        m_splitter->setSizes({rest * 11 / 20, rest * 9 / 20, stages});
    }
    if (m_tableSplitter)
        m_tableSplitter->restoreState(stored.value(u"tableSplitter"_s).toByteArray());
}

void MainWindow::storeWindowState() const
{
    QSettings stored(windowStatePath(), QSettings::IniFormat);
    stored.setValue(u"geometry"_s, saveGeometry());
    stored.setValue(splitterKey(), m_splitter->saveState());
    if (m_tableSplitter)
        stored.setValue(u"tableSplitter"_s, m_tableSplitter->saveState());
}

void MainWindow::applyStoredTheme()
{
    if (const int theme = m_application.themeChoice().current(); theme != 0)
        QApplication::setPalette(themePalette(theme, m_desktopPalette));
}

void MainWindow::showForSession()
{
    const App::WindowLayout &layout = m_application.windowLayout();
    applyStoredTheme();
    // Size, place and splitter as the user left them; a screen that asks for a maximised window
    // gets one all the same.
    restoreWindowState();
    // The keyboard starts in the table, where the pictures are chosen, unless stage 2 goes on.
    if (m_application.workflow().stage() != Session::Stage::Editing)
        m_table->setFocus(Qt::ActiveWindowFocusReason);
    if (layout.fixedMaximised)
        setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    if (layout.fixedMaximised || (layout.maximised && !isMaximized())) {
        // Without a window manager a maximised window keeps its size: fill the screen ourselves.
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            setGeometry(screen->availableGeometry());
        showMaximized();
    }
    else
        show();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_closed) {
        m_closed = true;
        storeWindowState();
        // Undone from the Done box: the folder has its pictures again and the window stays.
        if (!m_application.close()) {
            m_closed = false;
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace Ui
