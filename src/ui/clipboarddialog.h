#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace App {
class ClipboardModel;
}

namespace Ui {

// "Clipboard to Static Dictionary" over its model: the text area, the add-or-replace choice and
// the private dictionaries loaded and saved through the file dialogs.
class ClipboardDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit ClipboardDialog(App::ClipboardModel &model, QWidget *parent = nullptr);

    QPlainTextEdit *textArea() const { return m_text; }
    QPushButton *makeButton() const { return m_make; }
    QPushButton *saveButton() const { return m_save; }
    QRadioButton *addButton() const { return m_add; }

Q_SIGNALS:
    void helpRequested();

private:
    void update();
    void load();
    void save();
    void make();

    App::ClipboardModel &m_model;
    QPlainTextEdit *m_text = nullptr;
    QRadioButton *m_add = nullptr;
    QRadioButton *m_replace = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_make = nullptr;
};

} // namespace Ui
