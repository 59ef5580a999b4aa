#include "compose/numberelement.h"
#include "compose/numberorder.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Compose;

namespace {

NumberedPicture picture(const QString &title, const QString &taken, const QString &folder = {})
{
    return {title, taken, QDate(2024, 5, 9), folder};
}

// Two cameras over two days, in file-name order as the table lists them: the camera's RAW and
// JPEG of one second, then the phone, one picture of which has no date taken.
QList<NumberedPicture> twoCameras()
{
    return {picture(u"DSC_0001.NEF"_s, u"2024-05-01 10:00:00"_s, u"/a"_s),
            picture(u"DSC_0001.JPG"_s, u"2024-05-01 10:00:00"_s, u"/a"_s),
            picture(u"DSC_0002.JPG"_s, u"2024-05-02 09:00:00"_s, u"/b"_s),
            picture(u"IMG_1001.jpg"_s, u"2024-05-01 12:00:00"_s, u"/a"_s),
            picture(u"IMG_1002.jpg"_s, QString(), u"/b"_s),
            picture(u"IMG_1003.jpg"_s, u"2024-05-01 08:00:00"_s, u"/b"_s)};
}

} // namespace

Q_DECLARE_METATYPE(Compose::NumberOrderOptions)

class NumberOrderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void places_data();
    void places();
    void elementNumbersByPlace();
};

void NumberOrderTest::places_data()
{
    QTest::addColumn<NumberOrderOptions>("options");
    QTest::addColumn<QList<qint64>>("expected");

    // Places in table order of twoCameras().
    QTest::newRow("table order") << NumberOrderOptions{} << QList<qint64>{0, 1, 2, 3, 4, 5};
    QTest::newRow("date taken, across cameras, pair kept together, undated last")
        << NumberOrderOptions{true, false, false} << QList<qint64>{1, 2, 4, 3, 5, 0};
    QTest::newRow("date taken, again at each day")
        << NumberOrderOptions{true, true, false} << QList<qint64>{1, 2, 0, 3, 0, 0};
    QTest::newRow("table order, again at each day")
        << NumberOrderOptions{false, true, false} << QList<qint64>{0, 1, 0, 2, 0, 3};
    QTest::newRow("date taken, again at each folder")
        << NumberOrderOptions{true, false, true} << QList<qint64>{0, 1, 1, 2, 2, 0};
    QTest::newRow("date taken, again at each day and folder")
        << NumberOrderOptions{true, true, true} << QList<qint64>{0, 1, 0, 2, 0, 0};
}

void NumberOrderTest::places()
{
    QFETCH(NumberOrderOptions, options);
    QFETCH(QList<qint64>, expected);
    const QList<NumberedPicture> pictures = twoCameras();
    const QHash<QString, qint64> places = NumberOrder::places(pictures, options);
    QList<qint64> actual;
    for (const NumberedPicture &numbered : pictures)
        actual.append(places.value(numbered.currentTitle, -1));
    QCOMPARE(actual, expected);
}

void NumberOrderTest::elementNumbersByPlace()
{
    const QHash<QString, qint64> places = {{u"b.jpg"_s, 0}, {u"a.jpg"_s, 1}};
    NumberElement counted(NumberElement::Source::Counter, NumberElement::Direction::LeftToRight, 3, 98);
    counted.assign(places, false);
    qint32 warning = 0;
    QCOMPARE(counted.next(u"a.jpg"_s, &warning), u"099"_s);
    QCOMPARE(counted.next(u"b.jpg"_s, &warning), u"098"_s);
    QCOMPARE(warning, 0);
    // The next run goes on after the last number of this one.
    QCOMPARE(counted.counter(), 100);

    // Starting again each day, every day starts at the start value: so does the next run.
    NumberElement daily(NumberElement::Source::Counter, NumberElement::Direction::LeftToRight, 1, 9);
    daily.assign({{u"a.jpg"_s, 0}, {u"b.jpg"_s, 1}}, true);
    QCOMPARE(daily.next(u"b.jpg"_s, &warning), u"0"_s);
    QCOMPARE(warning, 2);
    QCOMPARE(daily.counter(), 9);
    QCOMPARE(daily.valueFor(u"a.jpg"_s), 9);
}

QTEST_GUILESS_MAIN(NumberOrderTest)
#include "numberordertest.moc"
