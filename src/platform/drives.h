#pragma once

#include <QString>

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

// The drives of this machine.
class SystemDrives final : public Drives
{
public:
    QString root(const QString &path) const override;
    qint64 freeBytes(const QString &path) const override;
    DriveType type(const QString &path) const override;
    int maxNameLength(const QString &path) const override;
};

} // namespace Platform
