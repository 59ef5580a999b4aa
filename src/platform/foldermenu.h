#pragma once

#include <QString>

namespace Platform {

// The "open with Mirelto" entry of the file manager's folder context menu: a desktop entry for
// inode/directory in the user's applications folder.
namespace FolderMenu {

QString desktopFilePath();
bool isRegistered();
// Writes the desktop entry that starts program with the folder as its argument.
bool registerProgram(const QString &program);

} // namespace FolderMenu

} // namespace Platform
