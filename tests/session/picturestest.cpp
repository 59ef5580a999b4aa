#include "session/folderscan.h"
#include "session/pictures.h"

#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Session;

class PicturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pictureExtension_data();
    void pictureExtension();
    void folderHasPictures();
    void scanListsWritablePicturesSorted();
    void namesThatAreNotUtf8AreLeftOutAndCounted();
    void sortFollowsTheLocaleWithoutCase();
    void workFiles();
    void thumbnailPath();
};

void PicturesTest::pictureExtension_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<bool>("withVoice");
    for (const QString &e : {u".jpeg"_s, u".jpg"_s, u".bmp"_s, u".wmf"_s, u".emf"_s, u".ico"_s, u".tif"_s, u".png"_s, u".gif"_s})
        QTest::newRow(qPrintable(e)) << e << true << true;
    QTest::newRow(".tiff") << u".tiff"_s << false << false;
    QTest::newRow(".wav") << u".wav"_s << false << true;
    QTest::newRow(".mov") << u".mov"_s << false << true;
    QTest::newRow("upper case is not lowered here") << u".JPG"_s << false << false;
    QTest::newRow("none") << QString() << false << false;
}

void PicturesTest::pictureExtension()
{
    QFETCH(QString, extension);
    QFETCH(bool, picture);
    QFETCH(bool, withVoice);
    QCOMPARE(IsPictureExtension(extension), picture);
    QCOMPARE(IsPictureExtension(extension, true), withVoice);
}

void PicturesTest::folderHasPictures()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(u"notes.txt"_s)));
    QVERIFY(QDir(dir.path()).mkdir(u"sub.jpg"_s));
    QVERIFY(writeFile(dir.filePath(u"sub.jpg/inner.jpg"_s)));
    QVERIFY(!FolderHasPictures(dir.path()));
    QVERIFY(writeFile(dir.filePath(u"SCAN.TIF"_s)));
    QVERIFY(FolderHasPictures(dir.path()));
}

void PicturesTest::scanListsWritablePicturesSorted()
{
    QTemporaryDir dir;
    for (const QString &name : {u"b.jpg"_s, u"A.JPG"_s, u"c.png"_s, u"a.tiff"_s, u"voice.wav"_s, u"Z.gif"_s,
                                u"locked.jpg"_s, u".hidden.jpg"_s})
        QVERIFY(writeFile(dir.filePath(name)));
    QVERIFY(makeReadOnly(dir.filePath(u"locked.jpg"_s)));
    QVERIFY(QDir(dir.path()).mkpath(u"xelthumb"_s));
    QVERIFY(writeFile(dir.filePath(u"xelthumb/b.jpg"_s)));
    QVERIFY(QDir(dir.path()).mkdir(u"folder.jpg"_s));
    QVERIFY(QFile::link(dir.filePath(u"missing"_s), dir.filePath(u"dangling.jpg"_s)));

    const PictureFolderScan scan = scanPictureFolder(dir.path());
    QCOMPARE(scan.names, (QStringList{u".hidden.jpg"_s, u"A.JPG"_s, u"b.jpg"_s, u"c.png"_s, u"Z.gif"_s}));
    QCOMPARE(scan.notUtf8, 0);
}

void PicturesTest::namesThatAreNotUtf8AreLeftOutAndCounted()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(u"Привет.jpg"_s)));
    // Names written by a system that used Windows-1252 or Latin-1: "café.jpg", "Öl.png" and a
    // file that is no picture.
    for (const QByteArray &name : {QByteArray("caf\xe9.jpg"), QByteArray("\xd6l.png"), QByteArray("caf\xe9.txt")})
        QVERIFY(createFileNamedByBytes(dir.path(), name));
    const PictureFolderScan scan = scanPictureFolder(dir.path());
    QCOMPARE(scan.names, (QStringList{u"Привет.jpg"_s}));
    QCOMPARE(scan.notUtf8, 2);
}

void PicturesTest::sortFollowsTheLocaleWithoutCase()
{
    QStringList names{u"b.jpg"_s, u"Ärger.jpg"_s, u"a.jpg"_s, u"A.jpg"_s, u"Zebra.jpg"_s, u"10.jpg"_s, u"2.jpg"_s};
    sortTitles(&names, QLocale(QLocale::German, QLocale::Germany));
    // Names the locale calls equal keep one order whatever the directory's: by code point.
    QCOMPARE(names, (QStringList{u"10.jpg"_s, u"2.jpg"_s, u"A.jpg"_s, u"a.jpg"_s, u"Ärger.jpg"_s, u"b.jpg"_s,
                                 u"Zebra.jpg"_s}));
}

void PicturesTest::workFiles()
{
    QVERIFY(IsWorkFile(u"mrlsgtitle2.dat"));
    QVERIFY(IsWorkFile(u"thumbs.db"));
    QVERIFY(!IsWorkFile(u"mrlsgtitle.dat"));
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(u"MrlSGTitle2.dat"_s)));
    QVERIFY(writeFile(dir.filePath(u"PicNewFolder.dat"_s)));
    QVERIFY(FolderHoldsOnlyWorkFiles(dir.path()));
    QVERIFY(QDir(dir.path()).mkdir(u"xelthumb"_s));
    QVERIFY(!FolderHoldsOnlyWorkFiles(dir.path()));
}

void PicturesTest::thumbnailPath()
{
    QCOMPARE(ThumbnailPath(u"/home/ann/Pics/a.jpg"_s), u"/home/ann/Pics/xelthumb/a.jpg"_s);
    QCOMPARE(ThumbnailPath(u"/a.jpg"_s), u"/xelthumb/a.jpg"_s);
}

QTEST_GUILESS_MAIN(PicturesTest)
#include "picturestest.moc"
