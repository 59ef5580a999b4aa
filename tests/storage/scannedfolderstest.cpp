#include "storage/scannedfolders.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

class ScannedFoldersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answersAsTheListsDo();
};

// Random trees with many near-equal paths: the index must pick the very entry a walk of the
// list in order would.
void ScannedFoldersTest::answersAsTheListsDo()
{
    QRandomGenerator random(20070831);
    const QStringList subjects{QString(), u"cars"_s, u"Cars"_s, u"boats/sail"_s};
    ScannedFolders scanned;
    for (int i = 0; i < 400; ++i) {
        const QDate day = QDate(2007, 8, 1).addDays(random.bounded(60));
        const QString name = day.toString(u"yyyy-MM-dd"_s)
                             + QStringList{QString(), u" Friday"_s, u" party"_s, u"b"_s}.at(random.bounded(4));
        const QString path = u"/m/"_s + QString::number(random.bounded(3)) + u'/' + name;
        if (random.bounded(5) == 0) {
            scanned.appendGroup({path, path.toLower(), QDateTime(day, QTime(0, 0), Qt::UTC), QDateTime(day.addDays(random.bounded(5)), QTime(0, 0), Qt::UTC),
                                 subjects.at(random.bounded(subjects.size()))});
        } else {
            scanned.appendDateTaken({path, path.toLower(), QDateTime(day, QTime(0, 0), Qt::UTC), QDateTime(day, QTime(0, 0), Qt::UTC), QString()});
        }
    }
    for (int i = 0; i < 2000; ++i) {
        const QDate day = QDate(2007, 8, 1).addDays(random.bounded(62));
        const QString path = u"/m/"_s + QString::number(random.bounded(3)) + u'/' + day.toString(u"yyyy-MM-dd"_s);
        const QString prefix = path.left(5 + random.bounded(12));
        QCOMPARE(scanned.findDateTaken(prefix),
                 FindStorageFolder(scanned.dateTaken(), FolderList::DateTaken, prefix, prefix.size(), {}, {}));
        const QDateTime date = QDateTime(day, QTime(0, 0), Qt::UTC)
                                   .addSecs(random.bounded(4) == 0 ? 0 : random.bounded(86400));
        const QString subject = subjects.at(random.bounded(subjects.size())).toLower();
        QCOMPARE(scanned.findGroup(date, subject),
                 FindStorageFolder(scanned.groups(), FolderList::Group, {}, 0, date, subject));
    }
}

QTEST_GUILESS_MAIN(ScannedFoldersTest)
#include "scannedfolderstest.moc"
