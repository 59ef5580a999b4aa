#include "metadata/camerafacts.h"

#include "metadata/datetaken.h"
#include "metadata/exifdata.h"
#include "metadata/exifreader.h"

namespace Metadata {

namespace {

constexpr quint16 makeTag = 0x010F;
constexpr quint16 modelTag = 0x0110;
constexpr quint16 bodySerialNumberTag = 0xA431;
constexpr quint16 offsetTimeOriginalTag = 0x9011;

QString asciiOf(const ExifData &data, ExifDirectory directory, quint16 tag)
{
    const ExifEntry *entry = data.find(directory, tag);
    if (!entry || static_cast<TiffType>(entry->type) != TiffType::Ascii)
        return {};
    const qsizetype end = entry->data.indexOf('\0');
    // Cameras write plain ASCII; a stray byte above it must not make two names of one camera.
    return QString::fromLatin1(end < 0 ? entry->data : entry->data.first(end)).trimmed();
}

} // namespace

CameraFacts cameraFactsOf(const ExifData &data)
{
    CameraFacts facts;
    facts.dateTaken = dateTakenText(data);
    facts.make = asciiOf(data, ExifDirectory::Ifd0, makeTag);
    facts.model = asciiOf(data, ExifDirectory::Ifd0, modelTag);
    facts.serial = asciiOf(data, ExifDirectory::Exif, bodySerialNumberTag);
    facts.offsetTime = asciiOf(data, ExifDirectory::Exif, offsetTimeOriginalTag);
    return facts;
}

CameraFacts readCameraFacts(const QString &path)
{
    const ExifResult<ExifData> data = ExifReader::read(path);
    if (!data)
        return {};
    return cameraFactsOf(*data);
}

} // namespace Metadata
