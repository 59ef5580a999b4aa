#pragma once

#include "ui/checklist.h"

#include <QDialog>

class QPushButton;

namespace Retitle {
class FolderUniqueEditor;
}

namespace Ui {

// The unique-check folders with their check marks, over a loaded editor; OK stores them.
class FolderUniqueDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit FolderUniqueDialog(Retitle::FolderUniqueEditor &editor, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    QPushButton *okButton() const { return m_ok; }

    void accept() override;

private:
    void refresh();

    Retitle::FolderUniqueEditor &m_editor;
    CheckList *m_list = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace Ui
