#pragma once

#include "metadata/exifdata.h"
#include "metadata/exiferror.h"

#include <QByteArrayView>
#include <QString>

namespace Metadata {

class ByteSource;

// Reads the EXIF data of a picture: JPEG (the first APP1 "Exif" segment), TIFF (either byte
// order) and the TIFF-based RAWs, PNG (the eXIf chunk), RAF (the EXIF of its embedded JPEG),
// CR3 (its CMT boxes), HEIF and AVIF (the "Exif" item) and WebP (the EXIF chunk); the format
// is told by the file's first bytes, not its name (see mediaFormat). A file is read piece by
// piece: segment, chunk and box headers, then the directories and the values of the named
// tags, never the picture data. A video or any other format is NoExif.
class ExifReader final
{
public:
    [[nodiscard]] static ExifResult<ExifData> read(const QString &path);
    // The same for a whole picture file held in memory.
    [[nodiscard]] static ExifResult<ExifData> readBytes(QByteArrayView file);
    // The same for a file the caller has opened, keeping the entries tags selects.
    [[nodiscard]] static ExifResult<ExifData> readSource(const ByteSource &file,
                                                         TagSelection tags = TagSelection::Named);
    // A bare TIFF structure: the payload of a JPEG EXIF segment after "Exif\0\0".
    [[nodiscard]] static ExifResult<ExifData> readTiff(QByteArrayView block);
};

} // namespace Metadata
