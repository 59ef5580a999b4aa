#include "records/damagedfile.h"

#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Records;

class DamagedFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void wholeOrMissingFileIsLeftAlone();
    void damagedFileIsCopiedBeside();
    void earlierCopiesAreNeverOverwritten();
    void linksAreNotFollowed();
    void cutDamagedTailKeepsTheWholeRecords();

private:
    QString path(const QString &name = u"work.dat"_s) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void DamagedFileTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void DamagedFileTest::cleanup()
{
    m_dir.reset();
}

void DamagedFileTest::wholeOrMissingFileIsLeftAlone()
{
    auto kept = keepIfDamaged(path(), 4);
    QVERIFY(kept);
    QVERIFY(!*kept);
    for (const QByteArray &content : {QByteArray(), QByteArray("abcdefgh")}) {
        QVERIFY(writeFile(path(), content));
        kept = keepIfDamaged(path(), 4);
        QVERIFY(kept);
        QVERIFY(!*kept);
    }
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"work.dat"_s});
}

void DamagedFileTest::damagedFileIsCopiedBeside()
{
    QVERIFY(writeFile(path(), "abcdefghij"));
    const auto kept = keepIfDamaged(path(), 4);
    QVERIFY(kept);
    QVERIFY(*kept);
    QCOMPARE(**kept, (DamagedFile{path(), path(u"work.dat.damaged"_s), 2}));
    QCOMPARE(readFile(path(u"work.dat.damaged"_s)), QByteArray("abcdefghij"));
    // Keeping changes nothing of the file itself.
    QCOMPARE(readFile(path()), QByteArray("abcdefghij"));
}

void DamagedFileTest::earlierCopiesAreNeverOverwritten()
{
    QVERIFY(writeFile(path(u"work.dat.damaged"_s), "first"));
    QVERIFY(QDir(m_dir->path()).mkdir(u"work.dat.damaged-2"_s));
    QVERIFY(writeFile(path(), "abcde"));
    const auto kept = keepIfDamaged(path(), 4);
    QVERIFY(kept);
    QCOMPARE((*kept)->keptAs, path(u"work.dat.damaged-3"_s));
    QCOMPARE(readFile(path(u"work.dat.damaged"_s)), QByteArray("first"));
    QCOMPARE(readFile(path(u"work.dat.damaged-3"_s)), QByteArray("abcde"));
}

void DamagedFileTest::linksAreNotFollowed()
{
    // A link at the copy's name, even one to nowhere, is passed over: the file it points to
    // stays as it is and nothing is created through it.
    QVERIFY(writeFile(path(u"mine.txt"_s), "mine"));
    QVERIFY(QFile::link(path(u"mine.txt"_s), path(u"work.dat.damaged"_s)));
    QVERIFY(QFile::link(path(u"nowhere"_s), path(u"work.dat.damaged-2"_s)));
    QVERIFY(writeFile(path(), "abcde"));
    auto kept = keepIfDamaged(path(), 4);
    QVERIFY(kept);
    QCOMPARE((*kept)->keptAs, path(u"work.dat.damaged-3"_s));
    QCOMPARE(readFile(path(u"mine.txt"_s)), QByteArray("mine"));
    QVERIFY(!QFileInfo::exists(path(u"nowhere"_s)));

    // A work file that is itself a link is not read through it.
    QVERIFY(writeFile(path(u"elsewhere.dat"_s), "abcde"));
    QVERIFY(QFile::link(path(u"elsewhere.dat"_s), path(u"linked.dat"_s)));
    kept = keepIfDamaged(path(u"linked.dat"_s), 4);
    QVERIFY(!kept);
    QCOMPARE(kept.error().path, path(u"linked.dat"_s));
    QVERIFY(!QFileInfo::exists(path(u"linked.dat.damaged"_s)));
}

void DamagedFileTest::cutDamagedTailKeepsTheWholeRecords()
{
    QVERIFY(writeFile(path(), "abcdefghij"));
    const auto cut = cutDamagedTail(path(), 4);
    QVERIFY(cut);
    QCOMPARE((*cut)->recordsKept, 2);
    QCOMPARE(readFile(path()), QByteArray("abcdefgh"));
    QCOMPARE(readFile(path(u"work.dat.damaged"_s)), QByteArray("abcdefghij"));
    // A whole file stays as it is.
    const auto again = cutDamagedTail(path(), 4);
    QVERIFY(again);
    QVERIFY(!*again);
    QCOMPARE(readFile(path()), QByteArray("abcdefgh"));
}

QTEST_GUILESS_MAIN(DamagedFileTest)
#include "damagedfiletest.moc"
