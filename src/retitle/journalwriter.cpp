#include "retitle/journalwriter.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Retitle {

namespace {

// Records gathered before one write: a killed run loses at most these.
constexpr qsizetype writeThreshold = 2048;

} // namespace

JournalWriter::JournalWriter(int syncIntervalMs) : m_syncInterval(syncIntervalMs) {}

JournalWriter::~JournalWriter()
{
    close();
}

Records::FileResult<void> JournalWriter::create(const QString &path)
{
    using Records::FileError;
    close();
    const QByteArray name = QFile::encodeName(path);
    m_handle = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (m_handle < 0)
        return Records::fail(FileError{FileError::Code::CreateFailed, path, -1, qt_error_string(errno)});
    m_path = path;
    m_steps = 0;
    m_complete = true;
    m_buffer = JournalFormat::header();
    m_sinceSync.start();
    return {};
}

Records::FileResult<void> JournalWriter::openToAppend(const QString &path)
{
    using Records::FileError;
    close();
    const QByteArray name = QFile::encodeName(path);
    // Never a pipe or a device put at the journal's name: opening one could wait for ever.
    m_handle = ::open(name.constData(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (m_handle < 0)
        return Records::fail(FileError{FileError::Code::OpenFailed, path, -1, qt_error_string(errno)});
    struct stat status {};
    if (::fstat(m_handle, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(m_handle);
        m_handle = -1;
        return Records::fail(FileError{FileError::Code::OpenFailed, path, -1, qt_error_string(EINVAL)});
    }
    ::fcntl(m_handle, F_SETFL, ::fcntl(m_handle, F_GETFL) & ~O_NONBLOCK);
    m_path = path;
    m_complete = true;
    // A line the interrupted run left half written must not swallow the next.
    m_buffer = "\n";
    m_sinceSync.start();
    return {};
}

void JournalWriter::add(const QStringList &fields)
{
    if (m_handle >= 0)
        m_buffer += JournalFormat::line(fields);
}

int JournalWriter::addStep(const JournalStep &step)
{
    add({u"step"_s, JournalFormat::kindName(step.kind), QString::number(step.group), JournalFormat::roleName(step.role), step.from,
         step.to, QString::number(step.size), QString::number(step.modified)});
    return m_steps++;
}

void JournalWriter::addTemporary(int step, const QString &path)
{
    if (m_handle < 0)
        return;
    add({u"part"_s, QString::number(step), path});
    commit();
}

void JournalWriter::write()
{
    qsizetype written = 0;
    while (written < m_buffer.size()) {
        const ssize_t result = ::write(m_handle, m_buffer.constData() + written, size_t(m_buffer.size() - written));
        if (result < 0 && errno == EINTR)
            continue;
        if (result <= 0) {
            m_complete = false;
            break;
        }
        written += result;
    }
    m_buffer.clear();
}

void JournalWriter::commit()
{
    if (m_handle < 0)
        return;
    write();
    if (::fdatasync(m_handle) != 0)
        m_complete = false;
    m_sinceSync.restart();
}

void JournalWriter::mark(const char *tag, int step)
{
    if (m_handle < 0)
        return;
    m_buffer += tag;
    m_buffer += '\t';
    m_buffer += QByteArray::number(step);
    m_buffer += '\n';
    if (m_buffer.size() < writeThreshold)
        return;
    if (m_sinceSync.elapsed() >= m_syncInterval)
        commit();
    else
        write();
}

void JournalWriter::finish(const QString &totalAfter, const QString &counterAfter, bool recovered)
{
    if (m_handle < 0)
        return;
    if (recovered)
        add({u"end"_s, totalAfter, counterAfter, u"recovered"_s});
    else
        add({u"end"_s, totalAfter, counterAfter});
    commit();
    close();
}

void JournalWriter::close()
{
    if (m_handle < 0)
        return;
    if (!m_buffer.isEmpty())
        commit();
    ::close(m_handle);
    m_handle = -1;
}

} // namespace Retitle
