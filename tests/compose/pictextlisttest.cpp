#include "compose/picprefixlist.h"
#include "compose/picsuffixlist.h"
#include "compose/pictextrec.h"

#include "records/daycount.h"
#include "support/bytes.h"
#include "support/fakedialogs.h"
#include "support/files.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace Compose;

namespace {

const QDateTime start(QDate(2024, 3, 1), QTime(9, 0));

QByteArray prefixRecord(const QString &text, double lastUsed)
{
    return PicPrefixRec{text, text.toLower(), lastUsed, false}.toBytes();
}

} // namespace

class PicTextListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void recordLayout();
    void missingFileIsCreatedEmpty();
    void alphabeticalOrderIsByteWise();
    void loadKeepsTheMostRecentlyUsed();
    void newTextIsAppendedAndSortedIn();
    void rememberingAKnownText();
    void forgettingRewritesInFileOrder();
    void contextMenuCommands();
    void failedWritesAreToldAndKeepTheList();
    void damagedFileKeepsItsWholeRecords();
    void textsAreCutToTheBytesOfTheirField();

private:
    QString path() const { return m_dir->filePath(u"PicPrefix.dat"_s); }
    std::unique_ptr<PicPrefixList> makeList(int maximum = 50);
    QList<PicPrefixRec> stored() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_dialogs;
    QDateTime m_now;
};

void PicTextListTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_dialogs = FakeDialogs();
    m_now = start;
}

void PicTextListTest::cleanup()
{
    m_dir.reset();
}

std::unique_ptr<PicPrefixList> PicTextListTest::makeList(int maximum)
{
    return std::make_unique<PicPrefixList>(path(), maximum, m_dialogs, [this] { return m_now; });
}

QList<PicPrefixRec> PicTextListTest::stored() const
{
    const QByteArray bytes = readFile(path());
    QList<PicPrefixRec> records;
    for (qsizetype offset = 0; offset + PicPrefixRec::size <= bytes.size(); offset += PicPrefixRec::size)
        records.append(PicPrefixRec::fromBytes(bytes.mid(offset, PicPrefixRec::size)));
    return records;
}

void PicTextListTest::recordLayout()
{
    auto list = makeList();
    QVERIFY(list->InitFPicPrefix(false));
    QVERIFY(list->AddPicPrefix(u"Café"_s));
    const QByteArray bytes = readFile(path());
    QCOMPARE(bytes.size(), 120);
    QCOMPARE(shortStringAt(bytes, 0), QByteArray("Caf\xc3\xa9"));
    QCOMPARE(shortStringAt(bytes, 51), QByteArray("caf\xc3\xa9"));
    QCOMPARE(float64At(bytes, 104), Records::DayCount::fromDateTime(start));
    QCOMPARE(bytes.at(112), '\0');

    // The suffix file has the same layout.
    PicSuffixList suffixes(m_dir->filePath(u"PicSuffix.dat"_s), 50, m_dialogs, [this] { return m_now; });
    QVERIFY(suffixes.InitFPicSuffix(false));
    QVERIFY(suffixes.AddPicSuffix(u"Café"_s));
    QCOMPARE(readFile(suffixes.path()), bytes);
    QCOMPARE(PicSuffixRec::fromBytes(bytes).PSSuffixLow, u"café"_s);

    // A file written elsewhere: what a title may not hold is gone once read.
    PicPrefixRec prefix{u"../a\nb"_s, u"../a\nb"_s, 0, false};
    QCOMPARE(PicPrefixRec::fromBytes(prefix.toBytes()).PPPrefix, u"..ab"_s);
    QCOMPARE(PicPrefixRec::fromBytes(prefix.toBytes()).PPPrefixLow, u"..ab"_s);
    PicSuffixRec suffix{u"x\u0000y:z"_s, u"x\u0000y:z"_s, 0, false};
    QCOMPARE(PicSuffixRec::fromBytes(suffix.toBytes()).PSSuffix, u"xyz"_s);
}

void PicTextListTest::missingFileIsCreatedEmpty()
{
    auto list = makeList();
    QSignalSpy cleared(list.get(), &PicTextList::fieldTextCleared);
    QVERIFY(list->InitFPicPrefix(false));
    QVERIFY(QFileInfo::exists(path()));
    QCOMPARE(readFile(path()).size(), 0);
    QCOMPARE(cleared.size(), 1);

    // Clear empties an existing list and its file.
    QVERIFY(writeFile(path(), prefixRecord(u"A"_s, 1) + prefixRecord(u"B"_s, 2)));
    QVERIFY(list->InitFPicPrefix(false));
    QCOMPARE(list->FillCBPicPrefix().size(), 2);
    QVERIFY(list->InitFPicPrefix(true));
    QVERIFY(list->FillCBPicPrefix().isEmpty());
    QCOMPARE(readFile(path()).size(), 0);
}

void PicTextListTest::alphabeticalOrderIsByteWise()
{
    // Stored lower-case bytes decide: "ä" (0xE4) sorts after "z", and a prefix before its longer form.
    QVERIFY(writeFile(path(), prefixRecord(u"Zoo"_s, 1) + prefixRecord(u"Äpfel"_s, 2) + prefixRecord(u"abc"_s, 3)
                                  + prefixRecord(u"AB"_s, 4)));
    auto list = makeList();
    QVERIFY(list->InitFPicPrefix(false));
    QCOMPARE(list->FillCBPicPrefix(), (QStringList{u"AB"_s, u"abc"_s, u"Zoo"_s, u"Äpfel"_s}));
    list->SortPointerPicPrefix(PicTextList::SortOrder::MostRecentFirst);
    QCOMPARE(list->FillCBPicPrefix(), (QStringList{u"AB"_s, u"abc"_s, u"Äpfel"_s, u"Zoo"_s}));
}

void PicTextListTest::loadKeepsTheMostRecentlyUsed()
{
    // 57 entries in shuffled order, entry i last used on day 1000 + i; the two with day 1010 tie.
    QList<int> days(57);
    std::iota(days.begin(), days.end(), 1000);
    days[20] = 1010;
    std::shuffle(days.begin(), days.end(), *QRandomGenerator::global());
    QByteArray content;
    for (int i = 0; i < days.size(); ++i)
        content += prefixRecord(u"Text %1"_s.arg(i, 2, 10, QChar(u'0')), days.at(i));
    QVERIFY(writeFile(path(), content));

    auto list = makeList();
    QVERIFY(list->InitFPicPrefix(false));
    const QList<PicPrefixRec> records = stored();
    QCOMPARE(records.size(), 50);
    QCOMPARE(list->table().size(), 50);
    for (int i = 0; i < records.size(); ++i) {
        QCOMPARE(list->table().at(i).text, records.at(i).PPPrefix);
        if (i > 0)
            QVERIFY(records.at(i - 1).PPLastUsed >= records.at(i).PPLastUsed);
    }
    QCOMPARE(records.first().PPLastUsed, 1056.0);
    QCOMPARE(records.last().PPLastUsed, 1007.0);
    const QStringList items = list->FillCBPicPrefix();
    QVERIFY(std::is_sorted(items.begin(), items.end()));

    // Within the maximum nothing is cut; a maximum below 1 counts as 50.
    auto again = makeList(0);
    QCOMPARE(again->maximum(), 50);
    QVERIFY(again->InitFPicPrefix(false));
    QCOMPARE(stored().size(), 50);
}

void PicTextListTest::newTextIsAppendedAndSortedIn()
{
    QVERIFY(writeFile(path(), prefixRecord(u"Beach"_s, 1) + prefixRecord(u"Zoo"_s, 2)));
    auto list = makeList();
    QVERIFY(list->InitFPicPrefix(false));
    QSignalSpy refill(list.get(), &PicTextList::itemsChanged);
    QVERIFY(list->AddPicPrefix(u"Mountain"_s));
    QVERIFY(list->AddPicPrefix(QString()));
    QCOMPARE(refill.size(), 1);
    QCOMPARE(list->FillCBPicPrefix(), (QStringList{u"Beach"_s, u"Mountain"_s, u"Zoo"_s}));
    QCOMPARE(stored().size(), 3);
    QCOMPARE(stored().at(2).PPPrefix, u"Mountain"_s);
    QCOMPARE(list->table().at(2).text, u"Mountain"_s);

    // A text longer than a record holds is remembered as stored.
    QVERIFY(list->AddPicPrefix(QString(60, u'x')));
    QCOMPARE(stored().at(3).PPPrefix, QString(50, u'x'));
    QVERIFY(list->AddPicPrefix(QString(55, u'x')));
    QCOMPARE(stored().size(), 4);
}

void PicTextListTest::rememberingAKnownText()
{
    QVERIFY(writeFile(path(), prefixRecord(u"zoo"_s, 1) + prefixRecord(u"beach"_s, 2)));
    auto list = makeList();
    QVERIFY(list->InitFPicPrefix(false));
    QSignalSpy refill(list.get(), &PicTextList::itemsChanged);

    // Another letter case replaces the remembered text in its record.
    m_now = start.addDays(1);
    QVERIFY(list->AddPicPrefix(u"Beach"_s));
    QCOMPARE(refill.size(), 1);
    QCOMPARE(stored().size(), 2);
    QCOMPARE(stored().at(1), (PicPrefixRec{u"Beach"_s, u"beach"_s, Records::DayCount::fromDateTime(m_now), false}));
    QCOMPARE(list->FillCBPicPrefix(), (QStringList{u"Beach"_s, u"zoo"_s}));

    // The identical text only refreshes its last use.
    m_now = start.addDays(2);
    QVERIFY(list->AddPicPrefix(u"Beach"_s));
    QCOMPARE(refill.size(), 1);
    QCOMPARE(stored().size(), 2);
    QCOMPARE(stored().at(1).PPLastUsed, Records::DayCount::fromDateTime(m_now));
    QCOMPARE(stored().at(0).PPLastUsed, 1.0);

    // A character the file cannot hold does not make the same text look new or changed.
    QVERIFY(list->AddPicPrefix(u"Łódź"_s));
    QVERIFY(list->AddPicPrefix(u"Łódź"_s));
    QCOMPARE(stored().size(), 3);
    QCOMPARE(refill.size(), 2);
}

void PicTextListTest::forgettingRewritesInFileOrder()
{
    QVERIFY(writeFile(path(), prefixRecord(u"Zoo"_s, 1) + prefixRecord(u"Beach"_s, 2) + prefixRecord(u"Alps"_s, 3)));
    auto list = makeList();
    QVERIFY(list->InitFPicPrefix(false));
    QSignalSpy cleared(list.get(), &PicTextList::fieldTextCleared);
    QVERIFY(list->DelElPicPrefix(u"beach"_s));
    QCOMPARE(cleared.size(), 1);
    const QList<PicPrefixRec> records = stored();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(0).PPPrefix, u"Zoo"_s);
    QCOMPARE(records.at(1).PPPrefix, u"Alps"_s);
    QCOMPARE(records.at(1).PPLastUsed, 3.0);
    QCOMPARE(list->FillCBPicPrefix(), (QStringList{u"Alps"_s, u"Zoo"_s}));

    // Appending after a removal lands at the new end of the file.
    QVERIFY(list->AddPicPrefix(u"Moon"_s));
    QCOMPARE(stored().at(2).PPPrefix, u"Moon"_s);
}

void PicTextListTest::contextMenuCommands()
{
    QVERIFY(writeFile(path(), prefixRecord(u"Zoo"_s, 1) + prefixRecord(u"Beach"_s, 2)));
    auto list = makeList();
    QVERIFY(list->InitFPicPrefix(false));
    QVERIFY(list->canClearAll());
    QCOMPARE(list->dropDownIndexOf(u"Zoo"_s), 1);
    QCOMPARE(list->dropDownIndexOf(u"zoo"_s), -1);
    QVERIFY(list->deleteItem(1));
    QCOMPARE(list->FillCBPicPrefix(), QStringList{u"Beach"_s});

    m_dialogs.answers.enqueue({1, false});
    list->clearAllItems();
    QCOMPARE(m_dialogs.asked.size(), 1);
    QCOMPARE(m_dialogs.asked.at(0).lines, QStringList{u"Clear all items from the drop down list?"_s});
    QCOMPARE(m_dialogs.asked.at(0).buttons.size(), 2);
    QCOMPARE(stored().size(), 1);

    m_dialogs.answers.enqueue({0, false});
    list->clearAllItems();
    QVERIFY(!list->canClearAll());
    QCOMPARE(readFile(path()).size(), 0);
}

void PicTextListTest::failedWritesAreToldAndKeepTheList()
{
    QVERIFY(writeFile(path(), prefixRecord(u"Beach"_s, 1)));
    auto list = makeList();
    QVERIFY(list->InitFPicPrefix(false));
    // A folder in the file's place makes every write fail, also for a user with every right.
    QVERIFY(QFile::remove(path()));
    QVERIFY(QDir().mkdir(path()));

    QVERIFY(!list->AddPicPrefix(u"Zoo"_s));
    QVERIFY(!list->AddPicPrefix(u"BEACH"_s));
    QCOMPARE(m_dialogs.informed.size(), 2);
    QVERIFY(m_dialogs.informed.at(0).text.startsWith(u"Picture prefix could not be updated or added!\n"_s));
    QCOMPARE(m_dialogs.informed.at(0).severity, Platform::Severity::Error);
    QVERIFY(!list->DelElPicPrefix(u"beach"_s));
    QVERIFY(m_dialogs.informed.at(2).text.startsWith(u"Picture prefix could not be removed!\n"_s));
    QCOMPARE(list->FillCBPicPrefix(), QStringList{u"Beach"_s});

    PicSuffixList suffixes(m_dir->filePath(u"PicSuffix.dat"_s), 50, m_dialogs);
    QVERIFY(QDir().mkdir(suffixes.path()));
    m_dialogs.answers.enqueue({0, false});
    suffixes.clearAllItems();
    QVERIFY(m_dialogs.informed.last().text.startsWith(u"Picture Suffix could not be removed!\n"_s));

    // At start-up a failure is returned for the initialization error, not shown.
    const qsizetype shown = m_dialogs.informed.size();
    QVERIFY(!makeList()->InitFPicPrefix(true));
    QCOMPARE(m_dialogs.informed.size(), shown);
}

void PicTextListTest::damagedFileKeepsItsWholeRecords()
{
    const QByteArray damaged = prefixRecord(u"Beach"_s, 1) + prefixRecord(u"Zoo"_s, 2) + QByteArray(30, 'x');
    QVERIFY(writeFile(path(), damaged));
    auto list = makeList();
    QVERIFY(list->InitFPicPrefix(false));
    QCOMPARE(list->FillCBPicPrefix(), (QStringList{u"Beach"_s, u"Zoo"_s}));
    QCOMPARE(readFile(path()).size(), 240);
    // The damaged file is kept beside it, and the user told which file and what it kept.
    QCOMPARE(readFile(path() + u".damaged"_s), damaged);
    QCOMPARE(m_dialogs.informed.size(), 1);
    QCOMPARE(m_dialogs.informed.at(0).severity, Platform::Severity::Warning);
    QVERIFY(m_dialogs.informed.at(0).text.startsWith(QDir::toNativeSeparators(path()) + u" was damaged"_s));
    QVERIFY(m_dialogs.informed.at(0).text.contains(u"Its first 2 whole record(s) were kept"_s));
    QVERIFY(m_dialogs.informed.at(0).text.endsWith(QDir::toNativeSeparators(path() + u".damaged"_s)));
    QVERIFY(list->AddPicPrefix(u"Moon"_s));
    QCOMPARE(stored().at(2).PPPrefix, u"Moon"_s);

    // A record whose date cannot be compared is the first to go when the list is cut.
    QVERIFY(writeFile(path(), prefixRecord(u"A"_s, qQNaN()) + prefixRecord(u"B"_s, 5) + prefixRecord(u"C"_s, 3)));
    auto small = makeList(2);
    QVERIFY(small->InitFPicPrefix(false));
    QCOMPARE(small->FillCBPicPrefix(), (QStringList{u"B"_s, u"C"_s}));
}

void PicTextListTest::textsAreCutToTheBytesOfTheirField()
{
    // 30 Greek letters take 60 bytes of UTF-8: the 50-byte field keeps the first 25.
    const QString greek = QString(30, u'Ω');
    auto list = makeList();
    QVERIFY(list->InitFPicPrefix(false));
    QSignalSpy changed(list.get(), &PicTextList::itemsChanged);
    QVERIFY(list->AddPicPrefix(greek));
    QCOMPARE(list->FillCBPicPrefix(), QStringList{QString(25, u'Ω')});
    QCOMPARE(shortStringAt(readFile(path()), 0), QString(25, u'Ω').toUtf8());
    QCOMPARE(changed.size(), 1);
    // Used again, the text is the one remembered: not a new entry, nor a changed one.
    QVERIFY(list->AddPicPrefix(greek));
    QCOMPARE(list->table().size(), 1);
    QCOMPARE(changed.size(), 1);
    // No character is cut in two: a text of 24 Greek letters and a euro sign (51 bytes) keeps the
    // letters only.
    QVERIFY(list->AddPicPrefix(QString(24, u'ω') + u"€"_s));
    QCOMPARE(list->table().size(), 2);
    QCOMPARE(list->table().at(1).text, QString(24, u'ω'));
}

QTEST_GUILESS_MAIN(PicTextListTest)
#include "pictextlisttest.moc"
