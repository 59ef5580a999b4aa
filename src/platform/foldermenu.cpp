#include "platform/foldermenu.h"

#include "records/recordfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace Platform::FolderMenu {

QString desktopFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation) + u"/mirelto-folder.desktop"_s;
}

bool isRegistered()
{
    return QFileInfo(desktopFilePath()).isFile();
}

bool registerProgram(const QString &program)
{
    const QString path = desktopFilePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QString quoted = program;
    quoted.replace(u'"', u"\\\""_s);
    const QString entry = u"[Desktop Entry]\nType=Application\nName=Mirelto\nComment=Retitle the pictures of this folder\n"
                          u"Exec=\""_s + quoted + u"\" %f\nMimeType=inode/directory;\nNoDisplay=true\nTerminal=false\n"_s;
    return bool(Records::writeFileAtomically(path, entry.toUtf8()));
}

} // namespace Platform::FolderMenu
