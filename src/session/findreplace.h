#pragma once

#include "session/rfind.h"
#include "session/rfreetext.h"

#include <QList>
#include <QObject>
#include <QString>

namespace Platform {
class Dialogs;
}
namespace Settings {
class ProgramSettings;
}

namespace Session {

// A marked stretch of a line in the text area: a hit still to come (or just found), one replaced
// and one skipped by a replacement run. Marks are shown bold.
struct FindMark
{
    enum class Kind { Found, Replaced, Skipped };
    int line = 0;
    // 0-based in the line as shown, with its leading space.
    int column = 0;
    int length = 0;
    Kind kind = Kind::Found;

    bool operator==(const FindMark &) const = default;
};

// A stretch of a line the text area selects; line -1 for none.
struct LineSpan
{
    int line = -1;
    int column = 0;
    int length = 0;

    bool operator==(const LineSpan &) const = default;
};

// A field's text after an edit, with the caret; refused characters are taken out.
struct FieldText
{
    QString text;
    int caret = 0;
};

// The dialog "Find and Replace string of characters" as a model. It works on a copy of the free
// texts of the selected pictures: nothing reaches the picture table until the caller writes
// lines() back after "&Apply". Questions go through the dialogs interface; the dialog's own
// status line, focus and sound are asked for by signals.
class FindReplace final : public QObject
{
    Q_OBJECT

public:
    // Where the model wants the keyboard focus; Next: on to the field after the line editor.
    enum class Target { FindString, ReplaceBy, ReplaceOneByOne, TextArea, LineEditor, Next };
    Q_ENUM(Target)
    // What a key did in the line editor.
    enum class KeyResult { NotHandled, Handled };

    // A second press in the text area within this time opens the line editor.
    static constexpr qint64 doubleClickMilliseconds = 300;

    FindReplace(const QList<RFreeText> &lines, Settings::ProgramSettings &programSettings, Platform::Dialogs &dialogs,
                QObject *parent = nullptr);

    static QString windowCaption();
    static QString header();
    static QString findStringCaption();
    static QString findCaption();
    static QString ignoreCaseCaption();
    static QString replaceByCaption();
    // The two field captions with an access key on their last word, for the fields' labels.
    static QString findStringLabel();
    static QString replaceByLabel();
    static QString replaceOneByOneCaption();
    static QString replaceAllCaption();
    static QString editModeCaption();
    static QString applyCaption();
    static QString cancelCaption();
    static QString helpCaption();
    // The message shown when a refused character was typed into a field.
    static QString illegalCharacterMessage();
    // The error after a replacement run that left the hits of these pictures, whose free texts
    // it would have made longer than the title file keeps.
    static QString tooLongMessage(const QStringList &pictures);
    // The error when the line editor's text is too long to be stored for the picture.
    static QString tooLongLineMessage(const QString &picture);

    const QList<RFreeText> &lines() const { return m_lines; }
    const QList<RFind> &hits() const { return m_hits; }
    // The text area's lines as shown, each with its leading space.
    QStringList shownLines() const;
    // The marks to show; none once the find string got the focus.
    QList<FindMark> marks() const;
    // The hit the text area selects, or the whole current line.
    LineSpan selection() const { return m_selection; }

    const QString &findString() const { return m_findString; }
    const QString &replaceString() const { return m_replaceString; }
    FieldText setFindString(const QString &text, int caret);
    FieldText setReplaceString(const QString &text, int caret);
    bool ignoreCase() const { return m_ignoreCase; }
    void setIgnoreCase(bool on) { m_ignoreCase = on; }
    // The check box lost the focus (or the dialog closes): a changed value is stored.
    void ignoreCaseLeft();

    bool findEnabled() const { return m_findEnabled; }
    // "Replace by" and both replace buttons.
    bool replaceEnabled() const { return m_replaceEnabled; }
    bool applyEnabled() const { return m_changed; }
    bool editModeEnabled() const { return !m_editorOpen; }
    bool textAreaLocked() const { return m_editorOpen; }
    static Target initialFocus() { return Target::FindString; }

    // Field 0 of the status line: messages, cleared by clearMessage() after messageSeconds().
    const QString &message() const { return m_message; }
    bool messageIsError() const { return m_messageError; }
    int messageSeconds() const { return m_messageSeconds; }
    void clearMessage();
    // Field 1: the occurrence count. The part up to and including the first comma shows in red,
    // the rest in blue.
    const QString &occurrences() const { return m_occurrences; }
    QString occurrencesLead() const;
    QString occurrencesRest() const { return m_occurrences.mid(occurrencesLead().size()); }

    // Input of the fields and buttons.
    void findStringFocused();
    // Enter in "Find string": searches when it is not empty.
    void findStringEnter();
    // Enter in "Replace by".
    void replaceByEnter();
    // "&Find".
    void find();
    // "&Replace one by one" (asks "Replace ?" for every hit) and "Replace a&ll".
    void replace(bool oneByOne);

    // Input of the text area.
    int currentLine() const { return m_currentLine; }
    // The text area got the focus.
    void textAreaEntered(int line);
    // The line at the caret, taken on a mouse release or an Up or Down released in the area.
    void setCurrentLine(int line);
    // A mouse press in the area; the second within doubleClickMilliseconds opens the editor.
    void textAreaPressed(int line, qint64 milliseconds);
    // "&Edit mode", or Enter in the text area.
    void openEditor();

    // The line editor.
    bool editorOpen() const { return m_editorOpen; }
    const QString &editorText() const { return m_editorText; }
    int editorCaret() const { return m_editorCaret; }
    // The editor's field changed its text itself.
    void editorEdited(const QString &text, int caret);
    void setEditorCaret(int caret) { m_editorCaret = caret; }
    KeyResult editorKey(int key, Qt::KeyboardModifiers modifiers);
    // The editor lost the focus otherwise than by its keys: it closes without change.
    void editorLeft();

Q_SIGNALS:
    // The lines, marks, selection, fields or enabled states may have changed.
    void changed();
    void messageChanged();
    void focusRequested(Session::FindReplace::Target target);
    void errorSound();
    // Escape in the line editor: the whole dialog is cancelled.
    void cancelRequested();

private:
    FieldText cleaned(const QString &text, int caret);
    void setMessage(const QString &text, bool error, int seconds);
    void closeEditor(bool store);
    void storeLine(int line, const QString &freeText);
    void shiftFollowing(int line, int delta);
    void showCount(int current);

    QList<RFreeText> m_lines;
    QList<RFind> m_hits;
    Settings::ProgramSettings &m_programSettings;
    Platform::Dialogs &m_dialogs;
    QString m_findString;
    QString m_replaceString;
    bool m_ignoreCase = true;
    bool m_findEnabled = false;
    bool m_replaceEnabled = false;
    bool m_changed = false;
    bool m_marksShown = false;
    // Hits before this index were visited by the last replacement run.
    int m_visited = 0;
    int m_replacedLength = 0;
    int m_foundLength = 0;
    LineSpan m_selection;
    QString m_message;
    bool m_messageError = false;
    int m_messageSeconds = 0;
    QString m_occurrences;
    int m_currentLine = 0;
    qint64 m_lastPress = -1;
    int m_lastPressLine = -1;
    bool m_editorOpen = false;
    QString m_editorText;
    int m_editorCaret = 0;
};

} // namespace Session
