#include "app/guideplacement.h"

#include <QTest>

using App::GuidePlacement;
using Session::GuideSide;

// The guide opens beside the main window, else over its picture; never over the table, never
// partly off the screen.
class GuidePlacementTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placement_data();
    void placement();
    void sideOfMovedGuide();
};

void GuidePlacementTest::placement_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("table");
    QTest::addColumn<QRect>("picture");
    QTest::addColumn<int>("side");
    QTest::newRow("room on the right") << QRect(0, 0, 1920, 1050) << QRect(0, 0, 1100, 700) << QRect(0, 30, 600, 400)
                                       << QRect(0, 440, 600, 250) << int(GuideSide::Right);
    QTest::newRow("room on the left") << QRect(0, 0, 1920, 1050) << QRect(820, 0, 1100, 700)
                                      << QRect(820, 30, 600, 400) << QRect(820, 440, 600, 250) << int(GuideSide::Left);
    QTest::newRow("1366x768 filled") << QRect(0, 0, 1366, 768) << QRect(0, 0, 1366, 768) << QRect(0, 50, 800, 400)
                                     << QRect(0, 460, 800, 300) << int(GuideSide::OverPicture);
    QTest::newRow("1024x600, small picture") << QRect(0, 0, 1024, 600) << QRect(0, 0, 1024, 600)
                                             << QRect(0, 50, 560, 330) << QRect(0, 390, 200, 150)
                                             << int(GuideSide::BelowTable);
    QTest::newRow("no picture, table to the bottom") << QRect(0, 0, 1024, 600) << QRect(0, 0, 1024, 600)
                                                     << QRect(0, 50, 560, 550) << QRect() << int(GuideSide::Right);
}

void GuidePlacementTest::placement()
{
    QFETCH(QRect, available);
    QFETCH(QRect, window);
    QFETCH(QRect, table);
    QFETCH(QRect, picture);
    QFETCH(int, side);
    const GuidePlacement::Place place = GuidePlacement::place(available, window, table, picture);
    QCOMPARE(int(place.side), side);
    QVERIFY(available.contains(place.frame));
    QVERIFY(!place.frame.intersects(table));
    QVERIFY(place.frame.width() >= GuidePlacement::smallestSize.width());
    QVERIFY(place.frame.height() >= GuidePlacement::smallestSize.height());
    if (side == int(GuideSide::Right) || side == int(GuideSide::Left))
        QCOMPARE(GuidePlacement::sideOf(place.frame, window, table), GuideSide(side));
}

void GuidePlacementTest::sideOfMovedGuide()
{
    const QRect window(300, 0, 1000, 700);
    const QRect table(300, 30, 600, 400);
    QCOMPARE(GuidePlacement::sideOf(QRect(0, 0, 280, 500), window, table), GuideSide::Left);
    QCOMPARE(GuidePlacement::sideOf(QRect(1320, 0, 400, 500), window, table), GuideSide::Right);
    QCOMPARE(GuidePlacement::sideOf(QRect(300, 450, 600, 250), window, table), GuideSide::BelowTable);
}

QTEST_GUILESS_MAIN(GuidePlacementTest)
#include "guideplacementtest.moc"
