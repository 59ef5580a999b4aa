#include "storage/subjectpath.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

class SubjectPathTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void subjectOfPath_data();
    void subjectOfPath();
};

void SubjectPathTest::subjectOfPath_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("mainFolder");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("subject");

    QTest::newRow("YSMD") << u"YSMD"_s << u"/pics"_s << u"/pics/2007/My cars/Bentleys/2007-08/2007-08-31"_s
                          << u"My cars/Bentleys"_s;
    QTest::newRow("YMD has none") << u"YMD"_s << u"/pics"_s << u"/pics/2007/2007-08/2007-08-31"_s << QString();
    QTest::newRow("SD") << u"SD"_s << u"/pics"_s << u"/pics/Holiday/2007-08-31"_s << u"Holiday"_s;
    QTest::newRow("S") << u"S"_s << u"/pics"_s << u"/pics/My cars/Bentleys"_s << u"My cars/Bentleys"_s;
    QTest::newRow("YMSD, root") << u"YMSD"_s << u"/"_s << u"/2007/2007-08/Cars/2007-08-31"_s << u"Cars"_s;
    QTest::newRow("YSMD without subject") << u"YSMD"_s << u"/pics"_s << u"/pics/2007/2007-08/2007-08-31"_s
                                          << QString();
    QTest::newRow("outside main folder") << u"SD"_s << u"/pics"_s << u"/picsX/Holiday/2007-08-31"_s << QString();
    QTest::newRow("too few levels") << u"YSMD"_s << u"/pics"_s << u"/pics/2007-08-31"_s << QString();
}

void SubjectPathTest::subjectOfPath()
{
    QFETCH(QString, scheme);
    QFETCH(QString, mainFolder);
    QFETCH(QString, path);
    QFETCH(QString, subject);
    QCOMPARE(SubjectOfPath(scheme, mainFolder, path), subject);
}

QTEST_GUILESS_MAIN(SubjectPathTest)
#include "subjectpathtest.moc"
