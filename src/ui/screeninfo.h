#pragma once

#include "platform/screen.h"

namespace Ui {

// The primary screen's size and the edge the desktop's panel (taskbar) takes from it.
Platform::ScreenInfo primaryScreenInfo();

} // namespace Ui
