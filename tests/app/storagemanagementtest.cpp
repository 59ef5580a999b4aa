#include "app/storagemanagement.h"

#include "settings/programsettings.h"
#include "settings/sessionsettings.h"
#include "storage/mainfolderfile.h"
#include "storage/storagesetupmodel.h"

#include "support/fakedialogs.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class StorageManagementTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void switchingOnUnsetAsksForSetup();
    void setupTurnsStorageOnAndUndoOff();
    void startupPrompt();
    void resumeWithoutMainFolderTurnsStorageOff();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings::ProgramSettings> m_program;
    std::unique_ptr<Settings::SessionSettings> m_session;
    std::unique_ptr<App::StorageManagement> m_storage;
    FakeDialogs m_dialogs;
    FakeDrives m_drives;
};

void StorageManagementTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = FakeDialogs();
    m_program = std::make_unique<Settings::ProgramSettings>(m_dir->filePath(u"PSMSet.dat"_s));
    m_session = std::make_unique<Settings::SessionSettings>(m_dir->filePath(u"MrlSessionSet.dat"_s),
                                                            m_dir->filePath(u"folder.dat"_s));
    QVERIFY(m_session->InitFSession({}, false));
    QVERIFY(m_session->InitFSession_Local({}, false, false, QDateTime::currentDateTime()));
    m_storage = std::make_unique<App::StorageManagement>(*m_program, *m_session, m_drives, m_dialogs,
                                                         m_dir->filePath(u"MainFolder.dat"_s));
    QVERIFY(m_storage->InitFMainFolder());
}

void StorageManagementTest::switchingOnUnsetAsksForSetup()
{
    QSignalSpy requested(m_storage.get(), &App::StorageManagement::setupRequested);
    m_dialogs.answers.enqueue(Platform::Answer{1, true});
    m_dialogs.answers.enqueue(Platform::Answer{0, true});
    m_storage->setUseStorage(true);
    QVERIFY(!m_storage->useStorage());
    QCOMPARE(m_dialogs.asked.first().lines,
             QStringList{u"Picture Storage Management has not been set up, run Setup now?"_s});
    QCOMPARE(requested.size(), 0);
    m_storage->setUseStorage(true);
    QCOMPARE(requested.size(), 1);
    QVERIFY(!m_session->folderRec().useStorageManagement);
}

void StorageManagementTest::setupTurnsStorageOnAndUndoOff()
{
    m_session->folderRec().onlyUseSubject = true;
    auto model = m_storage->setupModel();
    model->next();
    QCOMPARE(model->step(), 1);
    m_dialogs.folders.enqueue(m_dir->path());
    model->browse();
    model->next();
    model->clickScheme(2);
    model->setSubjectChoice(2, 2);
    model->next();
    QVERIFY(model->finish());

    QVERIFY(m_storage->useStorage());
    QVERIFY(m_storage->isOnlySubjectVisible());
    QVERIFY(m_storage->onlySubject());
    QVERIFY(m_storage->sessionSetup().mainFolderExists);
    Storage::MainFolderFile reread(m_dir->filePath(u"MainFolder.dat"_s));
    QVERIFY(reread.InitFMainFolder());
    QCOMPARE(reread.mainFolder(), m_dir->path());
    Settings::SessionSettings session(m_dir->filePath(u"MrlSessionSet.dat"_s), m_dir->filePath(u"folder.dat"_s));
    QVERIFY(session.InitFSession({}, false));
    QVERIFY(session.InitFSession_Local(m_storage->sessionSetup(), false, false, QDateTime::currentDateTime()));
    QVERIFY(session.folderRec().useStorageManagement);

    auto undo = m_storage->setupModel();
    undo->next();
    undo->clickScheme(2);
    undo->next();
    QVERIFY(undo->finish());
    QVERIFY(!m_storage->useStorage());
    QVERIFY(!m_storage->onlySubject());
    QCOMPARE(m_program->rec().PSLevels, 0);
    QVERIFY(m_storage->mainFolder().isEmpty());
}

void StorageManagementTest::startupPrompt()
{
    m_program->rec().PSShowMessage.fill(true);
    m_dialogs.answers.enqueue(Platform::Answer{0, false});
    QVERIFY(m_storage->startupPrompt());
    QCOMPARE(m_dialogs.asked.first().buttons.first(), u"&Run Setup now"_s);
    // Clearable from the keyboard.
    QCOMPARE(m_dialogs.asked.first().checkBoxCaption, u"&Show this message next time"_s);
    // Cleared: never again.
    QVERIFY(!m_storage->startupPrompt());
    QCOMPARE(m_dialogs.asked.size(), 1);
    m_program->rec().PSShowMessage.fill(true);
    m_program->rec().PSLevels = 1;
    QVERIFY(!m_storage->startupPrompt());
    QCOMPARE(m_dialogs.asked.size(), 1);
}

void StorageManagementTest::resumeWithoutMainFolderTurnsStorageOff()
{
    // Set up once, but MainFolder.dat was lost since: it was made again without a main folder.
    m_program->rec().PSLevels = 3;
    m_session->folderRec().useStorageManagement = true;
    m_storage->restore();
    QVERIFY(!m_storage->useStorage());
    QVERIFY(!m_session->folderRec().useStorageManagement);
    QVERIFY(m_dialogs.asked.isEmpty());

    m_dialogs.answers.enqueue(Platform::Answer{0, true});
    QVERIFY(m_storage->resumeNotice());
    QCOMPARE(m_dialogs.asked.size(), 1);
    QCOMPARE(m_dialogs.asked.first().lines,
             QStringList{u"The file 'MainFolder.dat' got lost, you have to re-run the Picture Storage Management Setup"_s});
    // Told once.
    QVERIFY(!m_storage->resumeNotice());
    QCOMPARE(m_dialogs.asked.size(), 1);
}

QTEST_GUILESS_MAIN(StorageManagementTest)
#include "storagemanagementtest.moc"
