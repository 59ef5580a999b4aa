#pragma once

#include "metadata/exiferror.h"
#include "metadata/videometadata.h"

#include <QByteArrayView>
#include <QString>

namespace Metadata {

class ByteSource;

// Reads a video's metadata from its "moov" box (ISO/IEC 14496-12, QuickTime): the movie header
// "mvhd" (versions 0 and 1) and the "keys" and "ilst" boxes of the "meta" box of "moov" or of
// its "udta". Only box headers and these boxes are read; the top-level boxes before "moov",
// the media data among them, are stepped over by their sizes. A file that is not an ISO base
// media file or QuickTime movie is NoExif; one without "moov", or whose boxes break their
// sizes on the way there, is Malformed.
class VideoReader final
{
public:
    [[nodiscard]] static ExifResult<VideoMetadata> read(const QString &path);
    // The same for a whole file held in memory.
    [[nodiscard]] static ExifResult<VideoMetadata> readBytes(QByteArrayView file);
    // The same for a file the caller has opened.
    [[nodiscard]] static ExifResult<VideoMetadata> readSource(const ByteSource &file);
};

} // namespace Metadata
