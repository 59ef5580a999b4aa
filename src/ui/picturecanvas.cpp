#include "ui/picturecanvas.h"

#include "ui/picturedecoder.h"

#include "l10n/text.h"

#include <QPainter>
#include <QTimer>

namespace Ui {

PictureCanvas::PictureCanvas(QWidget *parent) : QWidget(parent), m_decoder(new PictureDecoder(this))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(80, 60);
    connect(m_decoder, &PictureDecoder::thumbnailDecoded, this, [this](quint64, const QImage &image) {
        if (!m_waiting)
            return;
        m_showsThumbnail = true;
        display(image);
        Q_EMIT thumbnailReady();
    });
    connect(m_decoder, &PictureDecoder::decoded, this, [this](quint64, const QImage &image) {
        m_waiting = false;
        m_showsThumbnail = false;
        // A picture smaller than asked for came whole: no larger canvas needs it decoded again.
        m_complete = !image.isNull() && image.width() < m_requested.width() && image.height() < m_requested.height();
        display(image);
        Q_EMIT pictureReady();
    });
    // Dragging a splitter resizes the canvas many times: decode again once it rests.
    m_resizeDelay = new QTimer(this);
    m_resizeDelay->setSingleShot(true);
    m_resizeDelay->setInterval(150);
    connect(m_resizeDelay, &QTimer::timeout, this, &PictureCanvas::requestDecode);
    m_settled = new QTimer(this);
    m_settled->setSingleShot(true);
    m_settled->setInterval(0);
    connect(m_settled, &QTimer::timeout, this, &PictureCanvas::requestDecode);
}

PictureCanvas::~PictureCanvas() = default;

QSize PictureCanvas::sizeHint() const
{
    return {320, 240};
}

void PictureCanvas::setHeightFollowsPicture(bool follows)
{
    m_heightFollowsPicture = follows;
    setSizePolicy(QSizePolicy::Expanding, follows ? QSizePolicy::Preferred : QSizePolicy::Expanding);
    updateGeometry();
}

int PictureCanvas::heightForWidth(int width) const
{
    if (m_image.isNull() || m_image.width() == 0)
        return width * 3 / 4;
    return int(qint64(width) * m_image.height() / m_image.width());
}

void PictureCanvas::setPicture(const QString &path, const Session::PictureOrientation &orientation)
{
    if (path == m_path && orientation == m_orientation)
        return;
    m_path = path;
    m_orientation = orientation;
    m_complete = false;
    m_waiting = !path.isEmpty();
    if (path.isEmpty()) {
        m_settled->stop();
        m_resizeDelay->stop();
        m_decoder->cancel();
        m_image = QImage();
        m_scaled = QPixmap();
        m_failed = false;
        m_showsThumbnail = false;
        placeOverlay();
        update();
        return;
    }
    // A pane that has just appeared gets its size from layout events still queued.
    m_settled->start();
}

void PictureCanvas::display(const QImage &image)
{
    m_image = image;
    m_failed = image.isNull();
    m_scaled = QPixmap();
    if (m_heightFollowsPicture)
        updateGeometry();
    placeOverlay();
    update();
}

void PictureCanvas::requestDecode()
{
    m_settled->stop();
    m_resizeDelay->stop();
    if (m_path.isEmpty() || !isVisible())
        return;
    QSize bounds = size();
    // The canvas grows to the picture's height once it is there, up to what its parent has.
    if (m_heightFollowsPicture && parentWidget())
        bounds.setHeight(qMax(bounds.height(), parentWidget()->height()));
    m_requested = bounds * devicePixelRatioF();
    // A canvas that only grew needs no thumbnail over the picture it has.
    m_decoder->request(m_path, m_orientation, m_requested,
                       m_waiting ? PictureDecoder::Thumbnail::First : PictureDecoder::Thumbnail::Skip);
}

QRect PictureCanvas::pictureRect() const
{
    if (m_image.isNull())
        return {};
    QRect rect(QPoint(), m_image.size().scaled(size(), Qt::KeepAspectRatio));
    rect.moveCenter(this->rect().center());
    return rect;
}

void PictureCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_failed) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, L10n::text(1187, "Can not show picture"));
        return;
    }
    if (m_image.isNull())
        return;
    const QRect target = pictureRect();
    const QSize pixels = target.size() * devicePixelRatioF();
    if (m_scaled.size() != pixels) {
        m_scaled = QPixmap::fromImage(m_image.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(devicePixelRatioF());
    }
    painter.drawPixmap(target.topLeft(), m_scaled);
}

void PictureCanvas::showEvent(QShowEvent *)
{
    if (m_waiting)
        m_settled->start();
}

void PictureCanvas::resizeEvent(QResizeEvent *)
{
    placeOverlay();
    // A smaller canvas makes do with the picture it has; a larger one wants more pixels unless
    // the picture is already whole.
    const QSize needed = size() * devicePixelRatioF();
    if (!m_path.isEmpty() && !m_complete
        && (needed.width() > m_requested.width() || needed.height() > m_requested.height()))
        m_resizeDelay->start();
}

void PictureCanvas::setOverlay(QWidget *overlay)
{
    m_overlay = overlay;
    if (!overlay)
        return;
    overlay->setParent(this);
    overlay->raise();
    overlay->show();
    placeOverlay();
}

void PictureCanvas::placeOverlay()
{
    if (!m_overlay)
        return;
    const QRect picture = pictureRect();
    m_overlay->move(picture.isValid() ? picture.topLeft() : QPoint());
}

} // namespace Ui
