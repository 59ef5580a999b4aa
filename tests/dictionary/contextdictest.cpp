#include "dictionary/contextdicrec.h"
#include "dictionary/dictionarystore.h"

#include "storefixture.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Dictionary;

namespace QTest {
template<>
char *toString(const ContextLine &line)
{
    QStringList starts;
    for (const int at : line.occurrences)
        starts.append(QString::number(at));
    return qstrdup((line.text + (line.active ? u" (active) at "_s : u" (static) at "_s) + starts.join(u','))
                       .toUtf8()
                       .constData());
}
} // namespace QTest

namespace {

QByteArray contextRecord(const QString &title, const QString &key)
{
    return ContextDicRec{title, key}.toBytes();
}

} // namespace

class ContextDicTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void writeContextDicKeepsOneRecordPerKey();
    void resetSizeFollowsTheFile();
    void initContextDicLoadsAndEmpties();
    void clearActiveDictionary_data();
    void clearActiveDictionary();

    void contextHits();
    void contextHitsStopAtMaxHits();
    void contextHitsFoldLowerCasedKeys();

private:
    std::unique_ptr<StoreFixture> m_fixture;
};

void ContextDicTest::init()
{
    m_fixture = std::make_unique<StoreFixture>();
    QVERIFY(m_fixture->dir.isValid());
}

void ContextDicTest::cleanup()
{
    m_fixture.reset();
}

void ContextDicTest::writeContextDicKeepsOneRecordPerKey()
{
    DictionaryStore &store = m_fixture->store;
    QVERIFY(store.WriteContextDic(DicIndex::Active, u"Café Müller"_s));
    // Same key after lower-casing and folding: not written again.
    QVERIFY(store.WriteContextDic(DicIndex::Active, u"cafe muller"_s));
    QVERIFY(store.WriteContextDic(DicIndex::Active, u"Old harbour"_s));
    QCOMPARE(readFile(m_fixture->activeContextFile()),
             contextRecord(u"Café Müller"_s, u"cafe muller"_s)
                 + contextRecord(u"Old harbour"_s, u"old harbour"_s));
    QCOMPARE(store.contextTable(DicIndex::Active).size(), 2);
    QCOMPARE(store.contextTable(DicIndex::Static).size(), 0);
    QCOMPARE(readFile(m_fixture->staticContextFile()), QByteArray());

    // After a restart the keys come from the file.
    StoreFixture restarted;
    QVERIFY(writeFile(restarted.activeContextFile(), readFile(m_fixture->activeContextFile())));
    QVERIFY(restarted.load(DicIndex::Active));
    QVERIFY(restarted.store.WriteContextDic(DicIndex::Active, u"OLD HARBOUR"_s));
    QCOMPARE(readFile(restarted.activeContextFile()), readFile(m_fixture->activeContextFile()));
}

void ContextDicTest::resetSizeFollowsTheFile()
{
    DictionaryStore &store = m_fixture->store;
    QVERIFY(store.WriteContextDic(DicIndex::Active, u"Old harbour"_s));
    QVERIFY(store.WriteContextDic(DicIndex::Active, u"Boat trip"_s));
    // Someone cut the file back to its first record.
    QVERIFY(writeFile(m_fixture->activeContextFile(), contextRecord(u"Old harbour"_s, u"old harbour"_s)));
    store.ResetSizeContextDic(DicIndex::Active);
    QCOMPARE(store.contextTable(DicIndex::Active).size(), 1);
    // The key of the cut record is free again.
    QVERIFY(store.WriteContextDic(DicIndex::Active, u"Boat trip"_s));
    QCOMPARE(readFile(m_fixture->activeContextFile()).size(), 2 * ContextDicRec::size);
}

void ContextDicTest::initContextDicLoadsAndEmpties()
{
    const QByteArray records = contextRecord(u"Boat trip"_s, u"boat trip"_s)
                               + contextRecord(u"Nice"_s, u"nice"_s);
    QVERIFY(writeFile(m_fixture->staticContextFile(), records + QByteArray(7, 'x')));
    DictionaryStore &store = m_fixture->store;
    QVERIFY(store.InitContextDic(DicIndex::Static, false, false, -1));
    QCOMPARE(store.contextTable(DicIndex::Static).records(),
             (QList<ContextDicRec>{{u"Boat trip"_s, u"boat trip"_s}, {u"Nice"_s, u"nice"_s}}));
    // The damaged tail is reported with the file's path and cut off, once the damaged file is kept.
    QCOMPARE(m_fixture->dialogs.informed.size(), 1);
    QVERIFY(m_fixture->dialogs.informed.front().text.contains(QDir::toNativeSeparators(m_fixture->staticContextFile())));
    QCOMPARE(readFile(m_fixture->staticContextFile()), records);
    QCOMPARE(readFile(m_fixture->staticContextFile() + u".damaged"_s), records + QByteArray(7, 'x'));

    QVERIFY(store.InitContextDic(DicIndex::Static, true, false, -1));
    QCOMPARE(store.contextTable(DicIndex::Static).size(), 0);
    QCOMPARE(readFile(m_fixture->staticContextFile()), QByteArray());

    QVERIFY(QFile::remove(m_fixture->staticContextFile()));
    QVERIFY(!store.InitContextDic(DicIndex::Static, false, false, -1));
}

void ContextDicTest::clearActiveDictionary_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("erased");
    QTest::newRow("yes") << 0 << true;
    QTest::newRow("cancel") << 1 << false;
}

void ContextDicTest::clearActiveDictionary()
{
    QFETCH(int, button);
    QFETCH(bool, erased);
    DictionaryStore &store = m_fixture->store;
    store.AddConfirmedFreeText(u"Old harbour"_s);
    store.WriteContextDic(DicIndex::Active, u"Old harbour"_s);
    const QByteArray activeFile = readFile(m_fixture->activeFile());
    m_fixture->dialogs.answers.enqueue({button, false});

    QCOMPARE(store.ClearActiveDictionary(), erased);
    QCOMPARE(m_fixture->dialogs.asked.size(), 1);
    QCOMPARE(m_fixture->dialogs.asked.front().lines, QStringList{u"Erase entries of Active Dictionary ?"_s});
    QCOMPARE(m_fixture->dialogs.asked.front().buttons.size(), 2);
    if (erased) {
        QCOMPARE(readFile(m_fixture->activeFile()), QByteArray());
        QCOMPARE(readFile(m_fixture->activeContextFile()), QByteArray());
        QCOMPARE(store.table(DicIndex::Active).highestIndex(), -1);
        QCOMPARE(store.contextTable(DicIndex::Active).size(), 0);
        QCOMPARE(store.completions(u"old"_s, 10), QList<CompletionLine>());
        QCOMPARE(store.entriesText(), u" Entries in Active dictionary : 0, entries in Static dictionary : 0"_s);
        // The duplicate-check list was emptied too, so the text is an entry again.
        store.AddConfirmedFreeText(u"Old harbour"_s);
        QCOMPARE(m_fixture->entries(DicIndex::Active).size(), 3);
    } else {
        QCOMPARE(readFile(m_fixture->activeFile()), activeFile);
        QCOMPARE(m_fixture->entries(DicIndex::Active).size(), 3);
        QCOMPARE(store.contextTable(DicIndex::Active).size(), 1);
    }
}

void ContextDicTest::contextHits()
{
    DictionaryStore &store = m_fixture->store;
    store.WriteContextDic(DicIndex::Active, u"Beach of Nice"_s);
    store.WriteContextDic(DicIndex::Active, u"Old harbour"_s);
    store.WriteContextDic(DicIndex::Static, u"Nice, the old town"_s);
    store.WriteContextDic(DicIndex::Static, u"Paris"_s);
    const QStringList freeTexts{u"Beach of Nice"_s, QString(), u"Ice on the niCE lake"_s, u"Harbour"_s};

    const ContextHits hits = store.contextHits(u"Nïce"_s, freeTexts, 10);
    QCOMPARE(hits.lines, (QList<ContextLine>{{u"Beach of Nice"_s, true, {9}},
                                             {u"Ice on the niCE lake"_s, true, {11}},
                                             {u"Nice, the old town"_s, false, {0}}}));
    // Two active records and two free texts (the listed one and the empty one are passed over).
    QCOMPARE(hits.activeCount, 4);
    QCOMPARE(hits.staticCount, 2);

    // A substring, not a prefix; occurrences do not overlap.
    const ContextHits inside = store.contextHits(u"ar"_s, {u"ararar"_s}, 10);
    QCOMPARE(inside.lines, (QList<ContextLine>{{u"Old harbour"_s, true, {5}},
                                               {u"ararar"_s, true, {0, 2, 4}},
                                               {u"Paris"_s, false, {1}}}));
    QCOMPARE(store.contextHits(u"zzz"_s, freeTexts, 10).lines, QList<ContextLine>());
}

void ContextDicTest::contextHitsStopAtMaxHits()
{
    DictionaryStore &store = m_fixture->store;
    QStringList freeTexts;
    for (int i = 0; i < 30; ++i) {
        store.WriteContextDic(DicIndex::Static, u"Beach %1"_s.arg(i));
        freeTexts.append(u"Beach picture %1"_s.arg(i));
    }
    for (int i = 0; i < 8; ++i)
        store.WriteContextDic(DicIndex::Active, u"Active beach %1"_s.arg(i));
    const ContextHits hits = store.contextHits(u"beach"_s, freeTexts, 10);
    QCOMPARE(hits.lines.size(), 10);
    QCOMPARE(hits.lines.at(7).text, u"Active beach 7"_s);
    QCOMPARE(hits.lines.at(9).text, u"Beach picture 1"_s);
    QCOMPARE(hits.activeCount, 10);
    QCOMPARE(hits.staticCount, 30);
}

// The records written from the session's free texts at the end of a folder carry a key that is
// only lower-cased; an accent-folded search finds them all the same.
void ContextDicTest::contextHitsFoldLowerCasedKeys()
{
    DictionaryStore &store = m_fixture->store;
    QVERIFY(store.SaveActDicContents(1, {u"Café Müller"_s}));
    QCOMPARE(readFile(m_fixture->staticContextFile()), contextRecord(u"Café Müller"_s, u"café müller"_s));
    QVERIFY(store.InitContextDic(DicIndex::Static, false, false, -1));
    const ContextHits hits = store.contextHits(u"cafe"_s, {}, 10);
    QCOMPARE(hits.lines, (QList<ContextLine>{{u"Café Müller"_s, false, {0}}}));
}

QTEST_GUILESS_MAIN(ContextDicTest)
#include "contextdictest.moc"
