#include "storage/existingfolders.h"

namespace Storage {

bool groupTakes(const ExistingFolders &group, const QDateTime &date, const QString &lowerSubject)
{
    // Compared as calendar days and clock time: local times need no time-zone lookup then.
    const QDate day = date.date();
    const QDate last = group.ExDateTo.date();
    return group.ExSubject.toLower() == lowerSubject && group.ExDateFrom.date() <= day
           && (day <= last || (day == last.addDays(1) && date.time() == QTime(0, 0)));
}

int FindStorageFolder(const QList<ExistingFolders> &list, FolderList which, const QString &text, qsizetype length,
                      const QDateTime &date, const QString &lowerSubject)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        const ExistingFolders &folder = list.at(i);
        bool found = false;
        switch (which) {
        case FolderList::DateTaken:
            found = QStringView(folder.ExFolderL).left(length) == text;
            break;
        case FolderList::Group:
            found = groupTakes(folder, date, lowerSubject);
            break;
        case FolderList::New:
            found = folder.ExFolderL == text;
            break;
        }
        if (found)
            return int(i);
    }
    return -1;
}

} // namespace Storage
