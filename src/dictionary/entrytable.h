#pragma once

#include "dictionary/dictitlerec.h"

#include <QSet>
#include <QString>
#include <QStringView>

#include <array>
#include <vector>

namespace Dictionary {

// The index bucket of a comparison key's first character: 'a'..'z' give 0..25, '0'..'9' give
// 26..35, anything else 36.
int indexBucketOf(QChar c);

// One dictionary in memory: its entries (only ever appended; an entry's number is its index),
// the list of texts added so far that keeps out duplicates, and the first-character index.
class EntryTable final
{
public:
    static constexpr int indexBuckets = 37;

    explicit EntryTable(int initialCapacity);

    // Empties the entries and reserves room for capacity of them. The duplicate-check list and
    // the index are left alone.
    void clearEntries(int capacity);
    int highestIndex() const { return int(m_entries.size()) - 1; }
    const DicTitleRec &entry(int number) const { return m_entries[size_t(number)]; }
    const std::vector<DicTitleRec> &entries() const { return m_entries; }
    // Appends an entry for text with its comparison key; returns its number.
    int append(const QString &text);

    // The duplicate check of TitleUnique: true when text was listed before; otherwise it is
    // listed now and the result is false. Letter case counts.
    bool listed(const QString &text);
    void clearListed();

    // Empties the 37 index buckets.
    void clearIndex();
    // Takes over a table as a load left it before: the entries and the sorted buckets. Every
    // entry counts as listed, as it was when it was added.
    void restore(std::vector<DicTitleRec> entries, std::array<std::vector<qint32>, indexBuckets> buckets);
    // Whether no text is listed yet.
    bool nothingListed() const { return m_listed.isEmpty() && !m_entriesListed; }
    // Appends the entries from number first to the highest one to their buckets, unsorted.
    void index(int first);
    // Brings every bucket into ascending order of comparison key; entries with equal keys keep
    // the order in which they were indexed.
    void sortIndex();
    const std::vector<qint32> &bucket(int number) const { return m_buckets[size_t(number)].numbers; }

    // The first position of a sorted bucket whose entry's key, cut to the length of key, is not
    // below key; the bucket's size when there is none.
    qsizetype firstCandidate(int number, QStringView key) const;

private:
    struct IndexBucket
    {
        std::vector<qint32> numbers;
        // numbers[0, sorted) are in order; index() appends behind them.
        size_t sorted = 0;
    };

    // Lists the entries of a restored table, at the first duplicate check that needs them.
    void listEntries();

    std::vector<DicTitleRec> m_entries;
    // One set holds what the length buckets held apart: texts of different lengths never match.
    QSet<QString> m_listed;
    // The entries are listed but not yet in m_listed.
    bool m_entriesListed = false;
    std::array<IndexBucket, indexBuckets> m_buckets;
};

} // namespace Dictionary
