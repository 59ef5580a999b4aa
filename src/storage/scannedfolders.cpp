#include "storage/scannedfolders.h"

#include <algorithm>

namespace Storage {

void ScannedFolders::clear()
{
    m_dateTaken.clear();
    m_groups.clear();
    m_byPath.clear();
    m_sorted = true;
    m_groupsBySubject.clear();
}

void ScannedFolders::appendDateTaken(const ExistingFolders &folder)
{
    m_byPath.emplace_back(folder.ExFolderL, int(m_dateTaken.size()));
    m_dateTaken.append(folder);
    m_sorted = false;
}

void ScannedFolders::appendGroup(const ExistingFolders &folder)
{
    m_groupsBySubject[folder.ExSubject.toLower()].append(int(m_groups.size()));
    m_groups.append(folder);
}

int ScannedFolders::findDateTaken(const QString &prefix) const
{
    if (!m_sorted) {
        std::sort(m_byPath.begin(), m_byPath.end());
        m_sorted = true;
    }
    auto it = std::lower_bound(m_byPath.cbegin(), m_byPath.cend(), prefix,
                               [](const std::pair<QString, int> &entry, const QString &key) { return entry.first < key; });
    int first = -1;
    for (; it != m_byPath.cend() && it->first.startsWith(prefix); ++it) {
        if (first < 0 || it->second < first)
            first = it->second;
    }
    return first;
}

int ScannedFolders::findGroup(const QDateTime &date, const QString &lowerSubject) const
{
    const auto found = m_groupsBySubject.constFind(lowerSubject);
    if (found == m_groupsBySubject.cend())
        return -1;
    for (const int index : *found) {
        if (groupTakes(m_groups.at(index), date, lowerSubject))
            return index;
    }
    return -1;
}

} // namespace Storage
