#include "metadata/exiflocator_p.h"

#include "metadata/byteorder_p.h"
#include "metadata/heifexif_p.h"
#include "metadata/mediaformat.h"

#include <QtEndian>

#include <algorithm>

namespace Metadata {

namespace {

constexpr QByteArrayView exifHeader("Exif\0\0", 6);
constexpr QByteArrayView pngSignature("\x89PNG\r\n\x1a\n", 8);
constexpr QByteArrayView jpegSignature("\xFF\xD8", 2);

// JPEG markers (ITU T.81 table B.1).
constexpr quint8 markerPrefix = 0xFF;
constexpr quint8 app1 = 0xE1;
constexpr quint8 startOfScan = 0xDA;
constexpr quint8 endOfImage = 0xD9;
constexpr quint8 temporary = 0x01;
constexpr quint8 firstRestart = 0xD0;
constexpr quint8 startOfImage = 0xD8;

ExifError noExif()
{
    return ExifError{ExifError::Code::NoExif, -1};
}

ExifError malformed()
{
    return ExifError{ExifError::Code::Malformed, -1};
}

ExifResult<ByteSource> locateInJpeg(const ByteSource &file)
{
    quint64 position = 2;
    for (int segment = 0; segment < ExifLocator::maxSegments; ++segment) {
        // A marker must stand here; anything else means the segment lengths have lost track
        // of the structure, and guessing further would find "Exif" inside picture data.
        if (file.byteAt(position) != markerPrefix)
            return Records::fail(noExif());
        ++position;
        int fills = 0;
        std::optional<quint8> marker = file.byteAt(position);
        while (marker == markerPrefix) {
            if (++fills > ExifLocator::maxFillBytes)
                return Records::fail(noExif());
            marker = file.byteAt(++position);
        }
        if (!marker || *marker == startOfScan || *marker == endOfImage || *marker == 0)
            return Records::fail(noExif());
        ++position;
        if (*marker == temporary || (*marker >= firstRestart && *marker <= startOfImage))
            continue;

        const std::optional<QByteArray> lengthBytes = file.read(position, 2);
        if (!lengthBytes)
            return Records::fail(noExif());
        // The length counts its own two bytes.
        const quint16 length = qFromBigEndian<quint16>(lengthBytes->constData());
        if (length < 2)
            return Records::fail(noExif());
        if (*marker == app1 && length >= 2 + exifHeader.size()) {
            const std::optional<QByteArray> header = file.read(position + 2, exifHeader.size());
            if (header && *header == exifHeader) {
                if (!file.contains(position, length))
                    return Records::fail(malformed());
                const quint64 payload = position + 2 + quint64(exifHeader.size());
                return file.window(payload, length - 2 - quint64(exifHeader.size()));
            }
        }
        position += length;
    }
    return Records::fail(noExif());
}

ExifResult<ByteSource> locateInPng(const ByteSource &file)
{
    quint64 position = quint64(pngSignature.size());
    for (int chunk = 0; chunk < ExifLocator::maxSegments; ++chunk) {
        const std::optional<QByteArray> header = file.read(position, 8);
        if (!header)
            return Records::fail(noExif());
        const quint32 length = qFromBigEndian<quint32>(header->constData());
        const QByteArrayView type = QByteArrayView(*header).sliced(4);
        // PNG limits a chunk to 2^31 - 1 bytes.
        if (length > 0x7FFFFFFFu)
            return Records::fail(malformed());
        const quint64 data = position + 8;
        if (type == "eXIf") {
            if (!file.contains(data, length))
                return Records::fail(malformed());
            ByteSource block = file.window(data, length);
            // Some writers keep the JPEG segment's "Exif\0\0" in front of the structure.
            const std::optional<QByteArray> start = block.read(0, exifHeader.size());
            if (start && *start == exifHeader)
                return block.window(exifHeader.size(), length - quint64(exifHeader.size()));
            return block;
        }
        if (type == "IEND")
            return Records::fail(noExif());
        // Data and the 4-byte CRC.
        position = data + length + 4;
    }
    return Records::fail(noExif());
}

// A RAF file's header points at the JPEG picture the camera made, whose EXIF block is the
// file's: its offset and length stand at bytes 84 and 88, big-endian.
ExifResult<ByteSource> locateInRaf(const ByteSource &file)
{
    const std::optional<QByteArray> pointer = file.read(84, 8);
    if (!pointer)
        return Records::fail(malformed());
    const quint32 offset = ByteOrder::u32(pointer->constData(), true);
    const quint32 length = ByteOrder::u32(pointer->constData() + 4, true);
    if (!file.contains(offset, length))
        return Records::fail(malformed());
    const ByteSource jpeg = file.window(offset, length);
    if (jpeg.read(0, 2) != jpegSignature)
        return Records::fail(malformed());
    return locateInJpeg(jpeg);
}

// A WebP file is a RIFF file: chunks of a four-character type, a little-endian 32-bit size and
// the data, padded to an even length. The EXIF chunk holds the structure, after the JPEG
// segment's "Exif\0\0" with some writers.
ExifResult<ByteSource> locateInWebP(const ByteSource &file)
{
    const std::optional<QByteArray> riffSize = file.read(4, 4);
    if (!riffSize)
        return Records::fail(noExif());
    const ByteSource riff = file.window(0, 8 + quint64(ByteOrder::u32(riffSize->constData(), false)));
    quint64 position = 12;
    for (int chunk = 0; chunk < ExifLocator::maxSegments; ++chunk) {
        const std::optional<QByteArray> header = riff.read(position, 8);
        if (!header)
            return Records::fail(noExif());
        const quint32 length = ByteOrder::u32(header->constData() + 4, false);
        const quint64 data = position + 8;
        if (header->startsWith("EXIF")) {
            if (!riff.contains(data, length))
                return Records::fail(malformed());
            const ByteSource block = riff.window(data, length);
            if (block.read(0, exifHeader.size()) == exifHeader)
                return block.window(exifHeader.size(), length);
            return block;
        }
        position = data + length + (length & 1);
    }
    return Records::fail(noExif());
}

} // namespace

ExifResult<ByteSource> ExifLocator::locate(const ByteSource &file)
{
    const std::optional<QByteArray> start = file.read(0, std::min<quint64>(file.size(), headBytes));
    if (!start)
        return Records::fail(ExifError{ExifError::Code::ReadFailed, -1});
    switch (mediaFormat(*start)) {
    case MediaFormat::Jpeg:
        return locateInJpeg(file);
    case MediaFormat::Tiff:
        return file;
    case MediaFormat::Png:
        return locateInPng(file);
    case MediaFormat::Raf:
        return locateInRaf(file);
    case MediaFormat::Heif:
        return HeifExif::locate(file);
    case MediaFormat::WebP:
        return locateInWebP(file);
    case MediaFormat::Cr3:
    case MediaFormat::Video:
    case MediaFormat::Unknown:
        break;
    }
    return Records::fail(noExif());
}

} // namespace Metadata
