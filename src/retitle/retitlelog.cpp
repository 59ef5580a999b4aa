#include "retitle/retitlelog.h"

#include "records/ansicodec.h"
#include "records/nofollow.h"

#include <cstring>

#include <sys/mman.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Retitle {

QString RetitleLog::fileName(const QDateTime &start, const QString &pictureFolder)
{
    QString folder = pictureFolder;
    folder.replace(u'/', u'~');
    return start.toString(u"yyyyMMddHHmmss"_s) + u'_' + folder + u".txt"_s;
}

QString RetitleLog::line(LogEvent event, const QString &path, const QString &to)
{
    switch (event) {
    case LogEvent::Deleted:
        return u"Succesfully deleted: "_s + path;
    case LogEvent::DeleteFailed:
        return u"Error occured deleting: "_s + path;
    case LogEvent::SyncDeleted:
        return u"  Succesfully sync deleted: "_s + path;
    case LogEvent::SyncDeleteFailed:
        return u"  Error occured sync deleting: "_s + path;
    case LogEvent::Renamed:
        return u"Succesfully renamed/moved: old: "_s + path + u", new: "_s + to;
    case LogEvent::RenameFailed:
        return u"Rename/move failed: old: "_s + path + u", new: "_s + to;
    case LogEvent::SyncRenamed:
        return u"  Succesfully sync renamed/moved: old: "_s + path + u", new: "_s + to;
    case LogEvent::SyncRenameFailed:
        return u"  Rename/move sync failed: old: "_s + path + u", new: "_s + to;
    case LogEvent::Rollback:
        return u"  Rollback"_s;
    case LogEvent::RolledBack:
        return u"Succesful rollback: "_s + path + u", new: "_s + to;
    case LogEvent::RollbackFailed:
        return u"Rollback failed: "_s + path + u", new: "_s + to;
    case LogEvent::RollbackTerminated:
        return u"Rollback terminated.. (there will be no attempt to rollback files with extensions to synchronize)"_s;
    case LogEvent::SyncRolledBack:
        return u"  Succesful sync rollback: "_s + path + u", new: "_s + to;
    case LogEvent::SyncRollbackFailed:
        return u"  Rollback sync failed: "_s + path + u", new: "_s + to;
    }
    return {};
}

RetitleLog::RetitleLog(qint64 chunkSize) : m_chunkSize(qMax<qint64>(chunkSize, 2)) {}

RetitleLog::~RetitleLog()
{
    close();
}

Records::FileResult<void> RetitleLog::open(const QString &path)
{
    close();
    if (auto opened = Records::openWithoutFollowing(m_file, path,
                                                    QIODevice::ReadWrite | QIODevice::Truncate | QIODevice::Unbuffered,
                                                    Records::FileError::Code::CreateFailed);
        !opened)
        return opened;
    m_length = 0;
    m_capacity = 0;
    reserve(m_chunkSize);
    return {};
}

bool RetitleLog::reserve(qint64 length)
{
    const qint64 capacity = m_length + qMax(length, m_chunkSize);
    if (m_map) {
        m_file.unmap(m_map);
        m_map = nullptr;
    }
    // Writing the filler allocates the room, so that a full disk shows here as a failed write
    // and not later, as a fault when a line is stored into the mapping.
    QByteArray filler(capacity - m_capacity, '\n');
    for (qsizetype i = 0; i + 1 < filler.size(); i += 2)
        filler[i] = '\r';
    const bool grown = m_file.seek(m_capacity) && m_file.write(filler) == filler.size();
    if (grown)
        m_map = m_file.map(0, capacity);
#ifdef MADV_POPULATE_WRITE
    if (m_map) {
        // The new room is in the cache already; taking it writable in one call spares a fault on
        // each of its pages.
        const qint64 page = ::sysconf(_SC_PAGESIZE);
        const qint64 from = m_capacity / page * page;
        ::madvise(m_map + from, size_t(capacity - from), MADV_POPULATE_WRITE);
    }
#endif
    if (!m_map) {
        m_file.resize(m_length);
        m_file.seek(m_length);
        m_capacity = m_length;
        return false;
    }
    m_capacity = capacity;
    return true;
}

void RetitleLog::WriteLog(const QString &line)
{
    if (!m_file.isOpen())
        return;
    const QByteArray bytes = Records::AnsiCodec::encode(line) + "\r\n";
    if (m_map) {
        if (m_length + bytes.size() <= m_capacity || reserve(bytes.size())) {
            std::memcpy(m_map + m_length, bytes.constData(), size_t(bytes.size()));
            m_length += bytes.size();
            return;
        }
    }
    // A line that cannot be written (a full disk) must not stop the run: the files matter more.
    if (m_file.seek(m_length) && m_file.write(bytes) == bytes.size())
        m_length += bytes.size();
}

void RetitleLog::WriteLog(LogEvent event, const QString &path, const QString &to)
{
    WriteLog(line(event, path, to));
}

void RetitleLog::close()
{
    if (!m_file.isOpen())
        return;
    if (m_map) {
        m_file.unmap(m_map);
        m_map = nullptr;
    }
    m_file.resize(m_length);
    m_capacity = 0;
    m_file.close();
}

} // namespace Retitle
