#include "ui/messagedialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
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
    if (!question.checkBoxCaption.isEmpty()) {
        m_checkBox = new QCheckBox(question.checkBoxCaption);
        m_checkBox->setChecked(question.checkBoxChecked);
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
    layout->addWidget(buttons);
}

void MessageDialog::reject()
{
    m_chosen = m_question.escapeButton;
    QDialog::reject();
}

Platform::Answer MessageDialog::answer() const
{
    return {m_chosen < 0 ? m_question.escapeButton : m_chosen, m_checkBox ? m_checkBox->isChecked() : true};
}

} // namespace Ui
