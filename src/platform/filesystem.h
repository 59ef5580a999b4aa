#pragma once

#include "records/fileerror.h"

#include <QList>
#include <QString>

#include <functional>

namespace Platform {

struct FolderEntry
{
    QString name;
    // A real folder; a symbolic link to one is not, so that walking folders never loops.
    bool isFolder = false;

    bool operator==(const FolderEntry &) const = default;
};

// The file operations of renaming, behind one interface so that a test can make any of them fail
// for a chosen path.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // Any directory entry, a dangling symbolic link included.
    virtual bool exists(const QString &path) const = 0;
    virtual bool isFolder(const QString &path) const = 0;
    // The folder's entries other than "." and "..", hidden ones included, in no particular order;
    // empty when the folder cannot be listed.
    virtual QList<FolderEntry> entries(const QString &folder) const = 0;
    // The path is absolute and the file system that holds it, or the nearest folder of it that
    // exists, answers.
    virtual bool isDriveReady(const QString &path) const = 0;

    // Renames or moves a file without ever replacing an existing entry (moveWithoutReplacing).
    [[nodiscard]] virtual Records::FileResult<void> move(const QString &from, const QString &to) = 0;
    // As move, telling beforeCopy the name of a temporary copy before it is made (a move to
    // another file system copies); a file system that never copies just moves.
    [[nodiscard]] virtual Records::FileResult<void> moveNotingCopies(
        const QString &from, const QString &to, const std::function<void(const QString &temporary)> &beforeCopy)
    {
        Q_UNUSED(beforeCopy)
        return move(from, to);
    }
    // Sends a file to the trash (moveToTrash).
    [[nodiscard]] virtual Records::FileResult<void> trash(const QString &path) = 0;
    // Creates a folder and the missing folders above it; true when it is a folder afterwards. The
    // levels it creates are never made through a symbolic link, and a link at path itself fails.
    virtual bool makeFolder(const QString &path) = 0;
    // Creates path and its missing levels below top without following a symbolic link at any
    // level below top (makeFolderBelow); a link fails as Code::SymbolicLink naming it.
    [[nodiscard]] virtual Records::FileResult<void> makeFolderBelow(const QString &top, const QString &path) = 0;
};

// The file system of this machine.
class SystemFileSystem final : public FileSystem
{
public:
    bool exists(const QString &path) const override;
    bool isFolder(const QString &path) const override;
    QList<FolderEntry> entries(const QString &folder) const override;
    bool isDriveReady(const QString &path) const override;
    Records::FileResult<void> move(const QString &from, const QString &to) override;
    Records::FileResult<void> moveNotingCopies(const QString &from, const QString &to,
                                               const std::function<void(const QString &)> &beforeCopy) override;
    Records::FileResult<void> trash(const QString &path) override;
    bool makeFolder(const QString &path) override;
    Records::FileResult<void> makeFolderBelow(const QString &top, const QString &path) override;
};

} // namespace Platform
