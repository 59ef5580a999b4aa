#include "storage/storagedate.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

class StorageDateTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shiftOfMidnight_data();
    void shiftOfMidnight();
};

void StorageDateTest::shiftOfMidnight_data()
{
    QTest::addColumn<QString>("dateTaken");
    QTest::addColumn<int>("shift");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("02:59 before a shift of 3") << u"2007-09-01 02:59:59"_s << 3 << QDate(2007, 8, 31);
    QTest::newRow("03:00 at a shift of 3") << u"2007-09-01 03:00:00"_s << 3 << QDate(2007, 9, 1);
    QTest::newRow("no shift") << u"2007-09-01 00:00:00"_s << 0 << QDate(2007, 9, 1);
    QTest::newRow("negative shift moves forward") << u"2007-08-31 22:00:00"_s << -2 << QDate(2007, 9, 1);
    QTest::newRow("over a year end") << u"2008-01-01 01:00:00"_s << 2 << QDate(2007, 12, 31);
    QTest::newRow("shift beyond a day counts as one") << u"2007-09-03 12:00:00"_s << 100 << QDate(2007, 9, 2);
    QTest::newRow("no date taken: file date") << QString() << 3 << QDate(2010, 4, 30);
    QTest::newRow("unreadable date taken: file date") << u"2007-13-01 10:00:00"_s << 3 << QDate(2010, 4, 30);
    QTest::newRow("letter in the day: file date") << u"2007-09-0x 10:00:00"_s << 3 << QDate(2010, 4, 30);
    QTest::newRow("hour 24: file date") << u"2007-09-01 24:00:00"_s << 0 << QDate(2010, 5, 1);
    QTest::newRow("EXIF separators: file date") << u"2007:09:01 10:00:00"_s << 3 << QDate(2010, 4, 30);
}

void StorageDateTest::shiftOfMidnight()
{
    QFETCH(QString, dateTaken);
    QFETCH(int, shift);
    QFETCH(QDate, expected);
    const QDateTime fileDate(QDate(2010, 5, 1), QTime(1, 30));
    QCOMPARE(StorageDate(dateTaken, fileDate, shift).date(), expected);
    QCOMPARE(StorageClock(dateTaken, fileDate, shift).date(), expected);
}

QTEST_GUILESS_MAIN(StorageDateTest)
#include "storagedatetest.moc"
