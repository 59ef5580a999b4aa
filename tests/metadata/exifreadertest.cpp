#include "metadata/datetaken.h"
#include "metadata/exifelrec.h"
#include "metadata/exifreader.h"
#include "metadata/gpsposition.h"
#include "metadata/orientation.h"
#include "tiffbuilder.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Metadata;

using Dir = ExifDirectory;

namespace QTest {
template<>
char *toString(const ExifError &error)
{
    return qstrdup(QByteArray("ExifError(" + QByteArray::number(int(error.code)) + ", "
                              + QByteArray::number(error.offset) + ")")
                       .constData());
}
} // namespace QTest

class ExifReaderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsAllDirectories_data();
    void readsAllDirectories();
    void findsTheExifBlock_data();
    void findsTheExifBlock();
    void refusesMalformedStructures_data();
    void refusesMalformedStructures();
    void followsOnlyRealPointers_data();
    void followsOnlyRealPointers();
    void everyTruncationFails();
    void longValuesAreReadOnlyInPart();
    void readsFiles();
};

namespace {

// One value in each of the five directories, every value longer than four bytes.
TiffBuilder sample(bool bigEndian)
{
    TiffBuilder builder(bigEndian);
    builder.ascii(Dir::Ifd0, 271, "Canon")
        .shorts(Dir::Ifd0, 274, {6})
        .ascii(Dir::Exif, 0x9003, "2023:12:24 15:30:07")
        .ascii(Dir::Interoperability, 1, "R98")
        .ascii(Dir::Gps, 1, "N")
        .rationals(Dir::Gps, 2, {{52, 1}, {22, 1}, {1234, 100}})
        .ascii(Dir::Gps, 3, "E")
        .rationals(Dir::Gps, 4, {{4, 1}, {53, 1}, {40, 1}})
        .shorts(Dir::Ifd1, 259, {6});
    return builder;
}

QString listedNames(const ExifData &data)
{
    QStringList names;
    for (const ExifElRec &element : tagList(data))
        names.append(element.ElTag);
    return names.join(u',');
}

} // namespace

void ExifReaderTest::readsAllDirectories_data()
{
    QTest::addColumn<bool>("bigEndian");
    QTest::newRow("little-endian") << false;
    QTest::newRow("big-endian") << true;
}

void ExifReaderTest::readsAllDirectories()
{
    QFETCH(bool, bigEndian);
    const ExifResult<ExifData> data = ExifReader::readTiff(sample(bigEndian).build());
    QVERIFY(data);
    QCOMPARE(data->bigEndian, bigEndian);
    QCOMPARE(dateTakenText(*data), u"2023-12-24 15:30:07"_s);
    QCOMPARE(orientationText(*data), u"6"_s);
    QCOMPARE(rawPositionText(*data), u"52,22,1234/100N~4,53,40E"_s);
    QCOMPARE(listedNames(*data), u"Make,Orientation,ExifOffset,GPSOffset,DateTimeOriginal,InteropOffset,"
                                 "Interop index,GPS latitude ref,GPSLatitude,GPSLongitudeRef,GPSLongitude,"
                                 "Compression"_s);
}

void ExifReaderTest::findsTheExifBlock_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("found");
    const QByteArray tiff = sample(false).build();
    const QByteArray jfif = TiffBuilder::segment(0xE0, QByteArray("JFIF\0\1\1\0\0\1\0\1\0\0", 14));
    const QByteArray xmp = TiffBuilder::segment(0xE1, QByteArray("http://ns.adobe.com/xap/1.0/\0<x/>", 33));
    QTest::newRow("jpeg") << TiffBuilder::jpeg(tiff) << true;
    QTest::newRow("jpeg, exif after jfif and xmp") << TiffBuilder::jpeg(tiff, {jfif, xmp}) << true;
    QTest::newRow("jpeg, fill bytes before the marker") << TiffBuilder::jpeg(tiff, {jfif}, 5) << true;
    QTest::newRow("jpeg, first exif segment counts")
        << TiffBuilder::jpeg(tiff, {TiffBuilder::segment(0xE1, QByteArray("Exif\0\0", 6) + "junk")}) << false;
    QTest::newRow("tiff") << tiff << true;
    QTest::newRow("png") << TiffBuilder::png(tiff) << true;
    QTest::newRow("png, eXIf with segment header") << TiffBuilder::png(QByteArray("Exif\0\0", 6) + tiff) << true;
    QTest::newRow("png, eXIf after IDAT")
        << QByteArray("\x89PNG\r\n\x1a\n", 8) + TiffBuilder::pngChunk("IDAT", "x") + TiffBuilder::pngChunk("eXIf", tiff)
        << true;
    QTest::newRow("png, eXIf after IEND")
        << QByteArray("\x89PNG\r\n\x1a\n", 8) + TiffBuilder::pngChunk("IEND", {}) + TiffBuilder::pngChunk("eXIf", tiff)
        << false;
    QTest::newRow("jpeg, xmp only") << QByteArray("\xFF\xD8") + xmp + TiffBuilder::segment(0xDA, "x") << false;
    QTest::newRow("jpeg, exif after the scan")
        << QByteArray("\xFF\xD8") + TiffBuilder::segment(0xDA, "x") + TiffBuilder::segment(0xE1, QByteArray("Exif\0\0", 6) + tiff)
        << false;
    QTest::newRow("jpeg, garbage instead of a marker") << QByteArray("\xFF\xD8\x2E\x30") + TiffBuilder::jpeg(tiff)
                                                       << false;
    QTest::newRow("jpeg, nothing but fill bytes") << QByteArray("\xFF\xD8") + QByteArray(100000, '\xFF') << false;
    QTest::newRow("bmp") << QByteArray("BM\x36\0\0\0\0\0\0\0", 10) + tiff << false;
    QTest::newRow("gif") << QByteArray("GIF89a") + tiff << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void ExifReaderTest::findsTheExifBlock()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, found);
    const ExifResult<ExifData> data = ExifReader::readBytes(file);
    QCOMPARE(data.has_value(), found);
    if (found)
        QCOMPARE(dateTakenText(*data), u"2023-12-24 15:30:07"_s);
}

void ExifReaderTest::refusesMalformedStructures_data()
{
    QTest::addColumn<QByteArray>("tiff");
    const QByteArray valid = sample(false).build();
    const quint32 exifOffset = sample(false).offsetOf(Dir::Exif);
    const auto withPointer = [](Dir directory, quint32 offset) { return sample(false).pointTo(directory, offset).build(); };
    const auto withEntry = [](TiffType type, quint32 count, quint32 offset) {
        return TiffBuilder().addAt(Dir::Ifd0, 271, type, count, offset).build();
    };
    QTest::newRow("byte-order mark") << "XX" + valid.sliced(2);
    QTest::newRow("magic number") << valid.left(2) + QByteArray("\x2B\0", 2) + valid.sliced(4);
    QTest::newRow("ifd0 beyond the block") << valid.left(4) + QByteArray("\xFF\0\0\0", 4) + valid.sliced(8);
    QTest::newRow("ifd0 inside the header") << valid.left(4) + QByteArray("\4\0\0\0", 4) + valid.sliced(8);
    QTest::newRow("exif ifd is ifd0") << withPointer(Dir::Exif, 8);
    QTest::newRow("ifd1 is ifd0") << withPointer(Dir::Ifd1, 8);
    QTest::newRow("interoperability ifd is the exif ifd") << withPointer(Dir::Interoperability, exifOffset);
    QTest::newRow("gps ifd is the exif ifd") << withPointer(Dir::Gps, exifOffset);
    QTest::newRow("gps ifd beyond the block") << withPointer(Dir::Gps, 0xFFFFFFF0);
    QTest::newRow("value beyond the block") << withEntry(TiffType::Ascii, 10, 5000);
    QTest::newRow("value runs past the end") << withEntry(TiffType::Ascii, 10, 20);
    QTest::newRow("count times size overflows 32 bits") << withEntry(TiffType::Double, 0x20000001, 8);
    QTest::newRow("count of 4 billion") << withEntry(TiffType::Long, 0xFFFFFFFF, 0xFFFFFFF0);
    QTest::newRow("table cut short") << QByteArray("II*\0\x08\0\0\0\x05\0", 10) + QByteArray(40, '\0');
    TiffBuilder crowded;
    for (int i = 0; i < 5000; ++i)
        crowded.shorts(Dir::Ifd0, 0x8830, {1});
    QTest::newRow("more entries than any camera writes") << crowded.build();
    // Each value is the directory's own first 4 KiB, read again and again.
    TiffBuilder costly;
    for (int i = 0; i < 4096; ++i)
        costly.addAt(Dir::Ifd0, 271, TiffType::Ascii, 4096, 8);
    QTest::newRow("more value bytes than any picture has") << costly.build();
}

void ExifReaderTest::refusesMalformedStructures()
{
    QFETCH(QByteArray, tiff);
    const ExifResult<ExifData> data = ExifReader::readTiff(tiff);
    QVERIFY(!data);
    QCOMPARE(data.error().code, ExifError::Code::Malformed);
}

void ExifReaderTest::followsOnlyRealPointers_data()
{
    QTest::addColumn<QByteArray>("tiff");
    QTest::addColumn<QString>("listed");
    const auto withExifPointer = [](TiffType type, quint32 count, const QByteArray &value) {
        return TiffBuilder().ascii(Dir::Ifd0, 271, "Make").add(Dir::Ifd0, 0x8769, type, count, value).build();
    };
    QTest::newRow("offset 0") << withExifPointer(TiffType::Long, 1, QByteArray(4, '\0')) << u"Make,ExifOffset"_s;
    QTest::newRow("no value") << withExifPointer(TiffType::Long, 0, {}) << u"Make,ExifOffset"_s;
    QTest::newRow("text") << withExifPointer(TiffType::Ascii, 4, QByteArray("\x1A\0\0\0", 4)) << u"Make,ExifOffset"_s;
    // The Exif pointer is the third entry of IFD0; TIFF's extensions give pointers type 13.
    QByteArray typeIfd = sample(false).build();
    typeIfd[8 + 2 + 2 * 12 + 2] = char(TiffType::Ifd);
    QTest::newRow("type IFD") << typeIfd << listedNames(*ExifReader::readTiff(sample(false).build()));
    // Tags outside the table are never read, so their offsets cannot break the structure;
    // neither can a field of a type TIFF does not define, which is skipped.
    QTest::newRow("unnamed tag with a wild offset")
        << TiffBuilder().ascii(Dir::Ifd0, 271, "Make").addAt(Dir::Ifd0, 0x8830, TiffType::Ascii, 99, 0xFFFFFF00).build()
        << u"Make"_s;
    QTest::newRow("unknown type")
        << TiffBuilder().ascii(Dir::Ifd0, 271, "Make").addRaw(Dir::Ifd0, 272, 0xFFF0, 9999, "abcd").build() << u"Make"_s;
}

void ExifReaderTest::followsOnlyRealPointers()
{
    QFETCH(QByteArray, tiff);
    QFETCH(QString, listed);
    const ExifResult<ExifData> data = ExifReader::readTiff(tiff);
    QVERIFY(data);
    QCOMPARE(listedNames(*data), listed);
}

// Every byte of the sample is part of its structure, so any cut must make it unreadable; a
// JPEG file cut after its EXIF segment keeps its EXIF data.
void ExifReaderTest::everyTruncationFails()
{
    for (bool bigEndian : {false, true}) {
        const QByteArray tiff = sample(bigEndian).build();
        for (qsizetype size = 0; size < tiff.size(); ++size)
            QVERIFY2(!ExifReader::readTiff(tiff.left(size)), qPrintable(QString::number(size)));
        const QByteArray jpeg = TiffBuilder::jpeg(tiff);
        const qsizetype segmentEnd = 2 + 10 + tiff.size();
        const ExifResult<ExifData> whole = ExifReader::readBytes(jpeg);
        QVERIFY(whole);
        for (qsizetype size = 0; size < jpeg.size(); ++size) {
            const ExifResult<ExifData> cut = ExifReader::readBytes(jpeg.left(size));
            QCOMPARE(cut.has_value(), size >= segmentEnd);
            if (cut)
                QVERIFY(*cut == *whole);
        }
    }
}

void ExifReaderTest::longValuesAreReadOnlyInPart()
{
    const QByteArray makerNote(100000, '\xAB');
    const ExifResult<ExifData> data = ExifReader::readTiff(
        TiffBuilder().add(Dir::Exif, 37500, TiffType::Undefined, quint32(makerNote.size()), makerNote).build());
    QVERIFY(data);
    const ExifEntry *entry = data->find(Dir::Exif, 37500);
    QVERIFY(entry);
    QCOMPARE(entry->count, quint32(makerNote.size()));
    QCOMPARE(entry->data.size(), ExifData::maxValueBytes);
    QCOMPARE(tagList(*data).last().ElValue, u"AB"_s.repeated(100));
}

void ExifReaderTest::readsFiles()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(u"IMG_0001.jpg"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(TiffBuilder::jpeg(sample(true).build()));
    file.close();
    const ExifResult<ExifData> data = ExifReader::read(path);
    QVERIFY(data);
    QCOMPARE(*data, *ExifReader::readTiff(sample(true).build()));
    QCOMPARE(ExifReader::read(folder.filePath(u"missing.jpg"_s)).error().code, ExifError::Code::NotFound);
    QCOMPARE(ExifReader::read(folder.path()).error().code, ExifError::Code::NotFound);
}

QTEST_GUILESS_MAIN(ExifReaderTest)
#include "exifreadertest.moc"
