#include "session/previoustitles.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Session;

class PreviousTitlesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void match_data();
    void match();
};

void PreviousTitlesTest::match_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<int>("missing");
    QTest::newRow("fresh") << QStringList() << QStringList{u"a.jpg"_s} << QList<int>{-1} << 0;
    QTest::newRow("same names, other order")
        << QStringList{u"b.jpg"_s, u"a.jpg"_s} << QStringList{u"a.jpg"_s, u"b.jpg"_s} << QList<int>{1, 0} << 0;
    QTest::newRow("renamed outside") << QStringList{u"a.jpg"_s, u"old.jpg"_s}
                                     << QStringList{u"a.jpg"_s, u"new.jpg"_s} << QList<int>{0, -1} << 1;
    QTest::newRow("letter case changed")
        << QStringList{u"IMG_1.JPG"_s} << QStringList{u"img_1.jpg"_s} << QList<int>{0} << 0;
    QTest::newRow("two files that differ in case take a record each")
        << QStringList{u"A.jpg"_s, u"a.jpg"_s} << QStringList{u"a.jpg"_s, u"A.jpg"_s} << QList<int>{1, 0} << 0;
    QTest::newRow("exact match wins over an earlier case match")
        << QStringList{u"A.jpg"_s} << QStringList{u"a.jpg"_s, u"A.jpg"_s} << QList<int>{-1, 0} << 0;
    QTest::newRow("a record serves one picture")
        << QStringList{u"x.jpg"_s} << QStringList{u"x.JPG"_s, u"X.jpg"_s} << QList<int>{0, -1} << 0;
    QTest::newRow("duplicate records: first unused in file order")
        << QStringList{u"d.jpg"_s, u"d.jpg"_s, u"e.jpg"_s} << QStringList{u"d.jpg"_s} << QList<int>{0} << 2;
}

void PreviousTitlesTest::match()
{
    QFETCH(QStringList, records);
    QFETCH(QStringList, names);
    PreviousTitles previous(records);
    QTEST(previous.match(names), "expected");
    QTEST(previous.CheckInPrevNotInCurrent(), "missing");
}

QTEST_GUILESS_MAIN(PreviousTitlesTest)
#include "previoustitlestest.moc"
