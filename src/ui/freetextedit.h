#pragma once

#include <QLineEdit>

namespace Dictionary {
class EditLine;
}

namespace Ui {

// The free-text edit line: shows the model's text, caret and selection and hands every key to it
// first, Tab and Shift+Tab included, so that they move the caret between words instead of the
// focus. A key the model leaves alone is edited by the field and the result reported back.
class FreeTextEdit final : public QLineEdit
{
    Q_OBJECT

public:
    explicit FreeTextEdit(Dictionary::EditLine &line, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void render();
    // Reports what the field itself changed.
    void reportEdit();

    Dictionary::EditLine &m_line;
    bool m_rendering = false;
};

} // namespace Ui
