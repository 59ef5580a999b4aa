#pragma once

#include "session/selection.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace Ui {
class CheckList;
}
class QPushButton;

namespace Ui {

// "Maintain selection strings": a list with check marks, a field to add a string, and OK to make
// the changes permanent.
class SelectionStringsDialog final : public QDialog
{
    Q_OBJECT

public:
    SelectionStringsDialog(const QList<Session::SelectionString> &strings, QWidget *parent = nullptr);

    QList<Session::SelectionString> strings() const { return m_editor.entries(); }

private:
    void refresh();
    void add();

    Session::SelectionStringsEditor m_editor;
    CheckList *m_list = nullptr;
    QLineEdit *m_input = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_remove = nullptr;
};

} // namespace Ui
