#pragma once

#include <QString>

namespace Session {

// The free-text edit line as the stage-2 editor drives it, so that the editor does not depend on
// how the line offers its completions (DictionaryLine adapts the dictionary's edit line).
class FreeTextLine
{
public:
    virtual ~FreeTextLine() = default;

    // Puts a picture's free text into the line: the history and completions are emptied and the
    // caret goes to the end (to the start while the picture is marked for deletion, in which case
    // the line holds the deletion-mark text and cannot be changed).
    virtual void load(const QString &text, bool markedForDeletion) = 0;
    virtual QString text() const = 0;
    // What Enter without modifier keys does; the multi-purpose button does exactly this.
    virtual void enter() = 0;
    // True when no completion entry is offered.
    virtual bool nothingToAdd() const = 0;
    // Empties the completion list once a free text is confirmed.
    virtual void clearCompletions() = 0;
    // Hides a panel shown beside the line and gives the line the focus back; false when none was
    // shown.
    virtual bool hidePanel() { return false; }
};

} // namespace Session
