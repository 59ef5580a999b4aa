#include "session/previoustitles.h"

namespace Session {

PreviousTitles::PreviousTitles(const QStringList &recordTitles) : m_stillPresent(recordTitles.size(), false)
{
    m_exact.reserve(recordTitles.size());
    m_lowerCase.reserve(recordTitles.size());
    for (int i = 0; i < recordTitles.size(); ++i) {
        m_exact[recordTitles.at(i)].append(i);
        m_lowerCase[recordTitles.at(i).toLower()].append(i);
    }
}

int PreviousTitles::takeFirstUnused(QList<int> *candidates)
{
    // Candidates are in file order; taken ones are dropped from the front so repeated names stay
    // linear overall.
    while (!candidates->isEmpty()) {
        const int index = candidates->takeFirst();
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
            result[i] = takeFirstUnused(&it.value());
    }
    for (int i = 0; i < names.size(); ++i) {
        if (result.at(i) >= 0)
            continue;
        const auto it = m_lowerCase.find(names.at(i).toLower());
        if (it != m_lowerCase.end())
            result[i] = takeFirstUnused(&it.value());
    }
    return result;
}

int PreviousTitles::CheckInPrevNotInCurrent() const
{
    return int(m_stillPresent.count(false));
}

} // namespace Session
