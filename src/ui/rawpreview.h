#pragma once

#include <QImage>
#include <QString>

namespace Ui {

// The largest preview a camera stored in a RAW file, read through LibRaw; RAW data itself is
// never developed.
struct RawPreview
{
    QImage image;
    // The turn the camera recorded for the picture, clockwise in degrees: 0, 90, 180 or 270.
    int rotation = 0;

    // A null image when the file holds no preview LibRaw can read.
    static RawPreview read(const QString &path);
};

} // namespace Ui
