#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

namespace Ui {

// A frame from the start of a video, as Qt Multimedia decodes it, and the video's length.
struct VideoFrame
{
    QImage image;
    // Milliseconds; negative when unknown.
    qint64 duration = -1;

    // Plays the video without sound on the calling thread until its first frame shows, for at
    // most timeout milliseconds or until superseded() says the frame is no longer wanted; a null
    // image when none came.
    static VideoFrame read(const QString &path, const std::function<bool()> &superseded = {}, int timeout = 3000);
    // A film strip with the length written on it, for a video that gives no frame.
    static QImage filmIcon(const QSize &size, qint64 duration);
};

} // namespace Ui
