#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace Storage {

// One storage folder below the main folder, existing or planned.
struct ExistingFolders
{
    // The full path; a planned folder may get " " and a description appended.
    QString ExFolder;
    // The full path in lower case, without any description appended later: pictures are matched
    // to the folder by it.
    QString ExFolderL;
    // As the clock reads them (StorageClock): a date-taken folder: its day twice; a group folder:
    // its first and last day (both at the start of the day); a planned folder: the storage date
    // of the picture that first asked for it, twice.
    QDateTime ExDateFrom;
    QDateTime ExDateTo;
    // A group folder: its subject levels joined by '/'; a planned folder: the subject of the
    // picture that first asked for it; empty for a date-taken folder.
    QString ExSubject;

    bool operator==(const ExistingFolders &) const = default;
};

enum class FolderList { DateTaken, Group, New };

// Whether a group folder takes in a picture with this storage date and lower-case subject: same
// subject in any letter case, and a date from its first day up to and including midnight after
// its last.
bool groupTakes(const ExistingFolders &group, const QDateTime &date, const QString &lowerSubject);

// The first entry of a list that matches, or -1. The date-taken list: the first whose ExFolderL
// cut to length characters equals text; the group list: the first that takes date and subject;
// the new-folder list: the first whose ExFolderL equals text.
int FindStorageFolder(const QList<ExistingFolders> &list, FolderList which, const QString &text, qsizetype length,
                      const QDateTime &date, const QString &lowerSubject);

} // namespace Storage
