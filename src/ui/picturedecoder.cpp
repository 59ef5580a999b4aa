#include "ui/picturedecoder.h"

#include "session/pictureorientation.h"

#include <QImageReader>
#include <QPointer>
#include <QRunnable>
#include <QTransform>

namespace Ui {

PictureDecoder::PictureDecoder(QObject *parent)
    : QObject(parent), m_latest(std::make_shared<std::atomic<quint64>>(0))
{
    // One picture at a time: a superseded request that has not started is skipped, and the
    // one under way is the only work that can delay the next.
    m_pool.setMaxThreadCount(1);
}

PictureDecoder::~PictureDecoder()
{
    cancel();
    m_pool.clear();
    m_pool.waitForDone();
}

quint64 PictureDecoder::request(const QString &path, const Session::PictureOrientation &orientation,
                                const QSize &bounds)
{
    const quint64 id = ++m_next;
    m_latest->store(id);
    m_pool.clear();
    const std::shared_ptr<std::atomic<quint64>> latest = m_latest;
    const QPointer<PictureDecoder> self(this);
    m_pool.start(QRunnable::create([self, latest, id, path, orientation, bounds] {
        if (latest->load() != id)
            return;
        const QImage image = decode(path, orientation, bounds);
        if (latest->load() != id)
            return;
        // The decoder lives until the pool has finished, so self is valid while queuing.
        QMetaObject::invokeMethod(
            self.data(),
            [self, latest, id, image] {
                if (self && latest->load() == id)
                    Q_EMIT self->decoded(id, image);
            },
            Qt::QueuedConnection);
    }));
    return id;
}

void PictureDecoder::cancel()
{
    m_latest->store(0);
}

QImage PictureDecoder::decode(const QString &path, const Session::PictureOrientation &orientation,
                              const QSize &bounds)
{
    QImageReader reader(path);
    // The turn comes from the orientation given, not from the reader's own reading of it.
    reader.setAutoTransform(false);
    const QSize stored = reader.size();
    if (stored.isValid() && bounds.isValid()) {
        const QSize storedBounds = orientation.swapsSides() ? bounds.transposed() : bounds;
        if (stored.width() > storedBounds.width() || stored.height() > storedBounds.height()) {
            // JPEG pictures are then decoded at a fraction of their size, which is most of the
            // time saved.
            reader.setScaledSize(stored.scaled(storedBounds, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
        }
    }
    QImage image = reader.read();
    if (image.isNull())
        return image;
    if (orientation.mirrored)
        image = image.mirrored(true, false);
    if (orientation.rotation != 0)
        image = image.transformed(QTransform().rotate(orientation.rotation));
    return image;
}

} // namespace Ui
