#include "session/titlefile.h"

#include "records/recordfile.h"

namespace Session {

using Records::FileError;
using Records::FileResult;
using Records::RecordFile;

TitleFile::TitleFile(const QString &path) : m_path(path) {}

bool TitleFile::exists() const
{
    return RecordFile(m_path, SGTitleRec::size).exists();
}

FileResult<void> TitleFile::create() const
{
    return RecordFile(m_path, SGTitleRec::size).create();
}

FileResult<qint64> TitleFile::count() const
{
    return RecordFile(m_path, SGTitleRec::size).count();
}

FileResult<TitleFile::Contents> TitleFile::readAll() const
{
    const RecordFile file(m_path, SGTitleRec::size);
    const auto total = file.count();
    if (!total && total.error().code != FileError::Code::Damaged)
        return Records::fail(total.error());
    const auto raw = file.readWholeRecords();
    if (!raw)
        return Records::fail(raw.error());
    Contents contents;
    contents.damaged = !total;
    contents.records.reserve(raw->size());
    for (const QByteArray &bytes : *raw)
        contents.records.append(SGTitleRec::fromBytes(bytes));
    return contents;
}

FileResult<void> TitleFile::rewrite(const QList<SGTitleRec> &records) const
{
    QByteArray all;
    all.reserve(records.size() * SGTitleRec::size);
    for (const SGTitleRec &record : records)
        all.append(record.toBytes());
    return RecordFile(m_path, SGTitleRec::size).rewrite(all);
}

FileResult<void> TitleFile::write(qint64 index, const SGTitleRec &record) const
{
    return RecordFile(m_path, SGTitleRec::size).write(index, record.toBytes());
}

} // namespace Session
