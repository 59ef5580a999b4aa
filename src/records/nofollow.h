#pragma once

#include "records/fileerror.h"

#include <QIODevice>
#include <QString>

class QFile;

namespace Records {

// Whether path itself is a symbolic link, whatever it points to (even nothing).
bool isSymbolicLink(const QString &path);

// Opens path into file as QFile::open would, but never through a symbolic link at path itself:
// a work file replaced by a link to, say, a file of the user's settings must not have that file
// overwritten. A link fails as Code::SymbolicLink, any other failure as failureCode with the
// system's words. A mode that writes creates a missing file unless it holds ExistingOnly. The
// file owns the handle afterwards; its fileName() stays empty.
FileResult<void> openWithoutFollowing(QFile &file, const QString &path, QIODevice::OpenMode mode,
                                      FileError::Code failureCode = FileError::Code::OpenFailed);

} // namespace Records
