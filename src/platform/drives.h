#pragma once

#include <QStorageInfo>
#include <QString>

#include <functional>

namespace Platform {

enum class DriveType { Fixed, Removable, CdRom, Remote, Unknown };

// The mounted file system that holds a path plays the part of a drive.
class Drives
{
public:
    virtual ~Drives() = default;

    // The mount point of the file system holding path, without a trailing '/' except for "/".
    virtual QString root(const QString &path) const = 0;
    virtual qint64 freeBytes(const QString &path) const = 0;
    virtual DriveType type(const QString &path) const = 0;
    // Longest file-name component the file system allows; 0 when it cannot be told.
    virtual int maxNameLength(const QString &path) const = 0;
};

// The mounted file system holding an existing path, as the mount table shows it; an invalid
// QStorageInfo where the table does not show it (a chroot, a container).
using MountLookup = std::function<QStorageInfo(const QString &existingPath)>;
QStorageInfo mountTableEntry(const QString &existingPath);

// The path is absolute and the file system holding it, or the nearest folder of it that exists,
// answers. A folder that can be listed answers whatever the mount table shows.
bool isDriveReady(const QString &path, const MountLookup &lookup = mountTableEntry);

// The drives of this machine.
class SystemDrives final : public Drives
{
public:
    explicit SystemDrives(MountLookup lookup = mountTableEntry) : m_lookup(std::move(lookup)) {}

    QString root(const QString &path) const override;
    qint64 freeBytes(const QString &path) const override;
    DriveType type(const QString &path) const override;
    int maxNameLength(const QString &path) const override;

private:
    MountLookup m_lookup;
};

} // namespace Platform
