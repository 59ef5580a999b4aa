#include "app/guideplacement.h"

#include <algorithm>

using Session::GuideSide;

namespace App {

namespace {

constexpr int gap = 4;

// rect moved (and cut where it must be) so that it lies inside available.
QRect inside(QRect rect, const QRect &available)
{
    rect.setWidth(std::min(rect.width(), available.width()));
    rect.setHeight(std::min(rect.height(), available.height()));
    rect.moveLeft(std::clamp(rect.left(), available.left(), available.right() - rect.width() + 1));
    rect.moveTop(std::clamp(rect.top(), available.top(), available.bottom() - rect.height() + 1));
    return rect;
}

bool isLargeEnough(const QRect &rect)
{
    return rect.width() >= GuidePlacement::smallestSize.width()
           && rect.height() >= GuidePlacement::smallestSize.height();
}

} // namespace

GuidePlacement::Place GuidePlacement::place(const QRect &available, const QRect &window, const QRect &table,
                                            const QRect &picture)
{
    const int height = std::min(preferredSize.height(), available.height() * 9 / 10);
    const int top = available.top() + (available.height() - height) / 2;
    const int roomRight = available.right() - window.right() - gap;
    if (roomRight >= besideWidth) {
        const int width = std::min(preferredSize.width(), roomRight);
        return {inside(QRect(window.right() + 1 + gap, top, width, height), available), GuideSide::Right};
    }
    const int roomLeft = window.left() - available.left() - gap;
    if (roomLeft >= besideWidth) {
        const int width = std::min(preferredSize.width(), roomLeft);
        return {inside(QRect(window.left() - gap - width, top, width, height), available), GuideSide::Left};
    }
    // No room beside the window: over the picture, where it leaves the table and the panels
    // in view; else below the table as wide as it; else as small as it may be, beside the table.
    const QRect overPicture = picture.intersected(available);
    if (isLargeEnough(overPicture) && !overPicture.intersects(table))
        return {overPicture, GuideSide::OverPicture};
    const QRect belowTable =
        QRect(QPoint(table.left(), table.bottom() + 1), QPoint(table.right(), window.bottom())).intersected(available);
    if (isLargeEnough(belowTable))
        return {belowTable, GuideSide::BelowTable};
    const QRect rightOfTable(table.right() + 1 + gap, top, smallestSize.width(), height);
    return {inside(rightOfTable, available), GuideSide::Right};
}

GuideSide GuidePlacement::sideOf(const QRect &guide, const QRect &window, const QRect &table)
{
    const QPoint centre = guide.center();
    if (centre.x() > window.right())
        return GuideSide::Right;
    if (centre.x() < window.left())
        return GuideSide::Left;
    if (centre.y() > table.bottom())
        return GuideSide::BelowTable;
    return centre.x() > table.center().x() ? GuideSide::Right : GuideSide::Left;
}

} // namespace App
