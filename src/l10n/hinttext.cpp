#include "l10n/hinttext.h"

using namespace Qt::StringLiterals;

namespace L10n {

HintText splitHint(const QString &hint)
{
    const qsizetype marker = hint.indexOf(u"QQ"_s);
    if (marker < 0)
        return {hint, {}};
    return {hint.left(marker).trimmed(), hint.mid(marker + 2)};
}

} // namespace L10n
