#include "storage/mainfolderfile.h"

#include "platform/files.h"
#include "records/record.h"
#include "records/recordfile.h"
#include "records/titletext.h"

namespace Storage {

namespace {

constexpr int pathLength = MainFolderFile::recordSize - 1;

} // namespace

MainFolderFile::MainFolderFile(const QString &path) : m_path(path) {}

Records::FileResult<void> MainFolderFile::InitFMainFolder()
{
    const Records::RecordFile file(m_path, recordSize);
    if (!Platform::fileFound(m_path)) {
        m_mainFolder.clear();
        return UpdateFMainFolder();
    }
    const auto bytes = file.read(0);
    if (!bytes)
        return Records::fail(bytes.error());
    m_mainFolder = fromBytes(*bytes);
    return {};
}

Records::FileResult<void> MainFolderFile::UpdateFMainFolder() const
{
    return Records::RecordFile(m_path, recordSize).rewrite(toBytes(m_mainFolder));
}

QByteArray MainFolderFile::toBytes(const QString &mainFolder)
{
    Records::Record record(recordSize);
    record.setString(0, pathLength, mainFolder);
    return record.bytes();
}

QString MainFolderFile::fromBytes(const QByteArray &bytes)
{
    // A line break or NUL in a folder path only comes from a damaged file.
    return Records::withoutControlCharacters(Records::Record::fromBytes(bytes, recordSize).string(0, pathLength));
}

} // namespace Storage
