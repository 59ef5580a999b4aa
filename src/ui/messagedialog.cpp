#include "ui/messagedialog.h"

#include "ui/quickstartwindow.h"

#include "l10n/text.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QShortcut>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace Ui {

namespace {

QStyle::StandardPixmap pixmapFor(Platform::Severity severity)
{
    switch (severity) {
    case Platform::Severity::Warning:
        return QStyle::SP_MessageBoxWarning;
    case Platform::Severity::Error:
        return QStyle::SP_MessageBoxCritical;
    case Platform::Severity::Information:
        break;
    }
    return QStyle::SP_MessageBoxInformation;
}

} // namespace

MessageDialog::MessageDialog(const Platform::Question &question, QWidget *parent)
    : QDialog(parent), m_question(question)
{
    setWindowTitle(question.caption);
    auto *layout = new QVBoxLayout(this);
    auto *body = new QHBoxLayout;
    auto *icon = new QLabel;
    icon->setPixmap(style()->standardIcon(pixmapFor(question.severity)).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    body->addWidget(icon);
    auto *texts = new QVBoxLayout;
    if (!question.header.isEmpty()) {
        auto *header = new QLabel(question.header);
        QFont font = header->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.2);
        header->setFont(font);
        texts->addWidget(header);
    }
    auto *lines = new QLabel(question.lines.join(QLatin1Char('\n')));
    lines->setTextFormat(Qt::PlainText);
    texts->addWidget(lines);
    body->addLayout(texts, 1);
    layout->addLayout(body);
    if (!question.details.isEmpty()) {
        auto *details = new QPlainTextEdit(question.details.join(QLatin1Char('\n')));
        details->setReadOnly(true);
        details->setLineWrapMode(QPlainTextEdit::NoWrap);
        details->setMinimumSize(600, 240);
        layout->addWidget(details, 1);
    }
    if (!question.warningLines.isEmpty()) {
        auto *warning = new QGroupBox(question.warningHeader);
        warning->setObjectName(QStringLiteral("warning"));
        auto *warningLayout = new QVBoxLayout(warning);
        auto *warningText = new QLabel(question.warningLines.join(QLatin1Char('\n')));
        warningText->setTextFormat(Qt::PlainText);
        warningText->setWordWrap(true);
        warningLayout->addWidget(warningText);
        layout->addWidget(warning);
    }
    if (!question.choices.isEmpty()) {
        auto *choices = new QGroupBox(question.choiceCaption);
        auto *choicesLayout = new QVBoxLayout(choices);
        m_choices = new QButtonGroup(this);
        for (int i = 0; i < question.choices.size(); ++i) {
            auto *item = new QRadioButton(question.choices.at(i));
            item->setChecked(i == question.choice);
            m_choices->addButton(item, i);
            choicesLayout->addWidget(item);
        }
        layout->addWidget(choices);
    }
    if (!question.checkBoxCaption.isEmpty()) {
        m_checkBox = new QCheckBox(question.checkBoxCaption);
        m_checkBox->setChecked(question.checkBoxChecked);
        m_checkBox->setEnabled(question.checkBoxEnabled);
        m_checkBox->setToolTip(question.checkBoxHint);
        layout->addWidget(m_checkBox);
    }
    auto *buttons = new QDialogButtonBox;
    for (int i = 0; i < question.buttons.size(); ++i) {
        QPushButton *button = buttons->addButton(question.buttons.at(i), QDialogButtonBox::ActionRole);
        button->setDefault(i == question.defaultButton);
        button->setAutoDefault(i == question.defaultButton);
        if (i == question.defaultButton)
            button->setFocus();
        connect(button, &QPushButton::clicked, this, [this, i] {
            m_chosen = i;
            accept();
        });
    }
    if (!question.helpSection.isEmpty()) {
        QPushButton *help = buttons->addButton(L10n::standard(L10n::Standard::Help), QDialogButtonBox::HelpRole);
        help->setAutoDefault(false);
        connect(help, &QPushButton::clicked, this, &MessageDialog::showHelp);
        connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, &MessageDialog::showHelp);
    }
    layout->addWidget(buttons);
}

void MessageDialog::showHelp()
{
    // A window of the box's own, so that the box's modality does not lock it.
    if (!m_quickStart)
        m_quickStart = new QuickStartWindow(this);
    m_quickStart->showSection(m_question.helpSection, true);
}

void MessageDialog::reject()
{
    // A box that only its buttons close ignores Escape and the window's close button.
    if (m_question.escapeButton < 0)
        return;
    m_chosen = m_question.escapeButton;
    QDialog::reject();
}

void MessageDialog::end()
{
    m_chosen = m_question.escapeButton;
    QDialog::done(QDialog::Rejected);
}

Platform::Answer MessageDialog::answer() const
{
    return {m_chosen < 0 ? m_question.escapeButton : m_chosen, m_checkBox ? m_checkBox->isChecked() : true,
            m_choices ? m_choices->checkedId() : m_question.choice};
}

} // namespace Ui
