#pragma once

#include "records/result.h"

#include <QtGlobal>

namespace Metadata {

// Why a picture yields no EXIF data. Callers of the text reads never see it: they get the empty
// text; it serves tests and diagnostics.
struct ExifError
{
    enum class Code {
        NotFound,
        ReadFailed,
        // A format that carries no EXIF data, or a JPEG or PNG file without an EXIF block.
        NoExif,
        // An EXIF block that breaks its own structure: bad header, a directory or value outside
        // the block, a directory read twice, more data than any real picture has.
        Malformed,
    };

    Code code = Code::Malformed;
    // Byte offset of the fault within the EXIF block (the TIFF structure), -1 when it has none.
    qint64 offset = -1;

    bool operator==(const ExifError &) const = default;
};

template<typename T>
using ExifResult = Records::Result<T, ExifError>;

} // namespace Metadata
