#pragma once

#include "records/fileerror.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace Retitle {

// One 257-byte record of FolderUnique.dat: a folder whose files (and those of its subfolders) a
// new title must not collide with.
struct FolderUniqueRec
{
    static constexpr int size = 257;
    static constexpr int maxFolderLength = 255;

    QString folder;
    // Used in the test pass; an unchecked folder only stays in the list.
    bool checked = true;

    template<typename Rec, typename Visitor>
    static void layout(Rec &rec, Visitor &v)
    {
        v.string(0, maxFolderLength, rec.folder);
        v.boolean(256, rec.checked);
    }

    bool operator==(const FolderUniqueRec &) const = default;
};

// The whole list in file order; a damaged file gives its whole records.
[[nodiscard]] Records::FileResult<QList<FolderUniqueRec>> readFolderUnique(const QString &path);
[[nodiscard]] Records::FileResult<void> writeFolderUnique(const QString &path, const QList<FolderUniqueRec> &records);

} // namespace Retitle
