#include "platform/folders.h"

#include "platform/version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

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

QString folderFromArgument(const QString &argument)
{
    const QUrl url(argument);
    const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
    // A URL of another scheme, or a file URL naming a server, is a network location; cleaning
    // would make a local path of it.
    if (path.contains(u"://"_s) || path.startsWith(u"//"_s))
        return path;
    return normalisedFolder(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
}

bool isSameFolder(const QString &first, const QString &second)
{
    const auto resolved = [](const QString &path) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
    };
    return resolved(first) == resolved(second);
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
