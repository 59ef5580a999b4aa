#include "metadata/exifreader.h"

#include "metadata/bytesource_p.h"
#include "metadata/cr3exif_p.h"
#include "metadata/exiflocator_p.h"
#include "metadata/mediaformat.h"
#include "metadata/tiffparser_p.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace Metadata {

ExifResult<ExifData> ExifReader::readSource(const ByteSource &file, TagSelection tags)
{
    const std::optional<QByteArray> head = file.read(0, std::min<quint64>(file.size(), headBytes));
    if (head && mediaFormat(*head) == MediaFormat::Cr3)
        return Cr3Exif::read(file, tags);
    const ExifResult<ByteSource> block = ExifLocator::locate(file);
    if (!block)
        return Records::fail(block.error());
    return TiffParser::parse(*block, tags);
}

ExifResult<ExifData> ExifReader::read(const QString &path)
{
    // Opening refuses a folder too; asking first would cost every read a look-up of its own.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QFileInfo info(path);
        const bool found = info.exists() && !info.isDir();
        return Records::fail(ExifError{found ? ExifError::Code::ReadFailed : ExifError::Code::NotFound, -1});
    }
    return readSource(ByteSource(file));
}

ExifResult<ExifData> ExifReader::readBytes(QByteArrayView file)
{
    return readSource(ByteSource(file));
}

ExifResult<ExifData> ExifReader::readTiff(QByteArrayView block)
{
    return TiffParser::parse(ByteSource(block));
}

} // namespace Metadata
