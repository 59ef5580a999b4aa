#include "exifwriter.h"

#include <QTest>
#include <QtEndian>

#include <map>

using Tools::ExifWriter;
namespace ExifTag = Tools::ExifTag;

Q_DECLARE_METATYPE(ExifWriter::ByteOrder)

namespace {

// Reads back what the writer made, independently of it, checking the rules of TIFF on the way.
class TiffReader
{
public:
    explicit TiffReader(const QByteArray &tiff) : m_tiff(tiff), m_little(tiff.startsWith("II")) {}

    quint16 u16(qsizetype offset) const { return u16(m_tiff.constData() + offset); }
    quint32 u32(qsizetype offset) const { return u32(m_tiff.constData() + offset); }
    quint16 u16(const char *bytes) const
    {
        return m_little ? qFromLittleEndian<quint16>(bytes) : qFromBigEndian<quint16>(bytes);
    }
    quint32 u32(const char *bytes) const
    {
        return m_little ? qFromLittleEndian<quint32>(bytes) : qFromBigEndian<quint32>(bytes);
    }

    struct Entry
    {
        quint16 type;
        quint32 count;
        QByteArray value;
    };
    // The entries of the IFD at offset by tag; fails the test on a broken rule. Look entries up
    // with [], which gives an empty one for a missing tag and so fails the comparison after it.
    std::map<quint16, Entry> directory(quint32 offset, quint32 *next = nullptr) const
    {
        std::map<quint16, Entry> entries;
        [&] {
            QVERIFY2(offset % 2 == 0, "an IFD starts on a word boundary");
            QVERIFY(offset + 2 <= m_tiff.size());
            const quint16 count = u16(offset);
            QVERIFY(offset + 2 + 12 * count + 4 <= m_tiff.size());
            int previousTag = -1;
            for (int i = 0; i < count; ++i) {
                const qsizetype at = offset + 2 + 12 * i;
                const quint16 tag = u16(at);
                QVERIFY2(tag > previousTag, "tags ascend");
                previousTag = tag;
                Entry entry{u16(at + 2), u32(at + 4), {}};
                const qsizetype unit = entry.type == 3 ? 2 : entry.type == 4 ? 4 : entry.type == 5 ? 8 : 1;
                const qsizetype size = unit * entry.count;
                if (size > 4) {
                    const quint32 valueOffset = u32(at + 8);
                    QVERIFY2(valueOffset % 2 == 0, "a value starts on a word boundary");
                    QVERIFY(valueOffset + size <= m_tiff.size());
                    entry.value = m_tiff.mid(valueOffset, size);
                } else {
                    entry.value = m_tiff.mid(at + 8, size);
                }
                entries[tag] = entry;
            }
            if (next)
                *next = u32(offset + 2 + 12 * count);
        }();
        return entries;
    }

private:
    QByteArray m_tiff;
    bool m_little;
};

} // namespace

class ExifWriterTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void onlyDirectoriesWithEntries();
    void segmentAndInsertion();
    void thumbnailInIfd1_data();
    void thumbnailInIfd1();
};

void ExifWriterTest::layout_data()
{
    QTest::addColumn<ExifWriter::ByteOrder>("byteOrder");
    QTest::addColumn<QByteArray>("mark");
    QTest::newRow("little-endian") << ExifWriter::ByteOrder::LittleEndian << QByteArray("II\x2A\x00", 4);
    QTest::newRow("big-endian") << ExifWriter::ByteOrder::BigEndian << QByteArray("MM\x00\x2A", 4);
}

void ExifWriterTest::layout()
{
    QFETCH(ExifWriter::ByteOrder, byteOrder);
    QFETCH(QByteArray, mark);
    ExifWriter writer(byteOrder);
    writer.setAscii(ExifWriter::Directory::Main, ExifTag::model, "Odd");
    writer.setAscii(ExifWriter::Directory::Main, ExifTag::make, "Nikon");
    // Set again: one entry, the last value; its odd length needs padding before the next value.
    writer.setAscii(ExifWriter::Directory::Main, ExifTag::make, "NIKON CORP");
    writer.setShort(ExifWriter::Directory::Main, ExifTag::orientation, 6);
    writer.setAscii(ExifWriter::Directory::Main, ExifTag::dateTime, "2021:01:02 03:04:06");
    writer.setAscii(ExifWriter::Directory::Exif, ExifTag::dateTimeOriginal, "2021:01:02 03:04:05");
    writer.setUndefined(ExifWriter::Directory::Exif, ExifTag::exifVersion, "0232");
    writer.setLong(ExifWriter::Directory::Exif, 0xA002, 640);
    writer.setRationals(ExifWriter::Directory::Gps, 0x0002, {{52, 1}, {22, 1}, {1234, 100}});

    const QByteArray tiff = writer.tiff();
    QCOMPARE(tiff.left(4), mark);
    const TiffReader reader(tiff);
    QCOMPARE(reader.u32(4), 8u);
    quint32 next = 1;
    auto main = reader.directory(8, &next);
    QCOMPARE(next, 0u);
    // Four tags and the pointers to the Exif and GPS IFDs; the pointers are read below.
    QCOMPARE(main.size(), size_t(6));
    QCOMPARE(main[ExifTag::make].value, QByteArray("NIKON CORP\0", 11));
    QCOMPARE(main[ExifTag::make].count, 11u);
    QCOMPARE(main[ExifTag::model].value, QByteArray("Odd\0", 4));
    QCOMPARE(main[ExifTag::dateTime].value, QByteArray("2021:01:02 03:04:06\0", 20));
    QCOMPARE(main[ExifTag::orientation].type, quint16(3));
    QCOMPARE(reader.u16(main[ExifTag::orientation].value.constData()), quint16(6));

    auto exif = reader.directory(reader.u32(main[ExifTag::exifOffset].value.constData()), &next);
    QCOMPARE(next, 0u);
    QCOMPARE(exif.size(), size_t(3));
    QCOMPARE(exif[ExifTag::dateTimeOriginal].value, QByteArray("2021:01:02 03:04:05\0", 20));
    QCOMPARE(exif[ExifTag::exifVersion].value, QByteArray("0232"));
    QCOMPARE(exif[ExifTag::exifVersion].type, quint16(7));
    QCOMPARE(reader.u32(exif[0xA002].value.constData()), 640u);

    auto gps = reader.directory(reader.u32(main[ExifTag::gpsOffset].value.constData()));
    QCOMPARE(gps.size(), size_t(1));
    const TiffReader::Entry latitude = gps[0x0002];
    QCOMPARE(latitude.count, 3u);
    QCOMPARE(latitude.value.size(), 24);
    QCOMPARE(reader.u32(latitude.value.constData() + 16), 1234u);
    QCOMPARE(reader.u32(latitude.value.constData() + 20), 100u);
}

void ExifWriterTest::onlyDirectoriesWithEntries()
{
    ExifWriter bare;
    bare.setAscii(ExifWriter::Directory::Main, ExifTag::make, "Canon");
    const QByteArray tiff = bare.tiff();
    auto main = TiffReader(tiff).directory(8);
    QCOMPARE(main.size(), size_t(1));
    QVERIFY(!main.contains(ExifTag::exifOffset));
    QVERIFY(!main.contains(ExifTag::gpsOffset));

    // Only an Exif IFD: IFD0 still exists, to point to it.
    ExifWriter exifOnly;
    exifOnly.setAscii(ExifWriter::Directory::Exif, ExifTag::dateTimeOriginal, "2023:07:14 09:12:03");
    const QByteArray exifTiff = exifOnly.tiff();
    const TiffReader reader(exifTiff);
    auto pointers = reader.directory(8);
    QCOMPARE(pointers.size(), size_t(1));
    QVERIFY(pointers.contains(ExifTag::exifOffset));
    auto exif = reader.directory(reader.u32(pointers[ExifTag::exifOffset].value.constData()));
    QCOMPARE(exif[ExifTag::dateTimeOriginal].value, QByteArray("2023:07:14 09:12:03\0", 20));
}

void ExifWriterTest::segmentAndInsertion()
{
    ExifWriter writer;
    writer.setAscii(ExifWriter::Directory::Exif, ExifTag::dateTimeOriginal, "2023:07:14 09:12:03");
    const std::optional<QByteArray> segment = writer.app1Segment();
    QVERIFY(segment);
    QCOMPARE(segment->left(2), QByteArray("\xFF\xE1"));
    QCOMPARE(qFromBigEndian<quint16>(segment->constData() + 2), quint16(segment->size() - 2));
    QCOMPARE(segment->mid(4, 6), QByteArray("Exif\0\0", 6));
    QCOMPARE(segment->mid(10), writer.tiff());

    const QByteArray jpeg("\xFF\xD8\xFF\xE0\x00\x04\x01\x02\xFF\xD9", 10);
    const std::optional<QByteArray> inserted = writer.insertInto(jpeg);
    QVERIFY(inserted);
    QCOMPARE(*inserted, jpeg.left(2) + *segment + jpeg.mid(2));
    QVERIFY(!writer.insertInto(QByteArray("\x89PNG\r\n", 6)));
    QVERIFY(!writer.insertInto(QByteArray()));

    // The length field holds 16 bits: a segment that needs more is refused, not cut.
    ExifWriter huge;
    huge.setUndefined(ExifWriter::Directory::Exif, 0x927C, QByteArray(0xFFFF, 'x'));
    QVERIFY(!huge.app1Segment());
    QVERIFY(!huge.insertInto(jpeg));
}

void ExifWriterTest::thumbnailInIfd1_data()
{
    QTest::addColumn<bool>("withGps");
    QTest::newRow("after IFD0") << false;
    QTest::newRow("after the GPS IFD") << true;
}

void ExifWriterTest::thumbnailInIfd1()
{
    QFETCH(bool, withGps);
    const QByteArray jpeg("\xFF\xD8\xFF\xDB\x01\x02\x03\xFF\xD9", 9);
    ExifWriter writer(ExifWriter::ByteOrder::BigEndian);
    writer.setShort(ExifWriter::Directory::Main, ExifTag::orientation, 8);
    if (withGps)
        writer.setAscii(ExifWriter::Directory::Gps, 0x0001, "N");
    writer.setThumbnail(jpeg);
    const QByteArray tiff = writer.tiff();
    const TiffReader reader(tiff);
    quint32 next = 0;
    auto main = reader.directory(8, &next);
    QCOMPARE(main.size(), size_t(withGps ? 2 : 1));
    QVERIFY(next > 8);
    quint32 after = 1;
    auto ifd1 = reader.directory(next, &after);
    QCOMPARE(after, 0u);
    QCOMPARE(ifd1.size(), size_t(3));
    QCOMPARE(reader.u16(ifd1[ExifTag::compression].value.constData()), quint16(6));
    const quint32 offset = reader.u32(ifd1[ExifTag::thumbnailOffset].value.constData());
    QCOMPARE(reader.u32(ifd1[ExifTag::thumbnailLength].value.constData()), quint32(jpeg.size()));
    QCOMPARE(tiff.mid(offset), jpeg);

    writer.setThumbnail({});
    QVERIFY(!writer.tiff().contains(jpeg));
}

QTEST_GUILESS_MAIN(ExifWriterTest)
#include "exifwritertest.moc"
