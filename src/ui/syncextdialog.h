#pragma once

#include "ui/checklist.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace Retitle {
class SyncExtEditor;
}

namespace Ui {

// The extensions kept in sync with the pictures, over a loaded editor; OK stores them.
class SyncExtDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit SyncExtDialog(Retitle::SyncExtEditor &editor, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    QLineEdit *input() const { return m_input; }
    QPushButton *addButton() const { return m_add; }

    void accept() override;

private:
    void add();
    void refresh();

    Retitle::SyncExtEditor &m_editor;
    CheckList *m_list = nullptr;
    QLineEdit *m_input = nullptr;
    QPushButton *m_add = nullptr;
};

} // namespace Ui
