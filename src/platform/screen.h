#pragma once

namespace Platform {

enum class TaskbarEdge { None, Top, Bottom, Left, Right };

struct ScreenInfo
{
    int width = 0;
    int height = 0;
    TaskbarEdge taskbar = TaskbarEdge::None;
};

} // namespace Platform
