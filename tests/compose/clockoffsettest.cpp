#include "compose/clockoffset.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Compose;

class ClockOffsetTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void apply_data();
    void apply();
    void text_data();
    void text();
    void unreadableTexts();
    void offsetFromTheRealMoment();
};

void ClockOffsetTest::apply_data()
{
    QTest::addColumn<QString>("taken");
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("expected");

    const qint64 hour = 3600;
    QTest::newRow("within the day") << u"2024-05-03 13:10:04"_s << 72 * 60LL << u"2024-05-03 14:22:04"_s;
    QTest::newRow("across midnight") << u"2024-05-03 23:30:00"_s << hour << u"2024-05-04 00:30:00"_s;
    QTest::newRow("back across midnight") << u"2024-05-04 00:10:00"_s << -hour << u"2024-05-03 23:10:00"_s;
    QTest::newRow("across a month") << u"2024-04-30 23:59:59"_s << 1LL << u"2024-05-01 00:00:00"_s;
    QTest::newRow("across a year") << u"2023-12-31 22:00:00"_s << 3 * hour << u"2024-01-01 01:00:00"_s;
    QTest::newRow("back across a year") << u"2024-01-01 00:00:30"_s << -31LL << u"2023-12-31 23:59:59"_s;
    QTest::newRow("onto a leap day") << u"2024-02-28 23:00:00"_s << 2 * hour << u"2024-02-29 01:00:00"_s;
    QTest::newRow("over a leap day") << u"2024-02-28 12:00:00"_s << 48 * hour << u"2024-03-01 12:00:00"_s;
    QTest::newRow("no leap day in 2023") << u"2023-02-28 12:00:00"_s << 24 * hour << u"2023-03-01 12:00:00"_s;
    QTest::newRow("days back") << u"2024-03-01 08:00:00"_s << -(2 * 86400 + 30 * 60LL) << u"2024-02-28 07:30:00"_s;
    // A time a daylight-saving change skips is a clock reading like any other.
    QTest::newRow("skipped hour") << u"2024-03-31 01:30:00"_s << hour << u"2024-03-31 02:30:00"_s;
    QTest::newRow("no offset") << u"2024-05-03 13:10:04"_s << 0LL << u"2024-05-03 13:10:04"_s;
    QTest::newRow("no date taken") << QString() << hour << QString();
    QTest::newRow("unreadable stays") << u"2024-13-03 13:10:04"_s << hour << u"2024-13-03 13:10:04"_s;
}

void ClockOffsetTest::apply()
{
    QFETCH(QString, taken);
    QFETCH(qint64, seconds);
    QFETCH(QString, expected);
    QCOMPARE(ClockOffset::apply(taken, seconds), expected);
}

void ClockOffsetTest::text_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("written");

    QTest::newRow("zero") << 0LL << u"0:00:00"_s;
    QTest::newRow("hours and minutes") << 4320LL << u"+1:12:00"_s;
    QTest::newRow("negative seconds") << -5LL << u"-0:00:05"_s;
    QTest::newRow("days") << 2 * 86400 + 3 * 3600 + 5LL << u"+2d 3:00:05"_s;
    QTest::newRow("negative days") << -(86400 + 60LL) << u"-1d 0:01:00"_s;
}

void ClockOffsetTest::text()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, written);
    QCOMPARE(ClockOffset::text(seconds), written);
    QCOMPARE(ClockOffset::parse(written), std::optional<qint64>(seconds));
}

void ClockOffsetTest::unreadableTexts()
{
    // Shorter forms a user types are read too.
    QCOMPARE(ClockOffset::parse(u"-1:30"_s), std::optional<qint64>(-5400));
    QCOMPARE(ClockOffset::parse(u" + 2 "_s), std::optional<qint64>(7200));
    QCOMPARE(ClockOffset::parse(u"3d"_s), std::optional<qint64>(3 * 86400));
    for (const QString &typed : {u""_s, u"+"_s, u"1:60"_s, u"1:00:60"_s, u"one hour"_s, u"1:2:3:4"_s, u"9999d"_s})
        QVERIFY2(!ClockOffset::parse(typed), qPrintable(typed));
}

void ClockOffsetTest::offsetFromTheRealMoment()
{
    const QDateTime real(QDate(2024, 5, 3), QTime(14, 22, 4));
    QCOMPARE(ClockOffset::between(u"2024-05-03 13:10:04"_s, real), std::optional<qint64>(4320));
    QCOMPARE(ClockOffset::between(u"2024-05-04 00:10:00"_s, real), std::optional<qint64>(-(9 * 3600 + 47 * 60 + 56)));
    QVERIFY(!ClockOffset::between(QString(), real));
}

QTEST_GUILESS_MAIN(ClockOffsetTest)
#include "clockoffsettest.moc"
