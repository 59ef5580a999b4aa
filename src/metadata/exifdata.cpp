#include "metadata/exifdata.h"

namespace Metadata {

int tiffTypeSize(quint16 type)
{
    switch (static_cast<TiffType>(type)) {
    case TiffType::Byte:
    case TiffType::Ascii:
    case TiffType::SByte:
    case TiffType::Undefined:
        return 1;
    case TiffType::Short:
    case TiffType::SShort:
        return 2;
    case TiffType::Long:
    case TiffType::SLong:
    case TiffType::Float:
    case TiffType::Ifd:
        return 4;
    case TiffType::Rational:
    case TiffType::SRational:
    case TiffType::Double:
        return 8;
    }
    return 0;
}

const QList<ExifEntry> &ExifData::directory(ExifDirectory which) const
{
    return directories[static_cast<std::size_t>(which)];
}

const ExifEntry *ExifData::find(ExifDirectory which, quint16 tag) const
{
    for (const ExifEntry &entry : directory(which)) {
        if (entry.tag == tag)
            return &entry;
    }
    return nullptr;
}

} // namespace Metadata
