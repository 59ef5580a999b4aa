#pragma once

namespace Session {

// One occurrence of the find string found by the last search.
struct RFind
{
    // Position in the dialog's text area.
    int RStart = 0;
    // Index of its free-text line.
    int RLine = 0;
    // Position of its first character in the line's FreeText, counting from 1; the leading space
    // is position 1.
    int RPosInLine = 0;
    bool RIsReplaced = false;

    bool operator==(const RFind &) const = default;
};

} // namespace Session
