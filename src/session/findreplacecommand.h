#pragma once

#include "session/rfreetext.h"

#include <QList>
#include <QString>

#include <functional>

namespace Platform {
class Dialogs;
}
namespace Settings {
class ProgramSettings;
}

namespace Session {

class FindReplace;
class PictureSession;
class Selection;

// The command "&Find/Replace": finds and replaces a string in the free texts of the selected
// pictures through the dialog, and writes the changed free texts back when it ends with "&Apply".
class FindReplaceCommand final
{
public:
    FindReplaceCommand(PictureSession &pictures, Selection &selection, Settings::ProgramSettings &programSettings,
                       Platform::Dialogs &dialogs);

    // The hint of the stage-1 button.
    static QString hint();

    // Offers to add the unselected pictures that have free text to the selection, builds the lines
    // and shows the dialog; showDialog returns true when the dialog ended with "&Apply".
    void SBFindReplaceClick(const std::function<bool(FindReplace &)> &showDialog);

    // One line per picture that is selected, has a free text and is not marked for deletion, in
    // table order.
    static QList<RFreeText> FillTFreeText(const PictureSession &pictures);
    // Writes the free texts of lines that differ from their rows; returns how many were written.
    static int ApplyReplaceString(PictureSession &pictures, const QList<RFreeText> &lines);

private:
    PictureSession &m_pictures;
    Selection &m_selection;
    Settings::ProgramSettings &m_programSettings;
    Platform::Dialogs &m_dialogs;
};

} // namespace Session
