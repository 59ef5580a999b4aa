#include "session/folderscan.h"
#include "session/mediafollowers.h"
#include "session/pictures.h"

#include "support/files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Session;

class MediaFollowersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsAndFollowers_data();
    void rowsAndFollowers();
    void groupsSwitchedOff();
    void scanMarksThePicturesWithAPair();
    void durationText();
};

namespace {

// "name>new name" for each follower of picture retitled to newTitle.
QStringList followed(const QString &picture, const QStringList &names, const QString &newTitle,
                     const MediaOptions &options = {})
{
    QStringList result;
    for (const Follower &follower : followersOf(picture, names, options))
        result.append(follower.name + u'>' + follower.newName(newTitle));
    return result;
}

} // namespace

void MediaFollowersTest::rowsAndFollowers_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("pairsFollow");
    QTest::addColumn<QStringList>("rows");
    // The first row, retitled to "New" + its extension in lower case, takes these along.
    QTest::addColumn<QStringList>("followers");

    QTest::newRow("RAW and JPEG, sidecars in both styles")
        << QStringList{u"IMG_1.JPG"_s, u"IMG_1.CR2"_s, u"IMG_1.CR2.xmp"_s, u"IMG_1.xmp"_s, u"IMG_1.JPG.json"_s}
        << true << QStringList{u"IMG_1.JPG"_s}
        << QStringList{u"IMG_1.CR2>New.CR2"_s, u"IMG_1.CR2.xmp>New.CR2.xmp"_s, u"IMG_1.xmp>New.xmp"_s,
                       u"IMG_1.JPG.json>New.jpg.json"_s};
    QTest::newRow("Live Photo")
        << QStringList{u"IMG_2.HEIC"_s, u"IMG_2.MOV"_s, u"IMG_2.AAE"_s} << true << QStringList{u"IMG_2.HEIC"_s}
        << QStringList{u"IMG_2.MOV>New.MOV"_s, u"IMG_2.AAE>New.AAE"_s};
    QTest::newRow("JPEG leads HEIF, RAW and video")
        << QStringList{u"P.heic"_s, u"P.jpeg"_s, u"P.dng"_s, u"P.mp4"_s} << true << QStringList{u"P.jpeg"_s}
        << QStringList{u"P.heic>New.heic"_s, u"P.dng>New.dng"_s, u"P.mp4>New.mp4"_s};
    QTest::newRow("lone RAW with its pp3 and dop")
        << QStringList{u"DSC_3.NEF"_s, u"DSC_3.NEF.pp3"_s, u"DSC_3.NEF.dop"_s} << true << QStringList{u"DSC_3.NEF"_s}
        << QStringList{u"DSC_3.NEF.pp3>New.nef.pp3"_s, u"DSC_3.NEF.dop>New.nef.dop"_s};
    QTest::newRow("lone video") << QStringList{u"VID_4.mp4"_s} << true << QStringList{u"VID_4.mp4"_s}
                                << QStringList{};
    QTest::newRow("letter cases differ")
        << QStringList{u"img_5.jpg"_s, u"IMG_5.Cr2"_s, u"Img_5.cr2.XMP"_s, u"IMG_5.JPG.supplemental-metadata.json"_s}
        << true << QStringList{u"img_5.jpg"_s}
        << QStringList{u"IMG_5.Cr2>New.Cr2"_s, u"Img_5.cr2.XMP>New.cr2.XMP"_s,
                       u"IMG_5.JPG.supplemental-metadata.json>New.jpg.supplemental-metadata.json"_s};
    QTest::newRow("pairs apart: each a row, its own sidecar with it")
        << QStringList{u"IMG_6.CR2"_s, u"IMG_6.CR2.xmp"_s, u"IMG_6.JPG"_s} << false
        << QStringList{u"IMG_6.CR2"_s, u"IMG_6.JPG"_s} << QStringList{u"IMG_6.CR2.xmp>New.cr2.xmp"_s};
    QTest::newRow("pictures of old stay rows")
        << QStringList{u"A.jpg"_s, u"A.png"_s, u"A.xmp"_s} << true << QStringList{u"A.jpg"_s, u"A.png"_s}
        << QStringList{u"A.xmp>New.xmp"_s};
    QTest::newRow("two RAW files of one name lead together")
        << QStringList{u"B.cr2"_s, u"B.nef"_s, u"B.mov"_s} << true << QStringList{u"B.cr2"_s, u"B.nef"_s}
        << QStringList{u"B.mov>New.mov"_s};
    QTest::newRow("longer names and other files are no followers")
        << QStringList{u"C.jpg"_s, u"C.jpg.txt"_s, u"C_1.CR2"_s, u"C.jpg.mov"_s, u"C.wav"_s} << true
        << QStringList{u"C.jpg"_s, u"C.jpg.mov"_s, u"C_1.CR2"_s} << QStringList{};
}

void MediaFollowersTest::rowsAndFollowers()
{
    QFETCH(QStringList, names);
    QFETCH(bool, pairsFollow);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, followers);
    MediaOptions options;
    options.pairsFollow = pairsFollow;
    QStringList listed = withoutPairs(names, options);
    listed.sort();
    QCOMPARE(listed, rows);
    const QString first = rows.first();
    const QString newTitle = u"New"_s + first.mid(first.lastIndexOf(u'.')).toLower();
    QCOMPARE(followed(first, names, newTitle, options), followers);
}

void MediaFollowersTest::groupsSwitchedOff()
{
    MediaOptions noRaw;
    noRaw.raw = false;
    // A RAW file is no row of its own then, but still goes with its picture.
    QCOMPARE(withoutPairs({u"D.NEF"_s, u"E.jpg"_s, u"E.ORF"_s}, noRaw), (QStringList{u"E.jpg"_s}));
    QCOMPARE(followed(u"E.jpg"_s, {u"E.jpg"_s, u"E.ORF"_s}, u"X.jpg"_s, noRaw), (QStringList{u"E.ORF>X.ORF"_s}));
    MediaOptions onlyVideos{false, false, false, true, true};
    QCOMPARE(withoutPairs({u"F.jpg"_s, u"F.mov"_s, u"G.heic"_s, u"H.m2ts"_s}, onlyVideos),
             (QStringList{u"F.mov"_s, u"H.m2ts"_s}));
}

void MediaFollowersTest::scanMarksThePicturesWithAPair()
{
    QTemporaryDir dir;
    for (const QString &name : {u"IMG_1.JPG"_s, u"IMG_1.CR2"_s, u"IMG_2.HEIC"_s, u"IMG_2.MOV"_s, u"IMG_3.avif"_s,
                                u"IMG_3.xmp"_s, u"VID.MTS"_s, u"x.webp"_s, u"notes.txt"_s})
        QVERIFY(writeFile(dir.filePath(name), name.toUtf8()));
    const PictureFolderScan scan = scanPictureFolder(dir.path());
    QCOMPARE(scan.names, (QStringList{u"IMG_1.JPG"_s, u"IMG_2.HEIC"_s, u"IMG_3.avif"_s, u"VID.MTS"_s, u"x.webp"_s}));
    QCOMPARE(scan.pairLeaders, (QSet<QString>{u"IMG_1.JPG"_s, u"IMG_2.HEIC"_s}));

    // A phone's folder can be opened.
    QTemporaryDir phone;
    QVERIFY(writeFile(phone.filePath(u"IMG_9.HEIC"_s)));
    QVERIFY(FolderHasPictures(phone.path()));
}

void MediaFollowersTest::durationText()
{
    QCOMPARE(videoDurationText(-1), QString());
    QCOMPARE(videoDurationText(0), u"0:00"_s);
    QCOMPARE(videoDurationText(59'600), u"1:00"_s);
    QCOMPARE(videoDurationText(3'725'000), u"1:02:05"_s);
}

QTEST_GUILESS_MAIN(MediaFollowersTest)
#include "mediafollowerstest.moc"
