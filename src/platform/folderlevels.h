#pragma once

#include "records/fileerror.h"

#include <QString>

#include <optional>

namespace Platform {

// Which folder a path names: the file system it lies on and its place there. A folder removed
// and made again, or a disk unmounted from under its mount point, gives another identity.
struct FolderIdentity
{
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const FolderIdentity &) const = default;
};

// The identity of the folder at path (a symbolic link at path is followed); none when path
// names no folder.
std::optional<FolderIdentity> folderIdentity(const QString &path);

// The first level of path below top (top itself excluded) that is a symbolic link, as a full
// path; empty when none is, or when path does not lie below top. Levels that do not exist end the
// search: nothing below them exists either.
QString firstSymbolicLinkBelow(const QString &top, const QString &path);

// Creates path and its missing levels below top, which must exist. No level below top is ever
// followed when it is a symbolic link, nor is anything created through one: each level is made
// inside the one above it, held open, so that a link put in place meanwhile is refused too. A
// link fails as Code::SymbolicLink naming it; any other failure as Code::CreateFailed naming the
// level that could not be made, with the system's words.
[[nodiscard]] Records::FileResult<void> makeFolderBelow(const QString &top, const QString &path);

} // namespace Platform
