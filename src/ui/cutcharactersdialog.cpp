#include "ui/cutcharactersdialog.h"

#include "l10n/text.h"
#include "session/cutcharacters.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Ui {

using Session::CutCharacters;

CutCharactersDialog::CutCharactersDialog(CutCharacters &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(CutCharacters::windowCaption());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(CutCharacters::beforeCaption()));
    m_before = new QLineEdit(model.before());
    m_before->setObjectName(u"before"_s);
    m_before->setReadOnly(true);
    layout->addWidget(m_before);
    m_leading = new QPushButton(CutCharacters::leadingCaption());
    m_leading->setObjectName(u"leading"_s);
    m_trailing = new QPushButton(CutCharacters::trailingCaption());
    m_trailing->setObjectName(u"trailing"_s);
    layout->addWidget(m_leading);
    layout->addWidget(m_trailing);
    layout->addWidget(new QLabel(CutCharacters::afterCaption()));
    m_after = new QLineEdit;
    m_after->setObjectName(u"after"_s);
    m_after->setReadOnly(true);
    layout->addWidget(m_after);

    auto *buttons = new QHBoxLayout;
    auto *reset = new QPushButton(CutCharacters::resetCaption());
    m_apply = new QPushButton(CutCharacters::applyCaption());
    m_apply->setObjectName(u"apply"_s);
    auto *cancel = new QPushButton(CutCharacters::cancelCaption());
    buttons->addWidget(reset);
    buttons->addStretch(1);
    buttons->addWidget(m_apply);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    // The buttons must not take the caret away from the before field.
    for (QPushButton *button : {m_leading, m_trailing, reset, m_apply, cancel}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
    }
    connect(m_leading, &QPushButton::clicked, this, [this] {
        m_model.cutLeading(m_before->cursorPosition());
        refresh();
    });
    connect(m_trailing, &QPushButton::clicked, this, [this] {
        m_model.cutTrailing(m_before->cursorPosition());
        refresh();
    });
    connect(reset, &QPushButton::clicked, this, [this] {
        m_model.reset();
        refresh();
    });
    connect(m_apply, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_before->setFocus();
    refresh();
}

void CutCharactersDialog::refresh()
{
    m_after->setText(m_model.after());
    m_leading->setEnabled(m_model.leadingEnabled());
    m_trailing->setEnabled(m_model.trailingEnabled());
    m_apply->setEnabled(m_model.applyEnabled());
    if (m_model.leadingEnabled() && m_model.trailingEnabled())
        m_before->setCursorPosition(m_model.resetCaret());
}

} // namespace Ui
