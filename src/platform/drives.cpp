#include "platform/drives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <dirent.h>
#include <sys/statvfs.h>

using namespace Qt::StringLiterals;

namespace Platform {

namespace {

// QStorageInfo needs an existing path; walk up to the nearest one.
QString existingAncestor(const QString &path)
{
    QFileInfo info(path);
    while (!info.exists()) {
        const QString parent = info.absolutePath();
        if (parent == info.absoluteFilePath())
            break;
        info.setFile(parent);
    }
    return info.absoluteFilePath();
}

// The block device name under /sys/block for a device node such as /dev/sdb1 or /dev/nvme0n1p2.
QString blockDeviceName(const QString &device)
{
    if (!device.startsWith(u"/dev/"))
        return {};
    QString name = QFileInfo(QFile::symLinkTarget(device).isEmpty() ? device : QFile::symLinkTarget(device)).fileName();
    // A partition lives below its disk in sysfs: /sys/class/block/sdb1/.. is the disk.
    const QString classPath = u"/sys/class/block/"_s + name;
    if (QFileInfo::exists(classPath + u"/partition"))
        name = QFileInfo(QFileInfo(classPath).canonicalFilePath()).dir().dirName();
    return name;
}

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(64).trimmed();
}

// Opening the folder for listing is what the drive must answer to; nothing is read.
bool isListableFolder(const QString &path)
{
    DIR *folder = ::opendir(QFile::encodeName(path).constData());
    if (!folder)
        return false;
    ::closedir(folder);
    return true;
}

} // namespace

QStorageInfo mountTableEntry(const QString &existingPath)
{
    return QStorageInfo(existingPath);
}

bool isDriveReady(const QString &path, const MountLookup &lookup)
{
    if (!QDir::isAbsolutePath(path))
        return false;
    QFileInfo info(path);
    while (!info.exists()) {
        const QString parent = info.absolutePath();
        if (parent == info.absoluteFilePath())
            return false;
        info.setFile(parent);
    }
    // Where the mount table is out of sight, the folder itself is the only witness of the drive.
    if (isListableFolder(info.absoluteFilePath()))
        return true;
    const QStorageInfo storage = lookup(info.absoluteFilePath());
    return storage.isValid() && storage.isReady();
}

QString SystemDrives::root(const QString &path) const
{
    const QString existing = existingAncestor(path);
    const QStorageInfo storage = m_lookup(existing);
    if (storage.isValid())
        return storage.rootPath();
    // Out of sight of the mount table the root of the visible tree holds the path.
    return QDir::isAbsolutePath(existing) && QFileInfo::exists(existing) ? u"/"_s : QString();
}

qint64 SystemDrives::freeBytes(const QString &path) const
{
    // statvfs needs no mount table, so this also answers in a chroot.
    struct statvfs info;
    if (statvfs(QFile::encodeName(existingAncestor(path)).constData(), &info) != 0)
        return 0;
    return qint64(info.f_bavail) * qint64(info.f_frsize);
}

DriveType SystemDrives::type(const QString &path) const
{
    const QString existing = existingAncestor(path);
    const QStorageInfo storage = m_lookup(existing);
    if (!storage.isValid())
        return isListableFolder(existing) ? DriveType::Fixed : DriveType::Unknown;
    const QByteArray fileSystem = storage.fileSystemType().toLower();
    if (fileSystem == "iso9660" || fileSystem == "udf")
        return DriveType::CdRom;
    if (fileSystem == "nfs" || fileSystem == "nfs4" || fileSystem == "cifs" || fileSystem == "smb3"
        || fileSystem == "smbfs" || fileSystem.startsWith("fuse.sshfs") || fileSystem == "9p")
        return DriveType::Remote;
    const QString disk = blockDeviceName(QString::fromLocal8Bit(storage.device()));
    if (disk.startsWith(u"sr"))
        return DriveType::CdRom;
    if (!disk.isEmpty() && readSmallFile(u"/sys/block/"_s + disk + u"/removable") == "1")
        return DriveType::Removable;
    return DriveType::Fixed;
}

int SystemDrives::maxNameLength(const QString &path) const
{
    struct statvfs info;
    if (statvfs(QFile::encodeName(existingAncestor(path)).constData(), &info) != 0)
        return 0;
    return int(info.f_namemax);
}

} // namespace Platform
