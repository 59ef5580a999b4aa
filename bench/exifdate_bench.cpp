// The date taken of every picture of the EXIF corpus, read at least 10,000 times in all: once
// with our reader and once with libexiv2, which parses the whole file's metadata the way a
// general-purpose library does. Prints both times, the time per read and the ratio.
//
// usage: exifdate_bench [CORPUS]   (the corpus folder holding files/; default the one beside the
// source tree; without it, generated JPEGs stand in)
#include "benchharness.h"

#include "exifwriter.h"
#include "metadata/picturemetadata.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <exiv2/exiv2.hpp>

#include <cstdio>
#include <memory>
#include <string>

using namespace Qt::StringLiterals;

namespace {

constexpr int minimumReads = 10'000;
constexpr int generatedCount = 100;

QStringList corpusFiles(const QString &corpus)
{
    QStringList files;
    const QDir folder(corpus + u"/files"_s);
    for (const QFileInfo &entry : folder.entryInfoList(QDir::Files, QDir::Name))
        files.append(entry.filePath());
    return files;
}

QStringList generatedFiles(const QString &folder)
{
    QStringList files;
    for (int i = 0; i < generatedCount; ++i) {
        Tools::ExifWriter exif(i % 2 ? Tools::ExifWriter::ByteOrder::BigEndian : Tools::ExifWriter::ByteOrder::LittleEndian);
        exif.setAscii(Tools::ExifWriter::Directory::Main, Tools::ExifTag::make, "Camera");
        exif.setAscii(Tools::ExifWriter::Directory::Main, Tools::ExifTag::model, "Model");
        const QByteArray taken = QStringLiteral("2023:%1:%2 12:34:56")
                                     .arg(i % 12 + 1, 2, 10, QChar(u'0'))
                                     .arg(i % 28 + 1, 2, 10, QChar(u'0'))
                                     .toLatin1();
        exif.setAscii(Tools::ExifWriter::Directory::Exif, Tools::ExifTag::dateTimeOriginal, taken);
        // Image data after the EXIF block, as a real picture has.
        QByteArray jpeg("\xFF\xD8", 2);
        jpeg += QByteArray("\xFF\xDB\x00\x43", 4) + QByteArray(0x41, '\x01');
        jpeg += QByteArray("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10) + QByteArray(200'000, '\x55');
        jpeg += QByteArray("\xFF\xD9", 2);
        const auto bytes = exif.insertInto(jpeg);
        const QString path = folder + u"/picture"_s + QString::number(i) + u".jpg"_s;
        QFile file(path);
        if (!bytes || !file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size())
            Bench::fail("cannot write the generated pictures");
        files.append(path);
    }
    return files;
}

QString exiv2DateTaken(const QString &path)
{
    // libexiv2 reports unreadable files by throwing; a file it cannot read has no date here,
    // just as with our reader.
    try {
        const auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        image->readMetadata();
        const Exiv2::ExifData &data = image->exifData();
        const auto found = data.findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"));
        if (found == data.end())
            return {};
        return QString::fromStdString(found->toString());
    } catch (const std::exception &) {
        return {};
    }
}

} // namespace

int main(int argc, char **argv)
{
    QString corpus = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(MIRELTO_EXIF_CORPUS);
    QStringList files = corpusFiles(corpus);
    QTemporaryDir scratch;
    QString source = u"corpus"_s;
    if (files.isEmpty()) {
        if (!scratch.isValid())
            Bench::fail("cannot create a scratch folder");
        files = generatedFiles(scratch.path());
        source = u"generated"_s;
    }
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    const int rounds = (minimumReads + int(files.size()) - 1) / int(files.size());
    const int reads = rounds * int(files.size());
    std::fprintf(stderr, "%d %s files, %d rounds, %d reads each\n", int(files.size()), qPrintable(source), rounds, reads);

    // Both once beforehand, so that the files are in the page cache for both.
    int oursFound = 0;
    int exiv2Found = 0;
    for (const QString &file : std::as_const(files)) {
        oursFound += !Metadata::readPictureMetadata(file, Metadata::MetadataItem::DateTaken).isEmpty();
        exiv2Found += !exiv2DateTaken(file).isEmpty();
    }

    Bench::Samples ours;
    qint64 sink = 0;
    ours.time([&] {
        for (int round = 0; round < rounds; ++round) {
            for (const QString &file : std::as_const(files))
                sink += Metadata::readPictureMetadata(file, Metadata::MetadataItem::DateTaken).size();
        }
    });
    Bench::Samples library;
    library.time([&] {
        for (int round = 0; round < rounds; ++round) {
            for (const QString &file : std::as_const(files))
                sink += exiv2DateTaken(file).size();
        }
    });
    std::fprintf(stderr, "dates found: ours %d, libexiv2 %d of %d files (checksum %lld)\n", oursFound, exiv2Found,
                 int(files.size()), static_cast<long long>(sink));

    const double oursMs = ours.median();
    const double libraryMs = library.median();
    Bench::report("exifdate_reads", reads, "reads");
    Bench::report("exifdate_ours", oursMs, "ms");
    Bench::report("exifdate_exiv2", libraryMs, "ms");
    Bench::report("exifdate_ours_per_read", oursMs * 1000.0 / reads, "us");
    Bench::report("exifdate_exiv2_per_read", libraryMs * 1000.0 / reads, "us");
    Bench::report("exifdate_speedup", oursMs > 0 ? libraryMs / oursMs : 0, "x");
    return 0;
}
