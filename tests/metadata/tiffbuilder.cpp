#include "tiffbuilder.h"

#include <QtEndian>

using namespace Metadata;

namespace {

constexpr quint16 exifPointer = 0x8769;
constexpr quint16 gpsPointer = 0x8825;
constexpr quint16 interoperabilityPointer = 0xA005;
constexpr std::array allDirectories = {ExifDirectory::Ifd0, ExifDirectory::Exif, ExifDirectory::Interoperability,
                                       ExifDirectory::Gps, ExifDirectory::Ifd1};

quint32 tableSize(qsizetype entries)
{
    return quint32(2 + 12 * entries + 4);
}

} // namespace

TiffBuilder::TiffBuilder(bool bigEndian) : m_bigEndian(bigEndian) {}

TiffBuilder &TiffBuilder::add(ExifDirectory directory, quint16 tag, TiffType type, quint32 count,
                              const QByteArray &value)
{
    return addRaw(directory, tag, quint16(type), count, value);
}

TiffBuilder &TiffBuilder::addRaw(ExifDirectory directory, quint16 tag, quint16 type, quint32 count,
                                 const QByteArray &value)
{
    m_entries[directory].append(Entry{tag, type, count, value});
    return *this;
}

TiffBuilder &TiffBuilder::ascii(ExifDirectory directory, quint16 tag, const QByteArray &text)
{
    return add(directory, tag, TiffType::Ascii, quint32(text.size() + 1), text + '\0');
}

TiffBuilder &TiffBuilder::shorts(ExifDirectory directory, quint16 tag, const QList<quint16> &values)
{
    QByteArray bytes;
    for (quint16 value : values)
        bytes += u16(value);
    return add(directory, tag, TiffType::Short, quint32(values.size()), bytes);
}

TiffBuilder &TiffBuilder::longs(ExifDirectory directory, quint16 tag, const QList<quint32> &values)
{
    QByteArray bytes;
    for (quint32 value : values)
        bytes += u32(value);
    return add(directory, tag, TiffType::Long, quint32(values.size()), bytes);
}

TiffBuilder &TiffBuilder::rationals(ExifDirectory directory, quint16 tag,
                                    const QList<std::pair<quint32, quint32>> &values)
{
    QByteArray bytes;
    for (const auto &[numerator, denominator] : values)
        bytes += u32(numerator) + u32(denominator);
    return add(directory, tag, TiffType::Rational, quint32(values.size()), bytes);
}

TiffBuilder &TiffBuilder::addAt(ExifDirectory directory, quint16 tag, TiffType type, quint32 count,
                                quint32 valueOffset)
{
    m_entries[directory].append(Entry{tag, quint16(type), count, {}, true, valueOffset});
    return *this;
}

TiffBuilder &TiffBuilder::pointTo(ExifDirectory directory, quint32 offset)
{
    m_pointers[directory] = offset;
    return *this;
}

QByteArray TiffBuilder::u16(quint16 value) const
{
    QByteArray bytes(2, '\0');
    if (m_bigEndian)
        qToBigEndian(value, bytes.data());
    else
        qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray TiffBuilder::u32(quint32 value) const
{
    QByteArray bytes(4, '\0');
    if (m_bigEndian)
        qToBigEndian(value, bytes.data());
    else
        qToLittleEndian(value, bytes.data());
    return bytes;
}

bool TiffBuilder::isPresent(ExifDirectory directory) const
{
    const auto entries = m_entries.find(directory);
    if (entries != m_entries.end() && !entries->second.isEmpty())
        return true;
    // The Interoperability IFD hangs off the Exif IFD, which must then exist.
    return directory == ExifDirectory::Exif && isPresent(ExifDirectory::Interoperability);
}

QList<TiffBuilder::Entry> TiffBuilder::entriesWithPointers(ExifDirectory directory) const
{
    const auto found = m_entries.find(directory);
    QList<Entry> entries = found == m_entries.end() ? QList<Entry>() : found->second;
    const auto addPointer = [&](ExifDirectory target, quint16 tag) {
        if (isPresent(target) || m_pointers.count(target))
            entries.append(Entry{tag, quint16(TiffType::Long), 1, {}, true, 0});
    };
    if (directory == ExifDirectory::Ifd0) {
        addPointer(ExifDirectory::Exif, exifPointer);
        addPointer(ExifDirectory::Gps, gpsPointer);
    } else if (directory == ExifDirectory::Exif) {
        addPointer(ExifDirectory::Interoperability, interoperabilityPointer);
    }
    return entries;
}

std::map<ExifDirectory, quint32> TiffBuilder::layout() const
{
    std::map<ExifDirectory, quint32> offsets;
    quint32 offset = 8;
    for (ExifDirectory directory : allDirectories) {
        if (directory != ExifDirectory::Ifd0 && !isPresent(directory))
            continue;
        offsets[directory] = offset;
        offset += tableSize(entriesWithPointers(directory).size());
    }
    return offsets;
}

quint32 TiffBuilder::offsetOf(ExifDirectory directory) const
{
    const std::map<ExifDirectory, quint32> offsets = layout();
    const auto found = offsets.find(directory);
    return found == offsets.end() ? 0 : found->second;
}

QByteArray TiffBuilder::build() const
{
    const std::map<ExifDirectory, quint32> offsets = layout();
    const auto pointerTo = [&](ExifDirectory target) -> quint32 {
        if (const auto given = m_pointers.find(target); given != m_pointers.end())
            return given->second;
        const auto found = offsets.find(target);
        return found == offsets.end() ? 0 : found->second;
    };
    quint32 dataOffset = 8;
    for (const auto &[directory, offset] : offsets)
        dataOffset = std::max(dataOffset, offset + tableSize(entriesWithPointers(directory).size()));

    QByteArray tables = QByteArray(m_bigEndian ? "MM" : "II") + u16(42) + u32(8);
    QByteArray data;
    for (const auto &[directory, offset] : offsets) {
        Q_ASSERT(quint32(tables.size()) == offset);
        const QList<Entry> entries = entriesWithPointers(directory);
        tables += u16(quint16(entries.size()));
        for (const Entry &entry : entries) {
            tables += u16(entry.tag) + u16(entry.type) + u32(entry.count);
            if (entry.tag == exifPointer && directory == ExifDirectory::Ifd0 && entry.fixedOffset)
                tables += u32(pointerTo(ExifDirectory::Exif));
            else if (entry.tag == gpsPointer && directory == ExifDirectory::Ifd0 && entry.fixedOffset)
                tables += u32(pointerTo(ExifDirectory::Gps));
            else if (entry.tag == interoperabilityPointer && directory == ExifDirectory::Exif && entry.fixedOffset)
                tables += u32(pointerTo(ExifDirectory::Interoperability));
            else if (entry.fixedOffset)
                tables += u32(entry.valueOffset);
            else if (entry.value.size() <= 4)
                tables += entry.value + QByteArray(4 - entry.value.size(), '\0');
            else {
                tables += u32(dataOffset + quint32(data.size()));
                data += entry.value;
            }
        }
        tables += u32(directory == ExifDirectory::Ifd0 ? pointerTo(ExifDirectory::Ifd1) : 0);
    }
    return tables + data;
}

QByteArray TiffBuilder::segment(quint8 marker, const QByteArray &payload)
{
    QByteArray bytes("\xFF");
    bytes += char(marker);
    bytes += char((payload.size() + 2) >> 8);
    bytes += char((payload.size() + 2) & 0xFF);
    return bytes + payload;
}

QByteArray TiffBuilder::jpeg(const QByteArray &tiff, const QList<QByteArray> &segmentsBefore, int fillBytes)
{
    QByteArray file("\xFF\xD8");
    for (const QByteArray &before : segmentsBefore)
        file += before;
    file += QByteArray(fillBytes, '\xFF');
    file += segment(0xE1, QByteArray("Exif\0\0", 6) + tiff);
    file += segment(0xDB, QByteArray(65, '\x01'));
    file += segment(0xDA, QByteArray(10, '\0'));
    file += QByteArray("\x12\x34\xFF\x00\x56\xFF\xD9", 7);
    return file;
}

QByteArray TiffBuilder::pngChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray length(4, '\0');
    qToBigEndian(quint32(data.size()), length.data());
    // The reader does not check the CRC.
    return length + type + data + QByteArray(4, '\0');
}

QByteArray TiffBuilder::png(const QByteArray &tiff)
{
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", QByteArray(13, '\x01'))
        + pngChunk("eXIf", tiff) + pngChunk("IDAT", QByteArray(20, '\x02')) + pngChunk("IEND", {});
}
