#pragma once

#include <QtGlobal>

namespace Platform {

enum class TaskbarEdge { None, Top, Bottom, Left, Right };

struct ScreenInfo
{
    int width = 0;
    int height = 0;
    TaskbarEdge taskbar = TaskbarEdge::None;
    // Device pixels per logical pixel; width and height are logical pixels, as the window gets them.
    qreal scaleFactor = 1;
};

} // namespace Platform
