#pragma once

#include <QChar>
#include <QString>

// The word-level editing helpers of the free-text edit line. Character positions count from 1 (as
// in RemovedFromPosition and NewPosition of a removed word), the caret from 0 (0 = before the first
// character, the text's length = behind the last).
namespace Dictionary {

// One of the nine characters a title cannot hold: " * / : < > ? \ |. Control characters and
// characters above 127 are legal.
bool IsIllegalTitleChar(QChar c);

// A selection in the line: its start (the caret) and its length.
struct LineSelection
{
    int start = 0;
    int length = 0;

    bool operator==(const LineSelection &) const = default;
};

// Without a selection: the word around the caret. With one: the selection grown to the left over
// the spaces before it and the word before them, so that repeated use takes in word after word.
LineSelection SelectWordAt(const QString &text, int caret, int selectionLength);

enum class Initial { Upper, Lower };
// The text with the first character of the word at the caret upper- or lower-cased. Right after a
// space the word after the caret is meant, at caret 0 the first word. A space found there leaves
// the text unchanged.
QString ToggleInitial(const QString &text, Initial which, int caret);

// A word taken out of a text, with one adjacent space.
struct ResRemoveWord
{
    // The removed characters, the word and its space.
    QString WordRemoved;
    // 1-based position of the first removed character; -1 for an empty text.
    int RemovedFromPosition = -1;
    // The text without them.
    QString Title;
    // Caret after MoveWord put the word back.
    int NewPosition = 0;

    bool operator==(const ResRemoveWord &) const = default;
};

// Removes the word around the caret with the space before it, or the space after it when the word
// starts the text.
ResRemoveWord RemoveWordAt(const QString &text, int caret);

enum class Direction { Backward, Forward };
// The text with the removed word put back one word to the left (Backward) or right (Forward),
// NewPosition being the caret at the start of the word. A word already first (Backward) or last
// (Forward) comes back where it was.
ResRemoveWord MoveWord(const ResRemoveWord &removed, Direction direction);

// Forward: the caret at the start of the next word, 0 when there is none. Backward: the start of
// the word before or around the caret; from caret 0 the start of the last word.
int NextWordStart(const QString &text, int caret, Direction direction);

// The caret behind the word before the word at the caret (0 at the start): where Ctrl+Backspace
// leaves the caret.
int PrevWordEnd(int caret, const QString &text);

} // namespace Dictionary
