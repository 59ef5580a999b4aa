#pragma once

#include "records/fileerror.h"
#include "records/recordfile.h"

namespace Settings {

// A settings file holds one record: read the first, rewrite the whole file. Bytes after the
// record are no part of it and do not keep it from being read; a file shorter than the record
// fails as damaged.
template<typename Rec>
Records::FileResult<Rec> readSettingsFile(const QString &path)
{
    const auto bytes = Records::RecordFile(path, Rec::size).read(0);
    if (!bytes)
        return Records::fail(bytes.error());
    return Rec::fromBytes(*bytes);
}

template<typename Rec>
Records::FileResult<void> writeSettingsFile(const QString &path, const Rec &rec)
{
    return Records::RecordFile(path, Rec::size).rewrite(rec.toBytes());
}

} // namespace Settings
