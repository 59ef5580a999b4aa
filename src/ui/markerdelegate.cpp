#include "ui/markerdelegate.h"

#include "ui/themecolours.h"

#include "session/picturerow.h"
#include "session/picturetablemodel.h"

#include <QPainter>
#include <QPainterPath>

namespace Ui {

namespace {

constexpr int voiceMarkWidth = 12;

// A small microphone: the picture has a voice recording.
void paintVoiceMark(QPainter *painter, const QRect &rect, const QColor &colour)
{
    const qreal unit = qMin(rect.width() / 5.5, rect.height() / 10.0);
    const QPointF top(rect.center().x() + 0.5 - unit * 1.5, rect.center().y() + 0.5 - unit * 4);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(colour, qMax(1.0, unit * 0.8), Qt::SolidLine, Qt::RoundCap));
    painter->setBrush(colour);
    painter->drawRoundedRect(QRectF(top, QSizeF(unit * 3, unit * 5)), unit * 1.5, unit * 1.5);
    painter->setBrush(Qt::NoBrush);
    QPainterPath holder;
    holder.moveTo(top.x() - unit, top.y() + unit * 3);
    holder.arcTo(QRectF(top.x() - unit, top.y() + unit * 1, unit * 5, unit * 5), 180, 180);
    painter->drawPath(holder);
    painter->drawLine(QPointF(top.x() + unit * 1.5, top.y() + unit * 6), QPointF(top.x() + unit * 1.5, top.y() + unit * 8));
    painter->restore();
}

// Two stacked frames: a RAW file or a video follows the picture as its pair.
void paintPairMark(QPainter *painter, const QRect &rect, const QColor &colour)
{
    const qreal unit = qMin(rect.width() / 6.0, rect.height() / 10.0);
    const QPointF centre(rect.center().x() + 0.5, rect.center().y() + 0.5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(colour, qMax(1.0, unit * 0.6)));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(centre.x() - unit * 2.5, centre.y() - unit * 2.5, unit * 3.5, unit * 3.5));
    painter->setBrush(colour);
    painter->drawRect(QRectF(centre.x() - unit * 1, centre.y() - unit * 1, unit * 3.5, unit * 3.5));
    painter->restore();
}

} // namespace

void MarkerDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    // The right end of the cell holds the voice mark, the left end the pair mark; the marker is
    // centred in the rest, on rows with and without them alike.
    const int markWidth = qMin(voiceMarkWidth, option.rect.width() / 4);
    const QRect markerRect = option.rect.adjusted(markWidth, 0, -markWidth, 0);
    const QPalette::ColorRole role = option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    if (!index.data(Session::PictureTableModel::VoiceRole).toString().isEmpty()) {
        paintVoiceMark(painter, QRect(markerRect.right() + 1, option.rect.top(), markWidth, option.rect.height()),
                       option.palette.color(role));
    }
    if (index.data(Session::PictureTableModel::PairRole).toBool())
        paintPairMark(painter, QRect(option.rect.left(), option.rect.top(), markWidth, option.rect.height()),
                      option.palette.color(role));
    const QString marker = index.data(Session::PictureTableModel::MarkerRole).toString();
    if (marker.isEmpty())
        return;
    const int side = qMin(markerRect.height(), markerRect.width()) - 6;
    const QRectF box(markerRect.center().x() - side / 2.0, markerRect.center().y() - side / 2.0, side, side);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (marker == Session::Marker::erroneous) {
        painter->setPen(QPen(ThemeColours::text(Tint::Error, option.palette), 2.4, Qt::SolidLine, Qt::RoundCap));
        painter->drawLine(box.topLeft() + QPointF(2, 2), box.bottomRight() - QPointF(2, 2));
        painter->drawLine(box.topRight() + QPointF(-2, 2), box.bottomLeft() + QPointF(2, -2));
    } else {
        QPainterPath tick;
        tick.moveTo(box.left() + side * 0.15, box.top() + side * 0.55);
        tick.lineTo(box.left() + side * 0.42, box.top() + side * 0.82);
        tick.lineTo(box.left() + side * 0.88, box.top() + side * 0.2);
        const bool correct = marker == Session::Marker::correct;
        const QColor green = ThemeColours::text(Tint::Success, option.palette);
        painter->setPen(QPen(correct ? green.lighter(130) : green, correct ? 1.6 : 2.6, Qt::SolidLine,
                             Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(tick);
    }
    painter->restore();
}

QSize MarkerDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(qMax(size.width(), 32 + 2 * voiceMarkWidth));
    return size;
}

} // namespace Ui
