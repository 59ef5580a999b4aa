#include "metadata/heifexif_p.h"

#include "metadata/byteorder_p.h"
#include "metadata/isoboxes_p.h"

#include <optional>

namespace Metadata {

namespace {

constexpr QByteArrayView exifHeader("Exif\0\0", 6);

ExifError noExif()
{
    return ExifError{ExifError::Code::NoExif, -1};
}

ExifError malformed()
{
    return ExifError{ExifError::Code::Malformed, -1};
}

// Reads big-endian fields of 0, 2, 4 or 8 bytes one after the other from a run.
class FieldReader final
{
public:
    FieldReader(const ByteSource &run, quint64 position) : m_run(run), m_position(position) {}

    std::optional<quint64> next(int bytes)
    {
        if (bytes == 0)
            return 0;
        const std::optional<QByteArray> field = m_run.read(m_position, quint64(bytes));
        if (!field)
            return std::nullopt;
        m_position += quint64(bytes);
        quint64 value = 0;
        for (const char byte : *field)
            value = value << 8 | quint8(byte);
        return value;
    }

private:
    const ByteSource &m_run;
    quint64 m_position;
};

// The ID of the first item of type "Exif" in the item-information box (a full box with an
// entry count of 16 bits in version 0, of 32 bits after), whose "infe" entries of version 2
// and 3 carry a 16- or 32-bit ID, a protection index and the item type.
std::optional<quint32> exifItemId(const ByteSource &itemInfo)
{
    const std::optional<quint8> version = itemInfo.byteAt(0);
    if (!version)
        return std::nullopt;
    quint64 position = *version == 0 ? 6 : 8;
    for (quint32 i = 0; i < HeifExif::maxItems && position < itemInfo.size(); ++i) {
        const std::optional<IsoBox> box = IsoBoxes::at(itemInfo, position);
        if (!box)
            return std::nullopt;
        position = box->end;
        if (box->type != "infe")
            continue;
        const ByteSource entry = itemInfo.window(box->payload, box->payloadSize);
        const std::optional<quint8> entryVersion = entry.byteAt(0);
        if (!entryVersion || *entryVersion < 2)
            continue;
        const quint64 idSize = *entryVersion == 2 ? 2 : 4;
        const std::optional<QByteArray> fields = entry.read(4, idSize + 2 + 4);
        if (!fields)
            return std::nullopt;
        if (fields->sliced(qsizetype(idSize) + 2) == "Exif")
            return idSize == 2 ? ByteOrder::u16(fields->constData(), true) : ByteOrder::u32(fields->constData(), true);
    }
    return std::nullopt;
}

// The bytes of the item as the item-location box places them: one extent, at a file offset
// (construction method 0) or within the item-data box (method 1).
ExifResult<ByteSource> itemData(const ByteSource &file, const ByteSource &metaChildren, const ByteSource &locations,
                                quint32 item)
{
    const std::optional<QByteArray> header = locations.read(0, 6);
    if (!header)
        return Records::fail(malformed());
    const int version = quint8(header->at(0));
    if (version > 2)
        return Records::fail(malformed());
    const int offsetSize = quint8(header->at(4)) >> 4;
    const int lengthSize = quint8(header->at(4)) & 0x0F;
    const int baseOffsetSize = quint8(header->at(5)) >> 4;
    const int indexSize = version == 0 ? 0 : quint8(header->at(5)) & 0x0F;
    const auto valid = [](int size) { return size == 0 || size == 4 || size == 8; };
    if (!valid(offsetSize) || !valid(lengthSize) || !valid(baseOffsetSize) || !valid(indexSize))
        return Records::fail(malformed());
    FieldReader fields(locations, 6);
    const std::optional<quint64> count = fields.next(version < 2 ? 2 : 4);
    if (!count || *count > HeifExif::maxItems)
        return Records::fail(malformed());
    // Fields of size 0 take no bytes, so the file's end would not stop a count of them.
    quint64 extentsSeen = 0;
    for (quint64 i = 0; i < *count; ++i) {
        const std::optional<quint64> id = fields.next(version < 2 ? 2 : 4);
        const std::optional<quint64> method = version == 0 ? std::optional<quint64>(0) : fields.next(2);
        const std::optional<quint64> reference = fields.next(2);
        const std::optional<quint64> base = fields.next(baseOffsetSize);
        const std::optional<quint64> extents = fields.next(2);
        extentsSeen += extents ? *extents : 0;
        if (!id || !method || !reference || !base || !extents || extentsSeen > HeifExif::maxItems)
            return Records::fail(malformed());
        std::optional<quint64> offset;
        std::optional<quint64> length;
        for (quint64 e = 0; e < *extents; ++e) {
            if (!fields.next(indexSize))
                return Records::fail(malformed());
            offset = fields.next(offsetSize);
            length = fields.next(lengthSize);
            if (!offset || !length)
                return Records::fail(malformed());
        }
        if (*id != item)
            continue;
        // EXIF data is written in one piece; an item in several extents or in another file
        // is not one this reader puts together.
        const quint64 constructionMethod = *method & 0x0F;
        if (*extents != 1 || *reference != 0 || constructionMethod > 1)
            return Records::fail(malformed());
        const std::optional<ByteSource> itemDataBox = IsoBoxes::find(metaChildren, "idat");
        if (constructionMethod == 1 && !itemDataBox)
            return Records::fail(malformed());
        const ByteSource &source = constructionMethod == 0 ? file : *itemDataBox;
        const quint64 start = *base + *offset;
        if (start < *base)
            return Records::fail(malformed());
        // Length 0 means the rest of the source.
        const quint64 size = *length == 0 && start <= source.size() ? source.size() - start : *length;
        if (!source.contains(start, size))
            return Records::fail(malformed());
        return source.window(start, size);
    }
    return Records::fail(malformed());
}

} // namespace

ExifResult<ByteSource> HeifExif::locate(const ByteSource &file)
{
    const std::optional<ByteSource> meta = IsoBoxes::find(file, "meta");
    if (!meta)
        return Records::fail(noExif());
    const ByteSource children = IsoBoxes::metaChildren(*meta);
    const std::optional<ByteSource> itemInfo = IsoBoxes::find(children, "iinf");
    const std::optional<ByteSource> locations = IsoBoxes::find(children, "iloc");
    if (!itemInfo || !locations)
        return Records::fail(noExif());
    const std::optional<quint32> item = exifItemId(*itemInfo);
    if (!item)
        return Records::fail(noExif());
    const ExifResult<ByteSource> data = itemData(file, children, *locations, *item);
    if (!data)
        return Records::fail(data.error());
    const std::optional<QByteArray> skip = data->read(0, 4);
    if (!skip)
        return Records::fail(malformed());
    const quint64 start = 4 + quint64(ByteOrder::u32(skip->constData(), true));
    if (start > data->size())
        return Records::fail(malformed());
    const ByteSource block = data->window(start, data->size());
    if (block.read(0, exifHeader.size()) == exifHeader)
        return block.window(exifHeader.size(), block.size());
    return block;
}

} // namespace Metadata
