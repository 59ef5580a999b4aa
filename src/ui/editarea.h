#pragma once

#include <QWidget>

class QLineEdit;

namespace Dictionary {
class EditLine;
}

namespace Ui {

class CompletionList;
class ContextPanel;
class FreeTextEdit;

// The free-text edit line of stage 2 with the completion list beside it and the context panel
// below it. The stage-2 panel places it among its own controls and gives lineEdit() the focus.
class EditArea final : public QWidget
{
    Q_OBJECT

public:
    EditArea(Dictionary::EditLine &line, QWidget *parent = nullptr);

    QLineEdit *lineEdit() const;
    CompletionList *completionList() const { return m_completions; }
    ContextPanel *contextPanel() const { return m_context; }

private:
    Dictionary::EditLine &m_line;
    FreeTextEdit *m_edit = nullptr;
    CompletionList *m_completions = nullptr;
    ContextPanel *m_context = nullptr;
};

} // namespace Ui
