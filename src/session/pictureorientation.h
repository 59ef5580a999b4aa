#pragma once

#include <QStringView>

namespace Session {

// How a stored picture is turned to be seen upright: first mirrored left to right when
// mirrored is set, then turned clockwise by rotation degrees (0, 90, 180 or 270). Every viewer
// applies this one description, so the pictures stand as their EXIF orientation says.
struct PictureOrientation
{
    int rotation = 0;
    bool mirrored = false;

    // From the EXIF orientation digit "1".."8"; any other text (no tag, no EXIF data, an
    // unknown value) leaves the picture as it is stored.
    static PictureOrientation fromExif(QStringView digit);
    // Whether width and height trade places on the screen.
    bool swapsSides() const { return rotation == 90 || rotation == 270; }
    bool operator==(const PictureOrientation &) const = default;
};

} // namespace Session
