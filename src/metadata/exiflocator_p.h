#pragma once

#include "metadata/bytesource_p.h"
#include "metadata/exiferror.h"

namespace Metadata {

// Finds the EXIF block (a TIFF structure) of a picture file: the payload of the first JPEG APP1
// segment that starts with "Exif\0\0", wherever it stands among the segments before the scan;
// the data of a PNG eXIf chunk; a TIFF file or TIFF-based RAW as a whole; the EXIF block of the
// JPEG picture a RAF file's header points at; the "Exif" item of a HEIF or AVIF file; the EXIF
// chunk of a WebP file. Only segment, chunk and box headers are read on the way. Any other
// format (a CR3 file's EXIF lies in several blocks, see Cr3Exif), or a file of these formats
// without such a block, is NoExif.
class ExifLocator final
{
public:
    [[nodiscard]] static ExifResult<ByteSource> locate(const ByteSource &file);

    // A JPEG marker may be preceded by any number of 0xFF fill bytes and a PNG file may hold
    // any number of chunks; a real file has a handful, so a run beyond these ends the search.
    static constexpr int maxFillBytes = 65536;
    static constexpr int maxSegments = 65536;
};

} // namespace Metadata
