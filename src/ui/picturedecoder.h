#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

namespace Session {
struct PictureOrientation;
}

namespace Ui {

// Decodes pictures for display away from the user interface's thread, so that typing and
// moving through the table never wait for a picture.
class PictureDecoder final : public QObject
{
    Q_OBJECT

public:
    // Whether a request first delivers the thumbnail the camera stored in the file.
    enum class Thumbnail { Skip, First };

    explicit PictureDecoder(QObject *parent = nullptr);
    // Waits for a decode under way; its result is dropped.
    ~PictureDecoder() override;

    // Starts decoding path, turned upright as orientation says and scaled down to fit bounds
    // (in pixels, as the picture is seen once turned), keeping its proportions; a picture smaller
    // than bounds keeps its size. With Thumbnail::First, the file's embedded thumbnail is read
    // at the same time on a thread of its own, so that a full decode under way never holds it
    // up. Every earlier request is superseded: none of its results is delivered any more.
    // Returns the request's id, which the signals name.
    quint64 request(const QString &path, const Session::PictureOrientation &orientation, const QSize &bounds,
                    Thumbnail thumbnail = Thumbnail::Skip);
    // Drops the request under way, if any.
    void cancel();

    // The same work, on the calling thread; superseded tells a video's frame is no longer wanted.
    static QImage decode(const QString &path, const Session::PictureOrientation &orientation, const QSize &bounds,
                         const std::function<bool()> &superseded = {});
    // The embedded thumbnail of path, turned as orientation says and brought to the proportions
    // of the picture itself (cameras fill out 160x120 with bars or squeeze the picture into it);
    // a null image when the file has none that can be read, or one that cannot be of the
    // picture as it is now.
    static QImage decodeThumbnail(const QString &path, const Session::PictureOrientation &orientation);

Q_SIGNALS:
    // The embedded thumbnail of the latest request, when it asked for one and the file has one.
    // It never comes after decoded() of the same request.
    void thumbnailDecoded(quint64 id, const QImage &image);
    // The picture of the latest request, on the thread of the decoder; a null image when the file
    // cannot be read as a picture.
    void decoded(quint64 id, const QImage &image);

private:
    QThreadPool m_pool;
    QThreadPool m_thumbnailPool;
    // The id of the request whose result is wanted; shared with the work under way.
    std::shared_ptr<std::atomic<quint64>> m_latest;
    quint64 m_next = 0;
    // The request whose picture decoded() delivered last; a thumbnail of it comes too late.
    quint64 m_delivered = 0;
};

} // namespace Ui
