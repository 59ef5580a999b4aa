#include "metadata/exifthumbnail.h"
#include "tiffbuilder.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Metadata;

using Dir = ExifDirectory;

class ExifThumbnailTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cameraFiles_data();
    void cameraFiles();
    void builtStructures_data();
    void builtStructures();
    void everyTruncationGivesAllOrNothing();
};

namespace {

QString corpusFile(const QString &name)
{
    return qEnvironmentVariable("MIRELTO_SOURCE_DIR") + u"/../shared/exif-corpus/files/"_s + name;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A stand-in thumbnail: start-of-image, some bytes, end-of-image.
const QByteArray thumbnail = QByteArray("\xFF\xD8\xFF\xDB", 4) + QByteArray(40, '\x11') + QByteArray("\xFF\xD9", 2);

enum class Fault { None, ShortTypes, OffsetPastEnd, LengthPastEnd, NoStartOfImage, NoLength, ZeroLength };

// A JPEG file whose IFD1 points at a thumbnail laid after the TIFF structure.
QByteArray jpegWithThumbnail(bool bigEndian, Fault fault)
{
    const auto build = [&](quint32 offset) {
        TiffBuilder builder(bigEndian);
        builder.shorts(Dir::Ifd0, 274, {6}).shorts(Dir::Ifd1, 259, {6});
        quint32 length = quint32(thumbnail.size());
        if (fault == Fault::OffsetPastEnd)
            offset += 1000;
        if (fault == Fault::LengthPastEnd)
            length += 1;
        if (fault == Fault::ZeroLength)
            length = 0;
        if (fault == Fault::ShortTypes) {
            builder.shorts(Dir::Ifd1, 0x0201, {quint16(offset)}).shorts(Dir::Ifd1, 0x0202, {quint16(length)});
        } else {
            builder.longs(Dir::Ifd1, 0x0201, {offset});
            if (fault != Fault::NoLength)
                builder.longs(Dir::Ifd1, 0x0202, {length});
        }
        return builder.build();
    };
    const QByteArray tiff = build(0);
    const QByteArray picture = fault == Fault::NoStartOfImage ? QByteArray(thumbnail).replace(1, 1, "\xD9") : thumbnail;
    return TiffBuilder::jpeg(build(quint32(tiff.size())) + picture);
}

} // namespace

// The lengths and SHA-1 digests were taken by walking each file's IFD1 by hand.
void ExifThumbnailTest::cameraFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("digest");

    QTest::newRow("Canon 40D, II") << u"ianare-Canon_40D.jpg"_s << 1378 << QByteArray("f7b090b70f41");
    QTest::newRow("Fujifilm 6900, MM") << u"ianare-Fujifilm_FinePix6900ZOOM.jpg"_s << 1428 << QByteArray("923025f29041");
    QTest::newRow("Nikon D7000, MM, turned left")
        << u"exiv2-pr_1994_poc1_NikonD7000.jpg"_s << 8974 << QByteArray("a221fd014e1e");
    QTest::newRow("Canon, II, turned right") << u"ianare-hdr-canon_hdr_NO.jpg"_s << 10151 << QByteArray("48c3fb746743");
    QTest::newRow("Minolta, thumbnail after maker note")
        << u"ianare-Konica_Minolta_DiMAGE_Z3.jpg"_s << 1234 << QByteArray("548d99a53cc0");
    QTest::newRow("Kodak DC240") << u"ianare-exif-org-kodak-dc240.jpg"_s << 6934 << QByteArray("7e0a9d24b200");
    // Offset and length kept while the bytes were stripped.
    QTest::newRow("stripped thumbnail") << u"exiftool-Apple.jpg"_s << 0 << QByteArray();
    QTest::newRow("no IFD1") << u"ianare-orientation-landscape_6.jpg"_s << 0 << QByteArray();
    QTest::newRow("IFD1 without thumbnail tags") << u"mdx-FujiFilm_DS-7_1.jpg"_s << 0 << QByteArray();
    QTest::newRow("no EXIF block") << u"ianare-exif-org-olympus-d320l.jpg"_s << 0 << QByteArray();
    QTest::newRow("PNG") << u"exiftool-PNG.png"_s << 0 << QByteArray();
    QTest::newRow("cut after 30 bytes") << u"exiv2-issue_1815_poc.jpg"_s << 0 << QByteArray();
    QTest::newRow("missing file") << u"no-such-file.jpg"_s << 0 << QByteArray();
}

void ExifThumbnailTest::cameraFiles()
{
    QFETCH(QString, file);
    QFETCH(int, length);
    QFETCH(QByteArray, digest);
    if (!QFile::exists(corpusFile(u"ianare-Canon_40D.jpg"_s)))
        QSKIP("The EXIF corpus is not beside the clone");
    const QByteArray bytes = ExifThumbnail::read(corpusFile(file));
    QCOMPARE(bytes.size(), length);
    QCOMPARE(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(digest.size()), digest);
    QCOMPARE(ExifThumbnail::readBytes(readAll(corpusFile(file))), bytes);
}

void ExifThumbnailTest::builtStructures_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("found");

    QTest::newRow("little endian") << jpegWithThumbnail(false, Fault::None) << true;
    QTest::newRow("big endian") << jpegWithThumbnail(true, Fault::None) << true;
    QTest::newRow("SHORT offset and length") << jpegWithThumbnail(true, Fault::ShortTypes) << true;
    QTest::newRow("offset past the block") << jpegWithThumbnail(false, Fault::OffsetPastEnd) << false;
    QTest::newRow("length past the block") << jpegWithThumbnail(false, Fault::LengthPastEnd) << false;
    QTest::newRow("not a JPEG picture") << jpegWithThumbnail(false, Fault::NoStartOfImage) << false;
    QTest::newRow("no length") << jpegWithThumbnail(false, Fault::NoLength) << false;
    QTest::newRow("zero length") << jpegWithThumbnail(false, Fault::ZeroLength) << false;
    QTest::newRow("IFD1 is IFD0") << TiffBuilder::jpeg(TiffBuilder().shorts(Dir::Ifd0, 274, {1}).pointTo(Dir::Ifd1, 8).build())
                                  << false;
    QTest::newRow("IFD1 beyond the block")
        << TiffBuilder::jpeg(TiffBuilder().shorts(Dir::Ifd0, 274, {1}).pointTo(Dir::Ifd1, 0xFFFFFFF0).build()) << false;
    QTest::newRow("garbage") << QByteArray("\xFF\xD8\xFF\xE1\x00\x10" "Exif\0\0" "MM\0*\xFF\xFF\xFF\xFF", 20) << false;
}

void ExifThumbnailTest::builtStructures()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, found);
    QCOMPARE(ExifThumbnail::readBytes(file), found ? thumbnail : QByteArray());
}

// Cut anywhere before the thumbnail's last byte, a file gives nothing; never a part of it.
void ExifThumbnailTest::everyTruncationGivesAllOrNothing()
{
    const QByteArray file = readAll(corpusFile(u"ianare-Canon_40D.jpg"_s));
    if (file.isEmpty())
        QSKIP("The EXIF corpus is not beside the clone");
    const QByteArray whole = ExifThumbnail::readBytes(file);
    QVERIFY(!whole.isEmpty());
    const qsizetype end = file.indexOf(whole) + whole.size();
    for (qsizetype cut = 0; cut < file.size(); ++cut)
        QCOMPARE(ExifThumbnail::readBytes(QByteArrayView(file).first(cut)), cut < end ? QByteArray() : whole);
}

QTEST_GUILESS_MAIN(ExifThumbnailTest)
#include "exifthumbnailtest.moc"
