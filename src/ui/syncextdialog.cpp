#include "ui/syncextdialog.h"

#include "ui/checklist.h"

#include "retitle/syncexteditor.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace Ui {

using Retitle::SyncExtEditor;

SyncExtDialog::SyncExtDialog(SyncExtEditor &editor, QWidget *parent) : QDialog(parent), m_editor(editor)
{
    setWindowTitle(SyncExtEditor::windowCaption());
    resize(420, 360);
    auto *layout = new QVBoxLayout(this);
    m_list = new CheckList;
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(m_list, 1);
    auto *inputRow = new QHBoxLayout;
    m_input = new QLineEdit;
    m_input->setPlaceholderText(SyncExtEditor::inputPrompt());
    m_input->setMaxLength(SyncExtEditor::maxInputLength);
    m_add = new QPushButton(SyncExtEditor::addCaption());
    m_add->setAutoDefault(false);
    inputRow->addWidget(m_input, 1);
    inputRow->addWidget(m_add);
    layout->addLayout(inputRow);
    auto *remove = new QPushButton(SyncExtEditor::removeCaption());
    remove->setAutoDefault(false);
    layout->addWidget(remove);
    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(SyncExtEditor::okCaption());
    auto *cancel = new QPushButton(SyncExtEditor::cancelCaption());
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(m_input, &QLineEdit::textEdited, this, [this](const QString &value) {
        m_editor.edit(value, m_input->cursorPosition());
        const QSignalBlocker blocker(m_input);
        m_input->setText(m_editor.input());
        m_input->setCursorPosition(m_editor.cursor());
        m_add->setEnabled(m_editor.addEnabled());
    });
    connect(m_input, &QLineEdit::returnPressed, this, [this] {
        if (m_editor.addEnabled())
            add();
    });
    connect(m_add, &QPushButton::clicked, this, &SyncExtDialog::add);
    connect(remove, &QPushButton::clicked, this, [this] {
        m_editor.remove(m_list->selectedRows());
        refresh();
    });
    connect(m_list, &CheckList::checkChanged, this, [this](int row, bool checked) { m_editor.setChecked(row, checked); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

void SyncExtDialog::add()
{
    if (!m_editor.add())
        return;
    m_input->setText(m_editor.input());
    refresh();
}

void SyncExtDialog::accept()
{
    if (m_editor.accept())
        QDialog::accept();
}

void SyncExtDialog::refresh()
{
    m_list->setEntries(checkListEntries(
        m_editor.entries(), [](const Retitle::SyncExtRec &rec) { return rec.extension; },
        [](const Retitle::SyncExtRec &rec) { return rec.checked; }));
    m_add->setEnabled(m_editor.addEnabled());
}

} // namespace Ui
