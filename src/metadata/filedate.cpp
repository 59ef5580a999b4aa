#include "metadata/filedate.h"

#include <QFileInfo>

namespace Metadata {

QDateTime fileDate(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isDir()) {
        const QDateTime modified = info.lastModified();
        if (modified.isValid())
            return modified.toLocalTime();
    }
    return QDateTime::currentDateTime();
}

} // namespace Metadata
