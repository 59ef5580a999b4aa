#pragma once

#include "records/fileerror.h"

#include <QString>

#include <optional>

namespace Records {

// A work file found damaged (its size not a whole number of records) whose bytes were kept beside
// it before a rewrite dropped its broken tail; l10n tells the user about it.
struct DamagedFile
{
    QString path;
    // Where the damaged file's bytes now also are: a name beside it that was free.
    QString keptAs;
    // The whole records the file goes on with.
    qint64 recordsKept = 0;

    bool operator==(const DamagedFile &) const = default;
};

// When the file at path is damaged (its size not a whole number of recordSize records), copies it
// to "<path>.damaged" or, when that name is taken, to the first free one of "<path>.damaged-2",
// "<path>.damaged-3", …: an earlier copy is never overwritten, and neither the file nor its copy
// is reached through a symbolic link. Nothing when the file is whole or missing. Called before a
// rewrite drops a broken tail; on failure the rewrite must not go ahead.
FileResult<std::optional<DamagedFile>> keepIfDamaged(const QString &path, int recordSize);

// keepIfDamaged, then cuts a damaged file back to its whole records, so that it reads whole and
// takes later records on a record boundary.
FileResult<std::optional<DamagedFile>> cutDamagedTail(const QString &path, int recordSize);

} // namespace Records
