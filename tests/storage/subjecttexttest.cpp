#include "storage/subjecttext.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

class SubjectTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void normalised_data();
    void normalised();
    void folderLevels_data();
    void folderLevels();
};

void SubjectTextTest::normalised_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("levels tidied") << u"  My cars ; ;Bentleys"_s << u"My cars;Bentleys"_s;
    QTest::newRow("only spaces and semicolons") << u" ; ;  ;"_s << QString();
    QTest::newRow("trailing separator") << u"Holiday ;"_s << u"Holiday"_s;
    QTest::newRow("last level keeps its end") << u"Holiday;France  "_s << u"Holiday;France  "_s;
    QTest::newRow("inner spaces stay") << u"A  b;c  d"_s << u"A  b;c  d"_s;
}

void SubjectTextTest::normalised()
{
    QFETCH(QString, typed);
    QTEST(SubjectText::normalised(typed), "expected");
}

void SubjectTextTest::folderLevels_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("plain") << u"My cars;Bentleys"_s << QStringList{u"My cars"_s, u"Bentleys"_s};
    QTest::newRow("illegal characters") << u"a/b\\c:d*e?f\"g<h>i|j"_s << QStringList{u"abcdefghij"_s};
    QTest::newRow("control codes") << u"a\nb\u0000c"_s << QStringList{u"abc"_s};
    QTest::newRow("dot levels") << u".;..;x;/../"_s << QStringList{u"x"_s};
    QTest::newRow("empty and blank levels") << u";; ;a; ;"_s << QStringList{u"a"_s};
    QTest::newRow("spaces at the ends") << u" a ;b "_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("nothing left") << u"/:;.;  "_s << QStringList();
    QTest::newRow("long level cut on a character") << QString(200, u'é') << QStringList{QString(127, u'é')};
}

void SubjectTextTest::folderLevels()
{
    QFETCH(QString, subject);
    QFETCH(QStringList, expected);
    QCOMPARE(SubjectText::folderLevels(subject), expected);
    QCOMPARE(SubjectText::folderSafe(subject), expected.join(u';'));
}

QTEST_GUILESS_MAIN(SubjectTextTest)
#include "subjecttexttest.moc"
