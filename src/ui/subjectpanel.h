#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QPushButton;
class QToolButton;

namespace App {
class Application;
}

namespace Ui {

// The subject controls of stage 1 (the assign list, "S&ubject to all selected", the erase button
// and "&New/Edit") or of stage 2 (the list of the picture being edited and "&New"). Shown, and
// enabled, only while subjects are in use.
class SubjectPanel final : public QWidget
{
    Q_OBJECT

public:
    enum class Stage { Selecting, Editing };

    SubjectPanel(App::Application &application, Stage stage, QWidget *parent = nullptr);

Q_SIGNALS:
    // "&New/Edit" or "&New": the maintenance dialog is to open.
    void maintainRequested();

private:
    void fill();
    void update();

    App::Application &m_application;
    Stage m_stage;
    QGroupBox *m_box = nullptr;
    QComboBox *m_list = nullptr;
    QPushButton *m_assign = nullptr;
    QToolButton *m_erase = nullptr;
    QPushButton *m_maintain = nullptr;
};

// Opens the dialog "Maintenance Subjects" over parent.
void maintainSubjects(App::Application &application, QWidget *parent);

} // namespace Ui
