#pragma once

#include <QString>

namespace Session {

// One line of the find-and-replace dialog: the free text of one picture that is selected, has a
// free text and is not marked for deletion.
struct RFreeText
{
    // A space followed by the picture's free text; the dialog changes it.
    QString FreeText;
    // FreeText lower-cased, kept in step with it.
    QString LFreeText;
    // Where the line starts in the dialog's text area: each line takes its length plus a line
    // break of two characters.
    int LineStartsAt = 0;
    // The picture-table row of the picture.
    int FreeText_Row = -1;
    // The picture's current title, for the messages that name it.
    QString Picture;

    bool operator==(const RFreeText &) const = default;
};

} // namespace Session
