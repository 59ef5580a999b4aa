#pragma once

#include <QByteArrayView>
#include <QString>

namespace Metadata {

struct ExifData;

// The date taken as "yyyy-mm-dd hh:mm:ss" (year in characters 1..4, month 6..7, day 9..10,
// hours 12..13, minutes 15..16, seconds 18..19, always with leading zeros), from
// DateTimeOriginal (0x9003) of the Exif IFD. Empty, meaning no usable date, when the tag is
// missing, is not ASCII of the form "yyyy:mm:dd hh:mm:ss", is blank, names no real date and
// time, or lies outside 1980-01-01 00:00:00 .. 2107-12-31 23:59:59, the range of a file-system
// date. No other date tag stands in; falling back to the file date is the caller's choice.
QString dateTakenText(const ExifData &data);
// The same for the characters of a DateTimeOriginal value, up to its first NUL.
QString dateTakenText(QByteArrayView dateTimeOriginal);

} // namespace Metadata
