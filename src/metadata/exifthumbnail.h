#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace Metadata {

// The small JPEG picture that cameras store inside the EXIF block (IFD1: offset 0x0201 and
// length 0x0202, counted from the start of the TIFF structure), which can be shown at once
// while the picture itself is still being decoded. Only the file's header region is read: the
// way to the EXIF block, IFD0's entry count and next-directory offset, IFD1 and the thumbnail's
// own bytes, which must lie inside the EXIF block and begin with a JPEG start-of-image marker.
// A picture without such a thumbnail, or any fault on the way, gives the empty array.
class ExifThumbnail final
{
public:
    static QByteArray read(const QString &path);
    // The same for a whole picture file held in memory.
    static QByteArray readBytes(QByteArrayView file);

    // Camera thumbnails are 160x120 pictures of a few kilobytes; a JPEG segment cannot hold
    // more than 64 KB anyway, and only a TIFF file could claim more.
    static constexpr quint32 maxBytes = 1024 * 1024;
};

} // namespace Metadata
