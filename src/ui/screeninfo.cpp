#include "ui/screeninfo.h"

#include <QGuiApplication>
#include <QScreen>

namespace Ui {

Platform::ScreenInfo primaryScreenInfo()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect full = screen->geometry();
    const QRect available = screen->availableGeometry();
    Platform::ScreenInfo info{full.width(), full.height(), Platform::TaskbarEdge::None, screen->devicePixelRatio()};
    if (available.left() > full.left())
        info.taskbar = Platform::TaskbarEdge::Left;
    else if (available.right() < full.right())
        info.taskbar = Platform::TaskbarEdge::Right;
    else if (available.top() > full.top())
        info.taskbar = Platform::TaskbarEdge::Top;
    else if (available.bottom() < full.bottom())
        info.taskbar = Platform::TaskbarEdge::Bottom;
    return info;
}

} // namespace Ui
