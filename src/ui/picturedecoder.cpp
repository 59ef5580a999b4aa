#include "ui/picturedecoder.h"

#include "ui/heifimage.h"
#include "ui/rawpreview.h"
#include "ui/videoframe.h"

#include "metadata/exifthumbnail.h"
#include "session/mediatypes.h"
#include "session/pictureorientation.h"
#include "session/pictures.h"

#include <QBuffer>
#include <QImageReader>
#include <QPointer>
#include <QRunnable>
#include <QTransform>

namespace Ui {

namespace {

// The one place where decoded pictures, thumbnails included, are stood upright.
QImage turned(QImage image, const Session::PictureOrientation &orientation)
{
    if (image.isNull())
        return image;
    if (orientation.mirrored)
        image = image.mirrored(true, false);
    if (orientation.rotation != 0)
        image = image.transformed(QTransform().rotate(orientation.rotation));
    return image;
}

// Whether everything of image outside kept is dark, as the bars are with which cameras fill
// out a thumbnail of other proportions; a little light is allowed for compression noise.
bool onlyBarsOutside(const QImage &image, const QRect &kept)
{
    int light = 0;
    int outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (kept.contains(x, y))
                continue;
            ++outside;
            if (qGray(image.pixel(x, y)) > 40)
                ++light;
        }
    }
    return light * 50 <= outside;
}

// Fits a decoded picture into bounds, as they are once it is turned.
QImage fitted(QImage image, const QSize &bounds)
{
    if (!image.isNull() && bounds.isValid() && (image.width() > bounds.width() || image.height() > bounds.height()))
        image = image.scaled(bounds, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

// How a file is decoded: by Qt's image readers (the WebP plugin among them), by libheif, from a
// RAW file's preview, or as a frame of a video.
enum class Decoding { Qt, Heif, RawPreview, Video };

Decoding decodingOf(const QString &path)
{
    const QString extension = Session::extensionOf(path);
    switch (Session::mediaGroupOf(extension).value_or(Session::MediaGroup::Pictures)) {
    case Session::MediaGroup::Modern:
        return extension == u".webp" ? Decoding::Qt : Decoding::Heif;
    case Session::MediaGroup::Raw:
        return Decoding::RawPreview;
    case Session::MediaGroup::Videos:
        return Decoding::Video;
    case Session::MediaGroup::Pictures:
        break;
    }
    return Decoding::Qt;
}

} // namespace

PictureDecoder::PictureDecoder(QObject *parent)
    : QObject(parent), m_latest(std::make_shared<std::atomic<quint64>>(0))
{
    // One picture at a time: a superseded request that has not started is skipped, and the
    // one under way is the only work that can delay the next.
    m_pool.setMaxThreadCount(1);
    m_thumbnailPool.setMaxThreadCount(1);
}

PictureDecoder::~PictureDecoder()
{
    cancel();
    m_pool.clear();
    m_thumbnailPool.clear();
    m_pool.waitForDone();
    m_thumbnailPool.waitForDone();
}

quint64 PictureDecoder::request(const QString &path, const Session::PictureOrientation &orientation,
                                const QSize &bounds, Thumbnail thumbnail)
{
    const quint64 id = ++m_next;
    m_latest->store(id);
    m_pool.clear();
    m_thumbnailPool.clear();
    const std::shared_ptr<std::atomic<quint64>> latest = m_latest;
    const QPointer<PictureDecoder> self(this);
    // The decoder lives until the pools have finished, so self is valid while queuing.
    const auto deliver = [self, latest, id](const QImage &image, bool whole) {
        QMetaObject::invokeMethod(
            self.data(),
            [self, latest, id, image, whole] {
                if (!self || latest->load() != id)
                    return;
                if (whole) {
                    self->m_delivered = id;
                    Q_EMIT self->decoded(id, image);
                } else if (self->m_delivered != id) {
                    Q_EMIT self->thumbnailDecoded(id, image);
                }
            },
            Qt::QueuedConnection);
    };
    if (thumbnail == Thumbnail::First) {
        m_thumbnailPool.start(QRunnable::create([latest, id, path, orientation, deliver] {
            if (latest->load() != id)
                return;
            const QImage image = decodeThumbnail(path, orientation);
            if (!image.isNull() && latest->load() == id)
                deliver(image, false);
        }));
    }
    m_pool.start(QRunnable::create([latest, id, path, orientation, bounds, deliver] {
        if (latest->load() != id)
            return;
        const QImage image = decode(path, orientation, bounds, [latest, id] { return latest->load() != id; });
        if (latest->load() == id)
            deliver(image, true);
    }));
    return id;
}

void PictureDecoder::cancel()
{
    m_latest->store(0);
}

QImage PictureDecoder::decode(const QString &path, const Session::PictureOrientation &orientation,
                              const QSize &bounds, const std::function<bool()> &superseded)
{
    switch (decodingOf(path)) {
    case Decoding::Heif:
        // libheif has stood it upright by the file's own turn, which the EXIF orientation of a
        // HEIF file only repeats.
        return HeifImage::read(path, bounds);
    case Decoding::RawPreview: {
        RawPreview preview = RawPreview::read(path);
        // The orientation read from the file's EXIF wins; LibRaw's reading stands in until
        // there is one.
        const bool upright = orientation.rotation == 0 && !orientation.mirrored;
        const QImage image = upright && preview.rotation != 0
                                 ? preview.image.transformed(QTransform().rotate(preview.rotation))
                                 : turned(std::move(preview.image), orientation);
        return fitted(image, bounds);
    }
    case Decoding::Video: {
        const VideoFrame frame = VideoFrame::read(path, superseded);
        return fitted(frame.image.isNull() ? VideoFrame::filmIcon(bounds, frame.duration) : frame.image, bounds);
    }
    case Decoding::Qt:
        break;
    }
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
    return turned(reader.read(), orientation);
}

QImage PictureDecoder::decodeThumbnail(const QString &path, const Session::PictureOrientation &orientation)
{
    switch (decodingOf(path)) {
    case Decoding::Heif:
        return HeifImage::readThumbnail(path);
    case Decoding::RawPreview:
    case Decoding::Video:
        // The preview or the frame is all there is to show.
        return {};
    case Decoding::Qt:
        break;
    }
    QByteArray bytes = Metadata::ExifThumbnail::read(path);
    if (bytes.isEmpty())
        return {};
    QBuffer buffer(&bytes);
    QImageReader thumbnailReader(&buffer, "jpeg");
    thumbnailReader.setAutoTransform(false);
    QImage image = thumbnailReader.read();
    if (image.isNull())
        return image;
    // Only the picture's header is read for its size.
    const QSize stored = QImageReader(path).size();
    if (stored.isValid()) {
        // A thumbnail upright where the picture lies, or the other way round, shows the picture
        // as it was before an editor turned or cut it and left the thumbnail.
        if ((stored.width() > stored.height() && image.width() < image.height())
            || (stored.width() < stored.height() && image.width() > image.height()))
            return {};
        QRect kept(QPoint(), stored.scaled(image.size(), Qt::KeepAspectRatio));
        kept.moveCenter(image.rect().center());
        // A pixel or two off is rounding. Otherwise the camera either filled out the thumbnail
        // with bars, which are cut off, or squeezed the whole picture into it.
        if (image.width() - kept.width() > 2 || image.height() - kept.height() > 2) {
            image = onlyBarsOutside(image, kept)
                ? image.copy(kept)
                : image.scaled(kept.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    }
    return turned(image, orientation);
}

} // namespace Ui
