#include "retitle/retitlelog.h"

#include "records/nofollow.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Retitle {

namespace {

// The longest file name Linux file systems take, in bytes.
constexpr qsizetype maxNameBytes = 255;
// Hex digits of the hash that keeps a shortened name unique.
constexpr qsizetype hashDigits = 12;

// A name from a folder listing may hold any character but '/': control characters are written
// as \xHH so that a line feed in a name cannot start a line of its own, and a backslash as \x5C
// so that every backslash in the log starts such an escape.
QString escaped(const QString &name)
{
    QString result;
    result.reserve(name.size());
    for (const QChar character : name) {
        const char16_t code = character.unicode();
        if (code < 0x20 || code == 0x7f || (code >= 0x80 && code < 0xa0) || code == u'\\')
            result += u"\\x"_s + QString::number(code, 16).toUpper().rightJustified(2, u'0');
        else
            result += character;
    }
    return result;
}

// The last characters of text that take at most maxBytes bytes encoded, cut on a character
// boundary.
QString tailWithin(const QString &text, qsizetype maxBytes)
{
    qsizetype start = text.size();
    qsizetype bytes = 0;
    while (start > 0) {
        qsizetype from = start - 1;
        if (from > 0 && text.at(from).isLowSurrogate() && text.at(from - 1).isHighSurrogate())
            --from;
        const qsizetype size = QFile::encodeName(text.mid(from, start - from)).size();
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        start = from;
    }
    return text.mid(start);
}

// The size a log left by a killed run has without the room it kept ahead of its lines: up to
// the line end after its last character that is no line end.
qint64 linesEnd(int descriptor, qint64 size)
{
    char block[4096];
    qint64 end = size;
    while (end > 0) {
        const qint64 from = qMax<qint64>(0, end - qint64(sizeof block));
        const ssize_t read = ::pread(descriptor, block, size_t(end - from), from);
        if (read != end - from)
            return size;
        for (qint64 i = read - 1; i >= 0; --i) {
            if (block[i] != '\r' && block[i] != '\n')
                return qMin(size, from + i + 3);
        }
        end = from;
    }
    return 0;
}

} // namespace

QString RetitleLog::fileName(const QDateTime &start, const QString &pictureFolder)
{
    QString folder = pictureFolder;
    folder.replace(u'/', u'~');
    const QString stamp = start.toString(u"yyyyMMddHHmmss"_s) + u'_';
    const QString extension = u".txt"_s;
    const qsizetype room = maxNameBytes - stamp.size() - extension.size();
    if (QFile::encodeName(folder).size() <= room)
        return stamp + folder + extension;
    // A deep folder: its last part keeps the name readable, a hash of the whole path keeps it
    // apart from every other folder with the same last part.
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(QFile::encodeName(pictureFolder), QCryptographicHash::Sha1).toHex().left(hashDigits));
    QString tail = tailWithin(folder, room - hash.size() - 1);
    const qsizetype tilde = tail.indexOf(u'~');
    tail = tilde >= 0 && tilde + 1 < tail.size() ? tail.mid(tilde) : u'~' + tail;
    return stamp + hash + tail + extension;
}

void RetitleLog::trimKilledRuns(const QString &logFolder)
{
    const QStringList names = QDir(logFolder).entryList({u"*.txt"_s}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        const QByteArray path = QFile::encodeName(QDir(logFolder).filePath(name));
        const int descriptor = ::open(path.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0)
            continue;
        struct stat info;
        char tail[4];
        // A closed log ends with one line end; a killed one with the empty lines kept ahead.
        if (::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 4
            && ::pread(descriptor, tail, sizeof tail, info.st_size - 4) == 4 && std::memcmp(tail, "\r\n\r\n", 4) == 0) {
            const qint64 end = linesEnd(descriptor, info.st_size);
            if (end < info.st_size && ::ftruncate(descriptor, end) == 0)
                ::fsync(descriptor);
        }
        ::close(descriptor);
    }
}

QString RetitleLog::line(LogEvent event, const QString &path, const QString &to)
{
    const QString from = escaped(path);
    const QString target = escaped(to);
    switch (event) {
    case LogEvent::Deleted:
        return u"Succesfully deleted: "_s + from;
    case LogEvent::DeleteFailed:
        return u"Error occured deleting: "_s + from;
    case LogEvent::SyncDeleted:
        return u"  Succesfully sync deleted: "_s + from;
    case LogEvent::SyncDeleteFailed:
        return u"  Error occured sync deleting: "_s + from;
    case LogEvent::Renamed:
        return u"Succesfully renamed/moved: old: "_s + from + u", new: "_s + target;
    case LogEvent::RenameFailed:
        return u"Rename/move failed: old: "_s + from + u", new: "_s + target;
    case LogEvent::SyncRenamed:
        return u"  Succesfully sync renamed/moved: old: "_s + from + u", new: "_s + target;
    case LogEvent::SyncRenameFailed:
        return u"  Rename/move sync failed: old: "_s + from + u", new: "_s + target;
    case LogEvent::Rollback:
        return u"  Rollback"_s;
    case LogEvent::RolledBack:
        return u"Succesful rollback: "_s + from + u", new: "_s + target;
    case LogEvent::RollbackFailed:
        return u"Rollback failed: "_s + from + u", new: "_s + target;
    case LogEvent::RollbackTerminated:
        return u"Rollback terminated.. (there will be no attempt to rollback files with extensions to synchronize)"_s;
    case LogEvent::SyncRolledBack:
        return u"  Succesful sync rollback: "_s + from + u", new: "_s + target;
    case LogEvent::SyncRollbackFailed:
        return u"  Rollback sync failed: "_s + from + u", new: "_s + target;
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
    m_complete = true;
    m_failure.clear();
    // A run must not start without room for its lines: it could not tell afterwards where each
    // file went.
    // Where only the mapping fails, the lines are written one by one instead.
    if (!reserve(m_chunkSize) && m_roomRefused) {
        const Records::FileError error{Records::FileError::Code::WriteFailed, path, -1, m_failure};
        m_file.close();
        QFile::remove(path);
        return Records::fail(error);
    }
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
    errno = 0;
    const bool grown = m_file.seek(m_capacity) && m_file.write(filler) == filler.size();
    m_roomRefused = !grown;
    // QFile words a short write of a full disk as an unknown error; the system knows better.
    if (!grown)
        m_failure = errno != 0 ? qt_error_string(errno) : m_file.errorString();
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
    const QByteArray bytes = line.toUtf8() + "\r\n";
    if (m_map) {
        if (m_length + bytes.size() <= m_capacity || reserve(bytes.size())) {
            std::memcpy(m_map + m_length, bytes.constData(), size_t(bytes.size()));
            m_length += bytes.size();
            return;
        }
    }
    // A line that cannot be written (a full disk) must not stop the run: the files matter more.
    // The run tells afterwards that its log is not complete.
    if (m_file.seek(m_length) && m_file.write(bytes) == bytes.size()) {
        m_length += bytes.size();
    } else if (m_complete) {
        m_complete = false;
        // A failed reserve() above has told why already.
        if (m_failure.isEmpty())
            m_failure = m_file.errorString();
    }
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
