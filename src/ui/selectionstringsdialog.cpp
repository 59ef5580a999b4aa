#include "ui/selectionstringsdialog.h"

#include "ui/checklist.h"

#include "l10n/text.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace Ui {

using L10n::text;

SelectionStringsDialog::SelectionStringsDialog(const QList<Session::SelectionString> &strings, QWidget *parent)
    : QDialog(parent), m_editor(strings)
{
    setWindowTitle(Session::SelectionStringsEditor::windowCaption());
    auto *layout = new QVBoxLayout(this);
    m_list = new CheckList;
    layout->addWidget(m_list, 1);
    auto *inputRow = new QHBoxLayout;
    m_input = new QLineEdit;
    m_input->setPlaceholderText(text(1251, "Type a new string and press Add"));
    m_input->setMaxLength(Session::Selection::maxStringLength);
    // The hint says how to add; it shows whole in either language.
    m_input->setMinimumWidth(m_input->fontMetrics().horizontalAdvance(m_input->placeholderText()) + 16);
    m_add = new QPushButton(text(1120, "&Add"));
    inputRow->addWidget(m_input, 1);
    inputRow->addWidget(m_add);
    layout->addLayout(inputRow);
    m_remove = new QPushButton(text(1252, "&Remove selected strings"));
    layout->addWidget(m_remove);
    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(text(933, "&OK"));
    ok->setToolTip(text(1253, "Make changes permanent"));
    auto *cancel = new QPushButton(text(912, "&Cancel"));
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(m_input, &QLineEdit::textChanged, this, [this](const QString &value) {
        m_editor.setInput(value);
        m_add->setEnabled(m_editor.addEnabled());
    });
    connect(m_input, &QLineEdit::returnPressed, this, [this] {
        if (m_editor.addEnabled())
            add();
    });
    connect(m_add, &QPushButton::clicked, this, &SelectionStringsDialog::add);
    connect(m_remove, &QPushButton::clicked, this, [this] {
        m_editor.remove(m_list->selectedRows());
        refresh();
    });
    connect(m_list, &CheckList::checkChanged, this, [this](int row, bool checked) { m_editor.setChecked(row, checked); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

void SelectionStringsDialog::add()
{
    const QString error = m_editor.add();
    if (!error.isEmpty()) {
        QMessageBox::critical(this, L10n::standard(L10n::Standard::Error), error);
        return;
    }
    m_input->clear();
    refresh();
}

void SelectionStringsDialog::refresh()
{
    m_list->setEntries(checkListEntries(
        m_editor.entries(), [](const Session::SelectionString &s) { return s.text; },
        [](const Session::SelectionString &s) { return s.checked; }));
    m_input->setEnabled(m_editor.inputEnabled());
    m_add->setEnabled(m_editor.addEnabled());
}

} // namespace Ui
