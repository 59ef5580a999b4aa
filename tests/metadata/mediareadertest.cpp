#include "mediabuilder.h"
#include "tiffbuilder.h"

#include "metadata/datetaken.h"
#include "metadata/exifreader.h"
#include "metadata/gpsposition.h"
#include "metadata/mediadate.h"
#include "metadata/mediaformat.h"
#include "metadata/orientation.h"
#include "metadata/rawpreview.h"
#include "metadata/videoreader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;
using namespace Metadata;
using namespace MediaBuilder;

using Dir = ExifDirectory;

Q_DECLARE_METATYPE(MediaBuilder::Movie)

// The containers of today's camera and phone files, built byte by byte: each must yield the
// EXIF data it holds, and every cut of it an error.
class MediaReaderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void containers_data();
    void containers();
    void everyTruncationOfAContainerFails_data();
    void everyTruncationOfAContainerFails();
    void formatIsToldByTheBytesNotTheName();
    void videos_data();
    void videos();
    void everyTruncationOfAVideoFails();
    void largestDisplayablePreview_data();
    void largestDisplayablePreview();
    void previewSearchSurvivesEveryTruncation();
};

namespace {

// Date, orientation and position in the directories a camera puts them.
QByteArray sampleTiff(bool bigEndian = false)
{
    TiffBuilder builder(bigEndian);
    builder.ascii(Dir::Ifd0, 271, "Camera").shorts(Dir::Ifd0, 274, {6});
    builder.ascii(Dir::Exif, 0x9003, "2024:05:03 14:22:11");
    builder.ascii(Dir::Gps, 1, "N").rationals(Dir::Gps, 2, {{52, 1}, {22, 1}, {1234, 100}});
    builder.ascii(Dir::Gps, 3, "E").rationals(Dir::Gps, 4, {{4, 1}, {53, 1}, {40, 1}});
    return builder.build();
}

// A TIFF-based RAW of another magic number: the same structure with bytes 2..3 replaced.
QByteArray withMagic(QByteArray tiff, const QByteArray &magic)
{
    tiff.replace(2, 2, magic);
    return tiff;
}

// CR3 keeps each directory in a structure of its own whose header points at it.
QByteArray cr3Sample()
{
    const QByteArray main = TiffBuilder().ascii(Dir::Ifd0, 271, "Camera").shorts(Dir::Ifd0, 274, {6}).build();
    const QByteArray exif = TiffBuilder().ascii(Dir::Ifd0, 0x9003, "2024:05:03 14:22:11").build();
    const QByteArray gps = TiffBuilder()
                               .ascii(Dir::Ifd0, 1, "N")
                               .rationals(Dir::Ifd0, 2, {{52, 1}, {22, 1}, {1234, 100}})
                               .ascii(Dir::Ifd0, 3, "E")
                               .rationals(Dir::Ifd0, 4, {{4, 1}, {53, 1}, {40, 1}})
                               .build();
    return cr3(main, exif, gps);
}

// Every row ends with the EXIF data but for WebP, whose chunk of odd length is padded with a
// byte that carries nothing.
void addContainerRows()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("HEIC, item in mdat") << heif(sampleTiff());
    QTest::newRow("HEIC, item in idat") << heif(sampleTiff(true), HeifPlace::ItemData, 1);
    QTest::newRow("AVIF, iloc version 1") << heif(sampleTiff(), HeifPlace::FileOffset, 1, "avif");
    QTest::newRow("WebP") << webp(sampleTiff());
    QTest::newRow("WebP, Exif header") << webp(sampleTiff(true), true);
    QTest::newRow("CR3") << cr3Sample();
    QTest::newRow("RAF") << raf(TiffBuilder::jpeg(sampleTiff(true)));
    QTest::newRow("RW2") << withMagic(sampleTiff(), "U\0"_ba);
    QTest::newRow("ORF little-endian") << withMagic(sampleTiff(), "RO"_ba);
    QTest::newRow("ORF big-endian") << withMagic(sampleTiff(true), "OR"_ba);
}

QString written(const QTemporaryDir &folder, const QString &name, const QByteArray &bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

Movie film(quint64 created, const QByteArray &appleDate = {}, const QByteArray &brand = "qt  ")
{
    Movie movie;
    movie.created = created;
    movie.appleDate = appleDate;
    movie.brand = brand;
    return movie;
}

constexpr quint64 seconds1904To2024May3 = 3797583731; // 2024-05-03 12:22:11 UTC

} // namespace

void MediaReaderTest::containers_data()
{
    addContainerRows();
}

void MediaReaderTest::containers()
{
    QFETCH(QByteArray, file);
    const ExifResult<ExifData> data = ExifReader::readBytes(file);
    QVERIFY(data);
    QCOMPARE(dateTakenText(*data), u"2024-05-03 14:22:11"_s);
    QCOMPARE(orientationText(*data), u"6"_s);
    QCOMPARE(rawPositionText(*data), u"52,22,1234/100N~4,53,40E"_s);
}

void MediaReaderTest::everyTruncationOfAContainerFails_data()
{
    addContainerRows();
}

void MediaReaderTest::everyTruncationOfAContainerFails()
{
    QFETCH(QByteArray, file);
    const bool padded = file.startsWith("RIFF") && file.endsWith('\0');
    for (qsizetype length = 0; length < file.size() - (padded ? 1 : 0); ++length) {
        if (ExifReader::readBytes(QByteArrayView(file).first(length)))
            QFAIL(qPrintable(u"a cut at %1 of %2 bytes gave data"_s.arg(length).arg(file.size())));
    }
}

void MediaReaderTest::formatIsToldByTheBytesNotTheName()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString heic = written(folder, u"IMG_0001.jpg"_s, heif(sampleTiff()));
    QVERIFY(mediaFormatOf(heic) == MediaFormat::Heif);
    QCOMPARE(mediaDateTaken(heic), u"2024-05-03 14:22:11"_s);
    const QString video = written(folder, u"clip.heic"_s, movie(film(seconds1904To2024May3, {}, "3gp5")));
    QVERIFY(mediaFormatOf(video) == MediaFormat::Video);
    QCOMPARE(mediaDateTaken(video, QTimeZone::utc()), u"2024-05-03 12:22:11"_s);
    QVERIFY(mediaFormat(box("moov", QByteArray(8, '\0'))) == MediaFormat::Video);
    QVERIFY(mediaFormat(box("ftyp", "crx " + u32(1) + "crx ")) == MediaFormat::Cr3);
    QVERIFY(mediaFormat(box("ftyp", "mif1" + u32(0) + "avif")) == MediaFormat::Heif);
    QVERIFY(mediaFormat("RIFF\x10\0\0\0WAVEfmt "_ba) == MediaFormat::Unknown);
    QVERIFY(mediaFormat(QByteArray("II\x2b\0"_ba + u32(8))) == MediaFormat::Unknown);
    QCOMPARE(mediaDateTaken(folder.filePath(u"missing.mov"_s)), QString());
}

void MediaReaderTest::videos_data()
{
    QTest::addColumn<Movie>("video");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<qint64>("durationMs");
    Movie version0 = film(seconds1904To2024May3);
    version0.duration = 6300;
    QTest::newRow("mvhd, shown in the zone") << version0 << u"2024-05-03 13:22:11"_s << qint64(10500);
    Movie version1 = film(seconds1904To2024May3);
    version1.headerVersion = 1;
    version1.timeScale = 1000;
    version1.duration = 90'061'000;
    QTest::newRow("mvhd version 1") << version1 << u"2024-05-03 13:22:11"_s << qint64(90'061'000);
    QTest::newRow("Apple key wins") << film(seconds1904To2024May3, "2024-05-03T14:22:11+0200")
                                    << u"2024-05-03 14:22:11"_s << qint64(0);
    Movie userData = film(seconds1904To2024May3, "2024-05-03T07:22:11-05:00");
    userData.keyInUserData = true;
    QTest::newRow("Apple key with colon, in udta") << userData << u"2024-05-03 07:22:11"_s << qint64(0);
    QTest::newRow("Apple key alone") << film(0, "2023-12-31T23:59:58.123Z") << u"2023-12-31 23:59:58"_s << qint64(0);
    QTest::newRow("broken key: mvhd") << film(seconds1904To2024May3, "yesterday at noon") << u"2024-05-03 13:22:11"_s
                                      << qint64(0);
    QTest::newRow("no date") << film(0) << QString() << qint64(0);
    QTest::newRow("before 1980") << film(86400 * 365) << QString() << qint64(0);
}

void MediaReaderTest::videos()
{
    QFETCH(Movie, video);
    QFETCH(QString, expected);
    QFETCH(qint64, durationMs);
    const ExifResult<VideoMetadata> read = VideoReader::readBytes(MediaBuilder::movie(video));
    QVERIFY(read);
    QCOMPARE(videoDateTakenText(*read, QTimeZone("Europe/Lisbon")), expected);
    QCOMPARE(read->durationMs, durationMs);
}

void MediaReaderTest::everyTruncationOfAVideoFails()
{
    const QByteArray file = movie(film(seconds1904To2024May3, "2024-05-03T14:22:11+0200"));
    for (qsizetype length = 0; length < file.size(); ++length)
        QVERIFY(!VideoReader::readBytes(QByteArrayView(file).first(length)));
    QVERIFY(VideoReader::readBytes(heif(sampleTiff())).error().code == ExifError::Code::NoExif);
}

namespace {

// A little-endian TIFF RAW: IFD0 with a small JPEG-interchange preview and one SubIFD holding
// a larger strip, and IFD1 holding a still larger lossless JPEG, the sensor data.
QByteArray tiffRaw(const QByteArray &small, const QByteArray &large, const QByteArray &lossless)
{
    const auto le16 = [](quint16 v) -> QByteArray { return QByteArray(1, char(v & 0xFF)) + char(v >> 8); };
    const auto le32 = [&](quint32 v) -> QByteArray { return le16(quint16(v & 0xFFFF)) + le16(quint16(v >> 16)); };
    const auto entry = [&](quint16 tag, quint16 type, quint32 value) -> QByteArray {
        return le16(tag) + le16(type) + le32(1) + le32(value);
    };
    const quint32 ifd0 = 8, sub = ifd0 + 2 + 3 * 12 + 4, ifd1 = sub + 2 + 3 * 12 + 4, data = ifd1 + 2 + 2 * 12 + 4;
    const quint32 smallAt = data, largeAt = smallAt + quint32(small.size()),
                  losslessAt = largeAt + quint32(large.size());
    QByteArray file = "II*\0"_ba + le32(ifd0);
    file += le16(3) + entry(0x014A, 4, sub) + entry(0x0201, 4, smallAt) + entry(0x0202, 4, quint32(small.size()))
        + le32(ifd1);
    file += le16(3) + entry(0x0103, 3, 6) + entry(0x0111, 4, largeAt) + entry(0x0117, 4, quint32(large.size()))
        + le32(0);
    file += le16(2) + entry(0x0111, 4, losslessAt) + entry(0x0117, 4, quint32(lossless.size())) + le32(0);
    return file + small + large + lossless;
}

} // namespace

void MediaReaderTest::largestDisplayablePreview_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray small = jpegPicture(200), large = jpegPicture(900), lossless = jpegPicture(5000, 0xC3);
    QTest::newRow("TIFF: SubIFD strip, not the sensor data") << tiffRaw(small, large, lossless) << large;
    QTest::newRow("TIFF: a broken larger one is passed over")
        << tiffRaw(small, QByteArray("\xFF\xD8\xFF\xFF", 4) + QByteArray(900, 'x'), lossless) << small;
    QTest::newRow("RW2: JpgFromRaw")
        << withMagic(TiffBuilder().addRaw(Dir::Ifd0, 0x002E, 7, quint32(large.size()), large).build(), "U\0"_ba)
        << large;
    QTest::newRow("RAF") << raf(large) << large;
    QTest::newRow("CR3: PRVW over THMB") << cr3(sampleTiff(), {}, {}, small, large) << large;
    QTest::newRow("CR3: THMB alone") << cr3(sampleTiff(), {}, {}, small) << small;
    QTest::newRow("JPEG is no RAW") << TiffBuilder::jpeg(sampleTiff()) << QByteArray();
}

void MediaReaderTest::largestDisplayablePreview()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);
    const std::optional<PreviewLocation> location = RawPreview::locateBytes(file);
    QCOMPARE(location.has_value(), !expected.isEmpty());
    if (location)
        QCOMPARE(file.mid(qsizetype(location->offset), qsizetype(location->length)), expected);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QCOMPARE(RawPreview::read(written(folder, u"raw"_s, file)), expected);
}

void MediaReaderTest::previewSearchSurvivesEveryTruncation()
{
    const QByteArray large = jpegPicture(300);
    const QByteArray file = tiffRaw(jpegPicture(100), large, jpegPicture(400, 0xC3));
    for (qsizetype length = 0; length < file.size(); ++length) {
        const std::optional<PreviewLocation> location = RawPreview::locateBytes(QByteArrayView(file).first(length));
        if (location)
            QVERIFY(location->offset + location->length <= quint64(length));
    }
}

QTEST_GUILESS_MAIN(MediaReaderTest)

#include "mediareadertest.moc"
