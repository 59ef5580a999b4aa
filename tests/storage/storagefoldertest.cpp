#include "storage/storagefolder.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

class StorageFolderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void classify_data();
    void classify();
};

void StorageFolderTest::classify_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QChar>("kind");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");

    const QDate aug31(2007, 8, 31);
    QTest::newRow("date") << u"2007-08-31"_s << QChar(u'D') << aug31 << aug31;
    QTest::newRow("date with day") << u"2007-08-31 Friday"_s << QChar(u'D') << aug31 << aug31;
    QTest::newRow("group") << u"2007-08-31 2007-09-02 Wedding"_s << QChar(u'G') << aug31 << QDate(2007, 9, 2);
    QTest::newRow("group of 21 characters") << u"2007-08-31 2007-09-02"_s << QChar(u'G') << aug31 << QDate(2007, 9, 2);
    QTest::newRow("other separators") << u"2007x08y31"_s << QChar(u'D') << aug31 << aug31;
    QTest::newRow("no such date") << u"2007-02-30"_s << QChar(u'-') << QDate() << QDate();
    QTest::newRow("year") << u"2007"_s << QChar(u'-') << QDate() << QDate();
    QTest::newRow("subject") << u"My cars"_s << QChar(u'-') << QDate() << QDate();
    QTest::newRow("nine characters") << u"2007-08-3"_s << QChar(u'-') << QDate() << QDate();
    QTest::newRow("group, bad second date") << u"2007-08-31 2007-13-02 Wedding"_s << QChar(u'-') << QDate() << QDate();
    QTest::newRow("group, bad first date") << u"2007-02-30 2007-03-02"_s << QChar(u'-') << QDate() << QDate();
    QTest::newRow("date, then a word") << u"2007-08-31 Holiday at sea"_s << QChar(u'D') << aug31 << aug31;
    QTest::newRow("non-ASCII digits") << u"٢٠٠٧-08-31"_s << QChar(u'-') << QDate() << QDate();
}

void StorageFolderTest::classify()
{
    QFETCH(QString, name);
    QFETCH(QChar, kind);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    const StorageFolder folder = ClassifyStorageFolder(name);
    QCOMPARE(QChar(char16_t(folder.kind)), kind);
    QCOMPARE(folder.first, first);
    QCOMPARE(folder.last, last);
}

QTEST_GUILESS_MAIN(StorageFolderTest)
#include "storagefoldertest.moc"
