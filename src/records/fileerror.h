#pragma once

#include "records/result.h"

#include <QString>

namespace Records {

// What went wrong with a file, as facts; l10n turns it into a sentence.
struct FileError
{
    enum class Code {
        NotFound,
        OpenFailed,
        ReadFailed,
        WriteFailed,
        CreateFailed,
        RemoveFailed,
        ReadOnly,
        // The file's size is not a whole number of records: it was damaged outside the program.
        Damaged,
        // The work file is a symbolic link; the program never writes through one.
        SymbolicLink,
    };

    Code code = Code::ReadFailed;
    QString path;
    qint64 offset = -1;
    // The operating system's own words for the failure, where it gave any.
    QString systemMessage;

    bool operator==(const FileError &) const = default;
};

template<typename T>
using FileResult = Result<T, FileError>;

} // namespace Records
