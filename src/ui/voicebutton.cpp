#include "ui/voicebutton.h"

#include "ui/qtvoiceplayers.h"

#include "platform/movieplayers.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace Ui {

using Icon = Session::VoiceControl::Icon;

namespace {

// Red that reads on light and dark buttons alike.
const QColor crossColour(220, 50, 50);

void drawMicrophone(QPainter &painter, qreal side)
{
    const qreal w = side / 16.0;
    painter.drawRoundedRect(QRectF(6 * w, 1.5 * w, 4 * w, 8 * w), 2 * w, 2 * w);
    QPainterPath holder;
    holder.moveTo(3.5 * w, 7 * w);
    holder.arcTo(QRectF(3.5 * w, 3.5 * w, 9 * w, 8.5 * w), 180, 180);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(holder);
    painter.drawLine(QPointF(8 * w, 12 * w), QPointF(8 * w, 14.5 * w));
    painter.drawLine(QPointF(5.5 * w, 14.5 * w), QPointF(10.5 * w, 14.5 * w));
}

void drawMovie(QPainter &painter, qreal side)
{
    const qreal w = side / 16.0;
    const QRectF film(2 * w, 3 * w, 12 * w, 10 * w);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(film);
    painter.drawLine(QPointF(2 * w, 5.5 * w), QPointF(14 * w, 5.5 * w));
    painter.drawLine(QPointF(2 * w, 10.5 * w), QPointF(14 * w, 10.5 * w));
    for (int hole = 0; hole < 4; ++hole) {
        const qreal x = (3.2 + hole * 2.8) * w;
        painter.drawPoint(QPointF(x + 0.6 * w, 4.25 * w));
        painter.drawPoint(QPointF(x + 0.6 * w, 11.75 * w));
    }
    QPainterPath play;
    play.moveTo(7 * w, 6.6 * w);
    play.lineTo(10 * w, 8 * w);
    play.lineTo(7 * w, 9.4 * w);
    play.closeSubpath();
    painter.setBrush(painter.pen().color());
    painter.drawPath(play);
}

QPixmap drawIcon(Icon icon, const QColor &colour, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, qMax(1.2, side / 12.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (icon) {
    case Icon::Microphone:
    case Icon::MicrophoneCrossed:
        drawMicrophone(painter, side);
        break;
    case Icon::Movie:
    case Icon::MovieCrossed:
        drawMovie(painter, side);
        break;
    case Icon::Stop:
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(side * 0.25, side * 0.25, side * 0.5, side * 0.5), side / 16.0, side / 16.0);
        break;
    }
    if (icon == Icon::MicrophoneCrossed || icon == Icon::MovieCrossed) {
        painter.setPen(QPen(crossColour, qMax(1.5, side / 9.0), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(side * 0.12, side * 0.12), QPointF(side * 0.88, side * 0.88));
    }
    return pixmap;
}

} // namespace

VoiceButton::VoiceButton(const Session::PlayingMeans &means, QWidget *parent)
    : QToolButton(parent), m_players(new QtVoicePlayers(this)), m_control(new Session::VoiceControl(means, *m_players, this))
{
    setObjectName(u"voiceButton"_s);
    setAutoRaise(true);
    setIconSize(QSize(22, 22));
    connect(this, &QToolButton::clicked, m_control, &Session::VoiceControl::play);
    connect(m_players, &QtVoicePlayers::waveEnded, m_control, &Session::VoiceControl::playEnded);
    connect(m_control, &Session::VoiceControl::changed, this, &VoiceButton::showControl);
    showControl();
}

VoiceButton::~VoiceButton()
{
    m_players->closeWave();
}

Session::PlayingMeans VoiceButton::findPlayingMeans()
{
    const Platform::MoviePlayers players = Platform::findMoviePlayers();
    return {QtVoicePlayers::hasSoundOutput(), players.playerA, players.playerB};
}

QIcon VoiceButton::iconOf(Icon icon, const QPalette &palette)
{
    QIcon result;
    for (const int side : {16, 22, 32, 48}) {
        result.addPixmap(drawIcon(icon, palette.color(QPalette::Active, QPalette::ButtonText), side), QIcon::Normal);
        result.addPixmap(drawIcon(icon, palette.color(QPalette::Disabled, QPalette::ButtonText), side), QIcon::Disabled);
    }
    return result;
}

void VoiceButton::setPicture(const QString &picturePath)
{
    m_control->showPicture(picturePath);
}

void VoiceButton::paintEvent(QPaintEvent *event)
{
    // It sits on a photograph: a plate in the window colour keeps it visible on any picture.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor plate = palette().color(QPalette::Window);
    plate.setAlpha(210);
    painter.setPen(Qt::NoPen);
    painter.setBrush(plate);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5);
    painter.end();
    QToolButton::paintEvent(event);
}

void VoiceButton::changeEvent(QEvent *event)
{
    QToolButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        showControl();
}

void VoiceButton::showControl()
{
    setIcon(iconOf(m_control->icon(), palette()));
    setToolTip(m_control->hint());
    setEnabled(m_control->isEnabled());
    // Shown on its picture only while the picture has a recording; never as a window of its own.
    setVisible(parentWidget() && m_control->audioPanelVisible());
}

} // namespace Ui
