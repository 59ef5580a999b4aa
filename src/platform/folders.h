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

} // namespace Platform
