#include "compose/titlesettingsmodel.h"

#include "settings/sessionsettings.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Compose;
using Settings::SessionSettingsRec;

class TitleSettingsModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void switchesEnableTheirFields();
    void elementOrder();
    void damagedSeparatorShowsTheDefault();
    void storeWritesTheFolderSettings();
    void failedStoreIsShownInTheStatusLine();

private:
    SessionSettingsRec storedRec() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Settings::SessionSettings> m_settings;
    FakeDialogs m_dialogs;
};

void TitleSettingsModelTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = FakeDialogs();
    m_settings = std::make_unique<Settings::SessionSettings>(m_dir->filePath(u"work.dat"_s),
                                                             m_dir->filePath(u"folder.dat"_s));
    QVERIFY(m_settings->InitFSession({}, false));
    QVERIFY(m_settings->InitFSession_Local({}, false, false, QDateTime(QDate(2024, 1, 1), QTime(12, 0))));
}

void TitleSettingsModelTest::cleanup()
{
    m_settings.reset();
    m_dir.reset();
}

SessionSettingsRec TitleSettingsModelTest::storedRec() const
{
    return SessionSettingsRec::fromBytes(readFile(m_settings->folderFile()));
}

void TitleSettingsModelTest::switchesEnableTheirFields()
{
    TitleSettingsModel model(*m_settings, m_dialogs, {});
    QSignalSpy focus(&model, &TitleSettingsModel::focusRequested);
    QVERIFY(!model.isPrefixFieldEnabled());
    model.editPrefix(u"Trip"_s, 4);
    model.setUsePrefix(true);
    QVERIFY(model.isPrefixFieldEnabled());
    QCOMPARE(focus.size(), 1);
    QCOMPARE(focus.at(0).at(0).value<TitleSettingsModel::Field>(), TitleSettingsModel::Field::Prefix);
    // Off keeps the text.
    model.setUsePrefix(false);
    QVERIFY(!model.isPrefixFieldEnabled());
    QCOMPARE(model.prefix(), u"Trip"_s);
    QCOMPARE(focus.size(), 1);

    model.setUseSuffix(true);
    QVERIFY(model.isSuffixFieldEnabled());
    QCOMPARE(focus.last().at(0).value<TitleSettingsModel::Field>(), TitleSettingsModel::Field::Suffix);
    QVERIFY(m_settings->folderRec().useSuffix);
    QVERIFY(!m_settings->folderRec().usePrefix);
}

void TitleSettingsModelTest::elementOrder()
{
    m_settings->folderRec().elementOrder = u"PDNFEX"_s;
    TitleSettingsModel model(*m_settings, m_dialogs, {});
    model.reload();
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_settings->folderRec().elementOrder, u"PDNFES"_s);

    QSignalSpy changed(&model, &TitleSettingsModel::changed);
    model.moveElement(5, 0);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(model.elementNames(), (QStringList{u"Suffix"_s, u"Prefix"_s, u"Date/Time"_s, u"Number"_s,
                                                u"Free text"_s, u"Exif tags"_s}));
    QCOMPARE(m_settings->folderRec().elementOrder, u"SPDNFE"_s);
    model.moveElement(2, 2);
    model.moveElement(-1, 2);
    model.moveElement(0, 6);
    QCOMPARE(changed.size(), 1);
}

void TitleSettingsModelTest::damagedSeparatorShowsTheDefault()
{
    TitleSettingsModel model(*m_settings, m_dialogs, {});
    m_settings->folderRec().elementSeparator = 17;
    QCOMPARE(model.separatorIndex(), 0);
}

void TitleSettingsModelTest::storeWritesTheFolderSettings()
{
    TitleSettingsModel model(*m_settings, m_dialogs, [] { return Settings::StorageSetup{}; });
    model.reload();
    model.setUsePrefix(true);
    model.editPrefix(u"Hol"_s, 3);
    model.moveElement(0, 5);
    model.setSeparatorIndex(1);
    QVERIFY(model.store());
    const SessionSettingsRec rec = storedRec();
    QVERIFY(rec.usePrefix);
    QCOMPARE(rec.prefix, u"Hol"_s);
    QCOMPARE(rec.elementOrder, u"DNFESP"_s);
    QCOMPARE(rec.elementSeparator, 1);
    QVERIFY(m_dialogs.statuses.isEmpty());
}

void TitleSettingsModelTest::failedStoreIsShownInTheStatusLine()
{
    // A file of a file system that takes no new files: writing fails even with every right.
    const QString unwritable = u"/proc/version"_s;
    if (!QFileInfo(unwritable).isFile())
        QSKIP("needs /proc");
    m_settings->setFolderFile(unwritable);
    TitleSettingsModel model(*m_settings, m_dialogs, {});
    model.setForceUniqueness(true);
    QVERIFY(!model.store());
    QCOMPARE(m_dialogs.statuses.size(), 1);
    QVERIFY(m_dialogs.statuses.at(0).error);
    QVERIFY(m_settings->folderRec().forceUniqueness);
}

QTEST_GUILESS_MAIN(TitleSettingsModelTest)
#include "titlesettingsmodeltest.moc"
