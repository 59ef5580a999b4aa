#include "compose/datetimeformat.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Compose;

namespace {

const QDate christmasEve(2023, 12, 24);
const QTime afternoon(15, 30, 7);

DateTimeOptions dateAndTime(int dateFormat, int timeFormat, int separator)
{
    DateTimeOptions options;
    options.useDate = true;
    options.dateFormat = dateFormat;
    options.useTime = true;
    options.timeFormat = timeFormat;
    options.separator = separator;
    return options;
}

} // namespace

Q_DECLARE_METATYPE(Compose::DateTimeOptions)

class DateTimeFormatTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dateFormats_data();
    void dateFormats();
    void timeFormats_data();
    void timeFormats();
    void element_data();
    void element();
    void dayNameFirstLetterIsUpperCased();
};

void DateTimeFormatTest::dateFormats_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");
    const QStringList expected = {u"20231224"_s, u"24122023"_s, u"12242023"_s, u"2023-12-24"_s,
                                  u"24-12-2023"_s, u"12-24-2023"_s, u"231224"_s, u"241223"_s,
                                  u"122423"_s, u"23-12-24"_s, u"24-12-23"_s, u"12-24-23"_s};
    const QStringList labels = DateTimeFormat::dateFormatCaptions();
    for (int i = 0; i < DateTimeFormat::dateFormatCount; ++i)
        QTest::newRow(qPrintable(labels.at(i))) << i << expected.at(i);
    QTest::newRow("damaged index") << 12 << u"20231224"_s;
}

void DateTimeFormatTest::dateFormats()
{
    QFETCH(int, format);
    QFETCH(QString, expected);
    QCOMPARE(DateTimeFormat::formatDate(christmasEve, format), expected);
}

void DateTimeFormatTest::timeFormats_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");
    const QStringList expected = {u"153007"_s,   u"033007 PM"_s,   u"1530"_s,  u"0330 PM"_s,
                                  u"15.30.07"_s, u"03.30.07 PM"_s, u"15.30"_s, u"03.30 PM"_s};
    const QStringList labels = DateTimeFormat::timeFormatCaptions();
    for (int i = 0; i < DateTimeFormat::timeFormatCount; ++i)
        QTest::newRow(qPrintable(labels.at(i))) << afternoon << i << expected.at(i);
    QTest::newRow("midnight hour is 12 AM") << QTime(0, 5, 0) << 1 << u"120500 AM"_s;
    QTest::newRow("noon hour is 12 PM") << QTime(12, 5, 0) << 1 << u"120500 PM"_s;
    QTest::newRow("morning") << QTime(9, 1, 2) << 5 << u"09.01.02 AM"_s;
    QTest::newRow("last minute") << QTime(23, 59, 59) << 7 << u"11.59 PM"_s;
}

void DateTimeFormatTest::timeFormats()
{
    QFETCH(QTime, time);
    QFETCH(int, format);
    QFETCH(QString, expected);
    QCOMPARE(DateTimeFormat::formatTime(time, format), expected);
}

void DateTimeFormatTest::element_data()
{
    QTest::addColumn<DateTimeOptions>("options");
    QTest::addColumn<bool>("includeTime");
    QTest::addColumn<QString>("expected");

    DateTimeOptions leftLong = dateAndTime(3, 6, 2);
    leftLong.addNameOfDay = true;
    leftLong.dayNamePlacement = 1;
    QTest::newRow("long day left") << leftLong << true << u"Sunday_2023-12-24_15.30"_s;

    DateTimeOptions rightShort = leftLong;
    rightShort.abbreviateNameOfDay = true;
    rightShort.dayNamePlacement = 0;
    QTest::newRow("short day right") << rightShort << true << u"2023-12-24_Sun_15.30"_s;

    DateTimeOptions rightLong = leftLong;
    rightLong.dayNamePlacement = 0;
    rightLong.separator = 0;
    QTest::newRow("long day right, space") << rightLong << true << u"2023-12-24 Sunday 15.30"_s;

    DateTimeOptions leftShortNoSeparator = rightShort;
    leftShortNoSeparator.dayNamePlacement = 1;
    leftShortNoSeparator.separator = 3;
    QTest::newRow("short day left, no separator") << leftShortNoSeparator << true << u"Sun2023-12-2415.30"_s;

    DateTimeOptions timeOnly = leftLong;
    timeOnly.useDate = false;
    QTest::newRow("time only: no day name, no leading separator") << timeOnly << true << u"15.30"_s;

    QTest::newRow("no separator") << dateAndTime(0, 0, 3) << true << u"20231224153007"_s;
    QTest::newRow("hyphen") << dateAndTime(4, 2, 1) << true << u"24-12-2023-1530"_s;

    QTest::newRow("example leaves the time out") << leftLong << false << u"Sunday_2023-12-24"_s;

    DateTimeOptions nothing;
    QTest::newRow("neither") << nothing << true << QString();
}

void DateTimeFormatTest::element()
{
    QFETCH(DateTimeOptions, options);
    QFETCH(bool, includeTime);
    QFETCH(QString, expected);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QCOMPARE(DateTimeFormat::format(options, christmasEve, afternoon, includeTime, english), expected);
}

void DateTimeFormatTest::dayNameFirstLetterIsUpperCased()
{
    // Dutch day names are written in lower case.
    const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
    QCOMPARE(DateTimeFormat::dayName(christmasEve, false, dutch), u"Zondag"_s);
    QCOMPARE(DateTimeFormat::dayName(QDate(2023, 12, 25), true, dutch).at(0), u'M');
}

QTEST_GUILESS_MAIN(DateTimeFormatTest)
#include "datetimeformattest.moc"
