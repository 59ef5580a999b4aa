#include "metadata/exifelrec.h"
#include "metadata/mediadate.h"
#include "metadata/mediaformat.h"
#include "metadata/picturemetadata.h"
#include "metadata/videoreader.h"

#include <QFile>
#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;
using namespace Metadata;

// The real files of today's cameras and phones beside the clone (../shared/media-corpus), with
// what an independent tool read from them. Every row is checked: the format told by the
// bytes, the date taken (videos in UTC, as the table gives them), make, model and orientation.
// The table's pixel sizes are not checked: the program never reads a picture's size.
class MediaCorpusTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void corpusFile_data();
    void corpusFile();
    void videoDateFollowsTheZoneUnlessAppleGivesIt_data();
    void videoDateFollowsTheZoneUnlessAppleGivesIt();

private:
    QString m_corpus;
    QList<QStringList> m_rows;
};

namespace {

constexpr int makeTag = 271;
constexpr int modelTag = 272;

QString tagValue(const TAExifEl &tags, int tag)
{
    for (const ExifElRec &rec : tags) {
        if (rec.ElTagnbr == tag)
            return rec.ElValue;
    }
    return {};
}

QList<MediaFormat> formatsOfKind(const QString &kind)
{
    if (kind == u"raw")
        return {MediaFormat::Tiff, MediaFormat::Raf, MediaFormat::Cr3};
    if (kind == u"heif")
        return {MediaFormat::Heif};
    if (kind == u"webp")
        return {MediaFormat::WebP};
    if (kind == u"video")
        return {MediaFormat::Video};
    return {};
}

// "-" in the table: the tool found no such value.
QString orNothing(const QString &value)
{
    return value == u"-" ? QString() : value;
}

} // namespace

void MediaCorpusTest::initTestCase()
{
    m_corpus = qEnvironmentVariable("MIRELTO_SOURCE_DIR") + u"/../shared/media-corpus"_s;
    QFile table(m_corpus + u"/expected.tsv"_s);
    if (!table.open(QIODevice::ReadOnly | QIODevice::Text))
        QSKIP("The media corpus is not beside the source tree");
    const QStringList header = QString::fromUtf8(table.readLine()).trimmed().split(u'\t');
    QCOMPARE(header, (QStringList{u"file"_s, u"kind"_s, u"date_taken"_s, u"how"_s, u"make"_s, u"model"_s,
                                  u"pixels"_s, u"orientation"_s}));
    while (!table.atEnd()) {
        const QString line = QString::fromUtf8(table.readLine()).chopped(1);
        if (!line.isEmpty())
            m_rows.append(line.split(u'\t'));
    }
    QVERIFY(m_rows.size() >= 14);
}

void MediaCorpusTest::corpusFile_data()
{
    QTest::addColumn<QStringList>("row");
    for (const QStringList &row : std::as_const(m_rows))
        QTest::newRow(row.at(0).toUtf8().constData()) << row;
}

void MediaCorpusTest::corpusFile()
{
    QFETCH(QStringList, row);
    QCOMPARE(row.size(), 8);
    const QString path = m_corpus + u"/files/"_s + row.at(0);
    QVERIFY2(QFile::exists(path), qPrintable(path));

    QVERIFY2(formatsOfKind(row.at(1)).contains(mediaFormatOf(path)), qPrintable(row.at(1)));
    QCOMPARE(mediaDateTaken(path, QTimeZone::utc()), orNothing(row.at(2)));
    if (row.at(1) != u"video")
        QCOMPARE(readPictureMetadata(path, MetadataItem::DateTaken), orNothing(row.at(2)));
    // The tool drops the blanks that pad some cameras' texts; the program keeps a value as stored.
    const TAExifEl tags = readTagList(path);
    QCOMPARE(tagValue(tags, makeTag).trimmed(), orNothing(row.at(4)));
    QCOMPARE(tagValue(tags, modelTag).trimmed(), orNothing(row.at(5)));
    // "0" is the program's word for EXIF data without an orientation, the tool's "-" too.
    const QString orientation = readPictureMetadata(path, MetadataItem::Orientation);
    QCOMPARE(orientation == u"0" ? QString() : orientation, orNothing(row.at(7)));
}

void MediaCorpusTest::videoDateFollowsTheZoneUnlessAppleGivesIt_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("expected");
    QTest::newRow("mvhd in Lisbon summer time") << u"gen-phone.mp4"_s << "Europe/Lisbon"_ba << u"2024-05-03 13:00:05"_s;
    QTest::newRow("mvhd in Tokyo") << u"gen-phone.mp4"_s << "Asia/Tokyo"_ba << u"2024-05-03 21:00:05"_s;
    QTest::newRow("Apple key in Tokyo") << u"gen-apple.mov"_s << "Asia/Tokyo"_ba << u"2024-05-03 14:22:11"_s;
    QTest::newRow("Apple key in New York") << u"gen-apple.mov"_s << "America/New_York"_ba << u"2024-05-03 14:22:11"_s;
}

void MediaCorpusTest::videoDateFollowsTheZoneUnlessAppleGivesIt()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, zone);
    QFETCH(QString, expected);
    const QString path = m_corpus + u"/files/"_s + file;
    QVERIFY(QFile::exists(path));
    QCOMPARE(mediaDateTaken(path, QTimeZone(zone)), expected);
    const ExifResult<VideoMetadata> video = VideoReader::read(path);
    QVERIFY(video);
    QVERIFY(video->durationMs > 0);
}

QTEST_GUILESS_MAIN(MediaCorpusTest)

#include "mediacorpustest.moc"
