#include "ui/freetextedit.h"

#include "dictionary/editline.h"

#include <QKeyEvent>

using namespace Qt::StringLiterals;

namespace Ui {

namespace {

// Keys the line handles itself and that would otherwise fire a window shortcut (Ctrl+Q quits,
// Ctrl+S toggles a selection) or move the focus.
bool isLineKey(const QKeyEvent *event)
{
    const int key = event->key();
    const bool letterModifier = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_F4:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    case Qt::Key_Q:
    case Qt::Key_S:
    case Qt::Key_Z:
    case Qt::Key_Y:
    case Qt::Key_U:
    case Qt::Key_L:
        return letterModifier;
    case Qt::Key_Left:
    case Qt::Key_Right:
        return event->modifiers() & Qt::AltModifier;
    case Qt::Key_Backspace:
        return event->modifiers() & Qt::ControlModifier;
    default:
        return false;
    }
}

} // namespace

FreeTextEdit::FreeTextEdit(Dictionary::EditLine &line, QWidget *parent) : QLineEdit(parent), m_line(line)
{
    setObjectName(u"freeTextEdit"_s);
    connect(&m_line, &Dictionary::EditLine::textChanged, this, &FreeTextEdit::render);
    // Pastes, cuts and drops by mouse change the text without a key.
    connect(this, &QLineEdit::textEdited, this, &FreeTextEdit::reportEdit);
    connect(this, &QLineEdit::cursorPositionChanged, this, &FreeTextEdit::reportEdit);
    connect(this, &QLineEdit::selectionChanged, this, &FreeTextEdit::reportEdit);
    render();
}

bool FreeTextEdit::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && isLineKey(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    // Tab and Shift+Tab would move the focus before keyPressEvent sees them.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void FreeTextEdit::keyPressEvent(QKeyEvent *event)
{
    if (m_line.keyDown(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    reportEdit();
}

void FreeTextEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    m_line.lineFocused();
    // The field may have selected everything on its own; the model's selection stands.
    render();
}

void FreeTextEdit::render()
{
    m_rendering = true;
    if (text() != m_line.text())
        setText(m_line.text());
    if (m_line.selectionLength() > 0)
        setSelection(m_line.caret(), m_line.selectionLength());
    else
        setCursorPosition(m_line.caret());
    const bool marked = m_line.isMarkedForDeletion();
    if (font().italic() != marked) {
        QFont shown = font();
        shown.setItalic(marked);
        setFont(shown);
        // The deletion mark is shown grey, as a text that is not the picture's own.
        setStyleSheet(marked ? u"color: grey;"_s : QString());
    }
    m_rendering = false;
}

void FreeTextEdit::reportEdit()
{
    if (m_rendering)
        return;
    const bool selected = hasSelectedText();
    const int caret = selected ? selectionStart() : cursorPosition();
    const int length = selected ? selectionLength() : 0;
    if (text() != m_line.text())
        m_line.textEdited(text(), caret, length);
    else if (caret != m_line.caret() || length != m_line.selectionLength())
        m_line.setCaret(caret, length);
}

} // namespace Ui
