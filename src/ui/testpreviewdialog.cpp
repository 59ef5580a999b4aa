#include "ui/testpreviewdialog.h"

#include "retitle/previewreport.h"
#include "retitle/testpreview.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
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

QColor colourOf(ReportLine::Colour colour)
{
    switch (colour) {
    case ReportLine::Colour::Red:
        return QColor(0xc0, 0x00, 0x00);
    case ReportLine::Colour::Blue:
        return QColor(0x00, 0x00, 0xc0);
    case ReportLine::Colour::Green:
        return QColor(0x00, 0x80, 0x00);
    case ReportLine::Colour::Black:
        break;
    }
    return QColor(Qt::black);
}

} // namespace

TestPreviewDialog::TestPreviewDialog(Retitle::TestPreview &preview, QWidget *parent)
    : QDialog(parent), m_preview(preview)
{
    setWindowTitle(Retitle::TestPreview::windowCaption());
    setModal(true);
    resize(960, 600);

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
    m_report->setLineWrapMode(QTextEdit::NoWrap);
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
    const QList<ReportLine> &lines = m_preview.report();
    QFont bold = m_report->font();
    bold.setBold(true);
    const QFontMetricsF metrics(bold);
    qreal firstColumn = 0;
    qreal secondColumn = 0;
    for (const ReportLine &line : lines) {
        if (!line.isTitle)
            continue;
        const QStringList fields = line.text.split(u'\t');
        firstColumn = std::max(firstColumn, metrics.horizontalAdvance(fields.at(0)));
        if (fields.size() > 1)
            secondColumn = std::max(secondColumn, metrics.horizontalAdvance(fields.at(1)));
    }
    QTextBlockFormat titleBlock;
    titleBlock.setLeftMargin(titleIndent);
    titleBlock.setTabPositions({QTextOption::Tab(firstColumn + columnGap, QTextOption::LeftTab),
                                QTextOption::Tab(firstColumn + secondColumn + 2 * columnGap, QTextOption::LeftTab)});
    const QTextBlockFormat plainBlock;

    m_report->clear();
    QTextCursor cursor(m_report->document());
    bool first = true;
    for (const ReportLine &line : lines) {
        const QTextBlockFormat &block = line.isTitle ? titleBlock : plainBlock;
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        QTextCharFormat characters;
        characters.setForeground(colourOf(line.colour));
        characters.setFontWeight(line.style == ReportLine::Style::Bold ? QFont::Bold : QFont::Normal);
        characters.setFontItalic(line.style == ReportLine::Style::Italic);
        cursor.insertText(line.text, characters);
    }
    cursor.movePosition(QTextCursor::Start);
    m_report->setTextCursor(cursor);
    m_pages->setCurrentIndex(1);
    m_report->setFocus();
    updateButtons();
}

void TestPreviewDialog::updateButtons()
{
    m_retitle->setEnabled(m_preview.retitleEnabled());
    m_edit->setEnabled(m_preview.editEnabled());
    m_cancel->setEnabled(m_preview.cancelEnabled());
    m_help->setEnabled(m_preview.helpEnabled());
}

} // namespace Ui
