#include "compose/elementorder.h"

#include "support/fakedialogs.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Compose;

class ElementOrderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fillShowsTheNamesByPosition();
    void letterOutsideTheSixIsReported();
    void repairedOrder_data();
    void repairedOrder();
    void rearrange_data();
    void rearrange();
};

void ElementOrderTest::fillShowsTheNamesByPosition()
{
    FakeDialogs dialogs;
    ElementOrder order;
    order.FillSGElementOrder(u"SPDNFE"_s, dialogs);
    QCOMPARE(order.names(), (QStringList{u"Suffix"_s, u"Prefix"_s, u"Date/Time"_s, u"Number"_s, u"Free text"_s,
                                         u"Exif tags"_s}));
    QCOMPARE(order.list().at(1), (ColRec{u"S"_s, u"Suffix"_s, 1}));
    QCOMPARE(order.positionOf(u'E'), 6);
    QCOMPARE(order.orderString(), u"SPDNFE"_s);
    QVERIFY(dialogs.informed.isEmpty());
}

void ElementOrderTest::letterOutsideTheSixIsReported()
{
    FakeDialogs dialogs;
    const ColRec entry = ElementOrder::GetElementIndex(u"PDXFES"_s, 3, dialogs);
    QCOMPARE(entry.ColFirstChar, u"X"_s);
    QVERIFY(entry.ColEl.isEmpty());
    QCOMPARE(dialogs.informed.size(), 1);
    QCOMPARE(dialogs.informed.at(0).text, u"Error in GetElementIndex"_s);

    // Every bad position is reported once, and the list still holds all six elements.
    dialogs = FakeDialogs();
    ElementOrder order;
    order.FillSGElementOrder(u"PXF"_s, dialogs);
    QCOMPARE(dialogs.informed.size(), 4);
    QCOMPARE(order.orderString(), u"PDFNES"_s);
    QVERIFY(!order.names().contains(QString()));
}

void ElementOrderTest::repairedOrder_data()
{
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << u"PDNFES"_s;
    QTest::newRow("repeated letter") << u"PPNFES"_s << u"PDNFES"_s;
    QTest::newRow("lower case is no element") << u"pdnfes"_s << u"PDNFES"_s;
    QTest::newRow("short") << u"FS"_s << u"FSPDNE"_s;
}

void ElementOrderTest::repairedOrder()
{
    QFETCH(QString, order);
    QFETCH(QString, expected);
    QCOMPARE(ElementOrder::repairedOrder(order), expected);
}

void ElementOrderTest::rearrange_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("destination");
    QTest::addColumn<QString>("expected");
    QTest::newRow("suffix to the front") << 6 << 1 << u"SPDNFE"_s;
    QTest::newRow("prefix to the end") << 1 << 6 << u"DNFESP"_s;
    QTest::newRow("right in the middle") << 2 << 4 << u"PNFDES"_s;
    QTest::newRow("onto itself") << 3 << 3 << u"PDNFES"_s;
    QTest::newRow("outside the row") << 0 << 3 << u"PDNFES"_s;
}

void ElementOrderTest::rearrange()
{
    QFETCH(int, source);
    QFETCH(int, destination);
    QFETCH(QString, expected);
    FakeDialogs dialogs;
    ElementOrder order;
    order.FillSGElementOrder(u"PDNFES"_s, dialogs);
    order.RearrangeElOrTable(source, destination);
    QCOMPARE(order.orderString(), expected);
    QStringList names;
    for (const QChar letter : expected)
        names.append(ElementOrder::elementName(letter));
    QCOMPARE(order.names(), names);
}

QTEST_GUILESS_MAIN(ElementOrderTest)
#include "elementordertest.moc"
