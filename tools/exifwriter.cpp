#include "exifwriter.h"

#include <QtEndian>

namespace Tools {

namespace {

// TIFF field types.
constexpr quint16 asciiType = 2;
constexpr quint16 shortType = 3;
constexpr quint16 longType = 4;
constexpr quint16 rationalType = 5;
constexpr quint16 undefinedType = 7;

constexpr qsizetype entrySize = 12;
constexpr qsizetype tiffHeaderSize = 8;
// "Exif\0\0" before the TIFF structure.
constexpr qsizetype exifHeaderSize = 6;
// A segment's length field counts itself and caps at 16 bits.
constexpr qsizetype largestSegmentContent = 0xFFFF - 2;

qsizetype padded(qsizetype size)
{
    return size + size % 2;
}

} // namespace

ExifWriter::ExifWriter(ByteOrder byteOrder) : m_byteOrder(byteOrder) {}

qsizetype ExifWriter::blockSize(const Entries &directory)
{
    qsizetype size = 2 + qsizetype(directory.size()) * entrySize + 4;
    for (const auto &[tag, entry] : directory) {
        if (entry.value.size() > 4)
            size += padded(entry.value.size());
    }
    return size;
}

void ExifWriter::append16(QByteArray *bytes, quint16 value) const
{
    char raw[2];
    if (m_byteOrder == ByteOrder::LittleEndian)
        qToLittleEndian(value, raw);
    else
        qToBigEndian(value, raw);
    bytes->append(raw, 2);
}

void ExifWriter::append32(QByteArray *bytes, quint32 value) const
{
    char raw[4];
    if (m_byteOrder == ByteOrder::LittleEndian)
        qToLittleEndian(value, raw);
    else
        qToBigEndian(value, raw);
    bytes->append(raw, 4);
}

QByteArray ExifWriter::longValue(quint32 value) const
{
    QByteArray bytes;
    append32(&bytes, value);
    return bytes;
}

void ExifWriter::setAscii(Directory directory, quint16 tag, QByteArrayView text)
{
    QByteArray value = text.toByteArray();
    value.append('\0');
    entries(directory)[tag] = {asciiType, quint32(value.size()), value};
}

void ExifWriter::setShort(Directory directory, quint16 tag, quint16 value)
{
    QByteArray bytes;
    append16(&bytes, value);
    entries(directory)[tag] = {shortType, 1, bytes};
}

void ExifWriter::setLong(Directory directory, quint16 tag, quint32 value)
{
    entries(directory)[tag] = {longType, 1, longValue(value)};
}

void ExifWriter::setRationals(Directory directory, quint16 tag, const QList<std::pair<quint32, quint32>> &values)
{
    QByteArray bytes;
    for (const auto &[numerator, denominator] : values) {
        append32(&bytes, numerator);
        append32(&bytes, denominator);
    }
    entries(directory)[tag] = {rationalType, quint32(values.size()), bytes};
}

void ExifWriter::setUndefined(Directory directory, quint16 tag, QByteArrayView bytes)
{
    entries(directory)[tag] = {undefinedType, quint32(bytes.size()), bytes.toByteArray()};
}

void ExifWriter::setThumbnail(QByteArrayView jpeg)
{
    m_thumbnail = jpeg.toByteArray();
}

void ExifWriter::appendDirectory(QByteArray *tiff, const Entries &directory, quint32 next) const
{
    // Offsets count from the byte-order mark, which is where the TIFF structure begins.
    qsizetype dataOffset = tiff->size() + 2 + qsizetype(directory.size()) * entrySize + 4;
    append16(tiff, quint16(directory.size()));
    for (const auto &[tag, entry] : directory) {
        append16(tiff, tag);
        append16(tiff, entry.type);
        append32(tiff, entry.count);
        if (entry.value.size() > 4) {
            append32(tiff, quint32(dataOffset));
            dataOffset += padded(entry.value.size());
        } else {
            // Short values sit left-aligned in the four bytes.
            tiff->append(entry.value);
            tiff->append(4 - entry.value.size(), '\0');
        }
    }
    append32(tiff, next);
    for (const auto &[tag, entry] : directory) {
        if (entry.value.size() > 4) {
            tiff->append(entry.value);
            if (entry.value.size() % 2)
                tiff->append('\0');
        }
    }
}

QByteArray ExifWriter::tiff() const
{
    Entries main = m_directories[size_t(Directory::Main)];
    const Entries &exif = m_directories[size_t(Directory::Exif)];
    const Entries &gps = m_directories[size_t(Directory::Gps)];
    // The pointers go in first with a dummy value so that IFD0 has its final size.
    if (!exif.empty())
        main[ExifTag::exifOffset] = {longType, 1, longValue(0)};
    if (!gps.empty())
        main[ExifTag::gpsOffset] = {longType, 1, longValue(0)};

    const qsizetype exifStart = tiffHeaderSize + blockSize(main);
    const qsizetype gpsStart = exifStart + (exif.empty() ? 0 : blockSize(exif));
    if (!exif.empty())
        main[ExifTag::exifOffset].value = longValue(quint32(exifStart));
    if (!gps.empty())
        main[ExifTag::gpsOffset].value = longValue(quint32(gpsStart));
    Entries thumbnail;
    const qsizetype thumbnailStart = gpsStart + (gps.empty() ? 0 : blockSize(gps));
    if (!m_thumbnail.isEmpty()) {
        QByteArray jpegCompression;
        append16(&jpegCompression, 6);
        thumbnail[ExifTag::compression] = {shortType, 1, jpegCompression};
        thumbnail[ExifTag::thumbnailOffset] = {longType, 1, longValue(0)};
        thumbnail[ExifTag::thumbnailLength] = {longType, 1, longValue(quint32(m_thumbnail.size()))};
        thumbnail[ExifTag::thumbnailOffset].value = longValue(quint32(thumbnailStart + blockSize(thumbnail)));
    }

    QByteArray bytes = m_byteOrder == ByteOrder::LittleEndian ? QByteArrayLiteral("II") : QByteArrayLiteral("MM");
    append16(&bytes, 42);
    append32(&bytes, quint32(tiffHeaderSize));
    appendDirectory(&bytes, main, thumbnail.empty() ? 0 : quint32(thumbnailStart));
    if (!exif.empty())
        appendDirectory(&bytes, exif);
    if (!gps.empty())
        appendDirectory(&bytes, gps);
    if (!thumbnail.empty()) {
        appendDirectory(&bytes, thumbnail);
        bytes.append(m_thumbnail);
    }
    return bytes;
}

std::optional<QByteArray> ExifWriter::app1Segment() const
{
    const QByteArray structure = tiff();
    const qsizetype contentSize = exifHeaderSize + structure.size();
    if (contentSize > largestSegmentContent)
        return std::nullopt;
    QByteArray segment = QByteArrayLiteral("\xFF\xE1");
    char length[2];
    // JPEG markers are big-endian whatever order the TIFF structure inside uses.
    qToBigEndian(quint16(contentSize + 2), length);
    segment.append(length, 2);
    segment.append("Exif\0\0", exifHeaderSize);
    segment.append(structure);
    return segment;
}

std::optional<QByteArray> ExifWriter::insertInto(const QByteArray &jpeg) const
{
    if (!jpeg.startsWith(QByteArrayView("\xFF\xD8", 2)))
        return std::nullopt;
    const std::optional<QByteArray> segment = app1Segment();
    if (!segment)
        return std::nullopt;
    return jpeg.left(2) + *segment + jpeg.mid(2);
}

} // namespace Tools
