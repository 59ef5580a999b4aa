#pragma once

#include "session/pictureorientation.h"

#include <QString>
#include <QUrl>

namespace Session {

// One picture as the preview and the viewer show it: the file, its caption, how to turn it and
// where it was taken.
struct PreviewPicture
{
    int row = -1;
    // Empty: no picture is shown.
    QString path;
    // The date taken "yyyy-mm-dd hh:mm:ss", empty when the picture has none.
    QString dateTaken;
    QString fileName;
    PictureOrientation orientation;
    // The position text "52 22 12.3 N,4 53 40 E"; empty without a GPS position, and then
    // mapLink is empty too.
    QString position;
    QUrl mapLink;

    bool isEmpty() const { return path.isEmpty(); }
    bool operator==(const PreviewPicture &) const = default;
};

} // namespace Session
