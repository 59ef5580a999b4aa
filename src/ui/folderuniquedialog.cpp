#include "ui/folderuniquedialog.h"

#include "ui/checklist.h"

#include "retitle/folderuniqueeditor.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace Ui {

using Retitle::FolderUniqueEditor;

FolderUniqueDialog::FolderUniqueDialog(FolderUniqueEditor &editor, QWidget *parent) : QDialog(parent), m_editor(editor)
{
    setWindowTitle(FolderUniqueEditor::windowCaption());
    resize(640, 360);
    auto *layout = new QVBoxLayout(this);
    m_list = new CheckList;
    layout->addWidget(m_list, 1);
    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(FolderUniqueEditor::addCaption());
    m_remove = new QPushButton(FolderUniqueEditor::removeCaption());
    m_ok = new QPushButton(FolderUniqueEditor::okCaption());
    auto *cancel = new QPushButton(FolderUniqueEditor::cancelCaption());
    buttons->addWidget(add);
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, [this] {
        if (m_editor.addFolder())
            refresh();
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        m_editor.remove(m_list->selectedRows());
        refresh();
    });
    connect(m_list, &CheckList::checkChanged, this, [this](int row, bool checked) {
        m_editor.setChecked(row, checked);
        m_ok->setEnabled(m_editor.okEnabled());
    });
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(!m_list->selectedItems().isEmpty()); });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

void FolderUniqueDialog::accept()
{
    if (m_editor.accept())
        QDialog::accept();
}

void FolderUniqueDialog::refresh()
{
    m_list->setEntries(checkListEntries(
        m_editor.entries(), [](const Retitle::FolderUniqueRec &rec) { return rec.folder; },
        [](const Retitle::FolderUniqueRec &rec) { return rec.checked; }));
    m_remove->setEnabled(false);
    m_ok->setEnabled(m_editor.okEnabled());
}

} // namespace Ui
