#pragma once

#include <QString>
#include <QTimeZone>

#include <optional>

namespace Metadata {

// The date taken of any file the program lists, as "yyyy-mm-dd hh:mm:ss" (see dateTakenText):
// a picture's DateTimeOriginal, whatever its format; a video's local time of capture (see
// videoDateTakenText), its UTC time shown in zone (nothing: the system's). The format is told
// by the file's first bytes. Empty when the file has no usable date, cannot be read or is
// malformed; falling back to the file date is the caller's choice.
QString mediaDateTaken(const QString &path, const std::optional<QTimeZone> &zone = std::nullopt);

} // namespace Metadata
