#include "retitle/folderunique.h"

#include "retitle/recordlist_p.h"

namespace Retitle {

Records::FileResult<QList<FolderUniqueRec>> readFolderUnique(const QString &path)
{
    return readRecordList<FolderUniqueRec>(path);
}

Records::FileResult<void> writeFolderUnique(const QString &path, const QList<FolderUniqueRec> &records)
{
    return writeRecordList(path, records);
}

} // namespace Retitle
