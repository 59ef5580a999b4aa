#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace Storage {
class SubjectMaintenance;
}

namespace Ui {

// The dialog "Maintenance Subjects": shows the maintenance model and forwards the user's input.
class SubjectsDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit SubjectsDialog(Storage::SubjectMaintenance &model, QWidget *parent = nullptr);

private:
    void refresh();
    int chosenRow() const;

    Storage::SubjectMaintenance &m_model;
    QListWidget *m_list = nullptr;
    QLabel *m_editLabel = nullptr;
    QLineEdit *m_edit = nullptr;
    QPushButton *m_addOrOk = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_editButton = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_suggest = nullptr;
    QPushButton *m_recreate = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace Ui
