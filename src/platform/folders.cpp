#include "platform/folders.h"

#include "platform/version.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace Platform {

QString workFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Mirelto/"_s;
}

QString applicationFolder()
{
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString programVersion()
{
    return QStringLiteral(MIRELTO_VERSION);
}

QString normalisedFolder(const QString &path)
{
    QString folder = QDir::fromNativeSeparators(path);
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

} // namespace Platform
