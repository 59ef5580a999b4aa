#include "metadata/camerafacts.h"

#include "exifwriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Metadata;
using Tools::ExifWriter;

class CameraFactsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void factsOfAPicture_data();
    void factsOfAPicture();
};

void CameraFactsTest::factsOfAPicture_data()
{
    QTest::addColumn<int>("byteOrder");
    QTest::newRow("little endian") << int(ExifWriter::ByteOrder::LittleEndian);
    QTest::newRow("big endian") << int(ExifWriter::ByteOrder::BigEndian);
}

void CameraFactsTest::factsOfAPicture()
{
    QFETCH(int, byteOrder);
    ExifWriter exif{ExifWriter::ByteOrder(byteOrder)};
    exif.setAscii(ExifWriter::Directory::Main, Tools::ExifTag::make, "NIKON CORPORATION");
    exif.setAscii(ExifWriter::Directory::Main, Tools::ExifTag::model, "NIKON D750  ");
    exif.setAscii(ExifWriter::Directory::Exif, Tools::ExifTag::dateTimeOriginal, "2024:05:03 13:10:04");
    exif.setAscii(ExifWriter::Directory::Exif, 0xA431, "3012345");
    exif.setAscii(ExifWriter::Directory::Exif, 0x9011, "+01:00");
    const auto bytes = exif.insertInto(QByteArray("\xFF\xD8\xFF\xD9", 4));
    QVERIFY(bytes);
    QTemporaryDir dir;
    QFile file(dir.filePath(u"DSC_1.JPG"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(*bytes), bytes->size());
    file.close();

    const CameraFacts facts = readCameraFacts(file.fileName());
    QCOMPARE(facts, (CameraFacts{u"2024-05-03 13:10:04"_s, u"NIKON CORPORATION"_s, u"NIKON D750"_s, u"3012345"_s,
                                 u"+01:00"_s}));
    // A phone names no serial number; a file without EXIF data names nothing.
    QCOMPARE(readCameraFacts(dir.filePath(u"missing.jpg"_s)), CameraFacts{});
}

QTEST_GUILESS_MAIN(CameraFactsTest)
#include "camerafactstest.moc"
