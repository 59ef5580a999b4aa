#include "metadata/rawpreview.h"

#include "metadata/byteorder_p.h"
#include "metadata/bytesource_p.h"
#include "metadata/cr3exif_p.h"
#include "metadata/isoboxes_p.h"
#include "metadata/mediaformat.h"
#include "metadata/tiffparser_p.h"

#include <QFile>
#include <QList>

#include <algorithm>

namespace Metadata {

namespace {

constexpr quint16 stripOffsetsTag = 0x0111;
constexpr quint16 stripByteCountsTag = 0x0117;
constexpr quint16 subIfdsTag = 0x014A;
constexpr quint16 jpegOffsetTag = 0x0201;
constexpr quint16 jpegLengthTag = 0x0202;
constexpr quint16 jpgFromRawTag = 0x002E;
constexpr int entrySize = 12;
constexpr int maxSegments = 256;
constexpr QByteArrayView previewUuid("\xea\xf4\x2b\x5e\x1c\x98\x4b\x88\xb9\xfb\xb7\xdc\x40\x6e\x4d\x16", 16);

// True when the JPEG at location declares a frame a picture decoder shows (SOF0, SOF1 or SOF2)
// before its scan; the markers are walked by their segment lengths.
bool isDisplayableJpeg(const ByteSource &file, PreviewLocation location)
{
    if (location.length < 4 || !file.contains(location.offset, location.length))
        return false;
    const ByteSource jpeg = file.window(location.offset, location.length);
    if (jpeg.read(0, 2) != QByteArrayView("\xFF\xD8", 2))
        return false;
    quint64 position = 2;
    for (int segment = 0; segment < maxSegments; ++segment) {
        const std::optional<QByteArray> marker = jpeg.read(position, 4);
        if (!marker || quint8(marker->at(0)) != 0xFF)
            return false;
        const quint8 code = quint8(marker->at(1));
        if (code == 0xC0 || code == 0xC1 || code == 0xC2)
            return true;
        // Another frame type (lossless, hierarchical, arithmetic) or the scan before any frame.
        if ((code >= 0xC3 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC) || code == 0xDA
            || code == 0xD9)
            return false;
        position += 2 + ByteOrder::u16(marker->constData() + 2, true);
    }
    return false;
}

class Candidates final
{
public:
    explicit Candidates(const ByteSource &file) : m_file(file) {}

    void offer(quint64 offset, quint64 length)
    {
        const PreviewLocation location{offset, length};
        if (m_best && m_best->length >= length)
            return;
        if (isDisplayableJpeg(m_file, location))
            m_best = location;
    }
    std::optional<PreviewLocation> best() const { return m_best; }

private:
    const ByteSource &m_file;
    std::optional<PreviewLocation> m_best;
};

quint32 firstValue(const char *entry, bool bigEndian)
{
    const quint16 type = ByteOrder::u16(entry + 2, bigEndian);
    return type == quint16(TiffType::Short) ? ByteOrder::u16(entry + 8, bigEndian)
                                            : ByteOrder::u32(entry + 8, bigEndian);
}

void searchTiff(const ByteSource &file, Candidates &candidates)
{
    const std::optional<QByteArray> header = file.read(0, 8);
    if (!header)
        return;
    const bool bigEndian = header->startsWith("MM");
    QList<quint32> pending{ByteOrder::u32(header->constData() + 4, bigEndian)};
    QList<quint32> visited;
    while (!pending.isEmpty() && visited.size() < RawPreview::maxDirectories) {
        const quint32 offset = pending.takeFirst();
        if (offset == 0 || visited.contains(offset))
            continue;
        visited.append(offset);
        const std::optional<QByteArray> count = file.read(offset, 2);
        if (!count)
            continue;
        const int entries = ByteOrder::u16(count->constData(), bigEndian);
        if (entries > TiffParser::maxEntries)
            continue;
        const std::optional<QByteArray> table = file.read(quint64(offset) + 2, quint64(entries) * entrySize + 4);
        if (!table)
            continue;
        std::optional<quint32> jpegOffset, jpegLength, stripOffset, stripLength;
        for (int i = 0; i < entries; ++i) {
            const char *entry = table->constData() + i * entrySize;
            const quint16 tag = ByteOrder::u16(entry, bigEndian);
            const quint32 values = ByteOrder::u32(entry + 4, bigEndian);
            if (tag == jpegOffsetTag)
                jpegOffset = firstValue(entry, bigEndian);
            else if (tag == jpegLengthTag)
                jpegLength = firstValue(entry, bigEndian);
            else if (tag == stripOffsetsTag && values == 1)
                stripOffset = firstValue(entry, bigEndian);
            else if (tag == stripByteCountsTag && values == 1)
                stripLength = firstValue(entry, bigEndian);
            else if (tag == jpgFromRawTag && ByteOrder::u16(entry + 2, bigEndian) == quint16(TiffType::Undefined))
                candidates.offer(ByteOrder::u32(entry + 8, bigEndian), values);
            else if (tag == subIfdsTag && values >= 1) {
                const quint32 kept = std::min<quint32>(values, RawPreview::maxDirectories);
                if (kept == 1) {
                    pending.append(ByteOrder::u32(entry + 8, bigEndian));
                } else if (const auto list = file.read(ByteOrder::u32(entry + 8, bigEndian), quint64(kept) * 4)) {
                    for (quint32 k = 0; k < kept; ++k)
                        pending.append(ByteOrder::u32(list->constData() + k * 4, bigEndian));
                }
            }
        }
        if (jpegOffset && jpegLength)
            candidates.offer(*jpegOffset, *jpegLength);
        if (stripOffset && stripLength)
            candidates.offer(*stripOffset, *stripLength);
        pending.append(ByteOrder::u32(table->constData() + entries * entrySize, bigEndian));
    }
}

void searchRaf(const ByteSource &file, Candidates &candidates)
{
    if (const std::optional<QByteArray> pointer = file.read(84, 8))
        candidates.offer(ByteOrder::u32(pointer->constData(), true), ByteOrder::u32(pointer->constData() + 4, true));
}

// The first sample of the first track: the chunk offset ("co64" or "stco") and the sample
// size ("stsz") of its sample table.
void offerFirstTrack(const ByteSource &movie, Candidates &candidates)
{
    std::optional<ByteSource> table = IsoBoxes::find(movie, "trak");
    for (const char *child : {"mdia", "minf", "stbl"}) {
        if (table)
            table = IsoBoxes::find(*table, child);
    }
    if (!table)
        return;
    const std::optional<ByteSource> sizes = IsoBoxes::find(*table, "stsz");
    const std::optional<QByteArray> sizeFields = sizes ? sizes->read(4, 12) : std::nullopt;
    if (!sizeFields)
        return;
    quint32 size = ByteOrder::u32(sizeFields->constData(), true);
    if (size == 0)
        size = ByteOrder::u32(sizeFields->constData() + 8, true);
    if (const std::optional<ByteSource> wide = IsoBoxes::find(*table, "co64")) {
        if (const std::optional<QByteArray> offset = wide->read(8, 8))
            candidates.offer(ByteOrder::u64(offset->constData(), true), size);
    } else if (const std::optional<ByteSource> narrow = IsoBoxes::find(*table, "stco")) {
        if (const std::optional<QByteArray> offset = narrow->read(8, 4))
            candidates.offer(ByteOrder::u32(offset->constData(), true), size);
    }
}

// The JPEG of a "PRVW" or "THMB" box: its length at lengthAt, the picture from byte 16 on.
void offerBoxPicture(const std::optional<ByteSource> &box, quint64 lengthAt, Candidates &candidates)
{
    if (!box)
        return;
    const std::optional<QByteArray> length = box->read(lengthAt, 4);
    if (!length)
        return;
    constexpr quint64 start = 16;
    const quint32 bytes = ByteOrder::u32(length->constData(), true);
    if (!box->contains(start, bytes))
        return;
    candidates.offer(box->start() + start, bytes);
}

void searchCr3(const ByteSource &file, Candidates &candidates)
{
    const std::optional<ByteSource> movie = IsoBoxes::find(file, "moov");
    if (movie) {
        offerFirstTrack(*movie, candidates);
        if (const std::optional<ByteSource> canon = IsoBoxes::findUuid(*movie, Cr3Exif::canonUuid))
            offerBoxPicture(IsoBoxes::find(*canon, "THMB"), 8, candidates);
    }
    if (const std::optional<ByteSource> preview = IsoBoxes::findUuid(file, previewUuid))
        offerBoxPicture(IsoBoxes::find(preview->window(8, preview->size()), "PRVW"), 12, candidates);
}

std::optional<PreviewLocation> locateIn(const ByteSource &file)
{
    const std::optional<QByteArray> head = file.read(0, std::min<quint64>(file.size(), headBytes));
    if (!head)
        return std::nullopt;
    Candidates candidates(file);
    switch (mediaFormat(*head)) {
    case MediaFormat::Tiff:
        searchTiff(file, candidates);
        break;
    case MediaFormat::Raf:
        searchRaf(file, candidates);
        break;
    case MediaFormat::Cr3:
        searchCr3(file, candidates);
        break;
    default:
        break;
    }
    return candidates.best();
}

} // namespace

std::optional<PreviewLocation> RawPreview::locate(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return locateIn(ByteSource(file));
}

std::optional<PreviewLocation> RawPreview::locateBytes(QByteArrayView file)
{
    return locateIn(ByteSource(file));
}

QByteArray RawPreview::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const ByteSource source(file);
    const std::optional<PreviewLocation> location = locateIn(source);
    if (!location || location->length > maxBytes)
        return {};
    std::optional<QByteArray> bytes = source.read(location->offset, location->length);
    return bytes ? std::move(*bytes) : QByteArray();
}

} // namespace Metadata
