#include "settings/sessionsettings.h"

#include "records/daycount.h"
#include "support/bytes.h"
#include "support/files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Settings;

class SessionSettingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void newFolderStartsFromTheDefaults();
    void earlierElementOrderIsConvertedOnReading();
    void firstGenerationFolderTakesStorageSwitchFromDefaults();
    void storageSwitchesOffWithoutStorageManagement();
    void writesAreDroppedUntilLoaded();
    void writeDroppedAfterWorkFilesRemoved();
    void saveAsDefaultsKeepsTheCounter();
    void counterLivesInTheWorkFolderCopy();
    void exifDialogSwitches();
    void unreadableFileFails();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString workFile() const { return m_dir->filePath(u"work.dat"_s); }
    QString folderFile() const { return m_dir->filePath(u"folder.dat"_s); }
    const QDateTime m_now{QDate(2023, 12, 24), QTime(15, 30)};
};

void SessionSettingsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void SessionSettingsTest::cleanup()
{
    m_dir.reset();
}

void SessionSettingsTest::newFolderStartsFromTheDefaults()
{
    SessionSettingsRec defaults;
    defaults.usePrefix = true;
    defaults.prefix = u"Trip"_s;
    defaults.suffix = u"end"_s;
    defaults.useDate = true;
    defaults.dateFormat = 4;
    defaults.addOrReplaceDefault = 0;
    defaults.guideTopic = 7;
    QVERIFY(writeFile(workFile(), defaults.toBytes()));

    SessionSettings settings(workFile(), folderFile());
    QVERIFY(settings.InitFSession({}, false));
    QCOMPARE(settings.workFolderRec(), defaults);
    QVERIFY(settings.InitFSession_Local({}, true, false, m_now));
    QVERIFY(settings.isLoaded());

    const SessionSettingsRec &rec = settings.folderRec();
    QVERIFY(rec.usePrefix);
    QVERIFY(rec.prefix.isEmpty());
    QVERIFY(rec.suffix.isEmpty());
    QVERIFY(rec.useDate);
    QCOMPARE(rec.dateFormat, 4);
    QCOMPARE(rec.pickedDate, Records::DayCount::fromDateTime(m_now));
    QCOMPARE(rec.pickedTime, Records::DayCount::fromDateTime(m_now));
    QCOMPARE(rec.addOrReplaceDefault, 1);
    QCOMPARE(rec.guideTopic, 1);
    QCOMPARE(SessionSettingsRec::fromBytes(readFile(folderFile())), rec);
}

void SessionSettingsTest::earlierElementOrderIsConvertedOnReading()
{
    SessionSettingsRec old;
    old.oldElementOrder = u"PDNFS"_s;
    old.elementOrder.clear();
    QVERIFY(writeFile(workFile(), old.toBytes()));
    QVERIFY(writeFile(folderFile(), old.toBytes()));

    SessionSettings settings(workFile(), folderFile());
    QVERIFY(settings.InitFSession({}, false));
    QVERIFY(settings.InitFSession_Local({}, false, false, m_now));
    QCOMPARE(settings.workFolderRec().elementOrder, u"PDNFSE"_s);
    QCOMPARE(settings.folderRec().elementOrder, u"PDNFSE"_s);
    for (const QString &path : {workFile(), folderFile()}) {
        const QByteArray bytes = readFile(path);
        QCOMPARE(bytes.at(140), char(0));
        QCOMPARE(shortStringAt(bytes, 204), QByteArray("PDNFSE"));
    }
    QVERIFY(!SessionSettings::ConvertSession32(old = settings.folderRec()));
}

void SessionSettingsTest::firstGenerationFolderTakesStorageSwitchFromDefaults()
{
    SessionSettingsRec defaults;
    defaults.useStorageManagement = true;
    QVERIFY(writeFile(workFile(), defaults.toBytes()));
    QVERIFY(writeFile(folderFile(), SessionSettingsRec().toBytes()));

    SessionSettings settings(workFile(), folderFile());
    const StorageSetup storage{2, 0, true};
    QVERIFY(settings.InitFSession(storage, false));
    QVERIFY(settings.InitFSession_Local(storage, false, true, m_now));
    QVERIFY(settings.folderRec().useStorageManagement);
    QVERIFY(SessionSettingsRec::fromBytes(readFile(folderFile())).useStorageManagement);
}

void SessionSettingsTest::storageSwitchesOffWithoutStorageManagement()
{
    SessionSettingsRec rec;
    rec.useStorageManagement = true;
    rec.onlyUseSubject = true;
    QVERIFY(writeFile(workFile(), rec.toBytes()));
    QVERIFY(writeFile(folderFile(), rec.toBytes()));

    SessionSettings settings(workFile(), folderFile());
    QVERIFY(settings.InitFSession({}, false));
    QVERIFY(settings.InitFSession_Local({}, false, false, m_now));
    QVERIFY(!settings.folderRec().useStorageManagement);
    QVERIFY(!settings.folderRec().onlyUseSubject);

    // With a scheme without a subject level only "Only use subject" goes.
    SessionSettings withScheme(workFile(), folderFile());
    QVERIFY(writeFile(folderFile(), rec.toBytes()));
    QVERIFY(withScheme.InitFSession({2, 0, true}, false));
    QVERIFY(withScheme.InitFSession_Local({2, 0, true}, false, false, m_now));
    QVERIFY(withScheme.folderRec().useStorageManagement);
    QVERIFY(!withScheme.folderRec().onlyUseSubject);
}

void SessionSettingsTest::writesAreDroppedUntilLoaded()
{
    SessionSettings settings(workFile(), folderFile());
    QVERIFY(settings.InitFSession({}, false));
    QVERIFY(writeFile(folderFile(), SessionSettingsRec().toBytes()));
    settings.folderRec().usePrefix = true;
    QVERIFY(settings.UpdateFSession_Local({}));
    QVERIFY(!SessionSettingsRec::fromBytes(readFile(folderFile())).usePrefix);
}

void SessionSettingsTest::writeDroppedAfterWorkFilesRemoved()
{
    SessionSettings settings(workFile(), folderFile());
    QVERIFY(settings.InitFSession({}, false));
    QVERIFY(settings.InitFSession_Local({}, false, false, m_now));
    QVERIFY(QFile::remove(folderFile()));
    QVERIFY(settings.UpdateFSession_Local({}));
    QVERIFY(!QFile::exists(folderFile()));
}

void SessionSettingsTest::saveAsDefaultsKeepsTheCounter()
{
    SessionSettingsRec defaults;
    defaults.counterStart = 41;
    defaults.counterReset = true;
    QVERIFY(writeFile(workFile(), defaults.toBytes()));
    SessionSettings settings(workFile(), folderFile());
    QVERIFY(settings.InitFSession({}, false));
    QVERIFY(settings.InitFSession_Local({}, false, false, m_now));
    settings.folderRec().useTime = true;
    settings.folderRec().prefix = u"Ski"_s;
    settings.folderRec().counterStart = 999;
    settings.folderRec().counterReset = false;
    QVERIFY(settings.UpdateFSession({}));

    const SessionSettingsRec saved = SessionSettingsRec::fromBytes(readFile(workFile()));
    QVERIFY(saved.useTime);
    QCOMPARE(saved.prefix, u"Ski"_s);
    QCOMPARE(saved.counterStart, 41);
    QVERIFY(saved.counterReset);
    QVERIFY(SessionSettingsRec::fromBytes(readFile(folderFile())).useTime);

    // A later run opens a new folder with the saved settings.
    const QString otherFolder = m_dir->filePath(u"other.dat"_s);
    SessionSettings later(workFile(), otherFolder);
    QVERIFY(later.InitFSession({}, false));
    QVERIFY(later.InitFSession_Local({}, false, false, m_now));
    QVERIFY(later.folderRec().useTime);
    QVERIFY(later.folderRec().prefix.isEmpty());
}

void SessionSettingsTest::counterLivesInTheWorkFolderCopy()
{
    SessionSettings settings(workFile(), folderFile());
    QVERIFY(settings.InitFSession({}, false));
    QVERIFY(settings.InitFSession_Local({}, false, false, m_now));
    // Another change to the file since it was read is kept: the counter reads it afresh.
    SessionSettingsRec onDisk = SessionSettingsRec::fromBytes(readFile(workFile()));
    onDisk.useSuffix = true;
    QVERIFY(writeFile(workFile(), onDisk.toBytes()));
    QVERIFY(settings.UpdateFSession_Counter_Attr(250, true));
    const SessionSettingsRec saved = SessionSettingsRec::fromBytes(readFile(workFile()));
    QCOMPARE(saved.counterStart, 250);
    QVERIFY(saved.counterReset);
    QVERIFY(saved.useSuffix);
    QCOMPARE(settings.workFolderRec().counterStart, 250);
    QCOMPARE(SessionSettingsRec::fromBytes(readFile(folderFile())).counterStart, 1);
}

void SessionSettingsTest::exifDialogSwitches()
{
    SessionSettings settings(workFile(), folderFile());
    QVERIFY(settings.InitFSession({}, false));
    QVERIFY(settings.InitFSession_Local({}, false, false, m_now));
    settings.folderRec().exifTagsInTitle = true;
    QVERIFY(settings.UpdateFSession_Local({}, ExifTagSwitches{false, true}));
    const QByteArray bytes = readFile(folderFile());
    QCOMPARE(bytes.at(156), char(0));
    QCOMPARE(bytes.at(157), char(1));
}

void SessionSettingsTest::unreadableFileFails()
{
    QVERIFY(writeFile(workFile(), QByteArray(100, 'x')));
    SessionSettings settings(workFile(), folderFile());
    const auto result = settings.InitFSession({}, false);
    QVERIFY(!result);
    QCOMPARE(result.error().path, workFile());
}

QTEST_GUILESS_MAIN(SessionSettingsTest)
#include "sessionsettingstest.moc"
