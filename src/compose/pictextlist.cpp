#include "compose/pictextlist.h"

#include "compose/inputrules.h"
#include "compose/pictextrec.h"

#include "l10n/errortext.h"
#include "l10n/text.h"
#include "platform/dialogs.h"
#include "records/damagedfile.h"
#include "records/daycount.h"
#include "records/recordfile.h"
#include "records/textcodec.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

using namespace Qt::StringLiterals;

namespace Compose {

using L10n::text;

namespace {

constexpr int recordSize = PicPrefixRec::size;
constexpr int defaultMaximum = 50;

// The alphabetical key: the bytes of the stored lower-case short string.
QByteArray keyOf(const QString &low)
{
    QByteArray key(pictureTextLength, Qt::Uninitialized);
    key.truncate(Records::TextCodec::encode(low, key.data(), key.size()));
    return key;
}

// A date-time that cannot be compared sorts as the oldest, so that a damaged record can neither
// upset the sort nor push out a real entry.
double recency(double lastUsed)
{
    return std::isfinite(lastUsed) ? lastUsed : -std::numeric_limits<double>::infinity();
}

} // namespace

PicTextList::PicTextList(PicTextKind kind, const QString &path, int maximum, Platform::Dialogs &dialogs,
                         Clock clock, QObject *parent)
    : QObject(parent), m_kind(kind), m_path(path), m_maximum(maximum < 1 ? defaultMaximum : maximum),
      m_dialogs(dialogs), m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); }))
{
}

PicTextList::~PicTextList() = default;

void PicTextList::setMaximum(int maximum)
{
    m_maximum = maximum < 1 ? defaultMaximum : maximum;
}

QByteArray PicTextList::encode(const PicTextEntry &entry) const
{
    if (m_kind == PicTextKind::Prefix)
        return PicPrefixRec{entry.text, entry.low, entry.lastUsed, false}.toBytes();
    return PicSuffixRec{entry.text, entry.low, entry.lastUsed, false}.toBytes();
}

PicTextEntry PicTextList::decode(const QByteArray &bytes) const
{
    if (m_kind == PicTextKind::Prefix) {
        const PicPrefixRec rec = PicPrefixRec::fromBytes(bytes);
        return {rec.PPPrefix, rec.PPPrefixLow, rec.PPLastUsed};
    }
    const PicSuffixRec rec = PicSuffixRec::fromBytes(bytes);
    return {rec.PSSuffix, rec.PSSuffixLow, rec.PSLastUsed};
}

void PicTextList::report(Failure failure, const Records::FileError &error)
{
    QString message;
    if (m_kind == PicTextKind::Prefix)
        message = failure == Failure::Update ? text(859, "Picture prefix could not be updated or added!")
                                             : text(1274, "Picture prefix could not be removed!");
    else
        message = failure == Failure::Update ? text(860, "Picture Suffix could not be updated or added!")
                                             : text(1275, "Picture Suffix could not be removed!");
    m_dialogs.inform({L10n::title(), message + u'\n' + L10n::describe(error), Platform::Severity::Error});
}

Records::FileResult<void> PicTextList::rewriteFile(const QList<PicTextEntry> &entries) const
{
    QByteArray all;
    all.reserve(entries.size() * recordSize);
    for (const PicTextEntry &entry : entries)
        all.append(encode(entry));
    return Records::RecordFile(m_path, recordSize).rewrite(all);
}

Records::FileResult<void> PicTextList::init(bool clear)
{
    const Records::RecordFile file(m_path, recordSize);
    if (clear || !file.exists()) {
        if (auto written = rewriteFile({}); !written)
            return written;
        m_table.clear();
        m_sorted.clear();
        m_sort = SortOrder::Alphabetical;
        Q_EMIT itemsChanged();
        Q_EMIT fieldTextCleared();
        return {};
    }
    if (auto read = readIntoTable(); !read)
        return read;
    if (m_table.size() > m_maximum) {
        sortPointer(SortOrder::MostRecentFirst);
        if (auto truncated = truncateToMaximum(); !truncated)
            return truncated;
    }
    sortPointer(SortOrder::Alphabetical);
    Q_EMIT itemsChanged();
    return {};
}

Records::FileResult<void> PicTextList::readIntoTable()
{
    const Records::RecordFile file(m_path, recordSize);
    auto records = file.readAll();
    const bool damaged = !records && records.error().code == Records::FileError::Code::Damaged;
    if (damaged)
        records = file.readWholeRecords();
    if (!records)
        return Records::fail(records.error());
    QList<PicTextEntry> table;
    table.reserve(records->size());
    for (const QByteArray &bytes : *records)
        table.append(decode(bytes));
    if (damaged) {
        // The rewrite drops the broken tail: its bytes are kept beside the file first.
        const auto kept = Records::keepIfDamaged(m_path, recordSize);
        if (!kept)
            return Records::fail(kept.error());
        if (auto written = file.rewrite(*records); !written)
            return written;
        // In a box: at the start a status line text would soon give way to the next one.
        if (*kept)
            m_dialogs.inform({L10n::title(), L10n::describe(**kept), Platform::Severity::Warning});
    }
    m_table = table;
    m_sorted.resize(m_table.size());
    std::iota(m_sorted.begin(), m_sorted.end(), 0);
    m_sort = SortOrder::Alphabetical;
    return {};
}

void PicTextList::sortPointer(SortOrder sort)
{
    m_sorted.resize(m_table.size());
    std::iota(m_sorted.begin(), m_sorted.end(), 0);
    if (sort == SortOrder::Alphabetical) {
        QList<QByteArray> keys;
        keys.reserve(m_table.size());
        for (const PicTextEntry &entry : std::as_const(m_table))
            keys.append(keyOf(entry.low));
        std::stable_sort(m_sorted.begin(), m_sorted.end(), [&keys](int a, int b) { return keys.at(a) < keys.at(b); });
    } else {
        std::stable_sort(m_sorted.begin(), m_sorted.end(), [this](int a, int b) {
            return recency(m_table.at(a).lastUsed) > recency(m_table.at(b).lastUsed);
        });
    }
    m_sort = sort;
}

Records::FileResult<void> PicTextList::truncateToMaximum()
{
    if (m_table.size() <= m_maximum)
        return {};
    QList<PicTextEntry> kept;
    kept.reserve(m_maximum);
    for (int i = 0; i < m_maximum; ++i)
        kept.append(m_table.at(m_sorted.at(i)));
    if (auto written = rewriteFile(kept); !written)
        return written;
    m_table = kept;
    m_sorted.resize(m_table.size());
    std::iota(m_sorted.begin(), m_sorted.end(), 0);
    return {};
}

Records::FileResult<PicTextEntry> PicTextList::update(qint64 filePointer, const QString &newText)
{
    const QString cut = Records::TextCodec::fitted(newText, pictureTextLength);
    const PicTextEntry entry{cut, cut.toLower(), Records::DayCount::fromDateTime(m_clock())};
    const QByteArray bytes = encode(entry);
    const Records::RecordFile file(m_path, recordSize);
    // The file is created when it vanished since it was loaded, so that a use is never lost.
    if (auto created = file.create(); !created)
        return Records::fail(created.error());
    if (auto written = file.write(filePointer, bytes); !written)
        return Records::fail(written.error());
    return decode(bytes);
}

void PicTextList::insertSorted(int recordNumber)
{
    const QByteArray key = keyOf(m_table.at(recordNumber).low);
    // After the last entry of an equal key, as a stable sort of the appended record would put it.
    const auto at = std::upper_bound(m_sorted.begin(), m_sorted.end(), key, [this](const QByteArray &k, int index) {
        return k < keyOf(m_table.at(index).low);
    });
    m_sorted.insert(at, recordNumber);
}

bool PicTextList::add(const QString &newText)
{
    if (newText.isEmpty())
        return true;
    if (m_sort != SortOrder::Alphabetical)
        sortPointer(SortOrder::Alphabetical);
    // The text as its record will hold it, cut to its field and cleaned as it is read, so that an
    // identical text does not look changed.
    const QString cut = Records::TextCodec::fitted(newText, pictureTextLength);
    const PicTextEntry stored = decode(encode({cut, cut.toLower(), 0}));
    const QByteArray key = keyOf(stored.low);
    const auto found = std::lower_bound(m_sorted.begin(), m_sorted.end(), key, [this](int index, const QByteArray &k) {
        return keyOf(m_table.at(index).low) < k;
    });
    if (found != m_sorted.end() && keyOf(m_table.at(*found).low) == key) {
        const int recordNumber = *found;
        const bool caseChanged = m_table.at(recordNumber).text != stored.text;
        const auto written = update(recordNumber, cut);
        if (!written) {
            report(Failure::Update, written.error());
            return false;
        }
        m_table[recordNumber] = *written;
        if (caseChanged)
            Q_EMIT itemsChanged();
        return true;
    }
    const auto written = update(m_table.size(), cut);
    if (!written) {
        report(Failure::Update, written.error());
        return false;
    }
    m_table.append(*written);
    insertSorted(int(m_table.size()) - 1);
    Q_EMIT itemsChanged();
    return true;
}

bool PicTextList::deleteText(const QString &low)
{
    const QByteArray key = keyOf(low);
    QList<PicTextEntry> kept;
    kept.reserve(m_table.size());
    for (const PicTextEntry &entry : std::as_const(m_table)) {
        if (keyOf(entry.low) != key)
            kept.append(entry);
    }
    if (auto written = rewriteFile(kept); !written) {
        report(Failure::Removal, written.error());
        return false;
    }
    m_table = kept;
    sortPointer(SortOrder::Alphabetical);
    Q_EMIT itemsChanged();
    Q_EMIT fieldTextCleared();
    return true;
}

QStringList PicTextList::dropDownItems() const
{
    QStringList items;
    items.reserve(m_sorted.size());
    for (const int index : m_sorted)
        items.append(m_table.at(index).text);
    return items;
}

void PicTextList::clearAllItems()
{
    Platform::Question question;
    question.caption = L10n::title();
    question.lines = {text(869, "Clear all items from the drop down list?")};
    question.buttons = {L10n::standard(L10n::Standard::Yes), L10n::standard(L10n::Standard::No)};
    question.defaultButton = 0;
    question.escapeButton = 1;
    if (m_dialogs.ask(question).button != 0)
        return;
    if (auto cleared = init(true); !cleared)
        report(Failure::Removal, cleared.error());
}

int PicTextList::dropDownIndexOf(const QString &fieldText) const
{
    for (int i = 0; i < m_sorted.size(); ++i) {
        if (m_table.at(m_sorted.at(i)).text == fieldText)
            return i;
    }
    return -1;
}

bool PicTextList::deleteItem(int dropDownIndex)
{
    if (dropDownIndex < 0 || dropDownIndex >= m_sorted.size())
        return true;
    return deleteText(m_table.at(m_sorted.at(dropDownIndex)).text.toLower());
}

} // namespace Compose
