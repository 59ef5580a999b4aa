#include "retitle/retitlelog.h"

#include "records/ansicodec.h"
#include "support/files.h"

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
    void writesWindows1252WithCrLfAndEmptiesAnOldFile();
    void growsInChunksAndKeepsEveryLine();
    void unwritableFolderFails();
    void linkIsNotWrittenThrough();
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

void RetitleLogTest::writesWindows1252WithCrLfAndEmptiesAnOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"log.txt"_s);
    QVERIFY(writeFile(path, "an older run"));
    RetitleLog log;
    QVERIFY(log.open(path));
    log.WriteLog(LogEvent::Deleted, u"/p/Café.jpg"_s);
    // Flushed at once: the bytes are there while the log is still open, as after a killed run.
    QCOMPARE(linesWhileOpen(readFile(path)), QByteArray("Succesfully deleted: /p/Caf\xe9.jpg\r\n"));
    log.WriteLog(LogEvent::Rollback);
    log.close();
    QCOMPARE(readFile(path), QByteArray("Succesfully deleted: /p/Caf\xe9.jpg\r\n  Rollback\r\n"));
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
            expected += Records::AnsiCodec::encode(RetitleLog::line(LogEvent::Renamed, from,
                                                                    u"/p/Beach "_s + QString::number(i) + u".jpg"_s))
                + "\r\n";
            if (i == 150)
                QCOMPARE(linesWhileOpen(readFile(path)), expected);
        }
        QCOMPARE(linesWhileOpen(readFile(path)), expected);
        log.close();
        QCOMPARE(readFile(path), expected);
    }
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

QTEST_GUILESS_MAIN(RetitleLogTest)
#include "retitlelogtest.moc"
