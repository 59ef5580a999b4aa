#include "metadata/filedate.h"
#include "metadata/picturemetadata.h"
#include "tiffbuilder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Metadata;

using Dir = ExifDirectory;

// The reads the rest of the program calls, on picture files in a temporary folder.
class PictureMetadataTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void readsEachItem_data();
    void readsEachItem();
    void fileDate();

private:
    QString write(const QString &name, const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> m_folder;
};

void PictureMetadataTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void PictureMetadataTest::cleanup()
{
    m_folder.reset();
}

QString PictureMetadataTest::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_folder->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

void PictureMetadataTest::readsEachItem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("orientation");
    QTest::addColumn<int>("tags");
    TiffBuilder builder(true);
    builder.shorts(Dir::Ifd0, 274, {3})
        .ascii(Dir::Exif, 0x9003, "2023:12:24 15:30:07")
        .ascii(Dir::Gps, 1, "N")
        .rationals(Dir::Gps, 2, {{52, 1}, {22, 1}, {1234, 100}})
        .ascii(Dir::Gps, 3, "E")
        .rationals(Dir::Gps, 4, {{4, 1}, {53, 1}, {40, 1}});
    const QByteArray tiff = builder.build();
    const QString date = u"2023-12-24 15:30:07"_s;
    const QString position = u"52,22,1234/100N~4,53,40E"_s;
    // Orientation, the two pointers, DateTimeOriginal and the four GPS tags.
    QTest::newRow("jpeg") << u"a.jpg"_s << TiffBuilder::jpeg(tiff) << date << position << u"3"_s << 8;
    QTest::newRow("jpeg named .bmp") << u"a.bmp"_s << TiffBuilder::jpeg(tiff) << date << position << u"3"_s << 8;
    QTest::newRow("bmp") << u"b.bmp"_s << QByteArray("BM\x36\0\0\0", 6) << QString() << QString() << QString() << 0;
    QTest::newRow("exif without orientation")
        << u"c.jpg"_s << TiffBuilder::jpeg(TiffBuilder().ascii(Dir::Ifd0, 271, "Make").build()) << QString()
        << QString() << u"0"_s << 1;
    QTest::newRow("missing file") << QString() << QByteArray() << QString() << QString() << QString() << 0;
}

void PictureMetadataTest::readsEachItem()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString path = name.isEmpty() ? m_folder->filePath(u"missing.jpg"_s) : write(name, bytes);
    QVERIFY(!path.isEmpty());
    QTEST(readPictureMetadata(path, MetadataItem::DateTaken), "date");
    QTEST(readPictureMetadata(path, MetadataItem::Position), "position");
    QTEST(GetLatLong(path), "position");
    QTEST(readPictureMetadata(path, MetadataItem::Orientation), "orientation");
    QTEST(int(readTagList(path).size()), "tags");
}

void PictureMetadataTest::fileDate()
{
    const QString path = write(u"old.jpg"_s, "x");
    const QDateTime modified(QDate(2001, 2, 3), QTime(4, 5, 6));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    QCOMPARE(Metadata::fileDate(path), modified);
    QCOMPARE(Metadata::fileDate(path).timeSpec(), Qt::LocalTime);

    const QDateTime before = QDateTime::currentDateTime();
    for (const QString &standIn : {m_folder->filePath(u"missing.jpg"_s), m_folder->path()}) {
        const QDateTime date = Metadata::fileDate(standIn);
        QVERIFY(date >= before.addSecs(-1) && date <= QDateTime::currentDateTime());
    }
}

QTEST_GUILESS_MAIN(PictureMetadataTest)
#include "picturemetadatatest.moc"
