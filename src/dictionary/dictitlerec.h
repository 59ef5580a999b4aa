#pragma once

#include <QString>

namespace Dictionary {

// One dictionary entry in memory: the text as it is offered and its comparison key.
struct DicTitleRec
{
    QString DicTitle;
    // FoldText of the lower-cased DicTitle.
    QString DicTitleLow;

    bool operator==(const DicTitleRec &) const = default;
};

} // namespace Dictionary
