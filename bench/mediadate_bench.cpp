// The date taken of 1,000 files of each of today's kinds (HEIC, CR3, NEF, MP4), copies of the
// media corpus's files under distinct names, read three ways in the same run: with our reader
// through the program's call; as the physical floor, opening each file and reading the bytes
// our reader needs (the file's start up to the last byte any date read depends on, found by
// cutting the file shorter until the date changes); and with one ExifTool call over the same
// files. Prints the times per file and the ratios.
//
// usage: mediadate_bench [CORPUS]   (the folder holding files/; default the one beside the
// source tree)
#include "benchharness.h"

#include "metadata/datetaken.h"
#include "metadata/exifreader.h"
#include "metadata/picturemetadata.h"
#include "metadata/videoreader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int filesPerKind = 1000;
constexpr int repetitions = 5;

struct Kind
{
    const char *name;
    QString source;
    bool video;
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The date as the reader gives it for the file's first length bytes.
QString dateOfStart(const QByteArray &bytes, qsizetype length, bool video)
{
    const QByteArrayView start = QByteArrayView(bytes).first(length);
    if (video) {
        const auto read = Metadata::VideoReader::readBytes(start);
        return read ? Metadata::videoDateTakenText(*read, QTimeZone::utc()) : QString();
    }
    const auto read = Metadata::ExifReader::readBytes(start);
    return read ? Metadata::dateTakenText(*read) : QString();
}

// The shortest start of the file from which the reader still gets the whole file's date.
qsizetype bytesNeeded(const QByteArray &bytes, bool video)
{
    const QString whole = dateOfStart(bytes, bytes.size(), video);
    qsizetype length = bytes.size();
    while (length > 0 && dateOfStart(bytes, length - 1, video) == whole)
        --length;
    return length;
}

// Opening each file and reading its first length bytes with the system's calls, nothing else.
qint64 readStarts(const std::vector<std::string> &paths, qsizetype length)
{
    std::vector<char> buffer(std::size_t(length) + 1);
    qint64 total = 0;
    for (const std::string &path : paths) {
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (descriptor < 0)
            Bench::fail("cannot open a copy");
        total += ::pread(descriptor, buffer.data(), std::size_t(length), 0);
        ::close(descriptor);
    }
    return total;
}

} // namespace

int main(int argc, char **argv)
{
    const QString corpus = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(MIRELTO_MEDIA_CORPUS);
    const QList<Kind> kinds{
        {"heic", corpus + u"/files/gen-iphone.heic"_s, false},
        {"cr3", corpus + u"/files/exiftool-CanonRaw.cr3"_s, false},
        {"nef", corpus + u"/files/exiftool-Nikon.nef"_s, false},
        {"mp4", corpus + u"/files/gen-phone.mp4"_s, true},
    };
    QTemporaryDir scratch;
    if (!scratch.isValid())
        Bench::fail("cannot create a scratch folder");
    const QString exiftool = QStandardPaths::findExecutable(u"exiftool"_s);
    if (exiftool.isEmpty())
        std::fprintf(stderr, "exiftool is not installed (Debian libimage-exiftool-perl): no comparison\n");

    for (const Kind &kind : kinds) {
        const QByteArray bytes = readAll(kind.source);
        if (bytes.isEmpty())
            Bench::fail("the media corpus is not beside the source tree");
        const QString folder = scratch.filePath(QString::fromLatin1(kind.name));
        QDir().mkpath(folder);
        QStringList files;
        std::vector<std::string> paths;
        const QString suffix = kind.source.mid(kind.source.lastIndexOf(u'.'));
        for (int i = 0; i < filesPerKind; ++i) {
            const QString path = folder + u"/IMG_"_s + QString::number(i).rightJustified(4, u'0') + suffix;
            if (!QFile::copy(kind.source, path))
                Bench::fail("cannot copy a corpus file");
            files.append(path);
            paths.push_back(QFile::encodeName(path).toStdString());
        }
        const qsizetype needed = bytesNeeded(bytes, kind.video);

        // Once beforehand, so that every copy is in the page cache for all three.
        int found = 0;
        for (const QString &file : std::as_const(files))
            found += !Metadata::readPictureMetadata(file, Metadata::MetadataItem::DateTaken).isEmpty();
        if (found != filesPerKind)
            Bench::fail("our reader missed dates");

        Bench::Samples ours;
        Bench::Samples floor;
        qint64 sink = 0;
        for (int repetition = 0; repetition < repetitions; ++repetition) {
            ours.time([&] {
                for (const QString &file : std::as_const(files))
                    sink += Metadata::readPictureMetadata(file, Metadata::MetadataItem::DateTaken).size();
            });
            floor.time([&] { sink += readStarts(paths, needed); });
        }
        std::fprintf(stderr, "%s: %d files of %lld bytes, %lld of them needed (checksum %lld)\n", kind.name,
                     filesPerKind, static_cast<long long>(bytes.size()), static_cast<long long>(needed),
                     static_cast<long long>(sink));
        const std::string prefix = std::string("mediadate_") + kind.name;
        const double oursUs = ours.median() * 1000.0 / filesPerKind;
        const double floorUs = floor.median() * 1000.0 / filesPerKind;
        Bench::report(prefix + "_ours_per_file", oursUs, "us");
        Bench::report(prefix + "_floor_per_file", floorUs, "us");
        Bench::report(prefix + "_over_floor", floorUs > 0 ? oursUs / floorUs : 0, "x");

        if (exiftool.isEmpty())
            continue;
        QProcess tool;
        tool.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer timer;
        timer.start();
        tool.start(exiftool, QStringList{u"-fast2"_s, u"-s3"_s, u"-DateTimeOriginal"_s, u"-CreateDate"_s} + files);
        if (!tool.waitForFinished(600'000) || tool.exitStatus() != QProcess::NormalExit)
            Bench::fail("exiftool did not finish");
        const double toolUs = double(timer.nsecsElapsed()) / 1e3 / filesPerKind;
        const qsizetype lines = tool.readAllStandardOutput().count('\n');
        std::fprintf(stderr, "%s: exiftool gave %lld lines\n", kind.name, static_cast<long long>(lines));
        Bench::report(prefix + "_exiftool_per_file", toolUs, "us");
        Bench::report(prefix + "_speedup", oursUs > 0 ? toolUs / oursUs : 0, "x");
    }
    return 0;
}
