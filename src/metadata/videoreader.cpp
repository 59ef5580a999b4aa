#include "metadata/videoreader.h"

#include "metadata/byteorder_p.h"
#include "metadata/bytesource_p.h"
#include "metadata/datetaken.h"
#include "metadata/isoboxes_p.h"
#include "metadata/mediaformat.h"

#include <QFile>

#include <algorithm>

namespace Metadata {

namespace {

constexpr QByteArrayView creationDateKey("com.apple.quicktime.creationdate");
// "yyyy-mm-ddThh:mm:ss", then fractions and the offset, which are not read.
constexpr qsizetype isoDateLength = 19;

ExifError noExif()
{
    return ExifError{ExifError::Code::NoExif, -1};
}

ExifError malformed()
{
    return ExifError{ExifError::Code::Malformed, -1};
}

// mvhd: version and flags, then creation time, modification time, time scale and duration, of
// 32 bits in version 0 and 64 bits (but the time scale) in version 1; times in seconds since
// 1904-01-01 00:00:00 UTC.
void readMovieHeader(const ByteSource &header, VideoMetadata &video)
{
    const std::optional<quint8> version = header.byteAt(0);
    if (!version || *version > 1)
        return;
    const bool wide = *version == 1;
    const std::optional<QByteArray> fields = header.read(4, wide ? 28 : 16);
    if (!fields)
        return;
    const char *p = fields->constData();
    const quint64 created = wide ? ByteOrder::u64(p, true) : ByteOrder::u32(p, true);
    const quint32 timeScale = ByteOrder::u32(p + (wide ? 16 : 8), true);
    const quint64 duration = wide ? ByteOrder::u64(p + 20, true) : ByteOrder::u32(p + 12, true);
    // Far beyond any real date; the range check of the date taken drops such times anyway.
    if (created != 0 && created < (quint64(1) << 40))
        video.createdUtc = QDateTime(QDate(1904, 1, 1), QTime(0, 0), Qt::UTC).addSecs(qint64(created));
    if (timeScale != 0 && duration != 0xFFFFFFFFu && duration < (quint64(1) << 52))
        video.durationMs = qint64(duration * 1000 / timeScale);
}

// The 1-based index of Apple's creation-date key in "keys" (a full box: version and flags, an
// entry count, then entries of a 32-bit size, a namespace and the key); 0 for none.
quint32 creationDateIndex(const ByteSource &keys)
{
    const std::optional<QByteArray> count = keys.read(4, 4);
    if (!count)
        return 0;
    const quint32 entries = ByteOrder::u32(count->constData(), true);
    quint64 position = 8;
    for (quint32 index = 1; index <= entries && index <= quint32(IsoBoxes::maxBoxes); ++index) {
        const std::optional<IsoBox> entry = IsoBoxes::at(keys, position);
        if (!entry)
            return 0;
        if (entry->payloadSize == quint64(creationDateKey.size())
            && keys.read(entry->payload, entry->payloadSize) == creationDateKey)
            return index;
        position = entry->end;
    }
    return 0;
}

// "yyyy-mm-ddThh:mm:ss…" as "yyyy-mm-dd hh:mm:ss", with the range check of a picture's date.
QString localCreationText(QByteArrayView text)
{
    if (text.size() < isoDateLength || text.at(4) != '-' || text.at(7) != '-'
        || (text.at(10) != 'T' && text.at(10) != ' '))
        return {};
    QByteArray exifForm = text.first(isoDateLength).toByteArray();
    exifForm[4] = ':';
    exifForm[7] = ':';
    exifForm[10] = ' ';
    return dateTakenText(exifForm);
}

// The value of the ilst item of the key's index: its "data" box, whose payload starts with a
// type indicator and a locale.
QString appleCreationDate(const ByteSource &metaBox)
{
    const ByteSource children = IsoBoxes::metaChildren(metaBox);
    const std::optional<ByteSource> keys = IsoBoxes::find(children, "keys");
    const std::optional<ByteSource> items = IsoBoxes::find(children, "ilst");
    if (!keys || !items)
        return {};
    const quint32 index = creationDateIndex(*keys);
    if (index == 0)
        return {};
    quint64 position = 0;
    for (int i = 0; i < IsoBoxes::maxBoxes && position < items->size(); ++i) {
        const std::optional<IsoBox> item = IsoBoxes::at(*items, position);
        if (!item)
            return {};
        position = item->end;
        if (ByteOrder::u32(item->type.constData(), true) != index)
            continue;
        const std::optional<ByteSource> data = IsoBoxes::find(items->window(item->payload, item->payloadSize), "data");
        if (!data || data->size() < 8)
            return {};
        const std::optional<QByteArray> value = data->read(8, std::min<quint64>(data->size() - 8, 64));
        return value ? localCreationText(*value) : QString();
    }
    return {};
}

} // namespace

ExifResult<VideoMetadata> VideoReader::readSource(const ByteSource &file)
{
    const std::optional<QByteArray> head = file.read(0, std::min<quint64>(file.size(), headBytes));
    if (!head)
        return Records::fail(ExifError{ExifError::Code::ReadFailed, -1});
    if (mediaFormat(*head) != MediaFormat::Video)
        return Records::fail(noExif());
    const std::optional<ByteSource> movie = IsoBoxes::find(file, "moov");
    if (!movie)
        return Records::fail(malformed());
    VideoMetadata video;
    if (const std::optional<ByteSource> header = IsoBoxes::find(*movie, "mvhd"))
        readMovieHeader(*header, video);
    if (const std::optional<ByteSource> meta = IsoBoxes::find(*movie, "meta"))
        video.localCreation = appleCreationDate(*meta);
    if (video.localCreation.isEmpty()) {
        if (const std::optional<ByteSource> userData = IsoBoxes::find(*movie, "udta")) {
            if (const std::optional<ByteSource> meta = IsoBoxes::find(*userData, "meta"))
                video.localCreation = appleCreationDate(*meta);
        }
    }
    return video;
}

ExifResult<VideoMetadata> VideoReader::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Records::fail(ExifError{file.exists() ? ExifError::Code::ReadFailed : ExifError::Code::NotFound, -1});
    return readSource(ByteSource(file));
}

ExifResult<VideoMetadata> VideoReader::readBytes(QByteArrayView file)
{
    return readSource(ByteSource(file));
}

} // namespace Metadata
