#pragma once

#include <QString>

namespace L10n {

struct HintText
{
    QString toolTip;
    QString statusText;
    bool operator==(const HintText &) const = default;
};

// A hint that holds "QQ" is shown from the character after "QQ" to its end in the status bar while
// its control is hovered; what stands before "QQ", if anything, stays the control's tool tip.
// A hint without "QQ" is only a tool tip.
HintText splitHint(const QString &hint);

} // namespace L10n
