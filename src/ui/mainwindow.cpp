#include "ui/mainwindow.h"

#include "ui/finalstagepanel.h"
#include "ui/folderuniquedialog.h"
#include "ui/markerdelegate.h"
#include "ui/prefixsuffixpanel.h"
#include "ui/selectionpanel.h"
#include "ui/selectionstringsdialog.h"
#include "ui/syncextdialog.h"
#include "ui/testpreviewdialog.h"

#include "app/application.h"
#include "compose/titlesettingsmodel.h"
#include "retitle/folderuniqueeditor.h"
#include "retitle/retitler.h"
#include "retitle/syncexteditor.h"
#include "retitle/testpreview.h"
#include "settings/programsettings.h"
#include "l10n/text.h"
#include "session/picturesession.h"
#include "session/picturetablemodel.h"
#include "session/selection.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QActionGroup>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
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

    QMenu *fileMenu = menuBar()->addMenu(L10n::text("&File"));
    QAction *exit = fileMenu->addAction(L10n::text("E&xit"));
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    PictureSession &pictures = application.pictures();
    m_model = new Session::PictureTableModel(pictures, this);
    m_table = new QTableView;
    m_table->setObjectName(u"pictureTable"_s);
    m_table->setModel(m_model);
    m_table->setItemDelegateForColumn(PictureSession::MarkerColumn, new MarkerDelegate(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_panels = new QWidget;
    m_panels->setObjectName(u"panelArea"_s);
    m_panelLayout = new QVBoxLayout(m_panels);
    auto *panelScroll = new QScrollArea;
    panelScroll->setWidget(m_panels);
    panelScroll->setWidgetResizable(true);
    panelScroll->setFrameShape(QFrame::NoFrame);
    panelScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_table);
    splitter->addWidget(panelScroll);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    setCentralWidget(splitter);


    m_statusLabel = new QLabel;
    m_statusLabel->setObjectName(u"statusMessage"_s);
    statusBar()->addWidget(m_statusLabel, 1);
    m_countLabel = new QLabel;
    m_countLabel->setObjectName(u"selectedCount"_s);
    m_countLabel->setMinimumWidth(90);
    m_countLabel->setAlignment(Qt::AlignCenter);
    m_countLabel->setFrameShape(QFrame::StyledPanel);
    statusBar()->addPermanentWidget(m_countLabel);
    m_statusTimer = new QTimer(this);
    m_statusTimer->setSingleShot(true);
    connect(m_statusTimer, &QTimer::timeout, m_statusLabel, &QLabel::clear);

    createSelectionCommands();
    createTitleElementCommands();
    createRetitleCommands();
    m_panelLayout->addStretch(1);
    panelScroll->setMinimumWidth(m_panels->minimumSizeHint().width()
                                 + panelScroll->verticalScrollBar()->sizeHint().width() + 2);

    connect(m_model, &QAbstractItemModel::modelReset, this, &MainWindow::updateColumns);
    connect(m_model, &QAbstractItemModel::headerDataChanged, this, &MainWindow::updateColumns);
    connect(&pictures, &PictureSession::selectedCountChanged, this, &MainWindow::updateSelectedCount);
    updateColumns();
    updateSelectedCount();
}

MainWindow::~MainWindow() = default;

void MainWindow::addPanel(QWidget *panel, int stretch)
{
    m_panelLayout->addWidget(panel, stretch);
}

void MainWindow::createSelectionCommands()
{
    Session::Selection &selection = m_application.selection();
    auto *panel = new SelectionPanel(selection);
    connect(panel, &SelectionPanel::maintainStringsRequested, this, &MainWindow::maintainSelectionStrings);
    addPanel(panel);

    QMenu *menu = menuBar()->addMenu(L10n::text("&Select"));
    const struct
    {
        Session::SelectionKind kind;
        QKeySequence shortcut;
    } kinds[] = {
        {Session::SelectionKind::All, QKeySequence(Qt::CTRL | Qt::Key_A)},
        {Session::SelectionKind::Invert, QKeySequence(Qt::CTRL | Qt::Key_I)},
        {Session::SelectionKind::AllHavingFreeText, QKeySequence()},
        {Session::SelectionKind::None, QKeySequence(Qt::CTRL | Qt::Key_N)},
    };
    QList<QAction *> kindActions;
    for (const auto &entry : kinds) {
        QAction *action = menu->addAction(QString());
        action->setShortcut(entry.shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        const Session::SelectionKind kind = entry.kind;
        connect(action, &QAction::triggered, this, [&selection, kind] { selection.BtnSelectClick(kind); });
        kindActions.append(action);
    }
    menu->addSeparator();
    QAction *startsWith = menu->addAction(QString());
    QAction *contains = menu->addAction(QString());
    for (QAction *mode : {startsWith, contains}) {
        mode->setCheckable(true);
        connect(mode, &QAction::triggered, this, [&selection] { selection.toggleMode(); });
    }
    QAction *byStrings = menu->addAction(QString());
    connect(byStrings, &QAction::triggered, this, [&selection] { selection.BtnSelectSClick(); });
    QAction *maintain = menu->addAction(L10n::text("Maintain selection strings..."));
    connect(maintain, &QAction::triggered, this, &MainWindow::maintainSelectionStrings);

    const auto update = [&selection, kindActions, startsWith, contains, byStrings] {
        for (int i = 0; i < kindActions.size(); ++i)
            kindActions.at(i)->setText(selection.menuCaption(Session::SelectionKind(i)));
        startsWith->setText(selection.modeMenuCaption(true));
        contains->setText(selection.modeMenuCaption(false));
        startsWith->setChecked(selection.startsWith());
        contains->setChecked(!selection.startsWith());
        startsWith->setEnabled(!selection.startsWith());
        contains->setEnabled(selection.startsWith());
        byStrings->setText(selection.selectByStringsMenuCaption());
        byStrings->setEnabled(selection.selectByStringsEnabled());
    };
    connect(&selection, &Session::Selection::captionsChanged, this, update);
    update();

    // A click on the "Sel" cell toggles the picture; with Shift a range.
    connect(m_table, &QTableView::clicked, this, [this, &selection](const QModelIndex &index) {
        if (index.column() == PictureSession::MarkerColumn)
            selection.toggleRow(index.row(), QGuiApplication::keyboardModifiers() & Qt::ShiftModifier);
    });
    auto *toggle = new QAction(this);
    toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    toggle->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(toggle);
    connect(toggle, &QAction::triggered, this, [this, &selection] {
        if (m_table->currentIndex().isValid())
            selection.toggleRow(m_table->currentIndex().row(), false);
    });
}

void MainWindow::createTitleElementCommands()
{
    Compose::TitleSettingsModel &model = m_application.titleSettings();
    addPanel(new PrefixSuffixPanel(model));
    auto *finalStage = new FinalStagePanel(model);
    connect(finalStage, &FinalStagePanel::testAndPreviewRequested, this, &MainWindow::testAndPreviewRequested);
    addPanel(finalStage);

    QMenu *menu = menuBar()->addMenu(L10n::text("Add title &elements"));
    QAction *prefix = menu->addAction(L10n::text(183, "Prefix"));
    QAction *suffix = menu->addAction(L10n::text(187, "Suffix"));
    for (QAction *action : {prefix, suffix})
        action->setCheckable(true);
    connect(prefix, &QAction::triggered, this, [&model] {
        model.setUsePrefix(!model.usePrefix());
        model.store();
    });
    connect(suffix, &QAction::triggered, this, [&model] {
        model.setUseSuffix(!model.useSuffix());
        model.store();
    });
    QMenu *finalMenu = menuBar()->addMenu(L10n::text("&Final stage"));
    QAction *test = finalMenu->addAction(L10n::text("Test and &Preview newly created picture titles"));
    connect(test, &QAction::triggered, this, &MainWindow::testAndPreviewRequested);
    QAction *unique = finalMenu->addAction(
        L10n::text("Maintain &folder list that will be checked to qualify new picture titles to be unique"));
    connect(unique, &QAction::triggered, this, [this] {
        Retitle::FolderUniqueEditor editor(m_application.workFile(u"FolderUnique.dat"_s),
                                           m_application.programSettings(), m_application.dialogs());
        if (!editor.load())
            return;
        FolderUniqueDialog dialog(editor, this);
        dialog.exec();
    });
    QAction *sync = finalMenu->addAction(L10n::text("Maintain list of Extensions to be synchronized"));
    connect(sync, &QAction::triggered, this, [this] {
        Retitle::SyncExtEditor editor(m_application.workFile(u"SyncExt.dat"_s), m_application.dialogs());
        if (!editor.load())
            return;
        SyncExtDialog dialog(editor, this);
        dialog.exec();
    });
    const auto update = [&model, prefix, suffix, test] {
        prefix->setChecked(model.usePrefix());
        suffix->setChecked(model.useSuffix());
        test->setEnabled(model.isTestAndPreviewEnabled());
    };
    connect(&model, &Compose::TitleSettingsModel::changed, this, update);
    update();
}

void MainWindow::createRetitleCommands()
{
    connect(this, &MainWindow::testAndPreviewRequested, this, &MainWindow::testAndPreview);
    Retitle::Retitler &retitler = m_application.retitler();
    connect(&retitler, &Retitle::Retitler::retitlingStarted, this, [this] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_panels->setEnabled(false);
    });
    connect(&retitler, &Retitle::Retitler::retitlingFinished, this, [this] {
        m_panels->setEnabled(true);
        QGuiApplication::restoreOverrideCursor();
    });
    connect(&retitler, &Retitle::Retitler::currentRowChanged, this, [this](int row) {
        m_table->setCurrentIndex(m_model->index(row, PictureSession::TitleColumn));
    });
    connect(&retitler, &Retitle::Retitler::statusHintChanged, m_statusLabel, &QLabel::setToolTip);
    connect(&retitler, &Retitle::Retitler::pictureFolderEmptied, this, &QWidget::close, Qt::QueuedConnection);
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

void MainWindow::updateColumns()
{
    QHeaderView *header = m_table->horizontalHeader();
    for (int column = 0; column < PictureSession::ColumnCount; ++column) {
        const bool shown = m_model->headerData(column, Qt::Horizontal, Session::PictureTableModel::ColumnShownRole).toBool();
        m_table->setColumnHidden(column, !shown);
    }
    const QFontMetrics metrics = m_table->fontMetrics();
    m_table->setColumnWidth(PictureSession::NumberColumn, metrics.horizontalAdvance(u"000000"_s));
    m_table->setColumnWidth(PictureSession::MarkerColumn, 36);
    m_table->setColumnWidth(PictureSession::TitleColumn, metrics.horizontalAdvance(u"M"_s) * 22);
    m_table->setColumnWidth(PictureSession::PrefixColumn, metrics.horizontalAdvance(u"M"_s) * 8);
    m_table->setColumnWidth(PictureSession::SuffixColumn, metrics.horizontalAdvance(u"M"_s) * 8);
    const int freeText = m_application.pictures().freeTextColumn();
    m_table->setColumnWidth(freeText, metrics.horizontalAdvance(u"M"_s) * 26);
    header->setStretchLastSection(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
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
    m_statusLabel->setStyleSheet(error ? u"color: #c01818; font-weight: bold;"_s : QString());
    m_statusLabel->setText(text);
    m_statusTimer->start(qMax(1, seconds) * 1000);
}

void MainWindow::showForSession()
{
    const App::WindowLayout &layout = m_application.windowLayout();
    if (layout.fixedMaximised)
        setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    if (layout.maximised || layout.fixedMaximised)
        showMaximized();
    else
        show();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_closed) {
        m_closed = true;
        m_application.close();
    }
    event->accept();
}

} // namespace Ui
