#pragma once

#include "compose/pictextlist.h"

#include <QString>

namespace Platform {
class Dialogs;
}
namespace Session {
class PictureSession;
}

namespace Compose {

// Offers to carry a changed per-picture prefix or suffix of row i_row over to the following
// pictures. Called while a picture's free text is committed, with the new (stored) text PS,
// before it is put into the row. The following rows that are selected, have a free text and hold
// exactly the row's old text are counted; when there are any, the user is asked, and on Yes each
// of them gets PS and its record is written. Returns the number of rows changed; a failed write
// has been told to the user and ends the carrying over.
int UpdateChangedPrefixSuffix(Session::PictureSession &pictures, Platform::Dialogs &dialogs, PicTextKind kind,
                              int i_row, const QString &PS);

// The question: "Change other following 2 occurrence(s) of 'X' into 'Y'?", with the empty forms
// "empty prefix(es)" and "an empty prefix" (suffix alike).
QString changedPrefixSuffixQuestion(PicTextKind kind, int count, const QString &oldText, const QString &PS);

} // namespace Compose
