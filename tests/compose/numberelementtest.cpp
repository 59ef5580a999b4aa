#include "compose/numberelement.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Compose::NumberElement;
using Direction = NumberElement::Direction;
using Source = NumberElement::Source;

class NumberElementTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void extract_data();
    void extract();
    void extractedNumberIsFitted_data();
    void extractedNumberIsFitted();
    void counterRunsOnAndWarnsWhenCut();
    void noSourceGivesNothing();
    void damagedDigitsIndexCountsAsThree();
};

void NumberElementTest::extract_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<QString>("expected");
    QTest::newRow("camera number") << u"IMG_0815.JPG"_s << Direction::LeftToRight << u"815"_s;
    QTest::newRow("first run left to right") << u"DSC01234 (2).jpg"_s << Direction::LeftToRight << u"1234"_s;
    QTest::newRow("first run right to left") << u"DSC01234 (2).jpg"_s << Direction::RightToLeft << u"2"_s;
    QTest::newRow("run at the start, right to left") << u"2023.jpg"_s << Direction::RightToLeft << u"2023"_s;
    QTest::newRow("digits keep their order right to left") << u"a12b0340.jpg"_s << Direction::RightToLeft << u"340"_s;
    QTest::newRow("only zeros") << u"IMG_0000.JPG"_s << Direction::LeftToRight << QString();
    QTest::newRow("no digits") << u"Beach.jpg"_s << Direction::LeftToRight << QString();
    QTest::newRow("extension digits count") << u"Beach.mp4"_s << Direction::LeftToRight << u"4"_s;
    QTest::newRow("non-ASCII digits are not digits") << u"Foto\u0663\u0664.jpg"_s << Direction::LeftToRight
                                                      << QString();
}

void NumberElementTest::extract()
{
    QFETCH(QString, title);
    QFETCH(Direction, direction);
    QFETCH(QString, expected);
    QCOMPARE(NumberElement::extract(title, direction), expected);
}

void NumberElementTest::extractedNumberIsFitted_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("warning");
    QTest::newRow("3 digits") << u"IMG_0815.JPG"_s << 3 << u"815"_s << 0;
    QTest::newRow("padded to 6") << u"IMG_0815.JPG"_s << 6 << u"000815"_s << 0;
    QTest::newRow("cut to the last 4") << u"IMG_123456.JPG"_s << 4 << u"3456"_s << 3;
    QTest::newRow("nothing to extract") << u"IMG_0000.JPG"_s << 3 << QString() << 1;
    QTest::newRow("no digits") << u"Beach.jpg"_s << 9 << QString() << 1;
}

void NumberElementTest::extractedNumberIsFitted()
{
    QFETCH(QString, title);
    QFETCH(int, digits);
    QFETCH(QString, expected);
    QFETCH(int, warning);
    NumberElement element(Source::Extract, Direction::LeftToRight, digits, 1);
    qint32 raised = 0;
    QCOMPARE(element.next(title, &raised), expected);
    QCOMPARE(raised, warning);
}

void NumberElementTest::counterRunsOnAndWarnsWhenCut()
{
    NumberElement element(Source::Counter, Direction::LeftToRight, 2, 98);
    qint32 warning = 0;
    QCOMPARE(element.next(u"a.jpg"_s, &warning), u"98"_s);
    QCOMPARE(element.next(u"b.jpg"_s, &warning), u"99"_s);
    QCOMPARE(warning, 0);
    QCOMPARE(element.next(u"c.jpg"_s, &warning), u"00"_s);
    QCOMPARE(warning, 2);
    QCOMPARE(element.counter(), 101);
}

void NumberElementTest::noSourceGivesNothing()
{
    NumberElement element(Source::None, Direction::LeftToRight, 3, 5);
    qint32 warning = 0;
    QCOMPARE(element.next(u"IMG_0815.JPG"_s, &warning), QString());
    QCOMPARE(warning, 0);
    QCOMPARE(element.counter(), 5);
}

void NumberElementTest::damagedDigitsIndexCountsAsThree()
{
    QCOMPARE(NumberElement::digitsFromIndex(0), 1);
    QCOMPARE(NumberElement::digitsFromIndex(8), 9);
    QCOMPARE(NumberElement::digitsFromIndex(9), 3);
    QCOMPARE(NumberElement::digitsFromIndex(-1), 3);
}

QTEST_GUILESS_MAIN(NumberElementTest)
#include "numberelementtest.moc"
