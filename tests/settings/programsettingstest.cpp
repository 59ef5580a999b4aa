#include "settings/programsettings.h"

#include "settings/overallsettingsrec.h"

#include "l10n/language.h"
#include "support/files.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Settings;

class ProgramSettingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void createdFromOverallThenReadUnchanged();
    void upgrade_data();
    void upgrade();
    void sameVersionRunsNoStepButStillWrites();
    void notChosenLanguageBecomesTheLocalOne();
    void damagedFileFails();
    void extraBytesAfterTheRecordAreRead();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path() const { return m_dir->filePath(u"PSMSet.dat"_s); }
    const Environment m_environment{u"4.4.0.0"_s, -1, 1920};
};

void ProgramSettingsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

void ProgramSettingsTest::cleanup()
{
    m_dir.reset();
}

void ProgramSettingsTest::createdFromOverallThenReadUnchanged()
{
    OverallSettingsRec overall;
    overall.selectionStrings[0] = u"IMG"_s;
    overall.maxHits = 33;
    overall.language = -1;
    overall.version = u"4.4.0.0"_s;
    L10n::LanguageSwitch language;
    ProgramSettings settings(path());
    QVERIFY(settings.InitFPSM(overall, m_environment, language));
    QCOMPARE(settings.rec().PSSelString[0], u"IMG"_s);
    QCOMPARE(settings.rec().PSMaxHits, 33);
    QCOMPARE(settings.rec().PSLocalLanguage, 0);
    QVERIFY(settings.rec().PSMaximise);
    const QByteArray written = readFile(path());
    QCOMPARE(written.size(), 1584);

    ProgramSettings again(path());
    OverallSettingsRec different;
    different.maxHits = 1;
    QVERIFY(again.InitFPSM(different, m_environment, language));
    QCOMPARE(again.rec(), settings.rec());
    QCOMPARE(readFile(path()), written);
}

void ProgramSettingsTest::upgrade_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("guide");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("dictionaryAction");
    QTest::addColumn<int>("clipSize");
    QTest::addColumn<int>("maxPrefixes");
    // Starting values: guide off, language 0, action 3, clip size 77, 20 prefixes.
    QTest::newRow("empty runs every step") << QString() << true << 999 << 0 << 50 << 50;
    QTest::newRow("1.0") << u"1.0.0.0"_s << true << 999 << 0 << 50 << 50;
    QTest::newRow("1.1") << u"1.1.0.0"_s << false << 999 << 0 << 50 << 50;
    QTest::newRow("2.0") << u"2.0.3.0"_s << false << 999 << 3 << 50 << 50;
    QTest::newRow("2.1") << u"2.1.0.0"_s << false << 0 << 3 << 50 << 50;
    QTest::newRow("3.0") << u"3.0.0.0"_s << false << 0 << 3 << 50 << 50;
    QTest::newRow("3.1") << u"3.1.0.0"_s << false << 0 << 3 << 77 << 50;
    QTest::newRow("4.0") << u"4.0.1.0"_s << false << 0 << 3 << 77 << 20;
    QTest::newRow("4.3") << u"4.3.0.0"_s << false << 0 << 3 << 77 << 20;
}

void ProgramSettingsTest::upgrade()
{
    QFETCH(QString, stored);
    ProgramSettingsRec rec;
    rec.PSVersion = stored;
    rec.PSActivateGuide = false;
    rec.PSLanguage = 0;
    rec.PSActDicAction = 3;
    rec.PSClipSize = 77;
    rec.PSMaxPicPrefSuf = 20;
    rec.PSShowEditorHelp = false;
    QVERIFY(ProgramSettings::upgrade(rec, m_environment));
    QTEST(rec.PSActivateGuide, "guide");
    QTEST(int(rec.PSLanguage), "language");
    QTEST(int(rec.PSActDicAction), "dictionaryAction");
    QTEST(int(rec.PSClipSize), "clipSize");
    QTEST(int(rec.PSMaxPicPrefSuf), "maxPrefixes");
    QCOMPARE(rec.PSVersion, u"4.4.0.0"_s);
}

void ProgramSettingsTest::sameVersionRunsNoStepButStillWrites()
{
    ProgramSettingsRec rec;
    rec.PSVersion = u"4.4.0.0"_s;
    rec.PSClipSize = 77;
    rec.PSLanguage = -1;
    QVERIFY(writeFile(path(), rec.toBytes()));
    const QDateTime before = QFileInfo(path()).lastModified();
    QTest::qWait(20);
    L10n::LanguageSwitch language;
    ProgramSettings settings(path());
    QVERIFY(settings.InitFPSM({}, m_environment, language));
    QCOMPARE(settings.rec().PSClipSize, 77);
    QVERIFY(QFileInfo(path()).lastModified() > before);
}

void ProgramSettingsTest::notChosenLanguageBecomesTheLocalOne()
{
    ProgramSettingsRec rec;
    rec.PSVersion = u"4.4.0.0"_s;
    rec.PSLanguage = 999;
    QVERIFY(writeFile(path(), rec.toBytes()));
    L10n::LanguageSwitch language;
    ProgramSettings settings(path());
    QVERIFY(settings.InitFPSM({}, {u"4.4.0.0"_s, 0, 1920}, language));
    QCOMPARE(settings.rec().PSLanguage, 0);
    QCOMPARE(language.active(), 0);
    QCOMPARE(ProgramSettingsRec::fromBytes(readFile(path())).PSLanguage, 0);
}

void ProgramSettingsTest::damagedFileFails()
{
    QVERIFY(writeFile(path(), QByteArray(1000, '\0')));
    L10n::LanguageSwitch language;
    ProgramSettings settings(path());
    const auto result = settings.InitFPSM({}, m_environment, language);
    QVERIFY(!result);
    QCOMPARE(result.error().path, path());
}

void ProgramSettingsTest::extraBytesAfterTheRecordAreRead()
{
    ProgramSettingsRec rec;
    rec.PSMaxHits = 17;
    rec.PSVersion = m_environment.programVersion;
    QVERIFY(writeFile(path(), rec.toBytes() + QByteArray(10, 'x')));
    L10n::LanguageSwitch language;
    ProgramSettings settings(path());
    QVERIFY(settings.InitFPSM({}, m_environment, language));
    QCOMPARE(settings.rec().PSMaxHits, 17);
}

QTEST_GUILESS_MAIN(ProgramSettingsTest)
#include "programsettingstest.moc"
