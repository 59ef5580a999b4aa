#include "settings/overallsettingsrec.h"
#include "settings/programsettingsrec.h"
#include "settings/sessionsettingsrec.h"

#include "support/bytes.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Settings;

class SettingsRecsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sessionRecordOffsets();
    void sessionRecordDefaults();
    void sessionPrefixAndSuffixAreReadClean();
    void programRecordOffsets();
    void overallRecordOffsets();
    void programRecordSeededFromOverall();
};

void SettingsRecsTest::sessionRecordOffsets()
{
    SessionSettingsRec rec;
    rec.usePrefix = true;
    rec.prefix = u"Holiday"_s;
    rec.useSuffix = true;
    rec.suffix = u"x"_s;
    rec.extractNumber = true;
    rec.inspectDirection = 1;
    rec.useCounter = true;
    rec.counterStart = 123456;
    rec.counterReset = true;
    rec.digitsIndex = 8;
    rec.useDate = true;
    rec.dateSource = 2;
    rec.dateFormat = 11;
    rec.pickedDate = 45284.75;
    rec.useTime = true;
    rec.timeSource = 1;
    rec.timeFormat = 7;
    rec.pickedTime = 0.5;
    rec.dateTimeSeparator = 3;
    rec.oldElementOrder = u"PDNFS"_s;
    rec.forceUniqueness = true;
    rec.keepVoiceSynchronized = false;
    rec.elementSeparator = 2;
    rec.useStorageManagement = true;
    rec.addNameOfDay = true;
    rec.abbreviateNameOfDay = true;
    rec.onlyUseSubject = true;
    rec.exifTagsInTitle = true;
    rec.markNotAvailable = true;
    rec.guideTopic = 15;
    rec.dayNamePlacement = 1;
    rec.addOrReplaceDefault = 0;
    rec.elementOrder = u"SEFNDP"_s;

    const QByteArray b = rec.toBytes();
    QCOMPARE(b.size(), 520);
    QCOMPARE(b.at(0), char(1));
    QCOMPARE(shortStringAt(b, 1), QByteArray("Holiday"));
    QCOMPARE(b.at(32), char(1));
    QCOMPARE(shortStringAt(b, 33), QByteArray("x"));
    QCOMPARE(b.at(64), char(1));
    QCOMPARE(int32At(b, 68), 1);
    QCOMPARE(b.at(72), char(1));
    QCOMPARE(int32At(b, 76), 123456);
    QCOMPARE(b.at(80), char(1));
    QCOMPARE(int32At(b, 84), 8);
    QCOMPARE(b.at(88), char(1));
    QCOMPARE(int32At(b, 92), 2);
    QCOMPARE(int32At(b, 96), 11);
    QCOMPARE(float64At(b, 104), 45284.75);
    QCOMPARE(b.at(112), char(1));
    QCOMPARE(int32At(b, 116), 1);
    QCOMPARE(int32At(b, 120), 7);
    QCOMPARE(float64At(b, 128), 0.5);
    QCOMPARE(int32At(b, 136), 3);
    QCOMPARE(shortStringAt(b, 140), QByteArray("PDNFS"));
    QCOMPARE(b.at(146), char(1));
    QCOMPARE(b.at(147), char(0));
    QCOMPARE(int32At(b, 148), 2);
    QCOMPARE(b.mid(152, 6), QByteArray(6, char(1)));
    QCOMPARE(int32At(b, 164), 15);
    QCOMPARE(int32At(b, 168), 1);
    QCOMPARE(int32At(b, 172), 0);
    QCOMPARE(shortStringAt(b, 204), QByteArray("SEFNDP"));
    QCOMPARE(SessionSettingsRec::fromBytes(b), rec);
}

void SettingsRecsTest::sessionRecordDefaults()
{
    const QByteArray b = SessionSettingsRec().toBytes();
    QCOMPARE(int32At(b, 76), 1);
    QCOMPARE(int32At(b, 84), 2);
    QCOMPARE(b.at(147), char(1));
    QCOMPARE(int32At(b, 172), 1);
    QCOMPARE(shortStringAt(b, 204), QByteArray("PDNFES"));
    // Nothing but the defaults is set: every other byte is zero.
    QByteArray rest = b;
    for (const int offset : {76, 84, 147, 164, 165, 166, 167, 172, 204, 205, 206, 207, 208, 209, 210})
        rest[offset] = 0;
    QCOMPARE(rest, QByteArray(520, '\0'));
}

void SettingsRecsTest::sessionPrefixAndSuffixAreReadClean()
{
    // Both go into every new title: a file written elsewhere must not bring a '/' or a line feed.
    SessionSettingsRec rec;
    rec.prefix = u"../Trip\n"_s;
    rec.suffix = u"a\u0000b|c"_s;
    const SessionSettingsRec read = SessionSettingsRec::fromBytes(rec.toBytes());
    QCOMPARE(read.prefix, u"..Trip"_s);
    QCOMPARE(read.suffix, u"abc"_s);
}

void SettingsRecsTest::programRecordOffsets()
{
    ProgramSettingsRec rec;
    rec.PSSelString[0] = u"IMG"_s;
    rec.PSSelString[19] = u"LAST"_s;
    rec.PSSelChecked[19] = true;
    rec.PSSelStartsWith = false;
    rec.PSShowThumb = true;
    rec.PSShowMessage[9] = true;
    rec.PSDicFolder = u"/dic"_s;
    rec.PSLastFolder = u"/home/ann/Pics"_s;
    rec.PSIgnoreCase = false;
    rec.PSActivateGuide = true;
    rec.PSMaxDic = 60000;
    rec.PSMaxHits = 25;
    rec.PSTotalRetitled = 777;
    rec.PSLanguage = 0;
    rec.PSActDicAction = 2;
    rec.PSVersion = u"4.4.0.0"_s;
    rec.PSLevels = 3;
    rec.PSShiftMidnight = -24;
    rec.PSSubjPosition = 2;
    rec.PSMinChar = 5;
    rec.PSLocalLanguage = 1;
    rec.PSClipSize = 100;
    rec.PSTheme = 2;
    rec.PSMaxPicPrefSuf = 40;
    rec.PSRemoveSourceFolder = true;
    rec.PSMaximise = true;
    rec.PSShowEditorHelp = false;

    const QByteArray b = rec.toBytes();
    QCOMPARE(b.size(), 1584);
    QCOMPARE(shortStringAt(b, 0), QByteArray("IMG"));
    QCOMPARE(shortStringAt(b, 19 * 31), QByteArray("LAST"));
    QCOMPARE(b.at(620 + 19), char(1));
    QCOMPARE(b.at(640), char(0));
    QCOMPARE(b.at(641), char(1));
    QCOMPARE(b.at(642 + 9), char(1));
    QCOMPARE(shortStringAt(b, 652), QByteArray("/dic"));
    QCOMPARE(shortStringAt(b, 908), QByteArray("/home/ann/Pics"));
    QCOMPARE(b.at(1164), char(0));
    QCOMPARE(b.at(1165), char(1));
    QCOMPARE(int32At(b, 1168), 60000);
    QCOMPARE(int32At(b, 1172), 25);
    QCOMPARE(int32At(b, 1176), 777);
    QCOMPARE(int32At(b, 1180), 0);
    QCOMPARE(int32At(b, 1184), 2);
    QCOMPARE(shortStringAt(b, 1188), QByteArray("4.4.0.0"));
    QCOMPARE(b.at(1199), char(1));
    QCOMPARE(b.at(1204), char(1));
    QCOMPARE(int32At(b, 1208), 3);
    QCOMPARE(int32At(b, 1212), -24);
    QCOMPARE(int32At(b, 1216), 2);
    QCOMPARE(int32At(b, 1220), 5);
    QCOMPARE(int32At(b, 1224), 1);
    QCOMPARE(int32At(b, 1228), 100);
    QCOMPARE(int32At(b, 1232), 2);
    QCOMPARE(int32At(b, 1236), 40);
    QCOMPARE(b.at(1264), char(1));
    QCOMPARE(b.at(1265), char(1));
    QCOMPARE(b.at(1266), char(0));
    QCOMPARE(b.mid(1267), QByteArray(1584 - 1267, '\0'));
    QCOMPARE(ProgramSettingsRec::fromBytes(b), rec);
}

void SettingsRecsTest::overallRecordOffsets()
{
    QByteArray b(1788, '\0');
    b[0] = 3;
    b.replace(1, 3, "DSC");
    b[620 + 2] = 1;
    b[720] = 1;
    b[721] = 1;
    b[722 + 4] = 7;
    b[732] = 4;
    b.replace(733, 4, "/dic");
    b[988] = 2;
    b.replace(989, 2, "/p");
    b[1412] = 1;
    b[1413] = 1;
    b.replace(1424, 4, QByteArray("\x50\xc3\x00\x00", 4));
    b.replace(1428, 4, QByteArray("\x14\x00\x00\x00", 4));
    b.replace(1436, 4, QByteArray("\xe7\x03\x00\x00", 4));
    b.replace(1440, 4, QByteArray("\x01\x00\x00\x00", 4));
    b[1464] = 3;
    b.replace(1465, 3, "4.0");
    const OverallSettingsRec rec = OverallSettingsRec::fromBytes(b);
    QCOMPARE(rec.selectionStrings[0], u"DSC"_s);
    QVERIFY(rec.selectionChecked[2]);
    QVERIFY(rec.selectStartsWith);
    QVERIFY(rec.showThumbnail);
    QVERIFY(rec.showMessage[4]);
    QCOMPARE(rec.dictionaryFolder, u"/dic"_s);
    QCOMPARE(rec.lastFolder, u"/p"_s);
    QVERIFY(rec.ignoreCase);
    QVERIFY(rec.activateGuide);
    QCOMPARE(rec.maxDictionary, 50000);
    QCOMPARE(rec.maxHits, 20);
    QCOMPARE(rec.language, 999);
    QCOMPARE(rec.activeDictionaryAction, 1);
    QCOMPARE(rec.version, u"4.0"_s);
}

void SettingsRecsTest::programRecordSeededFromOverall()
{
    OverallSettingsRec overall;
    overall.selectionStrings[1] = u"P"_s;
    overall.showMessage.fill(true);
    overall.dictionaryFolder = u"/d"_s;
    overall.maxDictionary = 12000;
    overall.version = u"12345678901234"_s;
    const ProgramSettingsRec rec = ProgramSettingsRec::seededFrom(overall, 0, 2048);
    QCOMPARE(rec.PSSelString[1], u"P"_s);
    QVERIFY(rec.PSShowMessage[9]);
    QCOMPARE(rec.PSDicFolder, u"/d"_s);
    QCOMPARE(rec.PSMaxDic, 12000);
    QCOMPARE(rec.PSVersion, u"1234567890"_s);
    QCOMPARE(rec.PSLocalLanguage, 1);
    QVERIFY(rec.PSMaximise);
    QCOMPARE(rec.PSTotalRetitled, 0);
    QVERIFY(rec.PSPromptFolder);
    QVERIFY(rec.PSFilterDigit);
    QCOMPARE(rec.PSMinChar, 4);
    QCOMPARE(rec.PSClipSize, 50);
    QCOMPARE(rec.PSMaxPicPrefSuf, 50);
    QVERIFY(rec.PSShowEditorHelp);
    QVERIFY(!ProgramSettingsRec::seededFrom(overall, -1, 1740).PSMaximise);
    QVERIFY(ProgramSettingsRec::seededFrom(overall, -1, 1741).PSMaximise);
}

QTEST_GUILESS_MAIN(SettingsRecsTest)
#include "settingsrecstest.moc"
