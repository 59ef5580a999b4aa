#pragma once

#include "retitle/rtitle.h"

#include <QString>

#include <array>

namespace Retitle {

// The texts of the error and warning codes in the interface language. Index 0 of errors is the
// heading of the titles without error, which only the report fills in.
struct ErrorTable
{
    std::array<QString, TitleError::last + 1> errors;
    std::array<QString, lastWarning + 1> warnings;
};

ErrorTable FillErrorTable();

} // namespace Retitle
