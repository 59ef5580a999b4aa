#pragma once

#include <QString>
#include <QStringList>

namespace Compose {

// The four choices of the separator placed between title elements, stored as their index.
namespace ElementSeparator {

constexpr int count = 4;

// "Space", "Hyphen '-'", "Underscore '_'", "No separator", in index order.
QStringList captions();
// The separator of a choice; an index outside the four, as a damaged settings file could hold,
// counts as the default choice 0, a space.
QString text(int index);
// The choice a control shows for a stored index: the index itself, or 0 outside the four.
int validIndex(int index);

} // namespace ElementSeparator

} // namespace Compose
