#pragma once

#include <QString>

namespace L10n {

// A text the user sees: the English literal, replaced by the active translation of the text's
// position when there is one.
QString text(int position, const char *english);
// A text not yet given a position: the same in every language until scripts/update-translations
// numbers it.
QString text(const char *english);
// The id under which the translations keep the text of a position ("text-42").
QByteArray messageId(int position);

// The standard captions of message boxes and their buttons, replaced as a set.
enum class Standard {
    Warning, Error, Information, Confirm, Yes, No, Ok, Cancel, Help, Abort, Retry, Ignore, All,
    NoToAll, YesToAll,
};
QString standard(Standard which);

// The application title that most messages begin with.
inline QString title()
{
    return QStringLiteral("Mirelto");
}

} // namespace L10n
