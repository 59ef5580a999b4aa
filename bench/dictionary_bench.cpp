// The completion lookup while the user types, over 100,000 Static entries and 5,000 Active ones
// made from generated phrases, for typed prefixes of 1 to 6 characters: the median and the worst
// lookup (each the best of a few runs of the same lookup). And the start-up load of a
// LoadedDic.dat of 100,000 records, from the table the previous start-up kept and from the
// records themselves, next to reading the same file's bytes in the same run.
//
// usage: dictionary_bench [PARENT]   (PARENT of the scratch folder, default /var/tmp)
#include "benchharness.h"

#include "dictionary/dictionarystore.h"
#include "dictionary/pictitlerec.h"
#include "dictionary/texthelpers.h"

#include "platform/dialogs.h"
#include "settings/programsettings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;
using Dictionary::DicIndex;

namespace {

constexpr int staticEntries = 100'000;
constexpr int activeEntries = 5'000;
constexpr int fileRecords = 100'000;
constexpr int maxHits = 20;
constexpr int loadRepetitions = 3;
constexpr int lookupsPerLength = 2'000;
constexpr int runsPerLookup = 5;

class SilentDialogs final : public Platform::Dialogs
{
public:
    void inform(const Platform::Message &message) override { informed.append(message.text); }
    Platform::Answer ask(const Platform::Question &question) override { return {question.defaultButton, false}; }
    void status(const Platform::StatusMessage &) override {}
    std::optional<QString> chooseFolder(const QString &, const QString &) override { return std::nullopt; }

    QStringList informed;
};

// Words built from syllables, some with accents and capitals, as picture titles have them.
class PhraseMaker final
{
public:
    PhraseMaker() : m_random(20261209)
    {
        const QStringList syllables{u"ba"_s, u"ro"_s, u"ni"_s, u"ca"_s, u"tel"_s, u"mar"_s, u"so"_s, u"lin"_s,
                                    u"dé"_s, u"pa"_s, u"ris"_s, u"ha"_s, u"bour"_s, u"ge"_s, u"ve"_s, u"ko"_s,
                                    u"strand"_s, u"zee"_s, u"berg"_s, u"ü"_s, u"ça"_s, u"fi"_s, u"lo"_s, u"wa"_s};
        for (int i = 0; i < 20'000; ++i) {
            QString word;
            const int parts = 1 + int(m_random.bounded(4));
            for (int p = 0; p < parts; ++p)
                word += syllables.at(m_random.bounded(syllables.size()));
            if (m_random.bounded(4) == 0)
                word[0] = word.at(0).toUpper();
            m_words.append(word);
        }
        m_words.append({u"2019"_s, u"2020"_s, u"2021"_s, u"Paris"_s, u"beach"_s, u"sunset"_s});
    }

    QString phrase()
    {
        QString text;
        const int words = 1 + int(m_random.bounded(4));
        for (int w = 0; w < words; ++w) {
            if (w > 0)
                text += u' ';
            text += m_words.at(m_random.bounded(m_words.size()));
        }
        return text;
    }

    QRandomGenerator &random() { return m_random; }

private:
    QRandomGenerator m_random;
    QStringList m_words;
};

double microseconds(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e3;
}

void fill(Dictionary::DictionaryStore &store, DicIndex which, int count, PhraseMaker &maker)
{
    while (store.table(which).highestIndex() + 1 < count)
        store.AddToDictionary(maker.phrase(), which);
    store.VulHulpDicTabel(which);
    store.SortHulpDicTabel(which);
}

void benchmarkLookups(const QString &folder)
{
    SilentDialogs dialogs;
    Settings::ProgramSettings settings(folder + u"PSMSet.dat"_s);
    Dictionary::DictionaryStore store(folder, settings, dialogs, u"4.4.0.0"_s);
    PhraseMaker maker;
    fill(store, DicIndex::Static, staticEntries, maker);
    fill(store, DicIndex::Active, activeEntries, maker);

    std::vector<double> all;
    double rawWorst = 0;
    int lines = 0;
    for (int length = 1; length <= 6; ++length) {
        std::vector<double> times;
        for (int i = 0; i < lookupsPerLength; ++i) {
            // Prefixes of entries the user could be typing, from both dictionaries.
            const DicIndex which = i % 4 == 0 ? DicIndex::Active : DicIndex::Static;
            const Dictionary::EntryTable &table = store.table(which);
            const QString text = table.entry(int(maker.random().bounded(table.highestIndex() + 1))).DicTitle;
            const QString prefix = Dictionary::FoldText(text.left(length));
            // The best of a few runs of one lookup: a run that the scheduler interrupts on a busy
            // machine says nothing about the lookup. The raw worst is reported beside it.
            double best = 0;
            for (int run = 0; run < runsPerLookup; ++run) {
                QElapsedTimer timer;
                timer.start();
                lines += int(store.completions(prefix, maxHits).size());
                const double time = microseconds(timer.nsecsElapsed());
                best = run == 0 ? time : std::min(best, time);
                rawWorst = std::max(rawWorst, time);
            }
            times.push_back(best);
        }
        std::sort(times.begin(), times.end());
        Bench::report("completion_median_prefix_" + std::to_string(length), times[times.size() / 2], "us");
        Bench::report("completion_worst_prefix_" + std::to_string(length), times.back(), "us");
        all.insert(all.end(), times.begin(), times.end());
    }
    std::sort(all.begin(), all.end());
    Bench::report("completion_median", all[all.size() / 2], "us");
    Bench::report("completion_worst", all.back(), "us");
    Bench::report("completion_worst_single_run", rawWorst, "us");
    if (lines == 0)
        Bench::fail("no completion found");
}

// The median load time of a file of records titles, in milliseconds.
double benchmarkLoad(const QString &folder, int records)
{
    const QString path = folder + u"LoadedDic.dat"_s;
    {
        PhraseMaker maker;
        QByteArray content;
        content.reserve(qsizetype(records) * Dictionary::PicTitleRec::size);
        for (int i = 0; i < records; ++i) {
            Dictionary::PicTitleRec rec;
            rec.title = maker.phrase();
            rec.version = u"4.4.0.0"_s;
            rec.source = i % 3 == 0 ? u"F"_s : u"N"_s;
            content += rec.toBytes();
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            Bench::fail("cannot write LoadedDic.dat");
    }
    Bench::Samples reads;
    Bench::Samples loads;
    Bench::Samples coldLoads;
    int entries = 0;
    int coldEntries = 0;
    const auto load = [&](Bench::Samples &samples, int *loaded) {
        SilentDialogs dialogs;
        Settings::ProgramSettings settings(folder + u"PSMSet.dat"_s);
        Dictionary::DictionaryStore store(folder, settings, dialogs, u"4.4.0.0"_s);
        store.setBuildMode(Dictionary::BuildMode::Read);
        samples.time([&] {
            if (!store.MakeDic(QString(), DicIndex::Static))
                Bench::fail("the load failed");
        });
        *loaded = store.table(DicIndex::Static).highestIndex() + 1;
    };
    for (int repetition = 0; repetition < loadRepetitions; ++repetition) {
        // The bytes alone, through one reused buffer of the size the load reads in: no parsing
        // and no fresh memory to fault in, the least any load must spend.
        reads.time([&] {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                Bench::fail("cannot open LoadedDic.dat");
            QByteArray buffer(256 * 1024, Qt::Uninitialized);
            qint64 total = 0;
            for (qint64 got = 0; (got = file.read(buffer.data(), buffer.size())) > 0;)
                total += got;
            if (total != qint64(records) * Dictionary::PicTitleRec::size)
                Bench::fail("cannot read LoadedDic.dat");
        });
        // The first start-up after the file changed examines every record and keeps the table;
        // every other start-up takes the kept table.
        QFile::remove(folder + u"LoadedDic.idx"_s);
        load(coldLoads, &coldEntries);
        load(loads, &entries);
    }
    if (entries != coldEntries)
        Bench::fail("the kept table differs from the records");
    const std::string size = std::to_string(records);
    Bench::report("load_" + size + "_records", loads.median(), "ms");
    Bench::report("load_from_records_" + size + "_records", coldLoads.median(), "ms");
    Bench::report("read_bytes_" + size + "_records", reads.median(), "ms");
    Bench::report("load_ratio_" + size, loads.median() / reads.median(), "x");
    Bench::report("load_from_records_ratio_" + size, coldLoads.median() / reads.median(), "x");
    Bench::report("load_entries_" + size, entries, "entries");
    return loads.median();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QString parent = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"/var/tmp"_s;
    QTemporaryDir scratch(parent + u"/dictionary_bench-XXXXXX"_s);
    if (!scratch.isValid())
        Bench::fail("cannot create the scratch folder");
    const QString folder = scratch.path() + u'/';
    benchmarkLookups(folder);
    const double small = benchmarkLoad(folder, fileRecords / 10);
    const double large = benchmarkLoad(folder, fileRecords);
    // About 1 when the load grows linearly with the file.
    Bench::report("load_per_record_scaling_100000_vs_10000", (large / fileRecords) / (small / (fileRecords / 10)), "x");
    return 0;
}
