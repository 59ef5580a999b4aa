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
    // Texts are kept apart by length, as the list always did; each length has its own set.
    const qsizetype length = std::clamp<qsizetype>(text.size(), 1, lengthBuckets);
    QSet<QString> &bucket = m_listed[size_t(length - 1)];
    const qsizetype before = bucket.size();
    bucket.insert(text);
    return bucket.size() == before;
}

void EntryTable::clearListed()
{
    for (QSet<QString> &bucket : m_listed)
        bucket.clear();
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
    const auto keyLess = [this](qint32 a, qint32 b) {
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
