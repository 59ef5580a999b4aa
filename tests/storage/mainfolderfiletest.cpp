#include "storage/mainfolderfile.h"

#include "support/files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

class MainFolderFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void cleanup() { m_dir.reset(); }
    void missingFileIsCreatedEmpty();
    void writtenBytesAreTheRecordAndReadBack();
    void shortFileFails();
    void symbolicLinkIsNeverWrittenThrough();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path() const { return m_dir->filePath(u"MainFolder.dat"_s); }
};

void MainFolderFileTest::missingFileIsCreatedEmpty()
{
    MainFolderFile file(path());
    QVERIFY(file.InitFMainFolder());
    QVERIFY(!file.isDefined());
    QCOMPARE(readFile(path()), QByteArray(256, '\0'));
}

void MainFolderFileTest::writtenBytesAreTheRecordAndReadBack()
{
    MainFolderFile file(path());
    file.setMainFolder(u"/home/ann/Pictures é"_s);
    QVERIFY(file.UpdateFMainFolder());
    QByteArray expected(256, '\0');
    const QByteArray text = u"/home/ann/Pictures é"_s.toUtf8();
    expected[0] = char(text.size());
    expected.replace(1, text.size(), text);
    QCOMPARE(readFile(path()), expected);

    MainFolderFile reread(path());
    QVERIFY(reread.InitFMainFolder());
    QCOMPARE(reread.mainFolder(), u"/home/ann/Pictures é"_s);
}

void MainFolderFileTest::shortFileFails()
{
    QVERIFY(writeFile(path(), QByteArray(100, '\0')));
    MainFolderFile file(path());
    QVERIFY(!file.InitFMainFolder());
}

void MainFolderFileTest::symbolicLinkIsNeverWrittenThrough()
{
    const QString target = m_dir->filePath(u"elsewhere"_s);
    QVERIFY(writeFile(target, "keep"));
    QVERIFY(QFile::link(target, path()));
    MainFolderFile file(path());
    file.setMainFolder(u"/pics"_s);
    const auto written = file.UpdateFMainFolder();
    QVERIFY(!written);
    QCOMPARE(written.error().code, Records::FileError::Code::SymbolicLink);
    QCOMPARE(readFile(target), QByteArray("keep"));
}

QTEST_GUILESS_MAIN(MainFolderFileTest)
#include "mainfolderfiletest.moc"
