#include "session/previoustitles.h"

namespace Session {

namespace {

// QString::toLower() looks every character up in the Unicode tables; names are mostly ASCII,
// where lower-casing is the plain letter shift and gives the same result much faster.
QString lowerCase(const QString &title)
{
    bool upper = false;
    for (const QChar c : title) {
        if (c.unicode() >= 0x80)
            return title.toLower();
        upper = upper || (c >= u'A' && c <= u'Z');
    }
    if (!upper)
        return title;
    QString lower(title.size(), Qt::Uninitialized);
    QChar *out = lower.data();
    for (const QChar c : title)
        *out++ = (c >= u'A' && c <= u'Z') ? QChar(c.unicode() - u'A' + u'a') : c;
    return lower;
}

// Puts record at the front of the chain of key. Records are chained from the last to the
// first, so that each chain runs in file order.
void prepend(QHash<QString, int> *first, QList<int> *next, const QString &key, int record)
{
    const auto it = first->find(key);
    if (it == first->end()) {
        first->insert(key, record);
    } else {
        (*next)[record] = *it;
        *it = record;
    }
}

} // namespace

PreviousTitles::PreviousTitles(const QStringList &recordTitles)
    : m_stillPresent(recordTitles.size(), false),
      m_nextExact(recordTitles.size(), -1),
      m_nextLowerCase(recordTitles.size(), -1)
{
    m_exact.reserve(recordTitles.size());
    m_lowerCase.reserve(recordTitles.size());
    for (int i = int(recordTitles.size()) - 1; i >= 0; --i) {
        prepend(&m_exact, &m_nextExact, recordTitles.at(i), i);
        prepend(&m_lowerCase, &m_nextLowerCase, lowerCase(recordTitles.at(i)), i);
    }
}

int PreviousTitles::takeFirstUnused(int *first, const QList<int> &next)
{
    // Records before *first are all taken, so the chain is walked from there, and each step
    // passes a record for good: repeated names stay linear overall.
    while (*first >= 0) {
        const int index = *first;
        *first = next.at(index);
        if (!m_stillPresent.at(index)) {
            m_stillPresent[index] = true;
            return index;
        }
    }
    return -1;
}

QList<int> PreviousTitles::match(const QStringList &names)
{
    QList<int> result(names.size(), -1);
    for (int i = 0; i < names.size(); ++i) {
        const auto it = m_exact.find(names.at(i));
        if (it != m_exact.end())
            result[i] = takeFirstUnused(&it.value(), m_nextExact);
    }
    for (int i = 0; i < names.size(); ++i) {
        if (result.at(i) >= 0)
            continue;
        const auto it = m_lowerCase.find(lowerCase(names.at(i)));
        if (it != m_lowerCase.end())
            result[i] = takeFirstUnused(&it.value(), m_nextLowerCase);
    }
    return result;
}

int PreviousTitles::CheckInPrevNotInCurrent() const
{
    return int(m_stillPresent.count(false));
}

} // namespace Session
