#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace Session {

// The kinds of files the table lists, each a group the user may switch off.
enum class MediaGroup {
    // The pictures the program always listed: JPEG, PNG, TIFF, GIF, BMP, icons and metafiles.
    Pictures,
    // HEIF/HEIC, AVIF and WebP.
    Modern,
    // Camera RAW files.
    Raw,
    Videos,
};

// Which groups are listed, and whether a RAW file or a video beside a picture of the same name
// follows that picture instead of being a row of its own.
struct MediaOptions
{
    bool pictures = true;
    bool modern = true;
    bool raw = true;
    bool videos = true;
    bool pairsFollow = true;

    bool lists(MediaGroup group) const;
    bool operator==(const MediaOptions &) const = default;
};

// The group of a lower-case extension with its dot; nothing for a file the table never lists.
std::optional<MediaGroup> mediaGroupOf(QStringView extension);
// The group of a file name's extension in any letter case.
std::optional<MediaGroup> mediaGroupOfName(QStringView fileName);
// Whether a file of this name is listed as a row (pairs left aside).
bool isListedName(QStringView fileName, const MediaOptions &options);

// Which of several files of one base name leads, the others of a newer type following it:
// JPEG first, then HEIF/AVIF, then the other pictures and WebP, then RAW, then videos. Lower
// leads; -1 for a file the table never lists.
int leadRank(QStringView fileName);
// Whether a file of this name may follow another picture as its pair: HEIF/AVIF, WebP, RAW and
// videos. The pictures of old never follow: two of them of one name stay rows.
bool mayFollow(QStringView fileName);

// A video's length as shown on its film icon: "m:ss", or "h:mm:ss" from an hour on; empty when
// the length is unknown (negative).
QString videoDurationText(qint64 milliseconds);

} // namespace Session
