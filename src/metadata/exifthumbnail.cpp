#include "metadata/exifthumbnail.h"

#include "metadata/byteorder_p.h"
#include "metadata/bytesource_p.h"
#include "metadata/exiflocator_p.h"
#include "metadata/tiffparser_p.h"

#include <QFile>

#include <optional>

namespace Metadata {

namespace {

constexpr quint16 offsetTag = 0x0201;
constexpr quint16 lengthTag = 0x0202;
constexpr int entrySize = 12;
constexpr QByteArrayView startOfImage("\xFF\xD8", 2);

// A SHORT or LONG entry's first value; writers use either for offsets and lengths.
std::optional<quint32> number(const char *entry, bool bigEndian)
{
    const quint16 type = ByteOrder::u16(entry + 2, bigEndian);
    if (ByteOrder::u32(entry + 4, bigEndian) == 0)
        return std::nullopt;
    if (type == quint16(TiffType::Short))
        return ByteOrder::u16(entry + 8, bigEndian);
    if (type == quint16(TiffType::Long))
        return ByteOrder::u32(entry + 8, bigEndian);
    return std::nullopt;
}

// The entry table of the directory at offset, with the next-directory offset after it.
std::optional<QByteArray> directoryAt(const ByteSource &block, quint32 offset, bool bigEndian)
{
    const std::optional<QByteArray> count = block.read(offset, 2);
    if (!count)
        return std::nullopt;
    const int entries = ByteOrder::u16(count->constData(), bigEndian);
    if (entries > TiffParser::maxEntries)
        return std::nullopt;
    return block.read(quint64(offset) + 2, quint64(entries) * entrySize + 4);
}

QByteArray thumbnailIn(const ByteSource &file)
{
    const ExifResult<ByteSource> located = ExifLocator::locate(file);
    if (!located)
        return {};
    const ByteSource &block = *located;
    const std::optional<QByteArray> header = block.read(0, 8);
    if (!header || !(header->startsWith("II") || header->startsWith("MM")))
        return {};
    const bool bigEndian = header->startsWith("MM");
    const quint32 ifd0 = ByteOrder::u32(header->constData() + 4, bigEndian);
    const std::optional<QByteArray> first = directoryAt(block, ifd0, bigEndian);
    if (!first)
        return {};
    const quint32 ifd1 = ByteOrder::u32(first->constData() + first->size() - 4, bigEndian);
    if (ifd1 == 0 || ifd1 == ifd0)
        return {};
    const std::optional<QByteArray> second = directoryAt(block, ifd1, bigEndian);
    if (!second)
        return {};
    std::optional<quint32> offset;
    std::optional<quint32> length;
    for (qsizetype at = 0; at + entrySize <= second->size(); at += entrySize) {
        const char *entry = second->constData() + at;
        const quint16 tag = ByteOrder::u16(entry, bigEndian);
        if (tag == offsetTag && !offset)
            offset = number(entry, bigEndian);
        else if (tag == lengthTag && !length)
            length = number(entry, bigEndian);
    }
    if (!offset || !length || *length < quint32(startOfImage.size()) || *length > ExifThumbnail::maxBytes)
        return {};
    std::optional<QByteArray> bytes = block.read(*offset, *length);
    if (!bytes || !bytes->startsWith(startOfImage))
        return {};
    return std::move(*bytes);
}

} // namespace

QByteArray ExifThumbnail::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return thumbnailIn(ByteSource(file));
}

QByteArray ExifThumbnail::readBytes(QByteArrayView file)
{
    return thumbnailIn(ByteSource(file));
}

} // namespace Metadata
