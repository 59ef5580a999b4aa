#include "storage/subjectstore.h"

#include "records/recordfile.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace Qt::StringLiterals;
using namespace Storage;

namespace {

// A record built byte by byte, independent of the record code.
QByteArray handRecord(const QByteArray &subject, const QByteArray &low, bool removed)
{
    QByteArray bytes(SubjectsRec::size, '\0');
    bytes[0] = char(subject.size());
    bytes.replace(1, subject.size(), subject);
    bytes[256] = char(low.size());
    bytes.replace(257, low.size(), low);
    bytes[512] = removed ? '\1' : '\0';
    return bytes;
}

} // namespace

class SubjectStoreTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); m_dialogs = FakeDialogs(); }
    void fileRoundTripIsByteExact();
    void sortedOrder_data();
    void sortedOrder();
    void numbersStayWhileSubjectsChange();
    void resumedIndexes();
    void failedWriteKeepsTheTable();
    void damagedFileKeepsItsWholeRecords();

private:
    QString path() const { return m_dir->filePath(u"Subjects.dat"_s); }

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
};

void SubjectStoreTest::fileRoundTripIsByteExact()
{
    SubjectStore store(path(), m_dialogs);
    QVERIFY(store.InitFSubjects());
    QCOMPARE(readFile(path()), QByteArray());
    QCOMPARE(*store.AddOrActivateSubject(u"My Cars;Bentleys"_s, -1), 0);
    QCOMPARE(*store.AddOrActivateSubject(u"Éte"_s, -1), 1);
    QVERIFY(store.DelSubject(0));
    const QByteArray expected = handRecord("My Cars;Bentleys", "my cars;bentleys", true)
                                + handRecord("\xc3\x89te", "\xc3\xa9te", false);
    QCOMPARE(readFile(path()), expected);

    SubjectStore reread(path(), m_dialogs);
    QVERIFY(reread.InitFSubjects());
    QCOMPARE(reread.table(), store.table());
    QVERIFY(reread.EditSubject(1, u"Éte"_s));
    QCOMPARE(readFile(path()), expected);
}

void SubjectStoreTest::sortedOrder_data()
{
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<bool>("optional");
    QTest::addColumn<QList<int>>("sorted");
    QTest::addColumn<QStringList>("list");
    QTest::newRow("by lower case") << QStringList{u"zebra"_s, u"Apple"_s, u"mango"_s} << false << QList<int>{1, 2, 0}
                                   << QStringList{u"Apple"_s, u"mango"_s, u"zebra"_s};
    QTest::newRow("prefix first, bytes unsigned")
        << QStringList{u"étage"_s, u"car;x"_s, u"car"_s} << true << QList<int>{2, 1, 0}
        << QStringList{QString(), u"car"_s, u"car;x"_s, u"étage"_s};
}

void SubjectStoreTest::sortedOrder()
{
    QFETCH(QStringList, added);
    QFETCH(bool, optional);
    SubjectStore store(path(), m_dialogs);
    QVERIFY(store.InitFSubjects());
    store.setSubjectOptional(optional);
    for (const QString &subject : added)
        QVERIFY(store.AddOrActivateSubject(subject, -1));
    QTEST(store.sortedOrder(), "sorted");
    QTEST(store.subjectList(), "list");
    QCOMPARE(store.IndexOfCBSubject(added.first()), store.subjectList().indexOf(added.first()));
    QCOMPARE(store.IndexOfCBSubject(added.first().toUpper()), -1);
}

void SubjectStoreTest::numbersStayWhileSubjectsChange()
{
    SubjectStore store(path(), m_dialogs);
    QVERIFY(store.InitFSubjects());
    for (const QString &subject : {u"Holiday"_s, u"Cars"_s, u"Birds"_s})
        QVERIFY(store.AddOrActivateSubject(subject, -1));
    QCOMPARE(store.IndexOfSubj(u"HOLIDAY"_s), 2);
    QCOMPARE(store.sortedOrder().at(2), 0);

    // Removed and added again: a new record, the old one stays removed.
    QVERIFY(store.DelSubject(1));
    QCOMPARE(store.IndexOfSubj(u"cars"_s), -1);
    QCOMPARE(*store.AddOrActivateSubject(u"Cars"_s, -1), 3);
    QCOMPARE(store.table().at(1), (SubjectsRec{u"Cars"_s, u"cars"_s, true}));
    QCOMPARE(store.sortedOrder().at(store.IndexOfSubj(u"cars"_s)), 3);

    // Edited in place, a removed one stays removed; re-activated by its number.
    QVERIFY(store.EditSubject(0, u"HOLIDAY"_s));
    QVERIFY(store.EditSubject(1, u"Trucks"_s));
    QCOMPARE(store.table().at(1).SJDel, true);
    QCOMPARE(*store.AddOrActivateSubject(u"Trucks"_s, 1), 1);
    QCOMPARE(store.subjectList(), (QStringList{u"Birds"_s, u"Cars"_s, u"HOLIDAY"_s, u"Trucks"_s}));
    QCOMPARE(store.count(), 4);
    QCOMPARE(readFile(path()).size(), 4 * SubjectsRec::size);

    QVERIFY(!store.DelSubject(4));
    QVERIFY(!store.AddOrActivateSubject(u"x"_s, 5));
}

void SubjectStoreTest::resumedIndexes()
{
    SubjectStore store(path(), m_dialogs);
    QVERIFY(store.InitFSubjects());
    for (const QString &subject : {u"Holiday"_s, u"holiday"_s, u"Sea"_s})
        QVERIFY(store.AddOrActivateSubject(subject, -1));
    QVERIFY(store.DelSubject(0));
    QVERIFY(store.DelSubject(2));
    Session::SubjectSource &source = store;
    QVERIFY(source.isRemoved(0));
    QCOMPARE(source.activeIndexOf(source.subject(0).toLower()), 1);
    QCOMPARE(source.activeIndexOf(u"sea"_s), -1);
    source.reactivate(2);
    QVERIFY(!source.isRemoved(2));
    QCOMPARE(store.table().at(2), (SubjectsRec{u"Sea"_s, u"sea"_s, false}));
    QCOMPARE(readFile(path()).at(2 * SubjectsRec::size + 512), '\0');

    Session::PictureRow row;
    row.subjectIndex = 2;
    QVERIFY(SubjectStore::SubjectInUse({Session::PictureRow(), row}, 2));
    QVERIFY(!SubjectStore::SubjectInUse({row}, 1));
}

void SubjectStoreTest::failedWriteKeepsTheTable()
{
    SubjectStore store(path(), m_dialogs);
    QVERIFY(store.InitFSubjects());
    QVERIFY(store.AddOrActivateSubject(u"Sea"_s, -1));
    const QByteArray before = readFile(path());
    {
        const Records::SimulatedWriteFailure full(Records::WriteStep::Write, ENOSPC);
        QVERIFY(!store.AddOrActivateSubject(u"Lake"_s, -1));
        QVERIFY(!store.EditSubject(0, u"Ocean"_s));
        QVERIFY(!store.DelSubject(0));
        store.reactivate(0);
    }
    QCOMPARE(store.subjectList(), QStringList{u"Sea"_s});
    QCOMPARE(readFile(path()), before);
    QVERIFY(store.DelSubject(0));
    {
        const Records::SimulatedWriteFailure full(Records::WriteStep::Write, ENOSPC);
        store.reactivate(0);
    }
    QVERIFY(store.isRemoved(0));
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.first().severity, Platform::Severity::Error);
}

void SubjectStoreTest::damagedFileKeepsItsWholeRecords()
{
    const QByteArray whole = handRecord("Sea", "sea", false) + handRecord("Lake", "lake", true);
    QVERIFY(writeFile(path(), whole + QByteArray(100, 'x')));
    SubjectStore store(path(), m_dialogs);
    QVERIFY(store.InitFSubjects());
    QCOMPARE(store.count(), 2);
    QCOMPARE(readFile(path()), whole);
    QCOMPARE(readFile(path() + u".damaged"_s).size(), whole.size() + 100);
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(*store.AddOrActivateSubject(u"Pond"_s, -1), 2);


    // A damaged file reached through a symbolic link is neither copied nor cut: start-up fails.
    QVERIFY(writeFile(path() + u".other"_s, whole + "x"));
    QVERIFY(QFile::remove(path()) && QFile::link(path() + u".other"_s, path()));
    QVERIFY(!store.InitFSubjects());
    QCOMPARE(readFile(path() + u".other"_s).size(), whole.size() + 1);
    QCOMPARE(store.count(), 3);
    QVERIFY(!SubjectStore(m_dir->filePath(u"missing/Subjects.dat"_s), m_dialogs).InitFSubjects());
}

QTEST_GUILESS_MAIN(SubjectStoreTest)
#include "subjectstoretest.moc"
