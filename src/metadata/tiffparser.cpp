#include "metadata/tiffparser_p.h"

#include "metadata/byteorder_p.h"
#include "metadata/bytesource_p.h"
#include "metadata/tagnames.h"

#include <QVarLengthArray>

#include <algorithm>

namespace Metadata {

namespace {

constexpr quint16 exifPointerTag = 0x8769;
constexpr quint16 gpsPointerTag = 0x8825;
constexpr quint16 interoperabilityPointerTag = 0xA005;
constexpr quint16 dateTimeOriginalTag = 0x9003;
constexpr int entrySize = 12;

ExifError malformed(quint64 offset)
{
    return ExifError{ExifError::Code::Malformed, qint64(offset)};
}

// One pass over one structure: the directories read so far and the bytes they cost.
class Parser final
{
public:
    Parser(const ByteSource &block, TagSelection tags) : m_block(block), m_tags(tags) {}

    // first: the directory the header points at; pointers are followed from IFD0 only, and
    // from the Exif IFD to its Interoperability IFD.
    ExifResult<ExifData> run(ExifDirectory first);

private:
    // Reads the directory at offset into m_data and returns the offset stored after its
    // entries, that of the next directory (0 for none).
    ExifResult<quint32> readDirectory(ExifDirectory directory, quint32 offset);
    // A read charged to the budget of maxBytesRead; nothing once the budget is spent.
    std::optional<QByteArray> readCounted(quint64 offset, quint64 length);
    // The directory offset a pointer tag holds, nothing when the tag is missing, is not of
    // type LONG or IFD, or holds 0.
    std::optional<quint32> pointer(ExifDirectory directory, quint16 tag) const;

    // Whether the entry is kept in m_data with its value.
    bool isWanted(ExifDirectory directory, quint16 tag) const;

    const ByteSource &m_block;
    const TagSelection m_tags;
    ExifData m_data;
    QVarLengthArray<quint32, exifDirectoryCount> m_visited;
    quint64 m_bytesRead = 0;
};

std::optional<QByteArray> Parser::readCounted(quint64 offset, quint64 length)
{
    m_bytesRead += length;
    if (m_bytesRead > TiffParser::maxBytesRead)
        return std::nullopt;
    return m_block.read(offset, length);
}

ExifResult<quint32> Parser::readDirectory(ExifDirectory directory, quint32 offset)
{
    // Two directories at one offset would list the same tags twice, and a chain that returns
    // to an earlier directory is how hostile files make readers loop.
    if (std::find(m_visited.cbegin(), m_visited.cend(), offset) != m_visited.cend())
        return Records::fail(malformed(offset));
    m_visited.append(offset);

    const bool bigEndian = m_data.bigEndian;
    const std::optional<QByteArray> countBytes = readCounted(offset, 2);
    if (!countBytes)
        return Records::fail(malformed(offset));
    const int count = ByteOrder::u16(countBytes->constData(), bigEndian);
    if (count > TiffParser::maxEntries)
        return Records::fail(malformed(offset));
    const quint64 tableOffset = quint64(offset) + 2;
    const std::optional<QByteArray> table = readCounted(tableOffset, quint64(count) * entrySize + 4);
    if (!table)
        return Records::fail(malformed(tableOffset));

    QList<ExifEntry> &entries = m_data.directories[static_cast<std::size_t>(directory)];
    if (m_tags == TagSelection::Named)
        entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        const char *raw = table->constData() + i * entrySize;
        ExifEntry entry;
        entry.tag = ByteOrder::u16(raw, bigEndian);
        entry.type = ByteOrder::u16(raw + 2, bigEndian);
        entry.count = ByteOrder::u32(raw + 4, bigEndian);
        const int typeSize = tiffTypeSize(entry.type);
        if (typeSize == 0)
            continue;
        // OffsetTimeOriginal is read for the camera clocks but is no tag of the tag list.
        const bool clockZone = directory == ExifDirectory::Exif && entry.tag == 0x9011;
        const bool wanted = isWanted(directory, entry.tag);
        if (isNamedTag(directory, entry.tag) || clockZone) {
            // At most 2^32 - 1 values of 8 bytes: the product cannot overflow 64 bits.
            const quint64 length = quint64(entry.count) * quint64(typeSize);
            if (length <= 4) {
                if (wanted)
                    entry.data = QByteArray(raw + 8, qsizetype(length));
            } else {
                const quint32 valueOffset = ByteOrder::u32(raw + 8, bigEndian);
                if (!m_block.contains(valueOffset, length))
                    return Records::fail(malformed(tableOffset + quint64(i) * entrySize));
                const quint64 kept = std::min<quint64>(length, ExifData::maxValueBytes);
                // A value not kept is charged all the same, so that both selections judge a
                // structure alike.
                if (!wanted) {
                    m_bytesRead += kept;
                    if (m_bytesRead > TiffParser::maxBytesRead)
                        return Records::fail(malformed(valueOffset));
                    continue;
                }
                std::optional<QByteArray> value = readCounted(valueOffset, kept);
                if (!value)
                    return Records::fail(malformed(valueOffset));
                entry.data = std::move(*value);
            }
        }
        if (wanted)
            entries.append(std::move(entry));
    }
    return ByteOrder::u32(table->constData() + count * entrySize, bigEndian);
}

bool Parser::isWanted(ExifDirectory directory, quint16 tag) const
{
    if (m_tags == TagSelection::Named)
        return true;
    switch (directory) {
    case ExifDirectory::Ifd0:
        return tag == exifPointerTag || tag == gpsPointerTag;
    case ExifDirectory::Exif:
        return tag == interoperabilityPointerTag || tag == dateTimeOriginalTag;
    default:
        return false;
    }
}

std::optional<quint32> Parser::pointer(ExifDirectory directory, quint16 tag) const
{
    const ExifEntry *entry = m_data.find(directory, tag);
    if (!entry || entry->data.size() < 4)
        return std::nullopt;
    const auto type = static_cast<TiffType>(entry->type);
    if (type != TiffType::Long && type != TiffType::Ifd)
        return std::nullopt;
    const quint32 offset = ByteOrder::u32(entry->data.constData(), m_data.bigEndian);
    // Offset 0 is the header itself: writers use it for "no directory".
    if (offset == 0)
        return std::nullopt;
    return offset;
}

ExifResult<ExifData> Parser::run(ExifDirectory first)
{
    const std::optional<QByteArray> header = readCounted(0, 8);
    if (!header)
        return Records::fail(malformed(0));
    if (header->startsWith("MM"))
        m_data.bigEndian = true;
    else if (!header->startsWith("II"))
        return Records::fail(malformed(0));
    if (!TiffParser::isMagic(ByteOrder::u16(header->constData() + 2, m_data.bigEndian)))
        return Records::fail(malformed(2));

    const quint32 ifd0Offset = ByteOrder::u32(header->constData() + 4, m_data.bigEndian);
    if (ifd0Offset < 8)
        return Records::fail(malformed(4));
    const ExifResult<quint32> ifd1Offset = readDirectory(first, ifd0Offset);
    if (!ifd1Offset)
        return Records::fail(ifd1Offset.error());
    if (first == ExifDirectory::Exif) {
        if (const std::optional<quint32> offset = pointer(ExifDirectory::Exif, interoperabilityPointerTag)) {
            if (const ExifResult<quint32> read = readDirectory(ExifDirectory::Interoperability, *offset); !read)
                return Records::fail(read.error());
        }
    }
    if (first != ExifDirectory::Ifd0)
        return std::move(m_data);

    if (const std::optional<quint32> exifOffset = pointer(ExifDirectory::Ifd0, exifPointerTag)) {
        if (const ExifResult<quint32> read = readDirectory(ExifDirectory::Exif, *exifOffset); !read)
            return Records::fail(read.error());
        const std::optional<quint32> interoperabilityOffset =
            pointer(ExifDirectory::Exif, interoperabilityPointerTag);
        if (interoperabilityOffset) {
            const ExifResult<quint32> read =
                readDirectory(ExifDirectory::Interoperability, *interoperabilityOffset);
            if (!read)
                return Records::fail(read.error());
        }
    }
    if (const std::optional<quint32> gpsOffset = pointer(ExifDirectory::Ifd0, gpsPointerTag)) {
        if (const ExifResult<quint32> read = readDirectory(ExifDirectory::Gps, *gpsOffset); !read)
            return Records::fail(read.error());
    }
    if (*ifd1Offset != 0) {
        if (const ExifResult<quint32> read = readDirectory(ExifDirectory::Ifd1, *ifd1Offset); !read)
            return Records::fail(read.error());
    }
    return std::move(m_data);
}

} // namespace

bool TiffParser::isMagic(quint16 magic)
{
    return magic == 42 || magic == 0x55 || magic == 0x4F52 || magic == 0x5352;
}

ExifResult<ExifData> TiffParser::parse(const ByteSource &block, TagSelection tags)
{
    return Parser(block, tags).run(ExifDirectory::Ifd0);
}

ExifResult<ExifData> TiffParser::parseDirectory(const ByteSource &block, ExifDirectory first, TagSelection tags)
{
    return Parser(block, tags).run(first);
}

} // namespace Metadata
