#include "dictionary/entrytable.h"

#include "dictionary/texthelpers.h"

#include <algorithm>

namespace Dictionary {

int indexBucketOf(QChar c)
{
    if (c >= u'a' && c <= u'z')
        return c.unicode() - u'a';
    if (c >= u'0' && c <= u'9')
        return 26 + (c.unicode() - u'0');
    return 36;
}

EntryTable::EntryTable(int initialCapacity)
{
    m_entries.reserve(size_t(initialCapacity));
}

void EntryTable::clearEntries(int capacity)
{
    listEntries();
    m_entries = {};
    m_entries.reserve(size_t(capacity));
}

int EntryTable::append(const QString &text)
{
    m_entries.push_back({text, FoldText(text.toLower())});
    return highestIndex();
}

bool EntryTable::listed(const QString &text)
{
    listEntries();
    const qsizetype before = m_listed.size();
    m_listed.insert(text);
    return m_listed.size() == before;
}

void EntryTable::clearListed()
{
    m_listed.clear();
    m_entriesListed = false;
}

void EntryTable::listEntries()
{
    if (!m_entriesListed)
        return;
    m_entriesListed = false;
    m_listed.reserve(qsizetype(m_entries.size()));
    for (const DicTitleRec &entry : m_entries)
        m_listed.insert(entry.DicTitle);
}

void EntryTable::restore(std::vector<DicTitleRec> entries, std::array<std::vector<qint32>, indexBuckets> buckets)
{
    m_entries = std::move(entries);
    for (size_t number = 0; number < m_buckets.size(); ++number) {
        m_buckets[number].numbers = std::move(buckets[number]);
        m_buckets[number].sorted = m_buckets[number].numbers.size();
    }
    m_listed.clear();
    m_entriesListed = true;
}

void EntryTable::clearIndex()
{
    for (IndexBucket &bucket : m_buckets)
        bucket = {};
}

void EntryTable::index(int first)
{
    for (int number = std::max(first, 0); number <= highestIndex(); ++number) {
        QString &key = m_entries[size_t(number)].DicTitleLow;
        if (key.isEmpty()) {
            m_buckets[36].numbers.push_back(number);
            continue;
        }
        QChar c = key.at(0);
        if (indexBucketOf(c) == 36 && indexBucketOf(FoldAccent(c)) != 36) {
            c = FoldAccent(c);
            key[0] = c;
        }
        m_buckets[size_t(indexBucketOf(c))].numbers.push_back(number);
    }
}

void EntryTable::sortIndex()
{
    // A stable sort gives exactly the order of exchanging neighbours whose left key is strictly
    // greater, without its quadratic cost; the part already sorted is merged with the new one.
    // The first four code units of each key, packed in one number, decide most comparisons.
    std::vector<quint64> heads(m_entries.size());
    for (size_t number = 0; number < m_entries.size(); ++number) {
        const QString &key = m_entries[number].DicTitleLow;
        quint64 head = 0;
        for (qsizetype i = 0; i < 4; ++i)
            head = (head << 16) | (i < key.size() ? key.at(i).unicode() : 0u);
        heads[number] = head;
    }
    const auto keyLess = [this, &heads](qint32 a, qint32 b) {
        const quint64 headA = heads[size_t(a)];
        const quint64 headB = heads[size_t(b)];
        if (headA != headB)
            return headA < headB;
        return QStringView(m_entries[size_t(a)].DicTitleLow).compare(m_entries[size_t(b)].DicTitleLow) < 0;
    };
    for (IndexBucket &bucket : m_buckets) {
        std::vector<qint32> &numbers = bucket.numbers;
        if (bucket.sorted >= numbers.size()) {
            bucket.sorted = numbers.size();
            continue;
        }
        const auto middle = numbers.begin() + std::ptrdiff_t(bucket.sorted);
        std::stable_sort(middle, numbers.end(), keyLess);
        std::inplace_merge(numbers.begin(), middle, numbers.end(), keyLess);
        bucket.sorted = numbers.size();
    }
}

qsizetype EntryTable::firstCandidate(int number, QStringView key) const
{
    const std::vector<qint32> &numbers = m_buckets[size_t(number)].numbers;
    // Cutting sorted keys to one length keeps them in order, so the cut keys below key form a
    // leading run of the bucket.
    const auto first = std::partition_point(numbers.begin(), numbers.end(), [&](qint32 entry) {
        return QStringView(m_entries[size_t(entry)].DicTitleLow).left(key.size()).compare(key) < 0;
    });
    return first - numbers.begin();
}

} // namespace Dictionary
