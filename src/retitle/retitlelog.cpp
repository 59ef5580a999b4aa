#include "retitle/retitlelog.h"

#include "records/ansicodec.h"

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

Records::FileResult<void> RetitleLog::open(const QString &path)
{
    close();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return Records::fail(
            Records::FileError{Records::FileError::Code::CreateFailed, path, -1, m_file.errorString()});
    }
    return {};
}

void RetitleLog::WriteLog(const QString &line)
{
    if (!m_file.isOpen())
        return;
    // A line that cannot be written (a full disk) must not stop the run: the files matter more.
    m_file.write(Records::AnsiCodec::encode(line) + "\r\n");
    m_file.flush();
}

void RetitleLog::WriteLog(LogEvent event, const QString &path, const QString &to)
{
    WriteLog(line(event, path, to));
}

void RetitleLog::close()
{
    if (m_file.isOpen())
        m_file.close();
}

} // namespace Retitle
