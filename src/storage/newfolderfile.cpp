#include "storage/newfolderfile.h"

#include "records/record.h"
#include "records/recordfile.h"

namespace Storage {

namespace {

constexpr int keyOffset = 0;
constexpr int descriptionOffset = 256;

} // namespace

NewFolderFile::NewFolderFile(const QString &path) : m_path(path) {}

QByteArray NewFolderFile::toBytes(const QString &lowerPath, const QString &description)
{
    Records::Record record(recordSize);
    record.setString(keyOffset, fieldLength, lowerPath);
    record.setString(descriptionOffset, fieldLength, description);
    return record.bytes();
}

Records::FileResult<NFRec> NewFolderFile::find(const QString &lowerPath) const
{
    const Records::RecordFile file(m_path, recordSize);
    std::optional<NFRec> found;
    qint64 index = 0;
    if (!file.exists()) {
        // Made at the session's start; made again when something removed it since.
        const auto created = file.create();
        if (!created)
            return Records::fail(created.error());
    } else {
        const auto read = file.readEachWholeRecord([&](QByteArrayView bytes) {
            if (!found) {
                const Records::Record record = Records::Record::fromBytes(bytes.toByteArray(), recordSize);
                if (record.string(keyOffset, fieldLength) == lowerPath)
                    found = NFRec{index, record.string(descriptionOffset, fieldLength)};
            }
            ++index;
        });
        if (!read)
            return Records::fail(read.error());
    }
    if (found)
        return *found;
    const auto appended = file.append(toBytes(lowerPath, QString()));
    if (!appended)
        return Records::fail(appended.error());
    return NFRec{index, QString()};
}

Records::FileResult<void> NewFolderFile::write(qint64 index, const QString &lowerPath, const QString &description) const
{
    return Records::RecordFile(m_path, recordSize).write(index, toBytes(lowerPath, description));
}

} // namespace Storage
