#include "storage/existingfolders.h"

namespace Storage {

bool groupTakes(const ExistingFolders &group, const QDateTime &date, const QString &lowerSubject)
{
    return group.ExSubject.toLower() == lowerSubject && group.ExDateFrom.date().startOfDay() <= date
           && date <= group.ExDateTo.date().addDays(1).startOfDay();
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
