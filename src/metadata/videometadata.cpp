#include "metadata/videometadata.h"

#include "metadata/datetaken.h"


namespace Metadata {

QString videoDateTakenText(const VideoMetadata &video, const std::optional<QTimeZone> &zone)
{
    if (!video.localCreation.isEmpty())
        return video.localCreation;
    if (!video.createdUtc.isValid())
        return {};
    // Through the EXIF form, so that a video's date obeys the same range as a picture's.
    const QDateTime local = zone ? video.createdUtc.toTimeZone(*zone) : video.createdUtc.toLocalTime();
    const QString text = local.toString(u"yyyy:MM:dd hh:mm:ss");
    return dateTakenText(text.toLatin1());
}

} // namespace Metadata
