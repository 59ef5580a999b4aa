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
    Contents contents;
    contents.damaged = !total;
    if (total)
        contents.records.reserve(*total);
    // Decoded straight from the read buffer: a folder of many pictures has a title file too big
    // to copy about.
    const auto read = file.readEachWholeRecord([&contents](QByteArrayView bytes) {
        contents.records.append(SGTitleRec::fromBytes(QByteArray::fromRawData(bytes.data(), bytes.size())));
    });
    if (!read)
        return Records::fail(read.error());
    return contents;
}

FileResult<void> TitleFile::rewrite(const QList<SGTitleRec> &records) const
{
    return RecordFile(m_path, SGTitleRec::size).rewrite(records.size(), [&records](qint64 index) {
        return records.at(index).toBytes();
    });
}

FileResult<void> TitleFile::rewrite(qint64 count, const std::function<SGTitleRec(qint64 index)> &recordAt) const
{
    return RecordFile(m_path, SGTitleRec::size).rewrite(count, [&recordAt](qint64 index) {
        return recordAt(index).toBytes();
    });
}

FileResult<void> TitleFile::write(qint64 index, const SGTitleRec &record) const
{
    return RecordFile(m_path, SGTitleRec::size).write(index, record.toBytes());
}

} // namespace Session
