#include "ui/markerdelegate.h"

#include "ui/themecolours.h"

#include "session/picturerow.h"
#include "session/picturetablemodel.h"

#include <QPainter>
#include <QPainterPath>

namespace Ui {

void MarkerDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QString marker = index.data(Session::PictureTableModel::MarkerRole).toString();
    if (marker.isEmpty())
        return;
    const int side = qMin(option.rect.height(), option.rect.width()) - 6;
    const QRectF box(option.rect.center().x() - side / 2.0, option.rect.center().y() - side / 2.0, side, side);
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
    size.setWidth(qMax(size.width(), 32));
    return size;
}

} // namespace Ui
