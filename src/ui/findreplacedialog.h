#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace App {
class Application;
}
namespace Session {
class FindReplace;
}

namespace Ui {

class QuickStartWindow;

// The dialog "Find and Replace string of characters": the free texts of the selected pictures in
// a read-only area with the hits marked, the find and replace fields, the line editor that opens
// over a line, and a status line of two fields. It shows the model's state and forwards input.
class FindReplaceDialog final : public QDialog
{
    Q_OBJECT

public:
    FindReplaceDialog(Session::FindReplace &model, std::function<void()> errorSound, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void refresh();
    void showMessages();
    void placeEditor();
    void placeQuestion(QWidget *question) const;
    void focus(int target);
    void showHelp();
    int areaLine() const;

    Session::FindReplace &m_model;
    std::function<void()> m_errorSound;
    QPlainTextEdit *m_area = nullptr;
    QLineEdit *m_editor = nullptr;
    QLineEdit *m_find = nullptr;
    QLineEdit *m_replace = nullptr;
    QCheckBox *m_ignoreCase = nullptr;
    QPushButton *m_findButton = nullptr;
    QPushButton *m_replaceOne = nullptr;
    QPushButton *m_replaceAll = nullptr;
    QPushButton *m_editMode = nullptr;
    QPushButton *m_apply = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_help = nullptr;
    QLabel *m_message = nullptr;
    QLabel *m_occurrences = nullptr;
    QTimer *m_messageTimer = nullptr;
    QuickStartWindow *m_quickStart = nullptr;
    QStringList m_shownLines;
    bool m_placed = false;
    bool m_placeQuestions = false;
};

// Carries out the command "&Find/Replace" of the open folder with the dialog over parent.
void findAndReplace(App::Application &application, QWidget *parent);

} // namespace Ui
