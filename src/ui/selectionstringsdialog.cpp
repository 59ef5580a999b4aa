#include "ui/selectionstringsdialog.h"

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
    m_list = new QListWidget;
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(m_list, 1);
    auto *inputRow = new QHBoxLayout;
    m_input = new QLineEdit;
    m_input->setPlaceholderText(text("Type a new string and press Add"));
    m_input->setMaxLength(Session::Selection::maxStringLength);
    m_add = new QPushButton(text("&Add"));
    inputRow->addWidget(m_input, 1);
    inputRow->addWidget(m_add);
    layout->addLayout(inputRow);
    m_remove = new QPushButton(text("&Remove selected strings"));
    layout->addWidget(m_remove);
    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(text("&OK"));
    ok->setToolTip(text("Make changes permanent"));
    auto *cancel = new QPushButton(text("&Cancel"));
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
        QList<int> rows;
        for (const QListWidgetItem *item : m_list->selectedItems())
            rows.append(m_list->row(item));
        m_editor.remove(rows);
        refresh();
    });
    connect(m_list, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        m_editor.setChecked(m_list->row(item), item->checkState() == Qt::Checked);
    });
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
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (const Session::SelectionString &string : m_editor.entries()) {
        auto *item = new QListWidgetItem(string.text, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(string.checked ? Qt::Checked : Qt::Unchecked);
    }
    m_input->setEnabled(m_editor.inputEnabled());
    m_add->setEnabled(m_editor.addEnabled());
}

} // namespace Ui
