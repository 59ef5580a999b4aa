#include "retitle/errortable.h"

#include "l10n/text.h"

namespace Retitle {

using L10n::text;

ErrorTable FillErrorTable()
{
    ErrorTable table;
    table.errors[1] =
        text(324, "File with this name already exists (Check 'Force Uniqueness' to automatically solve error)");
    table.errors[2] = text(325, "Title has duplicate(s) in set of selected titles (Check 'Force Uniqueness' to "
                                "automatically solve error)");
    table.errors[3] = text(326, "Title is duplicate of previous title in set of selected titles (Check 'Force "
                                "Uniqueness' to automatically solve error)");
    table.errors[4] = text(327, "Path name exceeds maximum allowed length of 255 characters");
    table.errors[5] = text(328, "Title cannot be empty");
    table.errors[6] = text(329, "Cannot determine which file, a file to be synchronized belongs to");
    table.errors[7] = text(1725, "The destination folder lies behind a symbolic link in the main picture storage "
                                 "folder; pictures are never moved through a link");
    table.warnings[1] = text(330, "Number could not be extracted from Current title");
    table.warnings[2] = text(331, "Defined number of digits to make number too small to hold Counter value");
    table.warnings[3] = text(332, "Defined number of digits to make number too small to hold extracted number from "
                                  "Current title");
    table.warnings[4] = text(333, "Picture date/time taken could not be determined, file date/time is used instead");
    return table;
}

} // namespace Retitle
