#include "metadata/picturemetadata.h"

#include "metadata/datetaken.h"
#include "metadata/exifreader.h"
#include "metadata/gpsposition.h"
#include "metadata/orientation.h"

namespace Metadata {

QString readPictureMetadata(const QString &path, MetadataItem item)
{
    const ExifResult<ExifData> data = ExifReader::read(path);
    if (!data)
        return {};
    switch (item) {
    case MetadataItem::DateTaken:
        return dateTakenText(*data);
    case MetadataItem::Position:
        return rawPositionText(*data);
    case MetadataItem::Orientation:
        return orientationText(*data);
    }
    return {};
}

QString GetLatLong(const QString &Picture)
{
    return readPictureMetadata(Picture, MetadataItem::Position);
}

TAExifEl readTagList(const QString &path)
{
    const ExifResult<ExifData> data = ExifReader::read(path);
    if (!data)
        return {};
    return tagList(*data);
}

} // namespace Metadata
