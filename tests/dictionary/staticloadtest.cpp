// The Static dictionary as the start-up loads it: the entries, their order and every completion
// must be the same whichever way the load takes, and the same as they have always been.
#include "dictionary/dictionarystore.h"
#include "dictionary/staticcache.h"
#include "dictionary/texthelpers.h"

#include "storefixture.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Dictionary;

namespace {

constexpr int records = 20'000;

// Titles as pictures get them: words from syllables, some accented or capitalised, with series
// numbers, separators and the odd repeated title.
QByteArray generatedDictionary()
{
    QRandomGenerator random(20261209);
    const QStringList syllables{u"ba"_s, u"ro"_s, u"ni"_s, u"ca"_s, u"tel"_s, u"mar"_s, u"so"_s, u"lin"_s,
                                u"dé"_s, u"pa"_s, u"ris"_s, u"Ha"_s, u"bour"_s, u"ge"_s, u"ve"_s, u"Ko"_s,
                                u"strand"_s, u"zee"_s, u"berg"_s, u"ü"_s, u"ça"_s, u"É"_s, u"7"_s, u"-"_s,
                                u"_"_s, u","_s, u"."_s, u"!"_s, u"Ø"_s};
    QStringList words;
    for (int i = 0; i < 3'000; ++i) {
        QString word;
        for (int part = 0, parts = 1 + int(random.bounded(3)); part < parts; ++part)
            word += syllables.at(random.bounded(syllables.size()));
        words.append(word);
    }
    const QStringList sources{u"F"_s, u"N"_s, u"C"_s, u"A"_s};
    QByteArray content;
    for (int i = 0; i < records; ++i) {
        QString title;
        for (int word = 0, count = 1 + int(random.bounded(5)); word < count; ++word)
            title += (word > 0 ? (random.bounded(8) == 0 ? u"  "_s : u" "_s) : QString()) + words.at(random.bounded(words.size()));
        content += dictionaryRecord(title, sources.at(random.bounded(sources.size())));
    }
    return content;
}

// Everything a load leaves for the completion search: the entries, the index and the completion
// lists of a thousand typed prefixes.
QByteArray loadedState(const DictionaryStore &store)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const EntryTable &table = store.table(DicIndex::Static);
    for (const DicTitleRec &entry : table.entries())
        hash.addData((entry.DicTitle + u'\x1f' + entry.DicTitleLow + u'\x1e').toUtf8());
    for (int bucket = 0; bucket < EntryTable::indexBuckets; ++bucket) {
        for (const qint32 number : table.bucket(bucket))
            hash.addData(QByteArray(QByteArray::number(number) + ','));
        hash.addData("|");
    }
    QRandomGenerator random(7);
    for (int i = 0; i < 1'000 && table.highestIndex() >= 0; ++i) {
        const QString text = table.entry(int(random.bounded(table.highestIndex() + 1))).DicTitle;
        const QString prefix = FoldText(text.left(1 + int(random.bounded(6))).toLower());
        for (const CompletionLine &line : store.completions(prefix, 500))
            hash.addData((line.text + u'\x1f').toUtf8());
        hash.addData("\n");
    }
    hash.addData(QByteArray::number(store.entryCount(DicIndex::Static)));
    return hash.result().toHex();
}

} // namespace

class StaticLoadTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadsAsAlways();
    void copyFollowsTheFile();
};

// The state a load of the generated dictionary has always given, whether it examines the records
// or takes the copy the previous load kept.
void StaticLoadTest::loadsAsAlways()
{
    const QByteArray expected("3a828f9a0de5f13afcfb053638ef06aaf75328fe53edfe069a3caf34c72312cc");
    StoreFixture first;
    QVERIFY(writeFile(first.staticFile(), generatedDictionary()));
    QVERIFY(first.load(DicIndex::Static));
    QCOMPARE(loadedState(first.store), expected);

    const QString copy = first.work(u"LoadedDic.idx"_s);
    QVERIFY(QFileInfo::exists(copy));
    DictionaryStore second(first.dir.path() + u'/', first.settings, first.dialogs, u"4.4.0.0"_s);
    second.setBuildMode(BuildMode::Read);
    QVERIFY(second.MakeDic(QString(), DicIndex::Static));
    QCOMPARE(loadedState(second), expected);
    // A restored table still keeps out what it holds and takes what it does not.
    const int entries = second.table(DicIndex::Static).highestIndex() + 1;
    second.AddToDictionary(second.table(DicIndex::Static).entry(entries / 2).DicTitle, DicIndex::Static);
    second.AddToDictionary(u"Zzyzx lagoon"_s, DicIndex::Static);
    QCOMPARE(second.table(DicIndex::Static).highestIndex() + 1, entries + 1);
    QVERIFY(first.dialogs.informed.isEmpty());
}

// The copy is used only for the file it was made from: a file changed by the program or behind
// its back, or a damaged copy, gives the table of the records as they are.
void StaticLoadTest::copyFollowsTheFile()
{
    StoreFixture fixture;
    QVERIFY(writeFile(fixture.staticFile(), dictionaryRecord(u"Old harbour"_s, u"N"_s)));
    QVERIFY(fixture.load(DicIndex::Static));
    const QString copy = fixture.work(u"LoadedDic.idx"_s);
    const auto loadedEntries = [&fixture] {
        DictionaryStore store(fixture.dir.path() + u'/', fixture.settings, fixture.dialogs, u"4.4.0.0"_s);
        store.setBuildMode(BuildMode::Read);
        store.MakeDic(QString(), DicIndex::Static);
        QStringList texts;
        for (const DicTitleRec &entry : store.table(DicIndex::Static).entries())
            texts.append(entry.DicTitle);
        return texts;
    };
    QCOMPARE(loadedEntries(), (QStringList{u"harbour"_s, u"Old"_s}));
    // The copy is there for the file as it is; one whose bytes changed is passed over.
    const auto copyUsable = [&fixture, &copy] {
        EntryTable table(0);
        int entries = 0;
        const auto source = StaticCache::sourceOf(fixture.staticFile());
        return source && StaticCache(copy).restore(*source, table, &entries) && entries == table.highestIndex() + 1;
    };
    QVERIFY(copyUsable());
    QByteArray kept = readFile(copy);
    kept[kept.size() - 18] = 'O';
    QVERIFY(writeFile(copy, kept));
    QVERIFY(!copyUsable());
    QCOMPARE(loadedEntries(), (QStringList{u"harbour"_s, u"Old"_s}));
    QVERIFY(copyUsable());

    // Changed behind the program's back, even to the same size.
    QVERIFY(writeFile(fixture.staticFile(), dictionaryRecord(u"New bridge"_s, u"N"_s)));
    QVERIFY(!copyUsable());
    QCOMPARE(loadedEntries(), (QStringList{u"bridge"_s, u"New"_s}));

    // Finishing a folder adds to the file and leaves a copy the next start-up can use.
    QVERIFY(writeFile(fixture.activeFile(), dictionaryRecord(u"Blue lagoon"_s, u"N"_s)));
    QVERIFY(fixture.store.SaveActDicContents(0, {}));
    QVERIFY(copyUsable());
    const QByteArray refreshed = readFile(copy);
    QCOMPARE(loadedEntries(), (QStringList{u"bridge"_s, u"New"_s, u"lagoon"_s, u"Blue"_s}));
    QCOMPARE(readFile(copy), refreshed);

    // A damaged or foreign copy is passed over.
    for (const QByteArray &content : {refreshed.left(refreshed.size() - 3), QByteArray(200, 'x'), QByteArray()}) {
        QVERIFY(writeFile(copy, content));
        QCOMPARE(loadedEntries(), (QStringList{u"bridge"_s, u"New"_s, u"lagoon"_s, u"Blue"_s}));
    }
    QVERIFY(fixture.dialogs.informed.isEmpty());
}

QTEST_GUILESS_MAIN(StaticLoadTest)
#include "staticloadtest.moc"
