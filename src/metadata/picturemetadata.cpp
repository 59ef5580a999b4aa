#include "metadata/picturemetadata.h"

#include "metadata/exifreader.h"
#include "metadata/gpsposition.h"
#include "metadata/mediadate.h"
#include "metadata/orientation.h"

namespace Metadata {

QString readPictureMetadata(const QString &path, MetadataItem item)
{
    if (item == MetadataItem::DateTaken)
        return mediaDateTaken(path);
    const ExifResult<ExifData> data = ExifReader::read(path);
    if (!data)
        return {};
    switch (item) {
    case MetadataItem::DateTaken:
        break;
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
