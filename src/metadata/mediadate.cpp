#include "metadata/mediadate.h"

#include "metadata/bytesource_p.h"
#include "metadata/datetaken.h"
#include "metadata/exifreader.h"
#include "metadata/mediaformat.h"
#include "metadata/videoreader.h"

#include <QFile>

#include <algorithm>

namespace Metadata {

QString mediaDateTaken(const QString &path, const std::optional<QTimeZone> &zone)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const ByteSource source(file);
    const std::optional<QByteArray> head = source.read(0, std::min<quint64>(source.size(), headBytes));
    if (!head)
        return {};
    if (mediaFormat(*head) == MediaFormat::Video) {
        const ExifResult<VideoMetadata> video = VideoReader::readSource(source);
        return video ? videoDateTakenText(*video, zone) : QString();
    }
    const ExifResult<ExifData> data = ExifReader::readSource(source, TagSelection::DateTaken);
    return data ? dateTakenText(*data) : QString();
}

} // namespace Metadata
