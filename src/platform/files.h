#pragma once

#include <QString>

namespace Platform {

// A path names an existing file when it matches an entry that is not a folder.
bool fileFound(const QString &path);
// Read-only: the file exists and either its mode gives its owner no write permission or the
// user cannot write it. The mode is looked at on its own because root may write anything.
bool isReadOnlyFile(const QString &path);

} // namespace Platform
