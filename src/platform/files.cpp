#include "platform/files.h"

#include <QFileInfo>

namespace Platform {

bool fileFound(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool isReadOnlyFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return false;
    return !(info.permissions() & QFileDevice::WriteOwner) || !info.isWritable();
}

} // namespace Platform
