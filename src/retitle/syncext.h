#pragma once

#include "records/fileerror.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Retitle {

// One 12-byte record of SyncExt.dat: an extension (lower case, without dot) whose files follow
// the picture of the same name.
struct SyncExtRec
{
    static constexpr int size = 12;
    static constexpr int maxExtensionLength = 10;

    QString extension;
    // Synchronized; an unchecked extension only stays in the list.
    bool checked = true;

    template<typename Rec, typename Visitor>
    static void layout(Rec &rec, Visitor &v)
    {
        v.string(0, maxExtensionLength, rec.extension);
        v.boolean(11, rec.checked);
    }

    bool operator==(const SyncExtRec &) const = default;
};

[[nodiscard]] Records::FileResult<QList<SyncExtRec>> readSyncExt(const QString &path);
[[nodiscard]] Records::FileResult<void> writeSyncExt(const QString &path, const QList<SyncExtRec> &records);

// The sync extensions of a pass: "wav" and "mov" while voice files are kept synchronized.
QStringList voiceExtensions(bool keepVoiceSynchronized);
// Appends the checked extensions of the list, in list order, leaving out any already there.
void AddToSyncExt(QStringList *extensions, const QList<SyncExtRec> &records);

} // namespace Retitle
