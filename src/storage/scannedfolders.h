#pragma once

#include "storage/existingfolders.h"

#include <QHash>
#include <QList>
#include <QString>

#include <utility>
#include <vector>

namespace Storage {

// The date-taken and group folders found below the main folder, in the order found, indexed so
// that planning thousands of pictures does not walk the lists for each one. Every lookup answers
// as FindStorageFolder does on the lists: the first match in list order.
class ScannedFolders final
{
public:
    void clear();
    void appendDateTaken(const ExistingFolders &folder);
    void appendGroup(const ExistingFolders &folder);

    const QList<ExistingFolders> &dateTaken() const { return m_dateTaken; }
    const QList<ExistingFolders> &groups() const { return m_groups; }

    // The first date-taken folder whose ExFolderL starts with prefix, or -1.
    int findDateTaken(const QString &prefix) const;
    // The first group folder that takes a picture of this date and lower-case subject, or -1.
    int findGroup(const QDateTime &date, const QString &lowerSubject) const;

private:
    QList<ExistingFolders> m_dateTaken;
    QList<ExistingFolders> m_groups;
    // ExFolderL with its list index, sorted when first searched: the paths starting with a
    // prefix are adjacent from the prefix's lower bound on.
    mutable std::vector<std::pair<QString, int>> m_byPath;
    mutable bool m_sorted = true;
    // Group indexes in list order by lower-case subject.
    QHash<QString, QList<int>> m_groupsBySubject;
};

} // namespace Storage
