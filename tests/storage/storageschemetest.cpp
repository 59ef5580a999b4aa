#include "storage/storagescheme.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

class StorageSchemeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void makeScheme_data();
    void makeScheme();
};

void StorageSchemeTest::makeScheme_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("onlySubject");
    QTest::addColumn<int>("levels");
    QTest::addColumn<int>("subjectPosition");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("description");

    QTest::newRow("1/0") << true << false << 1 << 0 << u"D"_s << u"Date taken"_s;
    QTest::newRow("1/1") << true << false << 1 << 1 << u"SD"_s << u"Subject/Date taken"_s;
    QTest::newRow("2/0") << true << false << 2 << 0 << u"YD"_s << u"Year/Date taken"_s;
    QTest::newRow("2/1") << true << false << 2 << 1 << u"SYD"_s << u"Subject/Year/Date taken"_s;
    QTest::newRow("2/2") << true << false << 2 << 2 << u"YSD"_s << u"Year/Subject/Date taken"_s;
    QTest::newRow("3/0") << true << false << 3 << 0 << u"YMD"_s << u"Year/Month/Date taken"_s;
    QTest::newRow("3/1") << true << false << 3 << 1 << u"SYMD"_s << u"Subject/Year/Month/Date taken"_s;
    QTest::newRow("3/2") << true << false << 3 << 2 << u"YSMD"_s << u"Year/Subject/Month/Date taken"_s;
    QTest::newRow("3/3") << true << false << 3 << 3 << u"YMSD"_s << u"Year/Month/Subject/Date taken"_s;
    QTest::newRow("only subject") << true << true << 3 << 2 << u"S"_s << u"Subject"_s;
    QTest::newRow("only subject, no levels") << true << true << 0 << 0 << u"S"_s << u"Subject"_s;
    QTest::newRow("inactive") << false << true << 3 << 2 << QString() << u"Picture Storage Management is not active"_s;
    QTest::newRow("0 levels") << true << false << 0 << 0 << u"-1"_s
                              << u"Picture Storage Management: Defined scheme is illegal"_s;
    QTest::newRow("4 levels") << true << false << 4 << 1 << u"-1"_s
                              << u"Picture Storage Management: Defined scheme is illegal"_s;
    QTest::newRow("position beyond levels") << true << false << 1 << 2 << QString() << QString();
    QTest::newRow("negative position") << true << false << 2 << -1 << QString() << QString();
}

void StorageSchemeTest::makeScheme()
{
    QFETCH(bool, active);
    QFETCH(bool, onlySubject);
    QFETCH(int, levels);
    QFETCH(int, subjectPosition);
    QFETCH(QString, code);
    QFETCH(QString, description);
    const PSMScheme scheme = MakePSMScheme(active, onlySubject, levels, subjectPosition);
    QCOMPARE(scheme.PSMAbbr, code);
    QCOMPARE(scheme.PSMDesc, description);
}

QTEST_GUILESS_MAIN(StorageSchemeTest)
#include "storageschemetest.moc"
