#pragma once

#include <QPalette>

namespace Ui {

// The colours of the seven themes. Theme 0 is the desktop's own palette, given as desktop;
// the others are drawn from five colours each, one of them dark.
QPalette themePalette(int theme, const QPalette &desktop);

} // namespace Ui
