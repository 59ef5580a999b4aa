#include "storage/subjectfolders.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

class SubjectFoldersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void suggestions();
    void subjectOfLevels_data();
    void subjectOfLevels();
    void candidatesBreadthFirst();
};

void SubjectFoldersTest::suggestions()
{
    QCOMPARE(SubjectFolders::suggestions(u"/Pics/Holiday/France"_s),
             (QStringList{u"France"_s, u"Holiday;France"_s, u"Pics;Holiday;France"_s}));
    QCOMPARE(SubjectFolders::suggestions(u"/"_s), QStringList());
}

void SubjectFoldersTest::subjectOfLevels_data()
{
    QTest::addColumn<QStringList>("levels");
    QTest::addColumn<QString>("subject");

    QTest::newRow("subject levels") << QStringList{u"Holiday"_s, u"France"_s} << u"Holiday;France"_s;
    QTest::newRow("dates before") << QStringList{u"2024"_s, u"2024-07"_s, u"Cars"_s} << u"Cars"_s;
    QTest::newRow("date ends it") << QStringList{u"Cars"_s, u"2024"_s, u"Old"_s} << u"Cars"_s;
    QTest::newRow("thumbnails dropped") << QStringList{u"Cars"_s, u"xelthumb"_s} << u"Cars"_s;
    QTest::newRow("only dates") << QStringList{u"2024"_s, u"SmallPics"_s} << QString();
    // Four digits make a level date-like, whatever follows.
    QTest::newRow("year-like subject") << QStringList{u"1984 Trip"_s} << QString();
    QTest::newRow("letters are not") << QStringList{u"Zoo"_s, u"a1"_s} << u"Zoo;a1"_s;
}

void SubjectFoldersTest::subjectOfLevels()
{
    QFETCH(QStringList, levels);
    QFETCH(QString, subject);
    QCOMPARE(SubjectFolders::subjectOfLevels(levels), subject);
}

void SubjectFoldersTest::candidatesBreadthFirst()
{
    QTemporaryDir main;
    for (const QString &path : {u"Zoo/Lions"_s, u"Cars/2024/05"_s, u"cars"_s, u"2023/Holiday/xelthumb"_s})
        QVERIFY(QDir().mkpath(main.filePath(path)));
    QCOMPARE(SubjectFolders::candidates(main.path() + u'/'),
             (QStringList{u"Cars"_s, u"Zoo"_s, u"Holiday"_s, u"Zoo;Lions"_s}));
}

QTEST_GUILESS_MAIN(SubjectFoldersTest)
#include "subjectfolderstest.moc"
