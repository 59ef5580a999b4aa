#pragma once

#include <QStyledItemDelegate>

namespace Ui {

// Draws the selection marker of a row as an icon: a green tick for a selected picture, a red
// cross for one whose new title has an error, an open tick for one without error. A small
// microphone beside it marks a picture with a voice recording.
class MarkerDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace Ui
