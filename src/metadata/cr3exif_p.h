#pragma once

#include "metadata/bytesource_p.h"
#include "metadata/exifdata.h"
#include "metadata/exiferror.h"

#include <QByteArrayView>

namespace Metadata {

// Reads the EXIF data of a Canon CR3 file, an ISO base media file whose "moov" box holds
// Canon's "uuid" box, in which each directory is a TIFF structure of its own: "CMT1" holds
// IFD0, "CMT2" the Exif IFD, "CMT4" the GPS IFD ("CMT3" is the maker note, never read).
class Cr3Exif final
{
public:
    [[nodiscard]] static ExifResult<ExifData> read(const ByteSource &file, TagSelection tags = TagSelection::Named);

    // The extended type of Canon's box inside "moov".
    static constexpr QByteArrayView canonUuid{"\x85\xc0\xb6\x87\x82\x0f\x11\xe0\x81\x11\xf4\xce\x46\x2b\x6a\x48", 16};
};

} // namespace Metadata
