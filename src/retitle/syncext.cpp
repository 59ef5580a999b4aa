#include "retitle/syncext.h"

#include "retitle/recordlist_p.h"

using namespace Qt::StringLiterals;

namespace Retitle {

Records::FileResult<QList<SyncExtRec>> readSyncExt(const QString &path)
{
    return readRecordList<SyncExtRec>(path);
}

Records::FileResult<void> writeSyncExt(const QString &path, const QList<SyncExtRec> &records)
{
    return writeRecordList(path, records);
}

QStringList voiceExtensions(bool keepVoiceSynchronized)
{
    return keepVoiceSynchronized ? QStringList{u"wav"_s, u"mov"_s} : QStringList();
}

void AddToSyncExt(QStringList *extensions, const QList<SyncExtRec> &records)
{
    for (const SyncExtRec &rec : records) {
        // The editor refuses wav and mov, but a file written elsewhere might hold them; an
        // extension listed twice would move its file once and then roll the picture back.
        if (rec.checked && !rec.extension.isEmpty() && !extensions->contains(rec.extension))
            extensions->append(rec.extension);
    }
}

} // namespace Retitle
