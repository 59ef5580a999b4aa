#pragma once

#include <QString>

namespace Metadata {

struct ExifData;

// Orientation (0x0112) of IFD0 as one digit "1".."8"; "0" when the tag is missing; empty for
// any other value, including a tag without values or of a non-integer type.
QString orientationText(const ExifData &data);

} // namespace Metadata
