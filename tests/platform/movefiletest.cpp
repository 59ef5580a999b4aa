#include "platform/movefile.h"

#include "support/files.h"
#include "support/smallfilesystem.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using Platform::moveWithoutReplacing;

namespace {

// A folder on another file system than the temporary folder, when the machine has one (the
// shared-memory file system of Linux); empty otherwise.
QString otherFileSystemBase()
{
    const QString candidate = u"/dev/shm"_s;
    if (!QFileInfo(candidate).isDir() || !QFileInfo(candidate).isWritable())
        return {};
    if (QStorageInfo(candidate).device() == QStorageInfo(QDir::tempPath()).device())
        return {};
    return candidate;
}

QDateTime aWhileAgo()
{
    return QDateTime(QDate(2019, 7, 14), QTime(10, 30, 15), Qt::UTC);
}

bool setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
}

} // namespace

class MoveFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void movesAndKeepsContentAndDate_data();
    void movesAndKeepsContentAndDate();
    void neverReplacesAnExistingTarget_data();
    void neverReplacesAnExistingTarget();
    void missingSourceIsNotFound();
    void missingTargetFolderLeavesTheSource_data();
    void missingTargetFolderLeavesTheSource();
    void entryExistsSeesDanglingLinks();
    void onlyRegularFilesMove_data();
    void onlyRegularFilesMove();
    void nulNeverCutsAName();
    void fullTargetKeepsTheSource();

private:
    QString targetFolder(bool acrossFileSystems);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_other;
};

void MoveFileTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    const QString base = otherFileSystemBase();
    if (!base.isEmpty())
        m_other = std::make_unique<QTemporaryDir>(base + u"/movefiletest-XXXXXX"_s);
}

void MoveFileTest::cleanup()
{
    m_other.reset();
    m_dir.reset();
}

QString MoveFileTest::targetFolder(bool acrossFileSystems)
{
    if (!acrossFileSystems)
        return m_dir->filePath(u"sub"_s);
    if (!m_other || !m_other->isValid())
        return {};
    return m_other->path();
}

void MoveFileTest::movesAndKeepsContentAndDate_data()
{
    QTest::addColumn<bool>("across");
    QTest::newRow("same file system") << false;
    QTest::newRow("other file system") << true;
}

void MoveFileTest::movesAndKeepsContentAndDate()
{
    QFETCH(bool, across);
    const QString folder = targetFolder(across);
    if (folder.isEmpty())
        QSKIP("No second file system to move to");
    QVERIFY(QDir().mkpath(folder));
    const QString from = m_dir->filePath(u"IMG_0001.JPG"_s);
    const QString to = folder + u"/Beach.JPG"_s;
    const QByteArray content(3 << 20, 'p');
    QVERIFY(writeFile(from, content));
    QVERIFY(setModified(from, aWhileAgo()));
    QVERIFY(QFile::setPermissions(from, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));

    QVERIFY(moveWithoutReplacing(from, to));

    QVERIFY(!QFileInfo::exists(from));
    QCOMPARE(readFile(to), content);
    QCOMPARE(QFileInfo(to).lastModified().toUTC(), aWhileAgo());
    QCOMPARE(QFileInfo(to).permissions() & (QFileDevice::WriteOther | QFileDevice::ReadOther | QFileDevice::WriteOwner),
             QFileDevice::ReadOther | QFileDevice::WriteOwner);
    // The copy under its temporary name is gone.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"Beach.JPG"_s});
}

void MoveFileTest::neverReplacesAnExistingTarget_data()
{
    movesAndKeepsContentAndDate_data();
}

void MoveFileTest::neverReplacesAnExistingTarget()
{
    QFETCH(bool, across);
    const QString folder = targetFolder(across);
    if (folder.isEmpty())
        QSKIP("No second file system to move to");
    QVERIFY(QDir().mkpath(folder));
    const QString from = m_dir->filePath(u"IMG_0001.JPG"_s);
    const QString to = folder + u"/Beach.JPG"_s;
    QVERIFY(writeFile(from, "picture"));
    QVERIFY(writeFile(to, "other picture"));

    const auto moved = moveWithoutReplacing(from, to);

    QVERIFY(!moved);
    QCOMPARE(moved.error().code, Records::FileError::Code::CreateFailed);
    QCOMPARE(moved.error().path, to);
    QCOMPARE(readFile(from), QByteArray("picture"));
    QCOMPARE(readFile(to), QByteArray("other picture"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"Beach.JPG"_s});
}

void MoveFileTest::missingSourceIsNotFound()
{
    const auto moved = moveWithoutReplacing(m_dir->filePath(u"gone.jpg"_s), m_dir->filePath(u"new.jpg"_s));
    QVERIFY(!moved);
    QCOMPARE(moved.error().code, Records::FileError::Code::NotFound);
    QVERIFY(!QFileInfo::exists(m_dir->filePath(u"new.jpg"_s)));
}

void MoveFileTest::missingTargetFolderLeavesTheSource_data()
{
    movesAndKeepsContentAndDate_data();
}

void MoveFileTest::missingTargetFolderLeavesTheSource()
{
    QFETCH(bool, across);
    const QString folder = targetFolder(across);
    if (folder.isEmpty())
        QSKIP("No second file system to move to");
    const QString from = m_dir->filePath(u"IMG_0001.JPG"_s);
    QVERIFY(writeFile(from, "picture"));

    QVERIFY(!moveWithoutReplacing(from, folder + u"/missing/Beach.JPG"_s));
    QCOMPARE(readFile(from), QByteArray("picture"));
}

void MoveFileTest::entryExistsSeesDanglingLinks()
{
    const QString link = m_dir->filePath(u"link.jpg"_s);
    QVERIFY(QFile::link(m_dir->filePath(u"nowhere.jpg"_s), link));
    QVERIFY(Platform::entryExists(link));
    QVERIFY(!Platform::entryExists(m_dir->filePath(u"nowhere.jpg"_s)));
    QVERIFY(!Platform::entryExists(QString()));
    // A dangling link is an entry: moving onto it must fail as for any file.
    const QString from = m_dir->filePath(u"a.jpg"_s);
    QVERIFY(writeFile(from));
    QVERIFY(!moveWithoutReplacing(from, link));
    QVERIFY(QFileInfo::exists(from));
}

void MoveFileTest::onlyRegularFilesMove_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("folder") << true;
    QTest::newRow("symbolic link to a picture") << false;
}

void MoveFileTest::onlyRegularFilesMove()
{
    // Something else took a picture's name after the folder was listed.
    QFETCH(bool, folder);
    const QString from = m_dir->filePath(u"IMG_0001.JPG"_s);
    if (folder) {
        QVERIFY(QDir().mkpath(from + u"/inside"_s));
    } else {
        QVERIFY(writeFile(m_dir->filePath(u"real.jpg"_s), "picture"));
        QVERIFY(QFile::link(m_dir->filePath(u"real.jpg"_s), from));
    }
    const auto moved = moveWithoutReplacing(from, m_dir->filePath(u"Beach.JPG"_s));
    QVERIFY(!moved);
    QCOMPARE(moved.error().code, Records::FileError::Code::OpenFailed);
    QVERIFY(Platform::entryExists(from));
    QVERIFY(!Platform::entryExists(m_dir->filePath(u"Beach.JPG"_s)));
}

void MoveFileTest::nulNeverCutsAName()
{
    const QString from = m_dir->filePath(u"IMG_0001.JPG"_s);
    QVERIFY(writeFile(from, "picture"));
    QVERIFY(!moveWithoutReplacing(from, m_dir->filePath(u"abc"_s) + QChar(0) + u"def.jpg"_s));
    QVERIFY(!Platform::entryExists(m_dir->filePath(u"abc"_s)));
    QVERIFY(!moveWithoutReplacing(from + QChar(0) + u"x"_s, m_dir->filePath(u"new.jpg"_s)));
    QCOMPARE(readFile(from), QByteArray("picture"));
}

// A copy to another file system that does not fit fails before the source is touched, and leaves
// no partial file behind.
void MoveFileTest::fullTargetKeepsTheSource()
{
    const QString target = m_dir->filePath(u"small"_s);
    QVERIFY(QDir().mkpath(target));
    SmallFileSystem disk(target, 256);
    if (!disk.isMounted())
        QSKIP("this process may not mount a file system");
    const QString source = m_dir->filePath(u"big.jpg"_s);
    const QByteArray content(512 * 1024, 'x');
    QVERIFY(writeFile(source, content));
    const auto moved = Platform::moveWithoutReplacing(source, target + u"/big.jpg"_s);
    QVERIFY(!moved);
    QCOMPARE(readFile(source), content);
    QCOMPARE(QDir(target).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

QTEST_GUILESS_MAIN(MoveFileTest)
#include "movefiletest.moc"
