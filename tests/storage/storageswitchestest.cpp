#include "storage/storageswitches.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Storage;

Q_DECLARE_METATYPE(Storage::SetupQuestion)
Q_DECLARE_METATYPE(Storage::StorageSetupState)

class StorageSwitchesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void switchingOn_data();
    void switchingOn();
    void onlySubjectFollowsTheScheme();
    void restore();
};

void StorageSwitchesTest::switchingOn_data()
{
    QTest::addColumn<StorageSetupState>("state");
    QTest::addColumn<SetupQuestion>("question");
    QTest::addColumn<QString>("text");

    QTest::newRow("ready") << StorageSetupState{3, 2, u"/pics"_s, true} << SetupQuestion::None << QString();
    QTest::newRow("main folder lost") << StorageSetupState{3, 2, QString(), false} << SetupQuestion::MainFolderLost
                                      << u"The file 'MainFolder.dat' got lost, you have to re-run the Picture Storage "
                                         "Management Setup"_s;
    QTest::newRow("levels 0, folder exists") << StorageSetupState{0, 0, u"/pics"_s, true}
                                             << SetupQuestion::NotSetUpCorrectly
                                             << u"Picture Storage Management has not been set up correctly, run Setup "
                                                "now?"_s;
    QTest::newRow("folder missing") << StorageSetupState{2, 0, u"/pics"_s, false} << SetupQuestion::MainFolderMissing
                                    << u"Your main picture storage folder '/pics' does not exist anymore.\nRun Setup "
                                       "Picture Storage Management now?"_s;
    QTest::newRow("not set up") << StorageSetupState{0, 0, QString(), false} << SetupQuestion::NotSetUp
                                << u"Picture Storage Management has not been set up, run Setup now?"_s;
}

void StorageSwitchesTest::switchingOn()
{
    QFETCH(StorageSetupState, state);
    QFETCH(SetupQuestion, question);
    QFETCH(QString, text);
    StorageSwitches switches;
    QCOMPARE(switches.setUseStorage(true, state), question);
    QCOMPARE(switches.useStorage(), question == SetupQuestion::None);
    QCOMPARE(setupQuestionText(question, state.mainFolder), text);
}

void StorageSwitchesTest::onlySubjectFollowsTheScheme()
{
    const StorageSetupState withSubject{3, 2, u"/pics"_s, true};
    const StorageSetupState withoutSubject{3, 0, u"/pics"_s, true};
    StorageSwitches switches;
    switches.setOnlySubject(true, withoutSubject);
    QVERIFY(!switches.onlySubject());
    QVERIFY(switches.setUseStorage(true, withSubject) == SetupQuestion::None);
    QVERIFY(switches.subjectControlsVisible(withSubject));
    QVERIFY(!switches.subjectControlsVisible(withoutSubject));
    switches.setOnlySubject(true, withSubject);
    switches.useStorageLeft();
    QVERIFY(switches.onlySubject());
    QVERIFY(switches.setUseStorage(false, withSubject) == SetupQuestion::None);
    QVERIFY(!switches.subjectControlsVisible(withSubject));
    switches.useStorageLeft();
    QVERIFY(!switches.onlySubject());
}

void StorageSwitchesTest::restore()
{
    StorageSwitches switches;
    QCOMPARE(switches.restore(true, true, {0, 2, u"/pics"_s, true}), SetupQuestion::None);
    QVERIFY(!switches.useStorage() && !switches.onlySubject());
    QCOMPARE(switches.restore(true, true, {3, 1, u"/pics"_s, true}), SetupQuestion::None);
    QVERIFY(switches.useStorage() && switches.onlySubject());
    // Set up, but without its main folder the planning would have nothing to plan in: off, and
    // the user is to hear why.
    QCOMPARE(switches.restore(true, false, {3, 0, u"/pics"_s, false}), SetupQuestion::MainFolderMissing);
    QVERIFY(!switches.useStorage());
    QCOMPARE(switches.restore(true, false, {3, 0, QString(), false}), SetupQuestion::MainFolderLost);
    QVERIFY(!switches.useStorage());
    QCOMPARE(switches.restore(false, false, {3, 0, QString(), false}), SetupQuestion::None);
}

QTEST_GUILESS_MAIN(StorageSwitchesTest)
#include "storageswitchestest.moc"
