#include "records/damagedfile.h"

#include "records/nofollow.h"
#include "records/recordfile.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Records {

namespace {

// Names tried beside the file before giving up: far more copies than anyone keeps.
constexpr int maxCopies = 10000;

// Creates the first free copy name beside path, never through a symbolic link: a new-only open
// refuses any name that exists, a link (even a dangling one) included.
FileResult<QString> createCopy(QFile &copy, const QString &path)
{
    for (int number = 1; number <= maxCopies; ++number) {
        const QString name = path + u".damaged"_s + (number == 1 ? QString() : u'-' + QString::number(number));
        const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
        const auto created = openWithoutFollowing(copy, name, mode, FileError::Code::CreateFailed);
        if (created)
            return name;
        if (QFile::exists(name) || isSymbolicLink(name))
            continue;
        return fail(created.error());
    }
    return fail(FileError{FileError::Code::CreateFailed, path + u".damaged"_s, -1, {}});
}

FileResult<DamagedFile> copyOpenFile(QFile &source, const QString &path, int recordSize)
{
    QFile copy;
    const auto created = createCopy(copy, path);
    if (!created)
        return fail(created.error());
    const QString copyPath = *created;
    copy.setPermissions(source.permissions());
    const auto failed = [&](FileError::Code code, const QString &message) {
        copy.close();
        QFile::remove(copyPath);
        return fail(FileError{code, code == FileError::Code::ReadFailed ? path : copyPath, -1, message});
    };
    qint64 total = 0;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(64 * 1024);
        if (chunk.isEmpty())
            return failed(FileError::Code::ReadFailed, source.errorString());
        if (copy.write(chunk) != chunk.size())
            return failed(FileError::Code::WriteFailed, copy.errorString());
        total += chunk.size();
    }
    // The copy is on the disk before the rewrite that follows can drop anything.
    if (::fsync(copy.handle()) != 0)
        return failed(FileError::Code::WriteFailed, qt_error_string(errno));
    return DamagedFile{path, copyPath, total / recordSize};
}

} // namespace

FileResult<std::optional<DamagedFile>> keepIfDamaged(const QString &path, int recordSize)
{
    Q_ASSERT(recordSize > 0);
    const bool link = isSymbolicLink(path);
    if (!link && !QFile::exists(path))
        return std::optional<DamagedFile>();
    // Only a regular file is copied: opening a named pipe put at the path would never return.
    if (!link && !QFileInfo(path).isFile())
        return fail(FileError{FileError::Code::OpenFailed, path, -1, {}});
    QFile source;
    if (auto opened = openWithoutFollowing(source, path, QIODevice::ReadOnly); !opened)
        return fail(opened.error());
    if (source.size() % recordSize == 0)
        return std::optional<DamagedFile>();
    auto kept = copyOpenFile(source, path, recordSize);
    if (!kept)
        return fail(kept.error());
    return std::optional<DamagedFile>(*kept);
}

FileResult<std::optional<DamagedFile>> cutDamagedTail(const QString &path, int recordSize)
{
    auto kept = keepIfDamaged(path, recordSize);
    if (!kept || !*kept)
        return kept;
    if (auto cut = RecordFile(path, recordSize).truncate((*kept)->recordsKept); !cut)
        return fail(cut.error());
    return kept;
}

} // namespace Records
