#include "ui/videoframe.h"

#include "session/mediatypes.h"

#include <QEventLoop>
#include <QMediaPlayer>
#include <QPainter>
#include <QTimer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>

namespace Ui {

VideoFrame VideoFrame::read(const QString &path, const std::function<bool()> &superseded, int timeout)
{
    VideoFrame frame;
    QEventLoop loop;
    QMediaPlayer player;
    QVideoSink sink;
    // No audio output is set: nothing is heard.
    player.setVideoSink(&sink);
    QObject::connect(&sink, &QVideoSink::videoFrameChanged, &loop, [&frame, &loop](const QVideoFrame &shown) {
        if (!shown.isValid() || !frame.image.isNull())
            return;
        frame.image = shown.toImage();
        if (!frame.image.isNull())
            loop.quit();
    });
    QObject::connect(&player, &QMediaPlayer::durationChanged, &loop,
                     [&frame](qint64 duration) { frame.duration = duration > 0 ? duration : frame.duration; });
    QObject::connect(&player, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
    // A step to another picture does not wait for this one's frame.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &loop, [&superseded, &loop] {
        if (superseded && superseded())
            loop.quit();
    });
    watch.start(50);
    player.setSource(QUrl::fromLocalFile(path));
    player.play();
    if (frame.image.isNull())
        loop.exec();
    if (frame.duration < 0 && player.duration() > 0)
        frame.duration = player.duration();
    player.stop();
    return frame;
}

QImage VideoFrame::filmIcon(const QSize &size, qint64 duration)
{
    const QSize side = size.isValid() ? size.boundedTo(QSize(640, 480)) : QSize(320, 240);
    QImage image(side, QImage::Format_RGB32);
    image.fill(QColor(32, 32, 36));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = qMin(side.width(), side.height()) / 12.0;
    const QRectF strip(side.width() / 2.0 - unit * 3, side.height() / 2.0 - unit * 4, unit * 6, unit * 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 200, 205));
    painter.drawRoundedRect(strip, unit * 0.4, unit * 0.4);
    painter.setBrush(QColor(32, 32, 36));
    for (int hole = 0; hole < 5; ++hole) {
        const qreal y = strip.top() + unit * (0.35 + hole * 1.15);
        painter.drawRect(QRectF(strip.left() + unit * 0.3, y, unit * 0.6, unit * 0.7));
        painter.drawRect(QRectF(strip.right() - unit * 0.9, y, unit * 0.6, unit * 0.7));
    }
    painter.drawRect(strip.adjusted(unit * 1.3, unit * 0.5, -unit * 1.3, -unit * 0.5));
    const QString length = Session::videoDurationText(duration);
    if (!length.isEmpty()) {
        QFont font = painter.font();
        font.setPixelSize(int(unit * 1.2));
        painter.setFont(font);
        painter.setPen(QColor(230, 230, 230));
        painter.drawText(QRectF(0, strip.bottom() + unit * 0.5, side.width(), unit * 2), Qt::AlignCenter, length);
    }
    return image;
}

} // namespace Ui
