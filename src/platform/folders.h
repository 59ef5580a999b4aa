#pragma once

#include <QString>

namespace Platform {

// The per-user work folder "…/Mirelto/" below the user's data folder, with a trailing '/'.
QString workFolder();
// The folder of the running program, with a trailing '/'.
QString applicationFolder();
// "A.B.C.D", the four numbers of the program's version.
QString programVersion();
// A folder path in the form the program keeps: absolute, '/' separators, no trailing '/'
// except for the root "/" itself.
QString normalisedFolder(const QString &path);
// The folder a command-line argument names: a "file://" URL's local path; any other URL as it
// stands (a network location, which the checks refuse); anything else made absolute against the
// current folder and cleaned of "." and "..".
QString folderFromArgument(const QString &argument);
// Both paths name the same folder once symbolic links, "." and ".." are resolved.
bool isSameFolder(const QString &first, const QString &second);

} // namespace Platform
