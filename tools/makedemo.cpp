// Fills a folder with sample pictures to try the program on: camera-named and freely named JPEG
// pictures with the date taken and the camera in their EXIF data, spread over several days, one
// with a voice recording, a PNG picture, a read-only picture, one without EXIF data, a
// sub-folder with two more and a text file that is no picture. Every byte is made here.
//
// usage: makedemo FOLDER
//
// An argument that starts with "-" is taken for an option, never for a folder: it prints the
// usage (on standard output for -h and --help) and makes nothing. A folder of such a name is
// given as ./-name.
//
// Existing files are never overwritten, and a folder this tool has completed (it holds the
// marker file .mirelto-demo) is left alone, so running it again is harmless and quick.
#include "exifwriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>

using namespace Qt::StringLiterals;
using Tools::ExifWriter;
namespace ExifTag = Tools::ExifTag;

namespace {

const QString markerName = u".mirelto-demo"_s;

struct Camera
{
    QByteArrayView make;
    QByteArrayView model;
};

constexpr Camera canon{"Canon", "Canon EOS 250D"};
constexpr Camera sony{"SONY", "ILCE-6400"};
constexpr Camera panasonic{"Panasonic", "DMC-TZ70"};
constexpr Camera pixel{"Google", "Pixel 7"};
constexpr Camera iphone{"Apple", "iPhone 12"};

enum class Kind { Jpeg, JpegWithoutExif, Png };

struct Picture
{
    QString path;
    // Date taken, "yyyy-MM-dd hh:mm:ss"; also the file's modification time.
    QString taken;
    Camera camera;
    Kind kind = Kind::Jpeg;
    bool readOnly = false;
    bool voiceRecording = false;
};

// The segments a to g of a seven-segment digit, clockwise from the top, g in the middle.
constexpr std::array<quint8, 10> segmentsOfDigit = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// A big number in seven-segment digits: it needs no font, so every machine paints the same.
void paintNumber(QPainter *painter, int number, QPointF topLeft, qreal height)
{
    const QString digits = QString::number(number);
    const qreal width = height / 2;
    const qreal thickness = height / 6;
    const auto horizontal = [&](QPointF origin) {
        QPainterPath path;
        path.addRoundedRect(QRectF(origin.x() + thickness / 2, origin.y() - thickness / 2, width - thickness, thickness),
                            thickness / 2, thickness / 2);
        return path;
    };
    const auto vertical = [&](QPointF origin) {
        QPainterPath path;
        path.addRoundedRect(
            QRectF(origin.x() - thickness / 2, origin.y() + thickness / 2, thickness, height / 2 - thickness),
            thickness / 2, thickness / 2);
        return path;
    };
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const quint8 on = segmentsOfDigit[size_t(digits.at(i).digitValue())];
        const QPointF o = topLeft + QPointF(qreal(i) * (width + thickness * 1.5), 0);
        const std::array<QPainterPath, 7> segments = {
            horizontal(o),
            vertical(o + QPointF(width, 0)),
            vertical(o + QPointF(width, height / 2)),
            horizontal(o + QPointF(0, height)),
            vertical(o + QPointF(0, height / 2)),
            vertical(o),
            horizontal(o + QPointF(0, height / 2)),
        };
        for (size_t s = 0; s < segments.size(); ++s) {
            if (on & (1 << s))
                painter->drawPath(segments[s]);
        }
    }
}

QImage paintPicture(int number)
{
    QImage image(640, 480, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int hue = (number * 47) % 360;
    QLinearGradient sky(0, 0, 640, 480);
    sky.setColorAt(0, QColor::fromHsv(hue, 160, 250));
    sky.setColorAt(1, QColor::fromHsv((hue + 70) % 360, 220, 120));
    painter.fillRect(image.rect(), sky);

    // One of three shapes, so that neighbouring pictures are told apart at a glance.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromHsv((hue + 180) % 360, 200, 240, 200));
    switch (number % 3) {
    case 0:
        painter.drawEllipse(QPointF(470, 300), 130, 130);
        break;
    case 1: {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const qreal radius = i % 2 ? 60 : 150;
            const qreal angle = std::numbers::pi * qreal(i) / 5 - std::numbers::pi / 2;
            star << QPointF(470 + radius * std::cos(angle), 290 + radius * std::sin(angle));
        }
        painter.drawPolygon(star);
        break;
    }
    default:
        painter.drawRoundedRect(QRectF(340, 170, 260, 250), 40, 40);
        break;
    }
    painter.setBrush(QColor(255, 255, 255, 230));
    paintNumber(&painter, number, QPointF(50, 60), 220);
    return image;
}

std::optional<QByteArray> encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, 90))
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> withExif(const QByteArray &jpeg, const Picture &picture)
{
    const QDateTime taken = QDateTime::fromString(picture.taken, u"yyyy-MM-dd hh:mm:ss"_s);
    const QByteArray exifDate = taken.toString(u"yyyy:MM:dd hh:mm:ss"_s).toLatin1();
    ExifWriter exif;
    exif.setAscii(ExifWriter::Directory::Main, ExifTag::make, picture.camera.make);
    exif.setAscii(ExifWriter::Directory::Main, ExifTag::model, picture.camera.model);
    exif.setShort(ExifWriter::Directory::Main, ExifTag::orientation, 1);
    exif.setUndefined(ExifWriter::Directory::Exif, ExifTag::exifVersion, "0232");
    exif.setAscii(ExifWriter::Directory::Exif, ExifTag::dateTimeOriginal, exifDate);
    return exif.insertInto(jpeg);
}

// One second of a 440 Hz tone, 8 kHz mono 16-bit PCM, fading in and out.
QByteArray voiceRecording()
{
    constexpr int rate = 8000;
    constexpr int samples = rate;
    QByteArray data;
    for (int i = 0; i < samples; ++i) {
        const double fade = std::min({1.0, i / 800.0, (samples - i) / 800.0});
        const auto sample = qint16(std::lround(8000 * fade * std::sin(2 * std::numbers::pi * 440 * i / rate)));
        char raw[2];
        qToLittleEndian(sample, raw);
        data.append(raw, 2);
    }
    QByteArray wave;
    const auto append32 = [&wave](quint32 value) {
        char raw[4];
        qToLittleEndian(value, raw);
        wave.append(raw, 4);
    };
    const auto append16 = [&wave](quint16 value) {
        char raw[2];
        qToLittleEndian(value, raw);
        wave.append(raw, 2);
    };
    wave.append("RIFF");
    append32(quint32(36 + data.size()));
    wave.append("WAVEfmt ");
    append32(16);
    append16(1); // PCM
    append16(1); // mono
    append32(rate);
    append32(rate * 2); // bytes per second
    append16(2);        // bytes per sample frame
    append16(16);       // bits per sample
    wave.append("data");
    append32(quint32(data.size()));
    wave.append(data);
    return wave;
}

enum class Outcome { Written, Existed, Failed };

// Writes a new file; an existing one is kept as it is.
Outcome writeNewFile(const QString &path, const QByteArray &content, const QDateTime &modified = {})
{
    if (QFileInfo::exists(path))
        return Outcome::Existed;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(content) != content.size()) {
        std::fprintf(stderr, "makedemo: cannot write %s: %s\n", qUtf8Printable(path), qUtf8Printable(file.errorString()));
        file.remove();
        return Outcome::Failed;
    }
    // Written out first, or closing the file would stamp it with the current time after all.
    if (modified.isValid() && file.flush())
        file.setFileTime(modified, QFileDevice::FileModificationTime);
    return Outcome::Written;
}

bool makePicture(const QString &folder, const Picture &picture, int number)
{
    const QImage image = paintPicture(number);
    std::optional<QByteArray> bytes = encoded(image, picture.kind == Kind::Png ? "PNG" : "JPEG");
    if (bytes && picture.kind == Kind::Jpeg)
        bytes = withExif(*bytes, picture);
    if (!bytes) {
        std::fprintf(stderr, "makedemo: cannot encode %s\n", qUtf8Printable(picture.path));
        return false;
    }
    const QString path = folder + u'/' + picture.path;
    const QDateTime taken = QDateTime::fromString(picture.taken, u"yyyy-MM-dd hh:mm:ss"_s);
    const Outcome outcome = writeNewFile(path, *bytes, taken);
    if (outcome == Outcome::Failed)
        return false;
    if (outcome == Outcome::Written && picture.readOnly
        && !QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther)) {
        std::fprintf(stderr, "makedemo: cannot make %s read-only\n", qUtf8Printable(path));
        return false;
    }
    if (picture.voiceRecording) {
        const QString wave = path.left(path.lastIndexOf(u'.')) + u".wav"_s;
        if (writeNewFile(wave, voiceRecording(), taken) == Outcome::Failed)
            return false;
    }
    return true;
}

const QList<Picture> &pictures()
{
    static const QList<Picture> all = {
        {u"IMG_0001.JPG"_s, u"2023-07-14 09:12:03"_s, canon},
        {u"IMG_0002.jpg"_s, u"2023-07-14 09:15:41"_s, canon, Kind::Jpeg, false, true},
        {u"IMG_0003.JPG"_s, u"2023-07-14 13:02:17"_s, canon},
        {u"DSC01234.jpg"_s, u"2023-07-15 10:30:00"_s, sony},
        {u"DSC01235.jpg"_s, u"2023-07-15 10:31:12"_s, sony},
        {u"P1010001.JPG"_s, u"2023-07-16 18:45:09"_s, panasonic},
        {u"P1010002.JPG"_s, u"2023-07-16 18:47:55"_s, panasonic, Kind::Jpeg, true},
        {u"beach.jpg"_s, u"2023-07-17 11:20:34"_s, pixel},
        {u"Sunset at the pier.jpeg"_s, u"2023-07-17 21:03:50"_s, pixel},
        {u"Caf\u00e9 terrace.jpg"_s, u"2023-07-18 16:40:00"_s, iphone},
        {u"scan of an old photo.jpg"_s, u"2023-07-19 08:00:00"_s, {}, Kind::JpegWithoutExif},
        {u"drawing.png"_s, u"2023-07-19 20:15:00"_s, {}, Kind::Png},
        {u"Older/IMG_0990.JPG"_s, u"2022-12-24 19:30:00"_s, canon},
        {u"Older/IMG_0991.JPG"_s, u"2022-12-25 10:05:00"_s, canon},
    };
    return all;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    constexpr const char *usage = "usage: makedemo FOLDER\n"
                                  "Fills FOLDER with sample pictures to try Mirelto on.\n";
    if (arguments.size() == 2 && (arguments.at(1) == u"-h"_s || arguments.at(1) == u"--help"_s)) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (arguments.size() != 2 || arguments.at(1).isEmpty() || arguments.at(1).startsWith(u'-')) {
        std::fputs(usage, stderr);
        return 2;
    }
    const QString folder = QDir::cleanPath(QDir::fromNativeSeparators(arguments.at(1)));
    if (QFileInfo::exists(folder + u'/' + markerName))
        return 0;
    if (!QDir().mkpath(folder + u"/Older"_s)) {
        std::fprintf(stderr, "makedemo: cannot create %s\n", qUtf8Printable(folder));
        return 1;
    }
    bool complete = true;
    for (int i = 0; i < pictures().size(); ++i)
        complete = makePicture(folder, pictures().at(i), i + 1) && complete;
    const QByteArray notes = "Holiday on the coast, July 2023.\n"
                             "Sort out the pictures of the pier and the terrace before sending them.\n";
    complete = writeNewFile(folder + u"/notes.txt"_s, notes) != Outcome::Failed && complete;
    // The marker comes last: a run that failed half-way is finished by the next one.
    if (complete)
        complete = writeNewFile(folder + u'/' + markerName, QByteArrayLiteral("Made by makedemo\n")) != Outcome::Failed;
    return complete ? 0 : 1;
}
