#include "records/recordfile.h"

#include "records/nofollow.h"
#include "support/files.h"
#include "support/smallfilesystem.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace Records;

class RecordFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void createAppendReadWriteTruncate();
    void damagedFileIsReportedWithItsPath();
    void damagedFileYieldsItsWholeRecords();
    void writeBeyondTheEndFails();
    void rewriteReplacesTheWholeFile();
    void failedRewriteKeepsTheOldFile();
    void missingFile();
    void pipeIsRefusedWithoutWaiting();
    void writesNeverGoThroughALink_data();
    void writesNeverGoThroughALink();
    void fullDiskKeepsTheOldFile();
    void failingStepKeepsTheOldFile_data();
    void failingStepKeepsTheOldFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path() const { return m_dir->filePath(u"test.dat"_s); }
};

void RecordFileTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void RecordFileTest::cleanup()
{
    m_dir.reset();
}

void RecordFileTest::createAppendReadWriteTruncate()
{
    const RecordFile file(path(), 4);
    QVERIFY(file.create());
    QCOMPARE(*file.count(), 0);
    QVERIFY(file.append("aaaa"));
    QVERIFY(file.append("bbbb"));
    QVERIFY(file.append("cccc"));
    QCOMPARE(*file.count(), 3);
    QVERIFY(file.write(1, "BBBB"));
    QCOMPARE(*file.read(1), QByteArray("BBBB"));
    QCOMPARE(readFile(path()), QByteArray("aaaaBBBBcccc"));
    QVERIFY(file.truncate(1));
    QCOMPARE(readFile(path()), QByteArray("aaaa"));
    // create() leaves an existing file alone.
    QVERIFY(file.create());
    QCOMPARE(readFile(path()), QByteArray("aaaa"));
}

void RecordFileTest::damagedFileIsReportedWithItsPath()
{
    QVERIFY(writeFile(path(), "aaaabb"));
    const RecordFile file(path(), 4);
    const auto count = file.count();
    QVERIFY(!count);
    QCOMPARE(count.error().code, FileError::Code::Damaged);
    QCOMPARE(count.error().path, path());
    QVERIFY(!file.readAll());
    // Reading the second record would run past the end.
    QCOMPARE(file.read(1).error().code, FileError::Code::Damaged);
    QCOMPARE(file.write(0, "zzzz").error().code, FileError::Code::Damaged);
    QCOMPARE(readFile(path()), QByteArray("aaaabb"));
}

void RecordFileTest::damagedFileYieldsItsWholeRecords()
{
    QVERIFY(writeFile(path(), "aaaabbbbcc"));
    const auto records = RecordFile(path(), 4).readWholeRecords();
    QVERIFY(records);
    QCOMPARE(*records, (QList<QByteArray>{"aaaa", "bbbb"}));
}

void RecordFileTest::writeBeyondTheEndFails()
{
    QVERIFY(writeFile(path(), "aaaa"));
    const RecordFile file(path(), 4);
    QVERIFY(!file.write(2, "cccc"));
    QVERIFY(!file.read(1));
    QVERIFY(!file.read(-1));
    QCOMPARE(readFile(path()), QByteArray("aaaa"));
}

void RecordFileTest::rewriteReplacesTheWholeFile()
{
    QVERIFY(writeFile(path(), "aaaabbbbcccc"));
    const RecordFile file(path(), 4);
    QVERIFY(file.rewrite(QList<QByteArray>{"xxxx"}));
    QCOMPARE(readFile(path()), QByteArray("xxxx"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"test.dat"_s});
}

void RecordFileTest::failedRewriteKeepsTheOldFile()
{
    // The new content is written beside the old file under a longer name; with a name already
    // near the file system's limit that cannot be created, whoever runs the test.
    const QString longPath = m_dir->filePath(QString(250, u'a'));
    QVERIFY(writeFile(longPath, "aaaa"));
    const auto result = RecordFile(longPath, 4).rewrite(QList<QByteArray>{"xxxx"});
    QVERIFY(!result);
    QCOMPARE(result.error().code, FileError::Code::WriteFailed);
    QCOMPARE(result.error().path, longPath);
    QCOMPARE(readFile(longPath), QByteArray("aaaa"));
}

void RecordFileTest::missingFile()
{
    const RecordFile file(path(), 4);
    QVERIFY(!file.exists());
    QCOMPARE(file.count().error().code, FileError::Code::NotFound);
    QCOMPARE(file.read(0).error().code, FileError::Code::NotFound);
    QCOMPARE(file.write(0, "aaaa").error().code, FileError::Code::NotFound);
    QVERIFY(!file.exists());
}

// A named pipe at a work file's name, or a link to one, would block the opening for ever.
void RecordFileTest::pipeIsRefusedWithoutWaiting()
{
    const QString pipe = m_dir->filePath(u"pipe"_s);
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(QFile::link(pipe, path()));
    for (const QString &at : {pipe, path()}) {
        const RecordFile file(at, 4);
        QVERIFY(!file.readWholeRecords());
        QVERIFY(!file.read(0));
        QFile opened;
        QVERIFY(!Records::openWithoutFollowing(opened, at, QIODevice::ReadOnly));
        QVERIFY(!Records::openWithoutFollowing(opened, at, QIODevice::ReadWrite));
    }
}

void RecordFileTest::writesNeverGoThroughALink_data()
{
    QTest::addColumn<QString>("operation");
    for (const char *operation : {"write", "append", "truncate", "create", "rewrite", "rewrite slices"})
        QTest::newRow(operation) << QString::fromLatin1(operation);
}

void RecordFileTest::writesNeverGoThroughALink()
{
    QFETCH(QString, operation);
    const QString outside = m_dir->filePath(u"outside"_s);
    QVERIFY(writeFile(outside, "keepkeep"));
    QVERIFY(QFile::link(outside, path()));
    const RecordFile file(path(), 4);
    FileResult<void> result;
    if (operation == u"write")
        result = file.write(0, "xxxx");
    else if (operation == u"append")
        result = file.append("xxxx");
    else if (operation == u"truncate")
        result = file.truncate(0);
    else if (operation == u"create")
        result = file.create();
    else if (operation == u"rewrite")
        result = file.rewrite(QList<QByteArray>{"xxxx"});
    else
        result = file.rewrite(1, [](qint64) { return QByteArray("xxxx"); });
    QVERIFY(!result);
    QCOMPARE(result.error().code, FileError::Code::SymbolicLink);
    QCOMPARE(result.error().path, path());
    QCOMPARE(readFile(outside), QByteArray("keepkeep"));
    QVERIFY(QFileInfo(path()).isSymLink());
}

void RecordFileTest::fullDiskKeepsTheOldFile()
{
    const SmallFileSystem disk(m_dir->filePath(u"small"_s));
    if (!disk.isMounted())
        QSKIP("mounting a small file system needs the right to mount");
    const QString full = m_dir->filePath(u"small/test.dat"_s);
    // A whole page of records, so that an append needs room the disk no longer has.
    const QByteArray old(4096, 'a');
    QVERIFY(writeFile(full, old));
    QVERIFY(disk.fill());
    const RecordFile file(full, 4);
    const auto rewritten = file.rewrite(QList<QByteArray>{"xxxx", "yyyy", "zzzz"});
    QVERIFY(!rewritten);
    QCOMPARE(rewritten.error().code, FileError::Code::WriteFailed);
    QCOMPARE(rewritten.error().path, full);
    QCOMPARE(rewritten.error().systemMessage, qt_error_string(ENOSPC));
    QVERIFY(!writeFileAtomically(full, "x"));
    QVERIFY(!file.append("cccc"));
    QCOMPARE(readFile(full), old);
    QCOMPARE(QDir(m_dir->filePath(u"small"_s)).entryList(QDir::Files), (QStringList{u"filler"_s, u"test.dat"_s}));
}

void RecordFileTest::failingStepKeepsTheOldFile_data()
{
    QTest::addColumn<WriteStep>("step");
    QTest::newRow("write") << WriteStep::Write;
    QTest::newRow("sync") << WriteStep::Sync;
    QTest::newRow("rename") << WriteStep::Rename;
}

void RecordFileTest::failingStepKeepsTheOldFile()
{
    QFETCH(WriteStep, step);
    QVERIFY(writeFile(path(), "aaaabbbb"));
    const RecordFile file(path(), 4);
    {
        const SimulatedWriteFailure failure(step, EIO);
        const auto result = file.rewrite(QList<QByteArray>{"xxxx"});
        QVERIFY(!result);
        QCOMPARE(result.error(), (FileError{FileError::Code::WriteFailed, path(), -1, qt_error_string(EIO)}));
        if (step == WriteStep::Write)
            QVERIFY(!file.append("cccc"));
    }
    QCOMPARE(readFile(path()), QByteArray("aaaabbbb"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"test.dat"_s});
    QVERIFY(file.rewrite(QList<QByteArray>{"xxxx"}));
    QCOMPARE(readFile(path()), QByteArray("xxxx"));
}

QTEST_GUILESS_MAIN(RecordFileTest)
#include "recordfiletest.moc"
