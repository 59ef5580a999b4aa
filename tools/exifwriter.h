#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <array>
#include <map>
#include <optional>
#include <utility>

namespace Tools {

// Tags the demo pictures carry, and the pointers and thumbnail tags the writer sets itself.
namespace ExifTag {
constexpr quint16 compression = 0x0103;
constexpr quint16 make = 0x010F;
constexpr quint16 model = 0x0110;
constexpr quint16 orientation = 0x0112;
constexpr quint16 dateTime = 0x0132;
constexpr quint16 thumbnailOffset = 0x0201;
constexpr quint16 thumbnailLength = 0x0202;
constexpr quint16 exifOffset = 0x8769;
constexpr quint16 gpsOffset = 0x8825;
constexpr quint16 exifVersion = 0x9000;
constexpr quint16 dateTimeOriginal = 0x9003;
constexpr quint16 dateTimeDigitized = 0x9004;
} // namespace ExifTag

// Builds the EXIF block of a JPEG picture: a TIFF structure with IFD0, an Exif IFD and a GPS
// IFD, in either byte order, and the APP1 segment that carries it. The Exif and GPS IFDs are
// written only when they have entries, and IFD0 then points to them; each IFD lists its tags in
// ascending order, as TIFF requires, and values longer than four bytes follow their IFD at even
// offsets. With a thumbnail, IFD1 follows as IFD0's next IFD: compression 6 (JPEG), the
// thumbnail's offset and length, and the thumbnail's bytes right after it.
class ExifWriter final
{
public:
    enum class ByteOrder { LittleEndian, BigEndian };
    enum class Directory { Main, Exif, Gps };

    explicit ExifWriter(ByteOrder byteOrder = ByteOrder::LittleEndian);

    // Setting a tag again replaces its value. ASCII text gets its terminating NUL here.
    void setAscii(Directory directory, quint16 tag, QByteArrayView text);
    void setShort(Directory directory, quint16 tag, quint16 value);
    void setLong(Directory directory, quint16 tag, quint32 value);
    // Numerator and denominator pairs, as GPS positions need three of them.
    void setRationals(Directory directory, quint16 tag, const QList<std::pair<quint32, quint32>> &values);
    void setUndefined(Directory directory, quint16 tag, QByteArrayView bytes);
    // A small JPEG picture, as cameras store for quick display; empty for none.
    void setThumbnail(QByteArrayView jpeg);

    // The TIFF structure, from its byte-order mark on; offsets in it count from that mark.
    QByteArray tiff() const;
    // Marker 0xFFE1, length, "Exif\0\0" and tiff(); nothing when it is too big for a segment.
    std::optional<QByteArray> app1Segment() const;
    // jpeg with app1Segment() right after its start-of-image marker; nothing when jpeg does not
    // begin with one or the segment is too big.
    std::optional<QByteArray> insertInto(const QByteArray &jpeg) const;

private:
    struct Entry
    {
        quint16 type = 0;
        quint32 count = 0;
        // In the writer's byte order.
        QByteArray value;
    };
    using Entries = std::map<quint16, Entry>;

    Entries &entries(Directory directory) { return m_directories[static_cast<size_t>(directory)]; }
    void append16(QByteArray *bytes, quint16 value) const;
    void append32(QByteArray *bytes, quint32 value) const;
    QByteArray longValue(quint32 value) const;
    // An IFD with its entries, its next-IFD offset and the values that do not fit an entry.
    static qsizetype blockSize(const Entries &directory);
    void appendDirectory(QByteArray *tiff, const Entries &directory, quint32 next = 0) const;

    ByteOrder m_byteOrder;
    std::array<Entries, 3> m_directories;
    QByteArray m_thumbnail;
};

} // namespace Tools
