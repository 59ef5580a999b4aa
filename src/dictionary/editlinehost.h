#pragma once

#include <QString>
#include <QStringList>

namespace Dictionary {

// What the free-text edit line asks of the stage-2 editor around it. The stage-2 editor
// implements it; a test of the edit line records the calls.
class EditLineHost
{
public:
    virtual ~EditLineHost() = default;

    // Confirm the free text in the line and go on to the next picture (Enter that changes nothing).
    virtual void ConfirmAndAdvance() = 0;
    // Back to the previous selected picture (Up, while stage 2 runs over all selected pictures).
    virtual void GoBack() = 0;
    // Stop editing the free text (Escape or Ctrl+Q without the context panel).
    virtual void quitEditing() = 0;
    // True while stage 2 runs over all selected pictures, false for a single picture.
    virtual bool allPicturesMode() const = 0;
    // The free text of the previous selected picture; Enter on an empty line takes it.
    virtual QString previousFreeText() const = 0;
    // The free texts of the picture table, row by row, for the context panel.
    virtual QStringList pictureFreeTexts() const = 0;
    // The subject list of stage 2 is shown (Shift+Tab at caret 0 moves the focus there).
    virtual bool subjectListShown() const = 0;
    virtual void focusSubjectList() = 0;
    // The nothing-to-add flag changed: the button beside the line needs a new caption.
    virtual void nothingToAddChanged(bool nothingToAdd) = 0;
};

} // namespace Dictionary
