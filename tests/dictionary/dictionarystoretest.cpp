#include "dictionary/dictionarystore.h"

#include "dictionary/contextdicrec.h"
#include "dictionary/texthelpers.h"

#include "l10n/errortext.h"
#include "records/recordfile.h"
#include "storefixture.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Dictionary;

namespace QTest {
template<>
char *toString(const CompletionLine &line)
{
    return qstrdup((line.text + (line.active ? u" (active)"_s : u" (static)"_s)).toUtf8().constData());
}
} // namespace QTest

namespace {

CompletionLine activeLine(const QString &text)
{
    return {text, true};
}

CompletionLine staticLine(const QString &text)
{
    return {text, false};
}

} // namespace

class DictionaryStoreTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void confirmedFreeText_data();
    void confirmedFreeText();
    void folderTitle_data();
    void folderTitle();
    void staticEntriesLoseTrailingCharacters_data();
    void staticEntriesLoseTrailingCharacters();
    void letterCaseMakesTwoEntries();
    void seriesOfPicturesGivesOneTitle();
    void loadLeavesOutTheWholeTitle();
    void stripFirstWord_data();
    void stripFirstWord();
    void folderBuildReplacesTheStaticDictionary();
    void dictionaryFilesAreNotWrittenThroughLinks();
    void failedBuildKeepsTheStaticDictionary();

    void bucketsAreSortedAndStable();
    void oneEntryBucketEndsWithTerminator();
    void confirmedTextIndexesOnlyNewEntries();

    void completions_data();
    void completions();
    void completionsStopAfterMaxHitsPlusOne();
    void completionsMatchAWalkOfTheWholeBucket();
    void entriesTextShowsTheCounts();

private:
    void addStatic(const QStringList &texts);
    std::unique_ptr<StoreFixture> m_fixture;
};

void DictionaryStoreTest::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    QVERIFY(m_fixture->dir.isValid());
}

void DictionaryStoreTest::cleanup()
{
    m_fixture.reset();
}

// Static entries as a text build makes them, indexed and sorted.
void DictionaryStoreTest::addStatic(const QStringList &texts)
{
    DictionaryStore &store = m_fixture->store;
    for (const QString &text : texts)
        store.AddToDictionary(text, DicIndex::Static);
    store.VulHulpDicTabel(DicIndex::Static);
    store.SortHulpDicTabel(DicIndex::Static);
}

void DictionaryStoreTest::confirmedFreeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("records");
    QTest::newRow("sentence: whole, then rests and first words")
        << u"Sunset at the beach"_s
        << QStringList{u"Sunset at the beach"_s, u"at the beach"_s, u"Sunset"_s, u"the beach"_s, u"at"_s, u"beach"_s,
                       u"the"_s}
        << 1;
    QTest::newRow("one character: nothing at all") << u"a"_s << QStringList() << 0;
    // The one-character test comes before the separators are trimmed.
    QTest::newRow("a and a comma") << u"a,"_s << QStringList{u"a"_s} << 1;
    QTest::newRow("separators at both ends") << u". Beach, "_s << QStringList{u"Beach"_s} << 1;
    QTest::newRow("dashes stay in a free text") << u"Paris_2019-beach"_s << QStringList{u"Paris_2019-beach"_s} << 1;
}

void DictionaryStoreTest::confirmedFreeText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, entries);
    QFETCH(int, records);
    m_fixture->store.AddConfirmedFreeText(text);
    QCOMPARE(m_fixture->entries(DicIndex::Active), entries);
    QCOMPARE(m_fixture->store.entryCount(DicIndex::Active), entries.size());
    QCOMPARE(readFile(m_fixture->activeFile()).size(), records * PicTitleRec::size);
    if (records > 0)
        QCOMPARE(readFile(m_fixture->activeFile()), dictionaryRecord(text, u"N"_s));
    QCOMPARE(m_fixture->store.buildMode(), BuildMode::Add);
}

void DictionaryStoreTest::folderTitle_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("dashes and underscores split the words")
        << u"Paris_2019-beach 001.jpg"_s << u"Paris_2019-beach"_s
        << QStringList{u"Paris_2019-beach"_s, u"2019 beach"_s, u"Paris"_s, u"beach"_s, u"2019"_s};
    QTest::newRow("number and extension go") << u"Beach Nice 017.jpg"_s << u"Beach Nice"_s
                                             << QStringList{u"Beach Nice"_s, u"Nice"_s, u"Beach"_s};
    QTest::newRow("nothing but a number") << u"0017.jpg"_s << QString() << QStringList();
    QTest::newRow("one letter left") << u"A 017.jpg"_s << QString() << QStringList();
}

void DictionaryStoreTest::folderTitle()
{
    QFETCH(QString, fileName);
    QFETCH(QString, title);
    QFETCH(QStringList, entries);
    DictionaryStore &store = m_fixture->store;
    store.setBuildMode(BuildMode::Replace);
    QVERIFY(store.InitStaticDic());
    store.ExamineTitle(fileName, DicIndex::Static, u'F');
    store.closeStaticDic();
    QCOMPARE(m_fixture->entries(DicIndex::Static), entries);
    if (title.isEmpty()) {
        QCOMPARE(readFile(m_fixture->staticFile()), QByteArray());
        QCOMPARE(store.contextTable(DicIndex::Static).size(), 0);
    } else {
        // The file record and the context record keep the title as cleaned, dashes included.
        QCOMPARE(readFile(m_fixture->staticFile()), dictionaryRecord(title, u"F"_s));
        const ContextDicRec context{title, FoldText(title.toLower())};
        QCOMPARE(store.contextTable(DicIndex::Static).records(), QList<ContextDicRec>{context});
    }
}

void DictionaryStoreTest::staticEntriesLoseTrailingCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("entry");
    QTest::newRow("exclamation mark") << u"Nice, France!"_s << u"Nice, France"_s;
    QTest::newRow("accented last letter") << u"Café"_s << u"Café"_s;
    QTest::newRow("upper-case accent") << u"CAFÉ"_s << u"CAFÉ"_s;
    QTest::newRow("final dot stays") << u"St. Ives."_s << u"St. Ives."_s;
    QTest::newRow("digits stay") << u"Route 66 ?"_s << u"Route 66"_s;
    QTest::newRow("nothing left") << u"?!"_s << QString();
}

void DictionaryStoreTest::staticEntriesLoseTrailingCharacters()
{
    QFETCH(QString, text);
    QFETCH(QString, entry);
    m_fixture->store.AddToDictionary(text, DicIndex::Static);
    QCOMPARE(m_fixture->entries(DicIndex::Static), entry.isEmpty() ? QStringList() : QStringList{entry});
}

void DictionaryStoreTest::letterCaseMakesTwoEntries()
{
    DictionaryStore &store = m_fixture->store;
    store.AddToDictionary(u"Paris"_s, DicIndex::Active);
    store.AddToDictionary(u"paris"_s, DicIndex::Active);
    store.AddToDictionary(u"Paris"_s, DicIndex::Active);
    QCOMPARE(m_fixture->entries(DicIndex::Active), (QStringList{u"Paris"_s, u"paris"_s}));
    QCOMPARE(store.table(DicIndex::Active).entry(0).DicTitleLow, u"paris"_s);
    QCOMPARE(store.table(DicIndex::Active).entry(1).DicTitleLow, u"paris"_s);
    // The lists of the two dictionaries are apart, and an emptied list lets a text in again.
    store.AddToDictionary(u"Paris"_s, DicIndex::Static);
    QCOMPARE(m_fixture->entries(DicIndex::Static), QStringList{u"Paris"_s});
    QVERIFY(store.TitleUnique(false, DicIndex::Active, u"paris"_s));
    store.TitleUnique(true, DicIndex::Active);
    QVERIFY(!store.TitleUnique(false, DicIndex::Active, u"paris"_s));
}

void DictionaryStoreTest::seriesOfPicturesGivesOneTitle()
{
    DictionaryStore &store = m_fixture->store;
    store.setBuildMode(BuildMode::Replace);
    QVERIFY(store.InitStaticDic());
    for (const QString &name : {u"Paris 001.jpg"_s, u"Paris 002.jpg"_s, u"Beach 001.jpg"_s, u"Paris 003.jpg"_s})
        store.ExamineTitle(name, DicIndex::Static, u'F');
    store.closeStaticDic();
    // The title coming back later in the listing is written again, its context record is not.
    QCOMPARE(readFile(m_fixture->staticFile()),
             dictionaryRecord(u"Paris"_s, u"F"_s) + dictionaryRecord(u"Beach"_s, u"F"_s)
                 + dictionaryRecord(u"Paris"_s, u"F"_s));
    const QByteArray contexts = ContextDicRec{u"Paris"_s, u"paris"_s}.toBytes() + ContextDicRec{u"Beach"_s, u"beach"_s}.toBytes();
    QCOMPARE(readFile(m_fixture->staticContextFile()), contexts);
    QCOMPARE(m_fixture->entries(DicIndex::Static), (QStringList{u"Paris"_s, u"Beach"_s}));
    QCOMPARE(store.lastExaminedTitle(), u"Paris"_s);
}

void DictionaryStoreTest::loadLeavesOutTheWholeTitle()
{
    m_fixture->store.AddConfirmedFreeText(u"Old harbour"_s);
    QVERIFY(writeFile(m_fixture->staticFile(), readFile(m_fixture->activeFile())));

    StoreFixture restarted;
    QVERIFY(writeFile(restarted.staticFile(), readFile(m_fixture->staticFile())));
    QVERIFY(writeFile(restarted.activeFile(), readFile(m_fixture->activeFile())));
    QVERIFY(restarted.load(DicIndex::Static));
    QVERIFY(restarted.load(DicIndex::Active));
    QCOMPARE(restarted.entries(DicIndex::Static), (QStringList{u"harbour"_s, u"Old"_s}));
    QCOMPARE(restarted.entries(DicIndex::Active), (QStringList{u"harbour"_s, u"Old"_s}));
    QCOMPARE(restarted.store.entryCount(DicIndex::Static), 2);
    // The load writes nothing.
    QCOMPARE(readFile(restarted.activeFile()).size(), PicTitleRec::size);
    QCOMPARE(restarted.store.completions(u"old h"_s, 10), QList<CompletionLine>());
    // The same key in both dictionaries is offered once, from the Active one.
    QCOMPARE(restarted.store.completions(u"ha"_s, 10), QList<CompletionLine>{activeLine(u"harbour"_s)});
    QVERIFY(restarted.dialogs.informed.isEmpty());
}

void DictionaryStoreTest::stripFirstWord_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("rest");
    QTest::addColumn<QString>("firstWord");
    QTest::newRow("two words") << u"at the"_s << u"the"_s << u"at"_s;
    QTest::newRow("runs of spaces") << u"at   the  beach"_s << u"the  beach"_s << u"at"_s;
    QTest::newRow("one word") << u"beach"_s << QString() << u"beach"_s;
    QTest::newRow("trailing spaces") << u"beach  "_s << QString() << u"beach"_s;
    QTest::newRow("leading space") << u" beach"_s << u"beach"_s << QString();
    QTest::newRow("empty") << QString() << QString() << QString();
}

void DictionaryStoreTest::stripFirstWord()
{
    QFETCH(QString, title);
    QFETCH(QString, rest);
    QFETCH(QString, firstWord);
    QCOMPARE(m_fixture->store.StripFirstWord(title), rest);
    QCOMPARE(m_fixture->store.firstWord(), firstWord);
}

void DictionaryStoreTest::folderBuildReplacesTheStaticDictionary()
{
    QVERIFY(writeFile(m_fixture->staticFile(), dictionaryRecord(u"Boat trip"_s, u"C"_s)));
    QVERIFY(writeFile(m_fixture->staticContextFile(), ContextDicRec{u"Boat trip"_s, u"boat trip"_s}.toBytes()));
    DictionaryStore &store = m_fixture->store;
    QVERIFY(store.InitContextDic(DicIndex::Static, false, false, -1));
    QVERIFY(m_fixture->load(DicIndex::Static));
    QStringList scanned;
    store.setFolderScan([&](const QString &folder) {
        scanned.append(folder);
        for (const QString &name : {u"Boat trip 001.jpg"_s, u"Nice 002.jpg"_s})
            store.ExamineTitle(name, DicIndex::Static, u'F');
        return true;
    });
    store.setBuildMode(BuildMode::Replace);
    QVERIFY(store.MakeDic(u"/pictures"_s, DicIndex::Static));
    QCOMPARE(scanned, QStringList{u"/pictures"_s});
    // 'trip' was listed by the load; an emptied list lets it in again.
    QCOMPARE(m_fixture->entries(DicIndex::Static), (QStringList{u"Boat trip"_s, u"trip"_s, u"Boat"_s, u"Nice"_s}));
    QCOMPARE(readFile(m_fixture->staticFile()),
             dictionaryRecord(u"Boat trip"_s, u"F"_s) + dictionaryRecord(u"Nice"_s, u"F"_s));
    QCOMPARE(store.contextTable(DicIndex::Static).size(), 2);
    QCOMPARE(store.completions(u"b"_s, 10), (QList<CompletionLine>{staticLine(u"Boat"_s), staticLine(u"Boat trip"_s)}));
    QCOMPARE(store.entriesText(), u" Entries in Active dictionary : 0, entries in Static dictionary : 4"_s);
    // Only the Static dictionary is built from a folder.
    QVERIFY(!store.MakeDic(u"/pictures"_s, DicIndex::Active));
}

void DictionaryStoreTest::dictionaryFilesAreNotWrittenThroughLinks()
{
    const QString outside = m_fixture->work(u"outside"_s);
    const QByteArray kept = dictionaryRecord(u"Keep"_s, u"C"_s);
    QVERIFY(writeFile(outside, kept));
    for (const QString &path : {m_fixture->staticFile(), m_fixture->activeFile()})
        QVERIFY(QFile::remove(path) && QFile::link(outside, path));
    DictionaryStore &store = m_fixture->store;
    store.setFolderScan([&](const QString &) {
        store.ExamineTitle(u"Boat trip 001.jpg"_s, DicIndex::Static, u'F');
        return true;
    });
    store.setBuildMode(BuildMode::Replace);
    store.MakeDic(u"/pictures"_s, DicIndex::Static);
    QVERIFY(!store.CreateActiveDictionary());
    QCOMPARE(m_fixture->dialogs.informed.size(), 2);
    QVERIFY(m_fixture->dialogs.informed.at(0).text.startsWith(m_fixture->staticFile() + u" is a symbolic link"_s));
    QCOMPARE(m_fixture->dialogs.informed.at(1).text,
             m_fixture->activeFile() + u" is a symbolic link, the program does not write through it"_s);
    QCOMPARE(readFile(outside), kept);
}

void DictionaryStoreTest::failedBuildKeepsTheStaticDictionary()
{
    const QByteArray old = dictionaryRecord(u"Boat trip"_s, u"C"_s);
    QVERIFY(writeFile(m_fixture->staticFile(), old));
    DictionaryStore &store = m_fixture->store;
    store.setFolderScan([&](const QString &) {
        for (const QString &name : {u"Nice 001.jpg"_s, u"Tent 002.jpg"_s})
            store.ExamineTitle(name, DicIndex::Static, u'F');
        return true;
    });
    store.setBuildMode(BuildMode::Replace);
    {
        const Records::SimulatedWriteFailure full(Records::WriteStep::Sync, ENOSPC);
        store.MakeDic(u"/pictures"_s, DicIndex::Static);
    }
    QCOMPARE(m_fixture->dialogs.informed.size(), 1);
    QCOMPARE(m_fixture->dialogs.informed.at(0).text,
             L10n::describe({Records::FileError::Code::WriteFailed, m_fixture->staticFile(), -1, qt_error_string(ENOSPC)}));
    QCOMPARE(readFile(m_fixture->staticFile()), old);
    QCOMPARE(QDir(m_fixture->dir.path()).entryList(QDir::Files), (QStringList{u"ContextDic.dat"_s, u"LoadedDic.dat"_s}));
}

void DictionaryStoreTest::bucketsAreSortedAndStable()
{
    addStatic({u"Paris"_s, u"beach"_s, u"paris"_s, u"Ávila"_s, u"2019"_s, u"(old)"_s, u"abbey"_s, u"Pa"_s});
    const EntryTable &table = m_fixture->store.table(DicIndex::Static);
    // Equal keys ('Paris', 'paris') keep the order in which they were added.
    QCOMPARE(table.bucket(indexBucketOf(u'p')), (std::vector<qint32>{7, 0, 2}));
    // 'Ávila' folds to 'avila' and sits in the bucket of 'a' after 'abbey'.
    QCOMPARE(table.bucket(0), (std::vector<qint32>{6, 3}));
    QCOMPARE(table.bucket(26 + 2), std::vector<qint32>{4});
    QCOMPARE(table.bucket(36), std::vector<qint32>{5});
    int total = 0;
    for (int b = 0; b < EntryTable::indexBuckets; ++b)
        total += int(table.bucket(b).size());
    QCOMPARE(total, 8);
}

void DictionaryStoreTest::oneEntryBucketEndsWithTerminator()
{
    addStatic({u"zebra"_s, u"beach"_s, u"bay"_s});
    DictionaryStore &store = m_fixture->store;
    QCOMPARE(store.GetPicEl(WalkAction::First, u"z"_s, DicIndex::Static), 0);
    QCOMPARE(store.GetPicEl(WalkAction::Next, u"z"_s, DicIndex::Static), -1);
    QCOMPARE(store.GetPicEl(WalkAction::First, u"beach"_s, DicIndex::Static), 2);
    QCOMPARE(store.GetPicEl(WalkAction::Next, QString(), DicIndex::Static), 1);
    QCOMPARE(store.GetPicEl(WalkAction::Next, QString(), DicIndex::Static), -1);
    QCOMPARE(store.GetPicEl(WalkAction::First, u"q"_s, DicIndex::Static), -1);
    QCOMPARE(store.GetPicEl(WalkAction::First, u"b"_s, DicIndex::Active), -1);
}

void DictionaryStoreTest::confirmedTextIndexesOnlyNewEntries()
{
    DictionaryStore &store = m_fixture->store;
    store.AddConfirmedFreeText(u"Beach"_s);
    QCOMPARE(store.firstUnindexedEntry(), 1);
    store.AddConfirmedFreeText(u"Bay of Biscay"_s);
    QCOMPARE(store.firstUnindexedEntry(), 6);
    // 'Bay of Biscay', 'of Biscay', 'Bay', 'Biscay' and 'of' come after 'Beach', each indexed once.
    QCOMPARE(store.table(DicIndex::Active).bucket(indexBucketOf(u'b')), (std::vector<qint32>{3, 1, 0, 4}));
    QCOMPARE(store.table(DicIndex::Active).bucket(indexBucketOf(u'o')), (std::vector<qint32>{5, 2}));
    QCOMPARE(store.completions(u"b"_s, 10),
             (QList<CompletionLine>{activeLine(u"Bay"_s), activeLine(u"Bay of Biscay"_s), activeLine(u"Beach"_s),
                                    activeLine(u"Biscay"_s)}));
}

void DictionaryStoreTest::completions_data()
{
    QTest::addColumn<QStringList>("active");
    QTest::addColumn<QStringList>("statics");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QList<CompletionLine>>("expected");
    QTest::newRow("active first, then static in key order")
        << QStringList{u"Paris"_s} << QStringList{u"Paris"_s, u"parade"_s} << u"par"_s
        << QList<CompletionLine>{activeLine(u"Paris"_s), staticLine(u"parade"_s), staticLine(u"Paris"_s)};
    QTest::newRow("equal keys across the dictionaries once")
        << QStringList{u"Paris"_s} << QStringList{u"paris"_s, u"parisian"_s} << u"PARIS"_s
        << QList<CompletionLine>{activeLine(u"Paris"_s), staticLine(u"parisian"_s)};
    QTest::newRow("equal keys within one dictionary once")
        << QStringList() << QStringList{u"Paris"_s, u"paris"_s} << u"p"_s << QList<CompletionLine>{staticLine(u"Paris"_s)};
    QTest::newRow("typed accent finds both")
        << QStringList() << QStringList{u"été"_s, u"etage"_s, u"Ecole"_s, u"fee"_s} << u"é"_s
        << QList<CompletionLine>{staticLine(u"Ecole"_s), staticLine(u"etage"_s), staticLine(u"été"_s)};
    QTest::newRow("accent inside the word") << QStringList() << QStringList{u"café"_s, u"cafe au lait"_s}
                                            << u"CAFÉ"_s
                                            << QList<CompletionLine>{staticLine(u"café"_s), staticLine(u"cafe au lait"_s)};
    QTest::newRow("no match") << QStringList{u"beach"_s} << QStringList{u"bay"_s} << u"bz"_s << QList<CompletionLine>();
    QTest::newRow("empty word") << QStringList{u"beach"_s} << QStringList() << QString() << QList<CompletionLine>();
    QTest::newRow("other characters") << QStringList() << QStringList{u"(old)"_s, u"&co"_s} << u"("_s
                                      << QList<CompletionLine>{staticLine(u"(old"_s)};
    QTest::newRow("digits") << QStringList() << QStringList{u"2019"_s, u"2020"_s, u"1999"_s} << u"20"_s
                            << QList<CompletionLine>{staticLine(u"2019"_s), staticLine(u"2020"_s)};
}

void DictionaryStoreTest::completions()
{
    QFETCH(QStringList, active);
    QFETCH(QStringList, statics);
    QFETCH(QString, word);
    QFETCH(QList<CompletionLine>, expected);
    DictionaryStore &store = m_fixture->store;
    for (const QString &text : active)
        store.AddConfirmedFreeText(text);
    addStatic(statics);
    QCOMPARE(store.completions(word, 10), expected);
}

void DictionaryStoreTest::completionsStopAfterMaxHitsPlusOne()
{
    QStringList texts;
    for (int i = 0; i < 30; ++i)
        texts.append(u"match%1"_s.arg(i, 2, 10, QChar(u'0')));
    addStatic(texts);
    const QList<CompletionLine> lines = m_fixture->store.completions(u"mat"_s, 10);
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.front().text, u"match00"_s);
    QCOMPARE(lines.back().text, u"match10"_s);

    // A full Active list leaves no room for Static lines.
    for (int i = 0; i < 12; ++i)
        m_fixture->store.AddConfirmedFreeText(u"mata%1"_s.arg(i, 2, 10, QChar(u'0')));
    const QList<CompletionLine> activeOnly = m_fixture->store.completions(u"mat"_s, 10);
    QCOMPARE(activeOnly.size(), 11);
    QVERIFY(std::all_of(activeOnly.begin(), activeOnly.end(), [](const CompletionLine &line) { return line.active; }));
}

// The binary search for the first candidate must find what a walk from the bucket's start finds.
void DictionaryStoreTest::completionsMatchAWalkOfTheWholeBucket()
{
    QRandomGenerator random(20261209);
    const QString letters = u"abcéè pPAÉ"_s;
    QStringList texts;
    for (int i = 0; i < 3000; ++i) {
        QString text;
        const int length = 2 + int(random.bounded(5));
        for (int c = 0; c < length; ++c)
            text += letters.at(random.bounded(letters.size()));
        texts.append(text);
    }
    addStatic(texts);
    DictionaryStore &store = m_fixture->store;
    const EntryTable &table = store.table(DicIndex::Static);
    for (const QString &word : {u"a"_s, u"p"_s, u"pa"_s, u"É"_s, u"cé"_s, u"ab"_s, u"bé"_s, u"eep"_s, u"a a"_s}) {
        const QString key = FoldEdgeLetter(FoldText(word.toLower()), Edge::First);
        QList<CompletionLine> walked;
        QString previous;
        for (int e = store.GetPicEl(WalkAction::First, key, DicIndex::Static); e >= 0 && walked.size() <= 10;
             e = store.GetPicEl(WalkAction::Next, key, DicIndex::Static)) {
            const DicTitleRec &entry = table.entry(e);
            const int order = QStringView(entry.DicTitleLow).left(key.size()).compare(key);
            if (order > 0)
                break;
            if (order == 0 && entry.DicTitleLow != previous) {
                previous = entry.DicTitleLow;
                walked.append(staticLine(entry.DicTitle));
            }
        }
        QCOMPARE(store.completions(word, 10), walked);
    }
}

void DictionaryStoreTest::entriesTextShowsTheCounts()
{
    DictionaryStore &store = m_fixture->store;
    QStringList shown;
    connect(&store, &DictionaryStore::entriesShown, this, [&shown](const QString &text) { shown.append(text); });
    store.AddConfirmedFreeText(u"Old harbour"_s);
    addStatic({u"beach"_s});
    store.ShowEntries();
    QCOMPARE(store.entriesText(), u" Entries in Active dictionary : 3, entries in Static dictionary : 1"_s);
    QCOMPARE(shown.size(), 4);
    QCOMPARE(shown.back(), store.entriesText());
}

QTEST_GUILESS_MAIN(DictionaryStoreTest)
#include "dictionarystoretest.moc"
