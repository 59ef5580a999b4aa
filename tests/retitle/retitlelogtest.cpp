#include "retitle/retitlelog.h"

#include "support/files.h"
#include "support/smallfilesystem.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Retitle;

namespace {

// The lines of a log that is still open: the room it keeps ahead holds only empty lines.
QByteArray linesWhileOpen(QByteArray bytes)
{
    while (bytes.endsWith('\r') || bytes.endsWith('\n'))
        bytes.chop(1);
    return bytes.isEmpty() ? bytes : bytes + "\r\n";
}

} // namespace

class RetitleLogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileName_data();
    void fileName();
    void linesNotSeenInARun();
    void longFolderNamesFitAndStayApart();
    void writesUtf8WithCrLfAndEmptiesAnOldFile();
    void namesCannotForgeALine_data();
    void namesCannotForgeALine();
    void leftoversOfAKilledRunAreTrimmed();
    void growsInChunksAndKeepsEveryLine();
    void unwritableFolderFails();
    void linkIsNotWrittenThrough();
    void lineLostToAFullDiskIsTold();
};

void RetitleLogTest::fileName_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder") << QDateTime(QDate(2023, 12, 24), QTime(15, 30, 0)) << u"/home/ann/Pics/Holiday"_s
                            << u"20231224153000_~home~ann~Pics~Holiday.txt"_s;
    QTest::newRow("root, padded") << QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)) << u"/"_s << u"20240102030405_~.txt"_s;
}

void RetitleLogTest::fileName()
{
    QFETCH(QDateTime, start);
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(RetitleLog::fileName(start, folder), expected);
}

void RetitleLogTest::longFolderNamesFitAndStayApart()
{
    const QDateTime start(QDate(2023, 12, 24), QTime(15, 30, 0));
    const QString deep = u"/home/ann/"_s + QString(80, u'x') + u'/' + QString(80, u'y') + u"/Vakantie Ålesund "_s
                         + QString(80, u'z') + u"/Holiday";
    const QString name = RetitleLog::fileName(start, deep);
    QVERIFY2(QFile::encodeName(name).size() <= 255, qPrintable(name));
    QVERIFY(name.startsWith(u"20231224153000_"_s));
    QVERIFY(name.endsWith(QString(80, u'z') + u"~Holiday.txt"_s));
    // The same deep tail below another folder gets another name.
    QVERIFY(RetitleLog::fileName(start, u"/media"_s + deep.mid(9)) != name);
    // Each name really can be created.
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(name), "x"));
    const QString multibyte = u"/"_s + QString(200, QChar(0x00E9));
    QVERIFY(QFile::encodeName(RetitleLog::fileName(start, multibyte)).size() <= 255);
}

void RetitleLogTest::writesUtf8WithCrLfAndEmptiesAnOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"log.txt"_s);
    QVERIFY(writeFile(path, "an older run"));
    RetitleLog log;
    QVERIFY(log.open(path));
    log.WriteLog(LogEvent::Deleted, u"/p/Café.jpg"_s);
    // Flushed at once: the bytes are there while the log is still open, as after a killed run.
    QCOMPARE(linesWhileOpen(readFile(path)), QByteArray("Succesfully deleted: /p/Caf\xc3\xa9.jpg\r\n"));
    log.WriteLog(LogEvent::Rollback);
    log.close();
    QCOMPARE(readFile(path), QByteArray("Succesfully deleted: /p/Caf\xc3\xa9.jpg\r\n  Rollback\r\n"));
}

void RetitleLogTest::growsInChunksAndKeepsEveryLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"log.txt"_s);
    // Chunks smaller than a line make every line grow the file.
    for (const qint64 chunk : {qint64(7), qint64(64), qint64(1) << 20}) {
        RetitleLog log(chunk);
        QVERIFY(log.open(path));
        QByteArray expected;
        for (int i = 0; i < 300; ++i) {
            const QString from = u"/p/IMG_"_s + QString::number(i) + u".jpg"_s;
            log.WriteLog(LogEvent::Renamed, from, u"/p/Beach "_s + QString::number(i) + u".jpg"_s);
            const QString to = u"/p/Beach "_s + QString::number(i) + u".jpg"_s;
            expected += RetitleLog::line(LogEvent::Renamed, from, to).toUtf8() + "\r\n";
            if (i == 150)
                QCOMPARE(linesWhileOpen(readFile(path)), expected);
        }
        QCOMPARE(linesWhileOpen(readFile(path)), expected);
        log.close();
        QCOMPARE(readFile(path), expected);
    }
}

void RetitleLogTest::namesCannotForgeALine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");
    QTest::newRow("line feed") << u"/p/a\nSuccesfully deleted: /p/b.jpg"_s
                               << u"/p/a\\x0ASuccesfully deleted: /p/b.jpg"_s;
    QTest::newRow("carriage return, tab") << u"/p/a\r\tb.jpg"_s << u"/p/a\\x0D\\x09b.jpg"_s;
    QTest::newRow("backslash stays apart") << u"/p/a\\x0A.jpg"_s << u"/p/a\\x5Cx0A.jpg"_s;
    QTest::newRow("C1 control, accents kept") << u"/p/\u0085Café.jpg"_s << u"/p/\\x85Café.jpg"_s;
}

void RetitleLogTest::namesCannotForgeALine()
{
    QFETCH(QString, name);
    QFETCH(QString, written);
    QCOMPARE(RetitleLog::line(LogEvent::Deleted, name), u"Succesfully deleted: "_s + written);
    QCOMPARE(RetitleLog::line(LogEvent::SyncRenamed, u"/p/x.wav"_s, name),
             u"  Succesfully sync renamed/moved: old: /p/x.wav, new: "_s + written);
}

void RetitleLogTest::leftoversOfAKilledRunAreTrimmed()
{
    QTemporaryDir dir;
    const QString killed = dir.filePath(u"20230101000000_~p.txt"_s);
    const QString killedEarly = dir.filePath(u"20230101000001_~p.txt"_s);
    const QString closed = dir.filePath(u"20230101000002_~p.txt"_s);
    const QString other = dir.filePath(u"notes.dat"_s);
    {
        RetitleLog log(1 << 16);
        QVERIFY(log.open(killed));
        log.WriteLog(LogEvent::Rollback);
        log.WriteLog(LogEvent::Deleted, u"/p/a.jpg"_s);
        // The log is left open, as by a killed run.
        QVERIFY(QFileInfo(killed).size() >= 1 << 16);
        QVERIFY(writeFile(killedEarly, QByteArray(5000, '\n').replace("\n", "\r\n")));
        QVERIFY(writeFile(closed, "  Rollback\r\n"));
        QVERIFY(writeFile(other, "x\r\n\r\n\r\n"));
        RetitleLog::trimKilledRuns(dir.path());
        QCOMPARE(readFile(killed), QByteArray("  Rollback\r\nSuccesfully deleted: /p/a.jpg\r\n"));
    }
    QCOMPARE(readFile(killedEarly), QByteArray());
    QCOMPARE(readFile(closed), QByteArray("  Rollback\r\n"));
    QCOMPARE(readFile(other), QByteArray("x\r\n\r\n\r\n"));
}

void RetitleLogTest::unwritableFolderFails()
{
    QTemporaryDir dir;
    RetitleLog log;
    const auto opened = log.open(dir.filePath(u"missing/log.txt"_s));
    QVERIFY(!opened);
    QCOMPARE(opened.error().code, Records::FileError::Code::CreateFailed);
    // Writing to a log that is not open does nothing.
    log.WriteLog(LogEvent::Rollback);
}

void RetitleLogTest::linkIsNotWrittenThrough()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(u"outside"_s), "keep"));
    QVERIFY(QFile::link(dir.filePath(u"outside"_s), dir.filePath(u"log.txt"_s)));
    RetitleLog log;
    const auto opened = log.open(dir.filePath(u"log.txt"_s));
    QVERIFY(!opened);
    QCOMPARE(opened.error().code, Records::FileError::Code::SymbolicLink);
    QCOMPARE(readFile(dir.filePath(u"outside"_s)), QByteArray("keep"));
}

void RetitleLogTest::linesNotSeenInARun()
{
    // The retitling tests read the other lines back from real runs.
    QCOMPARE(RetitleLog::line(LogEvent::SyncDeleteFailed, u"/p/IMG_1.wav"_s),
             u"  Error occured sync deleting: /p/IMG_1.wav"_s);
    QCOMPARE(RetitleLog::line(LogEvent::SyncRollbackFailed, u"/p/Beach.wav"_s, u"/p/IMG_1.wav"_s),
             u"  Rollback sync failed: /p/Beach.wav, new: /p/IMG_1.wav"_s);
}

void RetitleLogTest::lineLostToAFullDiskIsTold()
{
    QTemporaryDir dir;
    const SmallFileSystem disk(dir.filePath(u"Logs"_s));
    if (!disk.isMounted())
        QSKIP("mounting a small file system needs the right to mount");
    RetitleLog log(64);
    QVERIFY(log.open(dir.filePath(u"Logs/run.txt"_s)));
    QVERIFY(disk.fill());
    // More lines than the page the file already holds.
    for (int i = 0; i < 200; ++i)
        log.WriteLog(u"line %1 of a run that outgrows its room"_s.arg(i));
    QVERIFY(!log.isComplete());
    QCOMPARE(log.failure(), qt_error_string(ENOSPC));
    log.close();
    QVERIFY(QFileInfo(dir.filePath(u"Logs/run.txt"_s)).size() > 0);
}

QTEST_GUILESS_MAIN(RetitleLogTest)
#include "retitlelogtest.moc"
