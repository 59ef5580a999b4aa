#pragma once

#include "records/fileerror.h"

#include <QString>

namespace Platform {

// Moves a file to the desktop's trash, from where the user can restore it; no confirmation, no
// progress. Succeeds only when the file really left its folder for a trash folder: should the
// trash put it anywhere else, it is moved back and the call fails.
[[nodiscard]] Records::FileResult<void> moveToTrash(const QString &path);

} // namespace Platform
