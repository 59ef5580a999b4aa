#pragma once

#include "session/guideside.h"

#include <QRect>
#include <QSize>

namespace App {

// Where the guide window opens the first time: beside the main window where the screen has room
// (on the right, else on the left), otherwise over the picture below or beside the table, never
// over the table and always inside the screen. All rectangles are in screen coordinates and
// include the window frames; frameMargins is what the frame adds to the guide's contents.
class GuidePlacement final
{
public:
    struct Place
    {
        QRect frame;
        Session::GuideSide side = Session::GuideSide::Right;
    };

    static Place place(const QRect &available, const QRect &window, const QRect &table, const QRect &picture);
    // The side of the main window that the guide stands on now (the user may have moved it).
    static Session::GuideSide sideOf(const QRect &guide, const QRect &window, const QRect &table);

    // The guide at its full size, and the least it is made on a crowded screen.
    static constexpr QSize preferredSize{640, 720};
    static constexpr QSize smallestSize{300, 200};
    // A guide beside the window is at least this wide.
    static constexpr int besideWidth = 360;
};

} // namespace App
