#include "metadata/exiflocator_p.h"

#include <QtEndian>

#include <algorithm>

namespace Metadata {

namespace {

constexpr QByteArrayView exifHeader("Exif\0\0", 6);
constexpr QByteArrayView pngSignature("\x89PNG\r\n\x1a\n", 8);
constexpr QByteArrayView jpegSignature("\xFF\xD8", 2);
constexpr QByteArrayView tiffLittleEndian("II*\0", 4);
constexpr QByteArrayView tiffBigEndian("MM\0*", 4);

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

} // namespace

ExifResult<ByteSource> ExifLocator::locate(const ByteSource &file)
{
    const std::optional<QByteArray> start = file.read(0, std::min<quint64>(file.size(), 8));
    if (!start)
        return Records::fail(ExifError{ExifError::Code::ReadFailed, -1});
    if (start->startsWith(jpegSignature))
        return locateInJpeg(file);
    if (start->startsWith(tiffLittleEndian) || start->startsWith(tiffBigEndian))
        return file;
    if (*start == pngSignature)
        return locateInPng(file);
    return Records::fail(noExif());
}

} // namespace Metadata
