#include "dictionary/contextdicrec.h"
#include "dictionary/dictionarystore.h"
#include "dictionary/pictitlerec.h"

#include "settings/programsettingsrec.h"
#include "storefixture.h"
#include "support/bytes.h"

#include <QDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Dictionary;

Q_DECLARE_METATYPE(Dictionary::DicIndex)

class DicFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void recordOffsets();
    void textsAreCutInFilesOnly();
    void loadKeepsTheFileAsItIs();
    void damagedFile_data();
    void damagedFile();
    void buildAddsBehindExistingRecords();

    void convertDic_data();
    void convertDic();
    void oldFormatWithABrokenTailIsConvertedOnce_data();
    void oldFormatWithABrokenTailIsConvertedOnce();
    void convertedFileIsLeftAloneNextTime();

    void saveActDicContents_data();
    void saveActDicContents();
    void saveThatCannotReadChangesNothing();
    void updateActDicAction();

private:
    std::unique_ptr<StoreFixture> m_fixture;
};

void DicFilesTest::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    QVERIFY(m_fixture->dir.isValid());
}

void DicFilesTest::cleanup()
{
    m_fixture.reset();
}

void DicFilesTest::recordOffsets()
{
    const QByteArray record = dictionaryRecord(u"Sunset at the beach"_s, u"N"_s);
    QCOMPARE(record.size(), 552);
    QCOMPARE(record.left(2), QByteArray("\x01:"));
    QCOMPARE(shortStringAt(record, 2), QByteArray("Sunset at the beach"));
    QCOMPARE(shortStringAt(record, 258), QByteArray("4.4.0.0"));
    QCOMPARE(record.mid(269, 2), QByteArray("\x01N"));
    QCOMPARE(record.mid(271), QByteArray(552 - 271, '\0'));
    const PicTitleRec read = PicTitleRec::fromBytes(record);
    QCOMPARE(read.marker, u":"_s);
    QCOMPARE(read.title, u"Sunset at the beach"_s);
    QCOMPARE(read.source, u"N"_s);

    const QByteArray old = PicTitleRecOld{u"Beach"_s}.toBytes();
    QCOMPARE(old.size(), 256);
    QCOMPARE(old.left(6), QByteArray("\x05" "Beach"));

    const QByteArray context = ContextDicRec{u"Café"_s, u"cafe"_s}.toBytes();
    QCOMPARE(context.size(), 512);
    QCOMPARE(shortStringAt(context, 0), QByteArray("Caf\xc3\xa9"));
    QCOMPARE(shortStringAt(context, 256), QByteArray("cafe"));
    QCOMPARE(ContextDicRec::fromBytes(context), (ContextDicRec{u"Café"_s, u"cafe"_s}));
}

void DicFilesTest::textsAreCutInFilesOnly()
{
    const QString longText = QString(300, u'x');
    m_fixture->store.AddConfirmedFreeText(longText + u" Łódź"_s);
    const QByteArray record = readFile(m_fixture->activeFile());
    QCOMPARE(record.size(), PicTitleRec::size);
    QCOMPARE(quint8(record.at(2)), 255);
    QCOMPARE(record.mid(3, 255), QByteArray(255, 'x'));
    // The entries in memory keep the whole text.
    QCOMPARE(m_fixture->entries(DicIndex::Active).front(), longText + u" Łódź"_s);

    m_fixture->store.WriteContextDic(DicIndex::Active, u"Łódź harbour"_s);
    const QByteArray context = readFile(m_fixture->activeContextFile());
    QCOMPARE(shortStringAt(context, 0), QByteArray("\xc5\x81\xc3\xb3" "d\xc5\xba harbour"));
    // The table holds the record as its file gives it back.
    QCOMPARE(m_fixture->store.contextTable(DicIndex::Active).records().front(),
             ContextDicRec::fromBytes(context));
}

void DicFilesTest::loadKeepsTheFileAsItIs()
{
    const QByteArray content = dictionaryRecord(u"Paris_2019-beach"_s, u"F"_s) + dictionaryRecord(u"Boat trip"_s, u"C"_s)
                               + dictionaryRecord(u"Old harbour"_s, u"N"_s, u"3.1.0.0"_s);
    QVERIFY(writeFile(m_fixture->staticFile(), content));
    QVERIFY(m_fixture->load(DicIndex::Static));
    QCOMPARE(m_fixture->entries(DicIndex::Static),
             (QStringList{u"2019 beach"_s, u"Paris"_s, u"beach"_s, u"2019"_s, u"trip"_s, u"Boat"_s, u"harbour"_s,
                          u"Old"_s}));
    QCOMPARE(readFile(m_fixture->staticFile()), content);
    QVERIFY(m_fixture->dialogs.informed.isEmpty());
}

void DicFilesTest::damagedFile_data()
{
    QTest::addColumn<DicIndex>("which");
    QTest::newRow("static") << DicIndex::Static;
    QTest::newRow("active") << DicIndex::Active;
}

void DicFilesTest::damagedFile()
{
    QFETCH(DicIndex, which);
    const QString path = which == DicIndex::Static ? m_fixture->staticFile() : m_fixture->activeFile();
    const QByteArray whole = dictionaryRecord(u"Old harbour"_s, u"N"_s) + dictionaryRecord(u"Boat trip"_s, u"N"_s);
    // The broken tail looks like the start of a record whose title would add entries.
    const QByteArray tail = dictionaryRecord(u"Lost words"_s, u"N"_s).left(100);
    QVERIFY(writeFile(path, whole + tail));
    m_fixture->load(which);
    QCOMPARE(m_fixture->dialogs.informed.size(), 1);
    const QString notice = m_fixture->dialogs.informed.front().text;
    QVERIFY(notice.startsWith(QDir::toNativeSeparators(path) + u" was damaged"_s));
    QVERIFY(notice.contains(u"Its first 2 whole record(s) were kept"_s));
    QVERIFY(notice.endsWith(QDir::toNativeSeparators(path + u".damaged"_s)));
    QCOMPARE(m_fixture->dialogs.informed.front().severity, Platform::Severity::Warning);
    QCOMPARE(m_fixture->entries(which), (QStringList{u"harbour"_s, u"Old"_s, u"trip"_s, u"Boat"_s}));
    // Cut back to its whole records, the file takes the next record on a record boundary; the
    // damaged file is kept beside it.
    QCOMPARE(readFile(path), whole);
    QCOMPARE(readFile(path + u".damaged"_s), whole + tail);
    if (which == DicIndex::Active) {
        m_fixture->store.AddConfirmedFreeText(u"Lost words"_s);
        QCOMPARE(readFile(path), whole + dictionaryRecord(u"Lost words"_s, u"N"_s));
    }
}

void DicFilesTest::buildAddsBehindExistingRecords()
{
    const QByteArray existing = dictionaryRecord(u"Boat trip"_s, u"C"_s);
    QVERIFY(writeFile(m_fixture->staticFile(), existing));
    QVERIFY(m_fixture->load(DicIndex::Static));
    DictionaryStore &store = m_fixture->store;
    store.setBuildMode(BuildMode::Add);
    QVERIFY(store.InitStaticDic());
    store.ExamineTitle(u"Beach Nice 017.jpg"_s, DicIndex::Static, u'F');
    store.closeStaticDic();
    QCOMPARE(readFile(m_fixture->staticFile()), existing + dictionaryRecord(u"Beach Nice"_s, u"F"_s));
    QCOMPARE(m_fixture->entries(DicIndex::Static),
             (QStringList{u"trip"_s, u"Boat"_s, u"Beach Nice"_s, u"Nice"_s, u"Beach"_s}));

    store.setBuildMode(BuildMode::Replace);
    QVERIFY(store.InitStaticDic());
    QCOMPARE(store.entryCount(DicIndex::Static), 0);
    store.ExamineTitle(u"Boat trip."_s, DicIndex::Static, u'C');
    store.closeStaticDic();
    QCOMPARE(readFile(m_fixture->staticFile()), dictionaryRecord(u"Boat trip"_s, u"C"_s));
    QCOMPARE(m_fixture->entries(DicIndex::Static), (QStringList{u"Boat trip"_s}));
}

void DicFilesTest::convertDic_data()
{
    QTest::addColumn<DicIndex>("which");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("message");
    const QByteArray oldFile = PicTitleRecOld{u"Paris"_s}.toBytes() + PicTitleRecOld{u"Boat trip"_s}.toBytes()
                               + PicTitleRecOld{u"Café"_s}.toBytes();
    const QByteArray converted = dictionaryRecord(u"Paris"_s, u"A"_s) + dictionaryRecord(u"Boat trip"_s, u"A"_s)
                                 + dictionaryRecord(u"Café"_s, u"A"_s);
    QTest::newRow("static: old format") << DicIndex::Static << oldFile << converted << u" succesfully converted"_s;
    QTest::newRow("active: old format") << DicIndex::Active << oldFile << converted << u" succesfully converted"_s;
    const QByteArray current = dictionaryRecord(u"Paris"_s, u"F"_s);
    QTest::newRow("current format") << DicIndex::Static << current << current << QString();
    // A current-format file too short for one old record still shows its marker.
    QTest::newRow("current format, damaged") << DicIndex::Static << current.left(100) << current.left(100) << QString();
    const QByteArray marked = PicTitleRecOld{u"Paris"_s}.toBytes() + PicTitleRecOld{u":"_s}.toBytes();
    QTest::newRow("marker in a later record") << DicIndex::Static << marked << marked << QString();
    QTest::newRow("empty") << DicIndex::Static << QByteArray() << QByteArray() << QString();
}

void DicFilesTest::convertDic()
{
    QFETCH(DicIndex, which);
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expected);
    QFETCH(QString, message);
    const QString path = which == DicIndex::Static ? m_fixture->staticFile() : m_fixture->activeFile();
    QVERIFY(writeFile(path, content));
    m_fixture->store.ConvertDic(which);
    QCOMPARE(readFile(path), expected);
    if (message.isEmpty()) {
        QVERIFY(m_fixture->dialogs.informed.isEmpty());
    } else {
        QCOMPARE(m_fixture->dialogs.informed.size(), 1);
        QCOMPARE(m_fixture->dialogs.informed.front().text, QDir::toNativeSeparators(path) + message);
    }
}

void DicFilesTest::oldFormatWithABrokenTailIsConvertedOnce_data()
{
    QTest::addColumn<DicIndex>("which");
    QTest::newRow("static") << DicIndex::Static;
    QTest::newRow("active") << DicIndex::Active;
}

void DicFilesTest::oldFormatWithABrokenTailIsConvertedOnce()
{
    QFETCH(DicIndex, which);
    const QString path = which == DicIndex::Static ? m_fixture->staticFile() : m_fixture->activeFile();
    const QByteArray broken =
        PicTitleRecOld{u"Paris"_s}.toBytes() + PicTitleRecOld{u"Boat trip"_s}.toBytes() + QByteArray(10, 'x');
    QVERIFY(writeFile(path, broken));
    m_fixture->store.ConvertDic(which);
    const QByteArray converted = dictionaryRecord(u"Paris"_s, u"A"_s) + dictionaryRecord(u"Boat trip"_s, u"A"_s);
    QCOMPARE(readFile(path), converted);
    QCOMPARE(readFile(path + u".damaged"_s), broken);
    QCOMPARE(m_fixture->dialogs.informed.size(), 1);
    QCOMPARE(m_fixture->dialogs.informed.front().severity, Platform::Severity::Warning);
    QCOMPARE(m_fixture->dialogs.informed.front().text,
             QDir::toNativeSeparators(path) + u" succesfully converted\n"_s + QDir::toNativeSeparators(path)
                 + u" was damaged: its size was not a whole number of records. Its first 2 whole record(s) were "
                   u"kept; the damaged file was saved as "_s
                 + QDir::toNativeSeparators(path + u".damaged"_s));

    // The next start finds a file of the current format: nothing to convert, nothing to cut.
    m_fixture->store.ConvertDic(which);
    QVERIFY(m_fixture->load(which));
    QCOMPARE(readFile(path), converted);
    QCOMPARE(m_fixture->dialogs.informed.size(), 1);
    QCOMPARE(m_fixture->entries(which), (QStringList{u"trip"_s, u"Boat"_s}));
}

void DicFilesTest::convertedFileIsLeftAloneNextTime()
{
    QVERIFY(writeFile(m_fixture->staticFile(), PicTitleRecOld{u"Old harbour"_s}.toBytes()));
    m_fixture->store.ConvertDic(DicIndex::Static);
    const QByteArray converted = readFile(m_fixture->staticFile());
    QCOMPARE(converted, dictionaryRecord(u"Old harbour"_s, u"A"_s));
    m_fixture->store.ConvertDic(DicIndex::Static);
    QCOMPARE(readFile(m_fixture->staticFile()), converted);
    QCOMPARE(m_fixture->dialogs.informed.size(), 1);
    QVERIFY(m_fixture->load(DicIndex::Static));
    QCOMPARE(m_fixture->entries(DicIndex::Static), (QStringList{u"harbour"_s, u"Old"_s}));
}

void DicFilesTest::saveActDicContents_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("staticKept");
    QTest::addColumn<bool>("activeAdded");
    QTest::newRow("0: add") << 0 << true << true;
    QTest::newRow("1: replace") << 1 << false << true;
    QTest::newRow("2: erase") << 2 << true << false;
}

void DicFilesTest::saveActDicContents()
{
    QFETCH(int, action);
    QFETCH(bool, staticKept);
    QFETCH(bool, activeAdded);
    const QByteArray staticRecords = dictionaryRecord(u"Boat trip"_s, u"C"_s) + dictionaryRecord(u"Nice"_s, u"F"_s);
    const QByteArray staticContext = ContextDicRec{u"Boat trip"_s, u"boat trip"_s}.toBytes();
    QVERIFY(writeFile(m_fixture->staticFile(), staticRecords));
    QVERIFY(writeFile(m_fixture->staticContextFile(), staticContext));
    DictionaryStore &store = m_fixture->store;
    QVERIFY(store.InitContextDic(DicIndex::Static, false, false, -1));
    QVERIFY(m_fixture->load(DicIndex::Static));
    QVERIFY(m_fixture->load(DicIndex::Active));
    // The records of the Active file go over byte for byte, whatever program version wrote them.
    const QByteArray activeRecords = dictionaryRecord(u"Old harbour"_s, u"N"_s, u"3.1.0.0"_s);
    QVERIFY(writeFile(m_fixture->activeFile(), activeRecords));
    store.AddConfirmedFreeText(u"Sunset at the beach"_s);
    store.WriteContextDic(DicIndex::Active, u"Sunset at the beach"_s);
    const QByteArray activeFile = readFile(m_fixture->activeFile());
    const QByteArray activeContext = readFile(m_fixture->activeContextFile());
    const int staticCount = store.entryCount(DicIndex::Static);
    const int activeCount = store.entryCount(DicIndex::Active);
    QCOMPARE(activeFile.size(), 2 * PicTitleRec::size);

    QVERIFY(store.SaveActDicContents(action, {u"Sunset at the beach"_s, QString(), u"Café Müller"_s}));

    const QByteArray freeTextRecords = ContextDicRec{u"Sunset at the beach"_s, u"sunset at the beach"_s}.toBytes()
                                       + ContextDicRec{u"Café Müller"_s, u"café müller"_s}.toBytes();
    if (!activeAdded) {
        QCOMPARE(readFile(m_fixture->staticFile()), staticRecords);
        QCOMPARE(readFile(m_fixture->staticContextFile()), staticContext);
    } else {
        QCOMPARE(readFile(m_fixture->staticFile()), (staticKept ? staticRecords : QByteArray()) + activeFile);
        QCOMPARE(readFile(m_fixture->staticContextFile()),
                 activeContext + freeTextRecords + (staticKept ? staticContext : QByteArray()));
    }
    QCOMPARE(store.entryCount(DicIndex::Active), 0);
    const int expectedStatic = action == 0 ? staticCount + activeCount : action == 1 ? activeCount : staticCount;
    QCOMPARE(store.entryCount(DicIndex::Static), expectedStatic);
    // The Active dictionary's files and the tables in memory stay as they were.
    QCOMPARE(readFile(m_fixture->activeFile()), activeFile);
    QCOMPARE(store.contextTable(DicIndex::Static).size(), 1);
    QVERIFY(m_fixture->dialogs.informed.isEmpty());
}

void DicFilesTest::saveThatCannotReadChangesNothing()
{
    const QByteArray staticRecords = dictionaryRecord(u"Boat trip"_s, u"C"_s);
    QVERIFY(writeFile(m_fixture->staticFile(), staticRecords));
    QVERIFY(QFile::remove(m_fixture->activeFile()));
    QVERIFY(QDir().mkdir(m_fixture->activeFile()));
    QVERIFY(!m_fixture->store.SaveActDicContents(1, {u"Sunset"_s}));
    QCOMPARE(m_fixture->dialogs.informed.size(), 1);
    QVERIFY(m_fixture->dialogs.informed.front().text.contains(QDir::toNativeSeparators(m_fixture->activeFile())));
    QCOMPARE(readFile(m_fixture->staticFile()), staticRecords);
    QCOMPARE(readFile(m_fixture->staticContextFile()), QByteArray());
}

void DicFilesTest::updateActDicAction()
{
    const QString path = m_fixture->settings.path();
    m_fixture->store.UpdateActDicAction(0);
    QVERIFY(!QFile::exists(path));
    m_fixture->store.UpdateActDicAction(2);
    QCOMPARE(m_fixture->settings.rec().PSActDicAction, 2);
    const QByteArray written = readFile(path);
    QCOMPARE(written.size(), Settings::ProgramSettingsRec::size);
    QCOMPARE(int32At(written, 1184), 2);
}

QTEST_GUILESS_MAIN(DicFilesTest)
#include "dicfilestest.moc"
