#include "session/mediatypes.h"

#include "session/pictures.h"

#include <array>

namespace Session {

namespace {

constexpr std::array modernExtensions = {u".heic", u".heif", u".hif", u".avif", u".webp"};
constexpr std::array rawExtensions = {u".cr2", u".cr3", u".nef", u".nrw", u".arw", u".sr2", u".srf", u".dng", u".raf",
                                      u".orf", u".rw2", u".pef", u".srw", u".x3f", u".3fr", u".iiq", u".erf", u".mrw"};
constexpr std::array videoExtensions = {u".mp4", u".mov", u".m4v", u".3gp", u".mts", u".m2ts", u".avi"};

template<size_t N>
bool isOneOf(QStringView extension, const std::array<const char16_t *, N> &list)
{
    for (const char16_t *known : list) {
        if (extension == QStringView(known))
            return true;
    }
    return false;
}

} // namespace

bool MediaOptions::lists(MediaGroup group) const
{
    switch (group) {
    case MediaGroup::Pictures:
        return pictures;
    case MediaGroup::Modern:
        return modern;
    case MediaGroup::Raw:
        return raw;
    case MediaGroup::Videos:
        return videos;
    }
    return false;
}

std::optional<MediaGroup> mediaGroupOf(QStringView extension)
{
    if (IsPictureExtension(extension))
        return MediaGroup::Pictures;
    if (isOneOf(extension, modernExtensions))
        return MediaGroup::Modern;
    if (isOneOf(extension, rawExtensions))
        return MediaGroup::Raw;
    if (isOneOf(extension, videoExtensions))
        return MediaGroup::Videos;
    return std::nullopt;
}

std::optional<MediaGroup> mediaGroupOfName(QStringView fileName)
{
    return mediaGroupOf(extensionOf(fileName));
}

bool isListedName(QStringView fileName, const MediaOptions &options)
{
    const std::optional<MediaGroup> group = mediaGroupOfName(fileName);
    return group && options.lists(*group);
}

int leadRank(QStringView fileName)
{
    const QString extension = extensionOf(fileName);
    const std::optional<MediaGroup> group = mediaGroupOf(extension);
    if (!group)
        return -1;
    switch (*group) {
    case MediaGroup::Pictures:
        return extension == u".jpg" || extension == u".jpeg" ? 0 : 2;
    case MediaGroup::Modern:
        return extension == u".webp" ? 2 : 1;
    case MediaGroup::Raw:
        return 3;
    case MediaGroup::Videos:
        return 4;
    }
    return -1;
}

bool mayFollow(QStringView fileName)
{
    const std::optional<MediaGroup> group = mediaGroupOfName(fileName);
    return group && *group != MediaGroup::Pictures;
}

QString videoDurationText(qint64 milliseconds)
{
    if (milliseconds < 0)
        return {};
    // Rounded to the nearest second, as players show a length.
    const qint64 seconds = (milliseconds + 500) / 1000;
    const auto twoDigits = [](qint64 value) { return QString::number(value).rightJustified(2, u'0'); };
    if (seconds >= 3600)
        return QString::number(seconds / 3600) + u':' + twoDigits(seconds / 60 % 60) + u':' + twoDigits(seconds % 60);
    return QString::number(seconds / 60) + u':' + twoDigits(seconds % 60);
}

} // namespace Session
