#include "ui/mainwindow.h"

#include "ui/markerdelegate.h"

#include "app/application.h"
#include "l10n/text.h"
#include "session/picturesession.h"
#include "session/picturetablemodel.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStackedWidget>
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
    resize(1100, 720);
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

    m_panels = new QStackedWidget;
    m_panels->setObjectName(u"panelArea"_s);
    m_panels->hide();

    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_table);
    splitter->addWidget(m_panels);
    splitter->setStretchFactor(0, 1);
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

    connect(m_model, &QAbstractItemModel::modelReset, this, &MainWindow::updateColumns);
    connect(m_model, &QAbstractItemModel::headerDataChanged, this, &MainWindow::updateColumns);
    connect(&pictures, &PictureSession::selectedCountChanged, this, &MainWindow::updateSelectedCount);
    updateColumns();
    updateSelectedCount();
}

MainWindow::~MainWindow() = default;

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
