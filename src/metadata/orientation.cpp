#include "metadata/orientation.h"

#include "metadata/exifdata.h"
#include "metadata/tiffvalues_p.h"

namespace Metadata {

namespace {

constexpr quint16 orientationTag = 0x0112;

} // namespace

QString orientationText(const ExifData &data)
{
    const ExifEntry *entry = data.find(ExifDirectory::Ifd0, orientationTag);
    if (!entry)
        return QString(QChar(u'0'));
    if (!TiffValues::isIntegerType(entry->type) || TiffValues::valueCount(*entry) < 1)
        return {};
    const qint64 value = TiffValues::integerAt(*entry, 0, data.bigEndian);
    if (value < 1 || value > 8)
        return {};
    return QString::number(value);
}

} // namespace Metadata
