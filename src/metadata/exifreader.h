#pragma once

#include "metadata/exifdata.h"
#include "metadata/exiferror.h"

#include <QByteArrayView>
#include <QString>

namespace Metadata {

// Reads the EXIF data of a picture: JPEG (the first APP1 "Exif" segment), TIFF (either byte
// order) and PNG (the eXIf chunk); the format is told by the file's first bytes, not its name.
// A file is read piece by piece: segment and chunk headers, then the directories and the
// values of the named tags, never the picture data.
class ExifReader final
{
public:
    [[nodiscard]] static ExifResult<ExifData> read(const QString &path);
    // The same for a whole picture file held in memory.
    [[nodiscard]] static ExifResult<ExifData> readBytes(QByteArrayView file);
    // A bare TIFF structure: the payload of a JPEG EXIF segment after "Exif\0\0".
    [[nodiscard]] static ExifResult<ExifData> readTiff(QByteArrayView block);
};

} // namespace Metadata
