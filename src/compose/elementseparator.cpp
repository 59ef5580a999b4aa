#include "compose/elementseparator.h"

#include "l10n/text.h"

using namespace Qt::StringLiterals;

namespace Compose::ElementSeparator {

QStringList captions()
{
    return {L10n::text(1059, "Space"), L10n::text(1060, "Hyphen '-'"), L10n::text(1061, "Underscore '_'"), L10n::text(1062, "No separator")};
}

int validIndex(int index)
{
    return index >= 0 && index < count ? index : 0;
}

QString text(int index)
{
    switch (validIndex(index)) {
    case 1:
        return u"-"_s;
    case 2:
        return u"_"_s;
    case 3:
        return {};
    default:
        return u" "_s;
    }
}

} // namespace Compose::ElementSeparator
