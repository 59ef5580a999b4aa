#pragma once

#include "records/fileerror.h"

#include <QString>

#include <functional>

namespace Platform {

// Renames or moves a file, also to another file system, and never replaces an existing entry:
// when to exists the move fails with CreateFailed and both files stay as they were. A move
// across file systems copies beside the target first and removes the source only once the copy
// holds the target's name, so an interruption at any point leaves the file under its old name,
// its new name or both, never under neither. Contents, permissions and time stamps travel along.
// Only a regular file moves: a folder, a symbolic link or a device at from fails with OpenFailed.
// beforeCopy, when given, is told the name of each temporary copy before that file is created,
// so that a caller can note it somewhere durable and remove it after an interruption.
[[nodiscard]] Records::FileResult<void> moveWithoutReplacing(
    const QString &from, const QString &to, const std::function<void(const QString &temporary)> &beforeCopy = {});

// The temporary copies of moves to another file system are named ".~<name>.<hex>.part".
bool isTemporaryCopyName(const QString &name);

// Whether a directory entry exists at path, a dangling symbolic link included.
bool entryExists(const QString &path);

} // namespace Platform
