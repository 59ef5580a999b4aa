#pragma once

#include "records/fileerror.h"

#include <QString>

#include <optional>

namespace Platform {

// Moves a file to the desktop's trash, from where the user can restore it; no confirmation, no
// progress. Succeeds only when the file really left its folder for a trash folder: should the
// trash put it anywhere else, it is moved back and the call fails.
[[nodiscard]] Records::FileResult<void> moveToTrash(const QString &path);

// A file in a freedesktop trash: the file under the trash's "files" and its ".trashinfo".
struct TrashedFile
{
    QString file;
    QString info;
    bool operator==(const TrashedFile &) const = default;
};

// The file the trash holds for originalPath, the most recently trashed first: in the user's
// trash and in the trash folders at the top of the file system that holds originalPath. With a
// size and a modification time (ns) only a file that still has them; empty when there is none.
std::optional<TrashedFile> findTrashed(const QString &originalPath, qint64 size = -1, qint64 modified = 0);

// Puts a trashed file back at originalPath, never replacing a file there, and removes its
// ".trashinfo".
[[nodiscard]] Records::FileResult<void> restoreFromTrash(const TrashedFile &trashed, const QString &originalPath);

} // namespace Platform
