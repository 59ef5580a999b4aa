#pragma once

#include "records/fileerror.h"

#include <QString>

namespace L10n {

// One sentence for a failed file operation, naming the file and, where the system gave one,
// its reason.
QString describe(const Records::FileError &error);

} // namespace L10n
