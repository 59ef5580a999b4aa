#include "metadata/datetaken.h"
#include "metadata/exifelrec.h"
#include "metadata/exifreader.h"
#include "metadata/gpsposition.h"
#include "metadata/orientation.h"
#include "metadata/tagnames.h"
#include "metadata/valuetext.h"
#include "tiffbuilder.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Metadata;

using Dir = ExifDirectory;
using Rationals = QList<std::pair<quint32, quint32>>;

namespace Metadata {
char *toString(const ExifElRec &element)
{
    return QTest::toString(QString::number(element.ElTagnbr) + u' ' + element.ElSelected + u' ' + element.ElTag
                           + u'/' + element.ElUserTag + u'=' + element.ElValue);
}
} // namespace Metadata

// The texts the program makes from EXIF values: date taken, orientation, GPS coordinates and
// position, the value text of every TIFF type, tag names and the tag list.
class ExifTextsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dateTaken_data();
    void dateTaken();
    void dateTakenComesOnlyFromDateTimeOriginal();
    void orientation_data();
    void orientation();
    void coordinate_data();
    void coordinate();
    void positionText_data();
    void positionText();
    void valueText_data();
    void valueText();
    void tagName_data();
    void tagName();
    void tagListOrderAndContent();
};

namespace {

ExifData parsed(const TiffBuilder &builder)
{
    const ExifResult<ExifData> data = ExifReader::readTiff(builder.build());
    return data ? *data : ExifData();
}

} // namespace

void ExifTextsTest::dateTaken_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("standard") << QByteArray("2023:12:24 15:30:07") << u"2023-12-24 15:30:07"_s;
    QTest::newRow("bytes after the NUL") << QByteArray("2023:12:24 15:30:07\0xx", 22) << u"2023-12-24 15:30:07"_s;
    QTest::newRow("first possible") << QByteArray("1980:01:01 00:00:00") << u"1980-01-01 00:00:00"_s;
    QTest::newRow("last possible") << QByteArray("2107:12:31 23:59:59") << u"2107-12-31 23:59:59"_s;
    QTest::newRow("leap day") << QByteArray("2024:02:29 12:00:00") << u"2024-02-29 12:00:00"_s;
    QTest::newRow("before 1980") << QByteArray("1975:06:01 12:00:00") << QString();
    QTest::newRow("after 2107") << QByteArray("2108:01:01 00:00:00") << QString();
    QTest::newRow("blank") << QByteArray("    :  :     :  :  ") << QString();
    QTest::newRow("zeros") << QByteArray("0000:00:00 00:00:00") << QString();
    QTest::newRow("no such day") << QByteArray("2023:02:29 12:00:00") << QString();
    QTest::newRow("hour 24") << QByteArray("2023:12:24 24:00:00") << QString();
    QTest::newRow("second 60") << QByteArray("2023:12:24 15:30:60") << QString();
    QTest::newRow("dashes") << QByteArray("2023-12-24 15:30:07") << QString();
    QTest::newRow("trailing space") << QByteArray("2023:12:24 15:30:07 ") << QString();
    QTest::newRow("cut short") << QByteArray("2023:12:24 15:30") << QString();
}

void ExifTextsTest::dateTaken()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, expected);
    QCOMPARE(dateTakenText(value), expected);
    const QByteArray stored = value + '\0';
    const ExifData data = parsed(TiffBuilder().add(Dir::Exif, 0x9003, TiffType::Ascii, quint32(stored.size()), stored));
    QCOMPARE(dateTakenText(data), expected);
}

void ExifTextsTest::dateTakenComesOnlyFromDateTimeOriginal()
{
    const QByteArray date = "2023:12:24 15:30:07";
    QCOMPARE(dateTakenText(parsed(TiffBuilder().ascii(Dir::Ifd0, 306, date).ascii(Dir::Exif, 0x9004, date))),
             QString());
    QCOMPARE(dateTakenText(parsed(TiffBuilder().ascii(Dir::Ifd0, 0x9003, date))), QString());
    QCOMPARE(dateTakenText(parsed(TiffBuilder().add(Dir::Exif, 0x9003, TiffType::Undefined, 20, date + '\0'))),
             QString());
}

void ExifTextsTest::orientation_data()
{
    QTest::addColumn<QByteArray>("tiff");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing") << TiffBuilder().ascii(Dir::Ifd0, 271, "Make").build() << u"0"_s;
    QTest::newRow("only in ifd1") << TiffBuilder().shorts(Dir::Ifd1, 274, {6}).build() << u"0"_s;
    QTest::newRow("1") << TiffBuilder().shorts(Dir::Ifd0, 274, {1}).build() << u"1"_s;
    QTest::newRow("8, big-endian") << TiffBuilder(true).shorts(Dir::Ifd0, 274, {8}).build() << u"8"_s;
    QTest::newRow("as LONG") << TiffBuilder().longs(Dir::Ifd0, 274, {3}).build() << u"3"_s;
    QTest::newRow("0") << TiffBuilder().shorts(Dir::Ifd0, 274, {0}).build() << QString();
    QTest::newRow("9") << TiffBuilder().shorts(Dir::Ifd0, 274, {9}).build() << QString();
    QTest::newRow("no value") << TiffBuilder().shorts(Dir::Ifd0, 274, {}).build() << QString();
    QTest::newRow("as text") << TiffBuilder().ascii(Dir::Ifd0, 274, "1").build() << QString();
}

void ExifTextsTest::orientation()
{
    QFETCH(QByteArray, tiff);
    QFETCH(QString, expected);
    const ExifResult<ExifData> data = ExifReader::readTiff(tiff);
    QVERIFY(data);
    QCOMPARE(orientationText(*data), expected);
}

void ExifTextsTest::coordinate_data()
{
    QTest::addColumn<Rationals>("latitude");
    QTest::addColumn<QByteArray>("reference");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole numbers") << Rationals{{52, 1}, {22, 1}, {40, 1}} << QByteArray("N") << u"52,22,40N"_s;
    QTest::newRow("fractions kept as stored")
        << Rationals{{43, 1}, {28, 1}, {281400000, 100000000}} << QByteArray("S") << u"43,28,281400000/100000000S"_s;
    QTest::newRow("seconds denominator 0: decimal minutes")
        << Rationals{{48, 1}, {5332358, 100000}, {0, 0}} << QByteArray("N") << u"48,53.32358N"_s;
    QTest::newRow("degrees denominator 0") << Rationals{{52, 0}, {22, 1}, {40, 1}} << QByteArray("N") << QString();
    QTest::newRow("minutes denominator 0") << Rationals{{52, 1}, {22, 0}, {40, 1}} << QByteArray("N") << QString();
    QTest::newRow("two values") << Rationals{{52, 1}, {22, 1}} << QByteArray("N") << QString();
    QTest::newRow("four values") << Rationals{{1, 1}, {2, 1}, {3, 1}, {4, 1}} << QByteArray("N") << u"1,2,3N"_s;
    QTest::newRow("no reference") << Rationals{{52, 1}, {22, 1}, {40, 1}} << QByteArray() << u"52,22,40"_s;
}

void ExifTextsTest::coordinate()
{
    QFETCH(Rationals, latitude);
    QFETCH(QByteArray, reference);
    QFETCH(QString, expected);
    TiffBuilder builder;
    builder.rationals(Dir::Gps, 2, latitude);
    if (!reference.isEmpty())
        builder.ascii(Dir::Gps, 1, reference);
    const ExifData data = parsed(builder);
    QCOMPARE(coordinateText(data, GpsCoordinate::Latitude), expected);
    QCOMPARE(rawPositionText(data), expected.isEmpty() ? QString() : expected + u'~');
}

void ExifTextsTest::positionText_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("expected");
    QTest::newRow("example") << u"52,22,1234/100N~4,53,40E"_s << u"52 22 12.3 N,4 53 40 E"_s;
    QTest::newRow("seconds 599/10") << u"52,22,599/10N~4,53,40E"_s << u"52 22 59.9 N,4 53 40 E"_s;
    QTest::newRow("seconds 600/10") << u"52,22,600/10N~4,53,40E"_s << u",4 53 40 E"_s;
    QTest::newRow("seconds 60") << u"52,22,60N~4,53,61E"_s << u"52 22 60 N,"_s;
    QTest::newRow("half rounds up") << u"53,22,5825/100N~1,27,25/100W"_s << u"53 22 58.3 N,1 27 0.3 W"_s;
    QTest::newRow("one decimal always") << u"1,27,2404/100W~1,2,3E"_s << u"1 27 24.0 W,1 2 3 E"_s;
    QTest::newRow("minutes 2230/100") << u"52,2230/100,0N~4,53,40E"_s << u",4 53 40 E"_s;
    QTest::newRow("minutes 61") << u"52,61,0N~4,60,0E"_s << u",4 60 0 E"_s;
    QTest::newRow("decimal minutes") << u"48,53.32358N~21,2.59507E"_s << QString();
    QTest::newRow("longitude missing") << u"52,22,1234/100N~"_s << u"52 22 12.3 N,"_s;
    QTest::newRow("latitude missing") << u"~4,53,40E"_s << u",4 53 40 E"_s;
    QTest::newRow("only the tilde") << u"~"_s << QString();
    QTest::newRow("no tilde") << u"52,22,40N"_s << QString();
    QTest::newRow("too short") << u"1,2N~1,2,3E"_s << u",1 2 3 E"_s;
    QTest::newRow("denominator 0") << u"1,2,3/0N~x"_s << QString();
    QTest::newRow("signs are not digits") << u"-1,2,3N~1,+2,3E"_s << QString();
    QTest::newRow("huge numbers") << u"1,2,99999999999999999999999/3N~1,2,3/99999999999999999999999E"_s << QString();
}

void ExifTextsTest::positionText()
{
    QFETCH(QString, raw);
    QFETCH(QString, expected);
    QCOMPARE(Metadata::positionText(raw), expected);
}

void ExifTextsTest::valueText_data()
{
    QTest::addColumn<bool>("bigEndian");
    QTest::addColumn<quint16>("tag");
    QTest::addColumn<quint16>("type");
    QTest::addColumn<quint32>("count");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, bool bigEndian, TiffType type, quint32 count, const QByteArray &data,
                        const QString &expected, quint16 tag = 271) {
        QTest::newRow(name) << bigEndian << tag << quint16(type) << count << data << expected;
    };
    row("ascii", false, TiffType::Ascii, 6, QByteArray("Canon\0", 6), u"Canon"_s);
    row("ascii up to the first NUL", false, TiffType::Ascii, 8, QByteArray("ab\0cd\0\0\0", 8), u"ab"_s);
    row("ascii in the code page", false, TiffType::Ascii, 3, "\xE9\x80\0", u"é€"_s);
    row("ascii without values", false, TiffType::Ascii, 0, {}, QString());
    row("bytes", false, TiffType::Byte, 3, "\x01\x02\xFF", u"1,2,255"_s);
    row("shorts, little-endian", false, TiffType::Short, 2, "\x01\x02\x03\x04", u"513,1027"_s);
    row("shorts, big-endian", true, TiffType::Short, 2, "\x01\x02\x03\x04", u"258,772"_s);
    row("long", true, TiffType::Long, 1, "\xFF\xFF\xFF\xFF", u"4294967295"_s);
    row("signed", false, TiffType::SByte, 1, "\xFF", u"-1"_s);
    row("signed short", false, TiffType::SShort, 1, "\xFE\xFF", u"-2"_s);
    row("signed long", true, TiffType::SLong, 1, QByteArray("\x80\0\0\0", 4), u"-2147483648"_s);
    row("ifd", false, TiffType::Ifd, 1, QByteArray("\x1A\0\0\0", 4), u"26"_s);
    row("rational 72/1", true, TiffType::Rational, 1, QByteArray("\0\0\0\x48\0\0\0\x01", 8), u"72"_s);
    row("rationals with denominator 0", true, TiffType::Rational, 3,
        QByteArray("\0\0\0\x01\0\0\0\x14\0\0\0\x05\0\0\0\0\0\0\0\0\0\0\0\x03", 24), u"1/20,,0/3"_s);
    row("signed rational", false, TiffType::SRational, 1, QByteArray("\xFF\xFF\xFF\xFF\x03\0\0\0", 8), u"-1/3"_s);
    row("float", false, TiffType::Float, 2, QByteArray("\0\0\0\x3F\xCD\xCC\xCC\x3D", 8), u"0.5,0.100000001490116"_s);
    row("double", true, TiffType::Double, 1, QByteArray("\x44\x15\xAF\x1D\x78\xB5\x8C\x40", 8), u"1e+20"_s);
    row("undefined", false, TiffType::Undefined, 4, "0231", u"30323331"_s);
    row("type not in TIFF", false, TiffType(99), 1, "abcd", QString());
    row("windows text, ucs-2", true, TiffType::Byte, 10, QByteArray("F\0\xFC\0n\0f\0\0\0", 10), u"Fünf"_s, 40091);
    row("windows text, odd byte", false, TiffType::Byte, 5, QByteArray("O\0K\0!", 5), u"OK"_s, 40095);
    row("windows text, lone surrogate", false, TiffType::Byte, 4, QByteArray("\0\xD8" "A\0", 4), u"\uFFFDA"_s,
        40092);
    row("cut to 200 characters", false, TiffType::Ascii, 301, QByteArray(300, 'x') + '\0', QString(200, u'x'));
    row("undefined cut to 200", false, TiffType::Undefined, 150, QByteArray(150, '\x0F'), u"0F"_s.repeated(100));
    row("numbers cut to 200", false, TiffType::Byte, 150, QByteArray(150, '\x07'), u"7,"_s.repeated(100));
}

void ExifTextsTest::valueText()
{
    QFETCH(bool, bigEndian);
    QFETCH(quint16, tag);
    QFETCH(quint16, type);
    QFETCH(quint32, count);
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    QCOMPARE(Metadata::valueText(ExifEntry{tag, type, count, data}, Dir::Ifd0, bigEndian), expected);
}

void ExifTextsTest::tagName_data()
{
    QTest::addColumn<Dir>("directory");
    QTest::addColumn<quint16>("tag");
    QTest::addColumn<QString>("name");
    QTest::newRow("interop index") << Dir::Interoperability << quint16(1) << u"Interop index"_s;
    QTest::newRow("gps latitude ref") << Dir::Gps << quint16(1) << u"GPS latitude ref"_s;
    QTest::newRow("sensitivity type") << Dir::Exif << quint16(0x8830) << u"$8830"_s;
    QTest::newRow("make in ifd1") << Dir::Ifd1 << quint16(271) << u"$010f"_s;
    QTest::newRow("tag 0 of ifd0") << Dir::Ifd0 << quint16(0) << u"$0000"_s;
}

void ExifTextsTest::tagName()
{
    QFETCH(Dir, directory);
    QFETCH(quint16, tag);
    QFETCH(QString, name);
    QCOMPARE(Metadata::tagName(directory, tag), name);
}

void ExifTextsTest::tagListOrderAndContent()
{
    TiffBuilder builder(true);
    builder.ascii(Dir::Ifd0, 272, "EOS")
        .ascii(Dir::Ifd0, 271, "Canon")
        .ascii(Dir::Ifd0, 271, "Second")
        .shorts(Dir::Exif, 0x8830, {2})
        .add(Dir::Exif, 37500, TiffType::Undefined, 2, "\x01\x02")
        .rationals(Dir::Exif, 33434, {{1, 20}})
        .shorts(Dir::Ifd1, 514, {9})
        .shorts(Dir::Ifd1, 259, {6});
    const TAExifEl list = tagList(parsed(builder));
    const auto element = [](int tag, const QString &name, const QString &value) {
        return ExifElRec{tag, u"0"_s, name, replaceIllegalCharacters(name), value};
    };
    const TAExifEl expected = {
        element(271, u"Make"_s, u"Canon"_s), element(271, u"Make"_s, u"Second"_s),
        element(272, u"Model"_s, u"EOS"_s), element(34665, u"ExifOffset"_s, u"62"_s),
        element(33434, u"Exposure time"_s, u"1/20"_s), element(37500, u"MakerNote"_s, u"0102"_s),
        element(259, u"Compression"_s, u"6"_s),
    };
    QCOMPARE(list, expected);
    QCOMPARE(replaceIllegalCharacters(u"a:b\"c/d\\e*f?g<h>i|j"_s), u"a;b'c-d-e-f-g-h-i-j"_s);
    // A value with a line break (an image description) still makes one file name.
    QCOMPARE(replaceIllegalCharacters(u"062\nUSS\r\tReagan\u001f"_s), u"062 USS  Reagan "_s);
}

QTEST_GUILESS_MAIN(ExifTextsTest)
#include "exiftextstest.moc"
