#include "platform/folderlevels.h"

#include <QFile>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Platform {

namespace {

using Records::FileError;

// The levels of path below top, or nothing when path does not lie below it.
std::optional<QStringList> levelsBelow(const QString &top, const QString &path)
{
    const QString base = top.endsWith(u'/') ? top : top + u'/';
    if (path == top || path == base)
        return QStringList();
    if (!path.startsWith(base))
        return std::nullopt;
    QStringList levels = path.mid(base.size()).split(u'/', Qt::SkipEmptyParts);
    for (const QString &level : std::as_const(levels)) {
        if (level == u"."_s || level == u".."_s)
            return std::nullopt;
    }
    return levels;
}

FileError failure(FileError::Code code, const QString &path, int error)
{
    return {code, path, -1, error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : QString()};
}

// Closes a descriptor when it goes out of reach.
class Descriptor final
{
public:
    explicit Descriptor(int handle) : m_handle(handle) {}
    ~Descriptor()
    {
        if (m_handle >= 0)
            ::close(m_handle);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_handle; }
    void reset(int handle)
    {
        if (m_handle >= 0)
            ::close(m_handle);
        m_handle = handle;
    }

private:
    int m_handle;
};

} // namespace

std::optional<FolderIdentity> folderIdentity(const QString &path)
{
    struct stat status {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return std::nullopt;
    return FolderIdentity{quint64(status.st_dev), quint64(status.st_ino)};
}

QString firstSymbolicLinkBelow(const QString &top, const QString &path)
{
    const std::optional<QStringList> levels = levelsBelow(top, path);
    if (!levels)
        return {};
    QString current = top.endsWith(u'/') ? top.chopped(1) : top;
    for (const QString &level : *levels) {
        current += u'/' + level;
        struct stat status {};
        if (::lstat(QFile::encodeName(current).constData(), &status) != 0)
            return {};
        if (S_ISLNK(status.st_mode))
            return current;
    }
    return {};
}

Records::FileResult<void> makeFolderBelow(const QString &top, const QString &path)
{
    const std::optional<QStringList> levels = levelsBelow(top, path);
    if (!levels)
        return Records::fail(failure(FileError::Code::CreateFailed, path, EINVAL));
    Descriptor folder(::open(QFile::encodeName(top).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0)
        return Records::fail(failure(FileError::Code::CreateFailed, top, errno));
    QString current = top.endsWith(u'/') ? top.chopped(1) : top;
    for (const QString &level : *levels) {
        current += u'/' + level;
        const QByteArray name = QFile::encodeName(level);
        if (::mkdirat(folder.get(), name.constData(), 0777) != 0 && errno != EEXIST)
            return Records::fail(failure(FileError::Code::CreateFailed, current, errno));
        const int next = ::openat(folder.get(), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0) {
            const int error = errno;
            struct stat status {};
            if (::fstatat(folder.get(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(status.st_mode))
                return Records::fail(failure(FileError::Code::SymbolicLink, current, 0));
            return Records::fail(failure(FileError::Code::CreateFailed, current, error));
        }
        folder.reset(next);
    }
    return {};
}

} // namespace Platform
