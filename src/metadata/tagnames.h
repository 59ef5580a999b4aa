#pragma once

#include "metadata/exifdata.h"

#include <QString>

namespace Metadata {

// The program's own name of a tag of a directory, as it appears in titles; a tag outside the
// table is named "$" and its number as four lower-case hexadecimal digits ("$8830").
QString tagName(ExifDirectory directory, quint16 tag);
// True when the table names the tag; only such tags are listed and have their values read.
bool isNamedTag(ExifDirectory directory, quint16 tag);

} // namespace Metadata
