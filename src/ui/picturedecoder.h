#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <atomic>
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
    explicit PictureDecoder(QObject *parent = nullptr);
    // Waits for a decode under way; its result is dropped.
    ~PictureDecoder() override;

    // Starts decoding path, turned upright as orientation says and scaled down to fit bounds
    // (in pixels, as the picture is seen once turned), keeping its proportions; a picture smaller
    // than bounds keeps its size. Every earlier request is superseded: its result is never
    // delivered. Returns the request's id, which decoded() names.
    quint64 request(const QString &path, const Session::PictureOrientation &orientation, const QSize &bounds);
    // Drops the request under way, if any.
    void cancel();

    // The same work, on the calling thread.
    static QImage decode(const QString &path, const Session::PictureOrientation &orientation, const QSize &bounds);

Q_SIGNALS:
    // The picture of the latest request, on the thread of the decoder; a null image when the file
    // cannot be read as a picture.
    void decoded(quint64 id, const QImage &image);

private:
    QThreadPool m_pool;
    // The id of the request whose result is wanted; shared with the work under way.
    std::shared_ptr<std::atomic<quint64>> m_latest;
    quint64 m_next = 0;
};

} // namespace Ui
