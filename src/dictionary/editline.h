#pragma once

#include "dictionary/completionsource.h"
#include "dictionary/wordhelpers.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace Platform {
class Dialogs;
}

namespace Dictionary {

class EditLineHost;

// The free-text edit line of stage 2 with its completion list and context panel. The widgets show
// this state and forward every key, click and focus change; the model decides what they do.
//
// With every accepted change of the text the word being typed is looked up and the completion
// list rebuilt; Enter completes the word with the highlighted completion and an Enter that changes
// nothing confirms the free text through the host. F4 opens the context panel with whole texts
// holding the word.
class EditLine final : public QObject
{
    Q_OBJECT

public:
    // Where the model wants the keyboard focus.
    enum class Target { Line, CompletionList, ContextPanel };
    Q_ENUM(Target)
    // The two read-only lists beside the line.
    enum class List { Completions, Context };
    Q_ENUM(List)

    // Panels narrower than this show the short form of the context status.
    static constexpr int wideStatusWidth = 420;
    // A second press on the same list within this time is a double click.
    static constexpr qint64 doubleClickMilliseconds = 300;

    EditLine(const CompletionSource &source, EditLineHost &host, Platform::Dialogs &dialogs,
             QObject *parent = nullptr);
    ~EditLine() override;

    // The line's text while its picture is marked for deletion.
    static QString deletionMarkText();

    // Puts a picture's free text into the line (or the deletion mark when marked), empties the edit
    // history and puts the caret at the end (at 0 when marked). The change handling runs as for a
    // typed change, so the completions for the text are listed at once.
    void load(const QString &text, bool markedForDeletion);

    // Most completion lines: one more than this is shown. The program passes PSMaxHits.
    int maxHits() const { return m_maxHits; }
    void setMaxHits(int maxHits);

    const QString &text() const { return m_text; }
    int caret() const { return m_caret; }
    int selectionLength() const { return m_selectionLength; }
    QString selectedText() const { return m_text.mid(m_caret, m_selectionLength); }
    bool isMarkedForDeletion() const { return m_marked; }
    // The text that is looked up: the selected text, or the last word.
    QString searchWord() const;
    // True when there is nothing to offer: no completion, or the first one is the word typed. The
    // button beside the line reads "Add" while it is false.
    bool nothingToAdd() const { return m_nothingToAdd; }
    // Caret and selection length taken at the last accepted change and when the panel opened.
    LineSelection rememberedSelection() const { return m_remembered; }
    // The caret and selection saved when Down moved the focus into a list; start -1 for none.
    LineSelection savedLineSelection() const { return m_saved; }

    const QList<CompletionLine> &completions() const { return m_completions; }
    // -1 while the list is empty.
    int highlightedCompletion() const { return m_completionHighlight; }
    // The part of the highlighted completion that Enter takes, normally the whole line.
    QString selectedCompletionPart() const;
    // A widget that lets the user select part of the highlighted line reports it here.
    void setCompletionSelection(int start, int length);

    bool isContextPanelShown() const { return m_contextShown; }
    const QList<ContextLine> &contextLines() const { return m_context.lines; }
    int highlightedContextLine() const { return m_contextHighlight; }
    QString selectedContextPart() const;
    // Length of the key the panel searched for: every occurrence of a line is this long.
    int contextKeyLength() const { return m_contextKeyLength; }
    // Part of the highlighted context line selected by the user.
    void setContextSelection(int start, int length);
    // The two fields of the panel's status line; field 1 in its short form below wideStatusWidth.
    QStringList contextStatus(int panelWidth) const;

    int historyPosition() const { return m_historyPosition; }
    int historyHighest() const { return m_historyHighest; }

    // Input of the line's widget.

    // Characters typed at the caret, each replacing the selection and handled as one keystroke.
    void typeText(const QString &characters);
    // A key pressed in the line: the keys the line handles itself, under the key guard. Returns
    // false for a key the line leaves to the text field (letters, arrows, Backspace, ...).
    bool keyDown(int key, Qt::KeyboardModifiers modifiers);
    // The button beside the line: Enter without modifiers.
    void enter(Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The text field changed its text itself (a key left to it, a paste, a cut): the change
    // handling runs.
    void textEdited(const QString &text, int caret, int selectionLength);
    // The caret or selection moved without a change of the text.
    void setCaret(int caret, int selectionLength = 0);
    // The line got the keyboard focus: a selection saved by Down comes back, the panel hides.
    void lineFocused();

    // Input of the lists.

    // A key in a list: Up, Down, Home, End, PgUp, PgDn, Enter and (in the completion list) F4
    // move or take the highlighted line; characters (text, without Ctrl or Alt) are typed into the
    // line, which gets the focus back. Returns true when used; the list widget never moves its
    // current line by itself, so that Enter always takes the line it shows highlighted.
    bool listKey(List list, int key, Qt::KeyboardModifiers modifiers, const QString &text = {});
    // A mouse button pressed on a line of a list at a time in milliseconds of any steady clock.
    void listPressed(List list, int line, qint64 milliseconds);
    // The mouse button released on a line: that line is highlighted, unless the press was the
    // second of a double click.
    void listReleased(List list, int line);
    // The mouse pointer left the context panel.
    void contextPanelLeft();

    // The operations by the names the stage-2 editor knows them.

    // Change handling after every change of the text.
    void TitleEdChange();
    // Fills the completion list for a search word.
    void Vulmemo(const QString &Woord);
    // Keys of the line that act on the key-down, Enter included. True when consumed.
    bool TitleEdKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // Keys of the line that act on the typed character: Ctrl+Backspace, Tab and Shift+Tab.
    bool TitleEdKeyPress(int key, Qt::KeyboardModifiers modifiers);
    // Fills and shows the context panel for the line or for the highlighted completion.
    enum class Sender { Line, CompletionList };
    void FillPnlHist(Sender sender);
    // Highlights a line of a list, fully selected.
    void StringsRESelectLine(int line);
    void REHistSelectLine(int line);
    // Empties the completion list (after a free text is confirmed).
    void clearCompletions();
    void hideContextPanel();
    // Adds a text to the edit history: nothing when it equals the entry at the position, otherwise
    // it is stored one above the position; entries above are kept.
    void AddToUndo(const QString &text);

Q_SIGNALS:
    // The text, the caret or the selection changed.
    void textChanged();
    void completionsChanged();
    // The panel's lines, its highlighted line or its visibility changed.
    void contextPanelChanged();
    void focusRequested(Dictionary::EditLine::Target target);

private:
    // Puts a text and caret into the line and runs the change handling when the text changed.
    void changeText(const QString &text, int caret, int selectionLength = 0);
    void setCaretQuietly(int caret, int selectionLength);
    void enterKey(Qt::KeyboardModifiers modifiers);
    void downKey();
    void undo();
    void redo();
    void setNothingToAdd(bool nothingToAdd);
    void errorSound();
    QString partOf(const QString &line, const LineSelection &part) const;

    const CompletionSource &m_source;
    EditLineHost &m_host;
    Platform::Dialogs &m_dialogs;

    QString m_text;
    int m_caret = 0;
    int m_selectionLength = 0;
    bool m_marked = false;
    bool m_nothingToAdd = true;
    int m_maxHits = 10;
    LineSelection m_remembered;
    LineSelection m_saved{-1, 0};

    QList<CompletionLine> m_completions;
    int m_completionHighlight = -1;
    LineSelection m_completionPart;

    ContextHits m_context;
    bool m_contextShown = false;
    int m_contextHighlight = -1;
    LineSelection m_contextPart;
    int m_contextKeyLength = 0;

    QStringList m_history;
    int m_historyPosition = -1;
    int m_historyHighest = -1;

    bool m_keyGuard = false;

    List m_lastPressedList = List::Completions;
    int m_lastPressedLine = -1;
    qint64 m_lastPressedAt = 0;
    // The release that ends a double click falls on a list rebuilt by taking the line.
    bool m_ignoreRelease = false;
};

} // namespace Dictionary
