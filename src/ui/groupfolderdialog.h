#pragma once

#include "storage/groupperiods.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace App {
class Application;
}
namespace Storage {
class GroupFolderModel;
}

namespace Ui {

// What the group-folder dialog asks of the program around it.
struct GroupFolderDialogHooks
{
    // The subject choice's entries, read again after the subjects were maintained.
    std::function<QStringList()> subjects;
    // Opens "Maintenance Subjects"; empty hides the button.
    std::function<void()> maintainSubjects;
    QString maintainCaption;
    // The proposed periods for a pause of so many hours.
    std::function<QList<Storage::PeriodSuggestion>(int gapHours)> suggest;
};

// "Create group folder for a period of days" over its model.
class GroupFolderDialog final : public QDialog
{
    Q_OBJECT

public:
    GroupFolderDialog(Storage::GroupFolderModel &model, GroupFolderDialogHooks hooks, QWidget *parent = nullptr);
    ~GroupFolderDialog() override;

    QPushButton *showButton() const { return m_show; }
    QPushButton *createButton() const { return m_create; }
    QPushButton *undoButton() const { return m_undo; }
    QPushButton *suggestButton() const { return m_suggest; }
    QListWidget *suggestions() const { return m_suggestions; }

    void reject() override;

private:
    void fillSubjects();
    void suggest();
    void showDates();
    void update();
    void fillTree();

    Storage::GroupFolderModel &m_model;
    GroupFolderDialogHooks m_hooks;
    QList<Storage::PeriodSuggestion> m_proposals;
    QDateEdit *m_first = nullptr;
    QDateEdit *m_last = nullptr;
    QLabel *m_days = nullptr;
    QLineEdit *m_description = nullptr;
    QComboBox *m_subject = nullptr;
    QSpinBox *m_gap = nullptr;
    QListWidget *m_suggestions = nullptr;
    QTreeWidget *m_tree = nullptr;
    QPushButton *m_suggest = nullptr;
    QPushButton *m_show = nullptr;
    QPushButton *m_create = nullptr;
    QPushButton *m_undo = nullptr;
    QPushButton *m_close = nullptr;
};

// Opens the dialog for the program's storage settings and pictures over parent.
void createGroupFolder(App::Application &application, QWidget *parent);

} // namespace Ui
