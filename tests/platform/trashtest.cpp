#include "platform/trash.h"

#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TrashTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void missingDataFolderIsCreatedFirst();
    void missingFileFails();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousFolder;
};

void TrashTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // The user's data folder does not exist yet, as on a new account.
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir->filePath(u"home/.local/share"_s)));
    QVERIFY(QDir().mkpath(m_dir->filePath(u"pictures"_s)));
    QVERIFY(QDir().mkpath(m_dir->filePath(u"cwd"_s)));
    m_previousFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->filePath(u"cwd"_s)));
}

void TrashTest::cleanup()
{
    QDir::setCurrent(m_previousFolder);
    qunsetenv("XDG_DATA_HOME");
    m_dir.reset();
}

void TrashTest::missingDataFolderIsCreatedFirst()
{
    const QString picture = m_dir->filePath(u"pictures/IMG_1.jpg"_s);
    QVERIFY(writeFile(picture, "picture"));

    QVERIFY(Platform::moveToTrash(picture));

    QVERIFY(!QFileInfo::exists(picture));
    QCOMPARE(readFile(m_dir->filePath(u"home/.local/share/Trash/files/IMG_1.jpg"_s)), QByteArray("picture"));
    // Nothing landed below the current directory.
    QVERIFY(QDir(m_dir->filePath(u"cwd"_s)).isEmpty());
}

void TrashTest::missingFileFails()
{
    const auto trashed = Platform::moveToTrash(m_dir->filePath(u"pictures/gone.jpg"_s));
    QVERIFY(!trashed);
    QCOMPARE(trashed.error().code, Records::FileError::Code::RemoveFailed);
}

QTEST_GUILESS_MAIN(TrashTest)
#include "trashtest.moc"
