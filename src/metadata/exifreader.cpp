#include "metadata/exifreader.h"

#include "metadata/bytesource_p.h"
#include "metadata/exiflocator_p.h"
#include "metadata/tiffparser_p.h"

#include <QFile>
#include <QFileInfo>

namespace Metadata {

namespace {

ExifResult<ExifData> readFrom(const ByteSource &file)
{
    const ExifResult<ByteSource> block = ExifLocator::locate(file);
    if (!block)
        return Records::fail(block.error());
    return TiffParser::parse(*block);
}

} // namespace

ExifResult<ExifData> ExifReader::read(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return Records::fail(ExifError{ExifError::Code::NotFound, -1});
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Records::fail(ExifError{ExifError::Code::ReadFailed, -1});
    return readFrom(ByteSource(file));
}

ExifResult<ExifData> ExifReader::readBytes(QByteArrayView file)
{
    return readFrom(ByteSource(file));
}

ExifResult<ExifData> ExifReader::readTiff(QByteArrayView block)
{
    return TiffParser::parse(ByteSource(block));
}

} // namespace Metadata
