#include "compose/extensioncase.h"

#include "l10n/text.h"

namespace Compose {

ExtensionCase::Choice ExtensionCase::fromIndex(qint32 index)
{
    return index == 1 ? Choice::Lower : index == 2 ? Choice::Upper : Choice::Keep;
}

QString ExtensionCase::apply(const QString &extension, Choice choice)
{
    switch (choice) {
    case Choice::Keep:
        return extension;
    case Choice::Lower:
        return extension.toLower();
    case Choice::Upper:
        return extension.toUpper();
    }
    return extension;
}

QString ExtensionCase::caption()
{
    return L10n::text(1770, "Letter case of extension:");
}

QStringList ExtensionCase::captions()
{
    return {L10n::text(1772, "As found"), L10n::text(1774, "lower case"), L10n::text(1776, "UPPER CASE")};
}

} // namespace Compose
