#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <optional>

namespace Metadata {

// What the program reads from a video (MP4, MOV, M4V, 3GP): the movie header's creation time
// and duration, and Apple's creation-date key.
struct VideoMetadata
{
    // The movie header's (mvhd) creation time, which the formats keep in UTC; invalid when the
    // header is missing or holds 0, the writers' "unknown".
    QDateTime createdUtc;
    // Apple's "com.apple.quicktime.creationdate" (an ISO 8601 text with the offset of the
    // place of capture, as in "2024-05-03T14:22:11+0200"): its clock time as
    // "yyyy-mm-dd hh:mm:ss", the offset dropped; empty when the key is missing or not of that
    // form.
    QString localCreation;
    // The movie header's duration in milliseconds; -1 when unknown.
    qint64 durationMs = -1;

    bool operator==(const VideoMetadata &) const = default;
};

// The date taken of a video as "yyyy-mm-dd hh:mm:ss" (see dateTakenText): the local time of
// capture. Apple's key gives it with the clock time written there; otherwise the UTC creation
// time is shown in zone, the zone in force where the video is looked at (nothing: the
// system's). Empty when the video has neither, or the date lies outside the range of a
// file-system date.
QString videoDateTakenText(const VideoMetadata &video, const std::optional<QTimeZone> &zone);

} // namespace Metadata
