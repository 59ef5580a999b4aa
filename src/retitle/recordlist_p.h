#pragma once

#include "records/damagedfile.h"
#include "records/recordfile.h"
#include "records/recordlayout.h"

#include <QList>

namespace Retitle {

// A list file of one record type, read and rewritten whole.
template<typename Rec>
Records::FileResult<QList<Rec>> readRecordList(const QString &path)
{
    const Records::RecordFile file(path, Rec::size);
    auto records = file.readWholeRecords();
    if (!records)
        return Records::fail(records.error());
    QList<Rec> list;
    list.reserve(records->size());
    for (const QByteArray &bytes : std::as_const(*records))
        list.append(Records::decodeRecord<Rec>(bytes));
    return list;
}

template<typename Rec>
Records::FileResult<void> writeRecordList(const QString &path, const QList<Rec> &list)
{
    QList<QByteArray> records;
    records.reserve(list.size());
    for (const Rec &rec : list)
        records.append(Records::encodeRecord(rec));
    // Whatever a damaged file holds beyond its whole records is kept beside it, not dropped.
    if (auto kept = Records::keepIfDamaged(path, Rec::size); !kept)
        return Records::fail(kept.error());
    return Records::RecordFile(path, Rec::size).rewrite(records);
}

} // namespace Retitle
