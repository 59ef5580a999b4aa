#pragma once

#include "records/damagedfile.h"
#include "records/fileerror.h"

#include <QString>

namespace L10n {

// One sentence for a failed file operation, naming the file and, where the system gave one,
// its reason.
QString describe(const Records::FileError &error);

// The notice of a damaged work file that goes on with its whole records: which file, how many
// records it kept and where its damaged bytes were saved.
QString describe(const Records::DamagedFile &damaged);

} // namespace L10n
