#include "storage/groupperiods.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

Q_DECLARE_METATYPE(QList<Storage::PeriodPicture>)
Q_DECLARE_METATYPE(QList<Storage::PeriodSuggestion>)

namespace {

QDateTime at(int year, int month, int day, int hour)
{
    return QDateTime(QDate(year, month, day), QTime(hour, 0), Qt::UTC);
}

} // namespace

class GroupPeriodsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void suggest_data();
    void suggest();
    void proposedDescription_data();
    void proposedDescription();
};

void GroupPeriodsTest::suggest_data()
{
    QTest::addColumn<QList<PeriodPicture>>("pictures");
    QTest::addColumn<QList<PeriodSuggestion>>("expected");
    const QDate d1(2007, 8, 30);
    QTest::newRow("35 hours pause goes on")
        << QList<PeriodPicture>{{at(2007, 8, 30, 10), {}}, {at(2007, 8, 31, 21), {}}}
        << QList<PeriodSuggestion>{{d1, QDate(2007, 8, 31), 2, {}}};
    QTest::newRow("37 hours pause splits")
        << QList<PeriodPicture>{{at(2007, 8, 30, 10), {}}, {at(2007, 8, 30, 20), {}}, {at(2007, 9, 1, 9), {}},
                                {at(2007, 9, 2, 8), {}}}
        << QList<PeriodSuggestion>{{QDate(2007, 9, 1), QDate(2007, 9, 2), 2, {}}};
    QTest::newRow("across the year, unsorted")
        << QList<PeriodPicture>{{at(2008, 1, 1, 12), u"Snow"_s}, {at(2007, 12, 30, 12), u"Snow party"_s},
                                {QDateTime(), u"Undated"_s}, {at(2007, 12, 31, 23), u"party"_s}}
        << QList<PeriodSuggestion>{{QDate(2007, 12, 30), QDate(2008, 1, 1), 3, u"Snow, party"_s}};
    QTest::newRow("one day is no group")
        << QList<PeriodPicture>{{at(2007, 8, 30, 1), {}}, {at(2007, 8, 30, 23), {}}} << QList<PeriodSuggestion>{};
}

void GroupPeriodsTest::suggest()
{
    QFETCH(QList<PeriodPicture>, pictures);
    QFETCH(QList<PeriodSuggestion>, expected);
    QCOMPARE(GroupPeriods::suggest(pictures, PeriodRules{}), expected);
}

void GroupPeriodsTest::proposedDescription_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("filterDigits");
    QTest::addColumn<QString>("expected");
    QTest::newRow("most frequent first, top five")
        << QStringList{u"Beach walk with Anna"_s, u"Anna at the beach"_s, u"Dune hike; harbour boat trip"_s,
                       u"beach"_s}
        << true << u"beach, Anna, walk, with, Dune"_s;
    QTest::newRow("digits filtered") << QStringList{u"Room 101b Hotel2 Paris"_s} << true << u"Room, 101b, Hotel, Paris"_s;
    QTest::newRow("digits kept") << QStringList{u"Room 101b Hotel2 Paris"_s} << false << u"Room, 101b, Hotel2, Paris"_s;
}

void GroupPeriodsTest::proposedDescription()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, filterDigits);
    QFETCH(QString, expected);
    PeriodRules rules;
    rules.filterDigits = filterDigits;
    QCOMPARE(GroupPeriods::proposedDescription(texts, rules), expected);
}

QTEST_GUILESS_MAIN(GroupPeriodsTest)
#include "groupperiodstest.moc"
