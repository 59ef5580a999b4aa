#pragma once

#include "metadata/exifdata.h"

#include <QString>

namespace Metadata {

// A value as text, at most maxValueTextLength characters: ASCII as its characters up to the
// first NUL; the Windows text tags 40091..40095 of IFD0 (UCS-2, little-endian whatever the
// structure's byte order, as Windows writes them) as their text; the integer types as decimal
// numbers; RATIONAL and SRATIONAL as the numerator when the denominator is 1, else numerator
// "/" denominator, and empty for denominator 0; FLOAT and DOUBLE in general notation with 15
// significant digits; UNDEFINED as two upper-case hexadecimal digits per byte, run together.
// Several values are separated by commas.
QString valueText(const ExifEntry &entry, ExifDirectory directory, bool bigEndian);

inline constexpr int maxValueTextLength = 200;

} // namespace Metadata
