#pragma once

#include "metadata/exifelrec.h"

#include <QString>

namespace Metadata {

enum class MetadataItem { DateTaken, Position, Orientation };

// One fact of a picture from its EXIF data, as text:
// - DateTaken: the date-taken text "yyyy-mm-dd hh:mm:ss" (see dateTakenText), or empty; of a
//   video its local time of capture in the system's zone (see mediaDateTaken);
// - Position: the raw position text "lat~lon" (see rawPositionText), or empty;
// - Orientation: "1".."8", "0" when the picture has EXIF data without an orientation, empty
//   for another value.
// A file that is missing, unreadable, of a format without EXIF data, or whose EXIF data is
// malformed gives the empty text.
QString readPictureMetadata(const QString &path, MetadataItem item);

// The raw position text of a picture: readPictureMetadata with Position.
QString GetLatLong(const QString &Picture);

// The picture's tag list (see tagList); the empty list on any failure.
TAExifEl readTagList(const QString &path);

} // namespace Metadata
