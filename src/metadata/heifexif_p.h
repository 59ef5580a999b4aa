#pragma once

#include "metadata/bytesource_p.h"
#include "metadata/exiferror.h"

namespace Metadata {

// Finds the EXIF block of a HEIF or AVIF file (ISO/IEC 23008-12): the item of type "Exif"
// named in the item-information box of the top-level "meta" box, whose bytes the item-location
// box places in the file or in the "meta" box's item-data box. The item's data starts with the
// offset of the TIFF header, counted from the end of that 4-byte field.
class HeifExif final
{
public:
    [[nodiscard]] static ExifResult<ByteSource> locate(const ByteSource &file);

    // Items and extents beyond what any real picture has.
    static constexpr quint32 maxItems = 65536;
};

} // namespace Metadata
