#include "ui/testpreviewdialog.h"

#include "ui/themecolours.h"

#include "retitle/previewreport.h"
#include "retitle/testpreview.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextTable>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace Ui {

namespace {

using Retitle::ReportLine;

// Title lines sit a little in from the headings.
constexpr qreal titleIndent = 12;
constexpr qreal columnGap = 24;

QColor colourOf(ReportLine::Colour colour, const QPalette &palette)
{
    switch (colour) {
    case ReportLine::Colour::Red:
        return ThemeColours::text(Tint::Error, palette);
    case ReportLine::Colour::Blue:
        return ThemeColours::text(Tint::Information, palette);
    case ReportLine::Colour::Green:
        return ThemeColours::text(Tint::Success, palette);
    case ReportLine::Colour::Black:
        break;
    }
    return palette.color(QPalette::Text);
}

} // namespace

TestPreviewDialog::TestPreviewDialog(Retitle::TestPreview &preview, QWidget *parent)
    : QDialog(parent), m_preview(preview)
{
    setWindowTitle(Retitle::TestPreview::windowCaption());
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    m_pages = new QStackedWidget;
    auto *progressPage = new QWidget;
    auto *progressLayout = new QVBoxLayout(progressPage);
    progressLayout->addStretch(1);
    m_caption = new QLabel;
    m_progress = new QProgressBar;
    m_progress->setRange(0, 100);
    progressLayout->addWidget(m_caption);
    progressLayout->addWidget(m_progress);
    progressLayout->addStretch(1);
    m_pages->addWidget(progressPage);
    m_report = new QTextEdit;
    m_report->setReadOnly(true);
    m_report->setLineWrapMode(QTextEdit::WidgetWidth);
    m_report->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_pages->addWidget(m_report);
    layout->addWidget(m_pages, 1);

    auto *buttons = new QHBoxLayout;
    m_retitle = new QPushButton(Retitle::TestPreview::retitleCaption());
    m_edit = new QPushButton(Retitle::TestPreview::editCaption());
    m_cancel = new QPushButton(Retitle::TestPreview::cancelCaption());
    m_help = new QPushButton(Retitle::TestPreview::helpCaption());
    buttons->addWidget(m_retitle);
    buttons->addWidget(m_edit);
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    layout->addLayout(buttons);
    for (QPushButton *button : {m_retitle, m_edit, m_cancel, m_help})
        button->setAutoDefault(false);

    connect(m_retitle, &QPushButton::clicked, &m_preview, &Retitle::TestPreview::retitleNow);
    connect(m_edit, &QPushButton::clicked, &m_preview, &Retitle::TestPreview::editErroneous);
    connect(m_cancel, &QPushButton::clicked, &m_preview, &Retitle::TestPreview::cancel);
    connect(m_help, &QPushButton::clicked, this, &TestPreviewDialog::helpRequested);
    auto *help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] {
        if (m_preview.helpEnabled())
            Q_EMIT helpRequested();
    });
    connect(&m_preview, &Retitle::TestPreview::progressChanged, this, &TestPreviewDialog::showProgress);
    connect(&m_preview, &Retitle::TestPreview::passFinished, this, &TestPreviewDialog::showReport);
    connect(&m_preview, &Retitle::TestPreview::closeRequested, this, [this] { done(QDialog::Accepted); });
    updateButtons();
}

void TestPreviewDialog::showEvent(QShowEvent *event)
{
    if (!m_started)
        fitScreen();
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    // Once the dialog is on the screen, so that its progress can be seen.
    QTimer::singleShot(0, this, [this] {
        updateButtons();
        m_preview.runPass();
    });
}

void TestPreviewDialog::fitScreen()
{
    // As large as is comfortable, never beyond the screen the window is on: its buttons must show.
    const QWidget *anchor = parentWidget() ? parentWidget() : this;
    const QRect available = anchor->screen()->availableGeometry();
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize size(qMin(1000, available.width() - qMax(frame.width(), 8) - 16),
                     qMin(700, available.height() - qMax(frame.height(), 32) - 16));
    resize(size.expandedTo(minimumSizeHint()).boundedTo(available.size()));
    QRect placed(QPoint(), size);
    placed.moveCenter(parentWidget() ? parentWidget()->geometry().center() : available.center());
    placed.moveLeft(qBound(available.left(), placed.left(), available.right() - size.width()));
    placed.moveTop(qBound(available.top(), placed.top(), available.bottom() - size.height()));
    move(placed.topLeft());
}

void TestPreviewDialog::reject()
{
    if (m_preview.cancelEnabled())
        m_preview.cancel();
}

void TestPreviewDialog::showProgress(const QString &caption, int percent)
{
    m_pages->setCurrentIndex(0);
    m_caption->setText(caption);
    m_progress->setValue(percent);
    updateButtons();
}

void TestPreviewDialog::showReport()
{
    showReportLines(m_report, m_preview.report());
    m_pages->setCurrentIndex(1);
    m_report->setFocus();
    updateButtons();
}

void showReportLines(QTextEdit *view, const QList<ReportLine> &lines)
{
    view->clear();
    QTextCursor cursor(view->document());
    // Runs of title lines become tables whose columns size to their content and wrap a title too
    // long for the window, so the current titles stay in view beside the new ones.
    QTextTableFormat tableFormat;
    tableFormat.setBorder(0);
    tableFormat.setCellPadding(1);
    tableFormat.setCellSpacing(0);
    tableFormat.setLeftMargin(titleIndent);
    QTextTable *table = nullptr;
    bool first = true;
    const auto format = [view](const ReportLine &line) {
        QTextCharFormat characters;
        characters.setForeground(colourOf(line.colour, view->palette()));
        characters.setFontWeight(line.style == ReportLine::Style::Bold ? QFont::Bold : QFont::Normal);
        characters.setFontItalic(line.style == ReportLine::Style::Italic);
        return characters;
    };
    for (const ReportLine &line : lines) {
        if (line.isTitle) {
            const QStringList fields = line.text.split(u'\t');
            if (!table || table->columns() < fields.size()) {
                if (table)
                    cursor = table->lastCursorPosition(), cursor.movePosition(QTextCursor::NextBlock);
                table = cursor.insertTable(1, int(fields.size()), tableFormat);
            } else {
                table->appendRows(1);
            }
            const int row = table->rows() - 1;
            for (int column = 0; column < fields.size(); ++column) {
                QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
                QTextBlockFormat gap;
                gap.setRightMargin(column + 1 < fields.size() ? columnGap : 0);
                cell.setBlockFormat(gap);
                cell.insertText(fields.at(column), format(line));
            }
            continue;
        }
        if (table) {
            cursor = table->lastCursorPosition();
            cursor.movePosition(QTextCursor::NextBlock);
            table = nullptr;
            cursor.setBlockFormat(QTextBlockFormat());
        } else if (!first) {
            cursor.insertBlock(QTextBlockFormat());
        }
        first = false;
        cursor.insertText(line.text, format(line));
    }
    cursor.movePosition(QTextCursor::Start);
    view->setTextCursor(cursor);
}

void TestPreviewDialog::updateButtons()
{
    m_retitle->setEnabled(m_preview.retitleEnabled());
    m_edit->setEnabled(m_preview.editEnabled());
    m_cancel->setEnabled(m_preview.cancelEnabled());
    m_help->setEnabled(m_preview.helpEnabled());
}

} // namespace Ui
