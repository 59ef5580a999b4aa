#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace Session {

// The titles of the previous session's records, for finding each picture's record again when a
// session is resumed. A picture takes the first unused record with exactly its name; failing
// that, the first unused record whose name differs only in letter case. A record serves one
// picture at most, because two files here may differ only in case.
class PreviousTitles final
{
public:
    // FillFSGTitleTable: one entry per record, in file order.
    explicit PreviousTitles(const QStringList &recordTitles = {});

    // The record index for each of names (in the same order), -1 where none matches. Exact
    // matches are settled for all names before any case-insensitive one, so the outcome does not
    // depend on the order of names.
    QList<int> match(const QStringList &names);
    // CheckInPrevNotInCurrent: the records no picture took.
    int CheckInPrevNotInCurrent() const;

private:
    // Records with the same key form a chain in file order: the hash holds its first record
    // still to be looked at, m_next* each record's successor (-1 at the end).
    int takeFirstUnused(int *first, const QList<int> &next);

    QList<bool> m_stillPresent;
    QHash<QString, int> m_exact;
    QHash<QString, int> m_lowerCase;
    QList<int> m_nextExact;
    QList<int> m_nextLowerCase;
};

} // namespace Session
