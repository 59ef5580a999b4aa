#pragma once

#include "records/fileerror.h"
#include "records/recordfile.h"

namespace Settings {

// A settings file holds one record: read the first, rewrite the whole file.
template<typename Rec>
Records::FileResult<Rec> readSettingsFile(const QString &path)
{
    const Records::RecordFile file(path, Rec::size);
    const auto count = file.count();
    if (!count)
        return Records::fail(count.error());
    if (*count < 1)
        return Records::fail(Records::FileError{Records::FileError::Code::Damaged, path, 0, {}});
    const auto bytes = file.read(0);
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
