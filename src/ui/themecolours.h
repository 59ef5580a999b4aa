#pragma once

#include <QColor>

class QPalette;

namespace Ui {

// The few colours the window adds to its palette: errors, hints, marks and highlights. Each is
// chosen for the palette's base colour, so light and dark themes both read well.
enum class Tint { Error, Information, Success, Faded, ActiveEntry, Occurrence, Skipped };

class ThemeColours final
{
public:
    static bool isDark(const QPalette &palette);
    // A colour for text or lines of the tint on the palette's base (or window) colour.
    static QColor text(Tint tint, const QPalette &palette);
    // A background that marks a stretch of text, with the palette's text colour on it.
    static QColor highlight(Tint tint, const QPalette &palette);
    // WCAG contrast ratio between two colours, 1 to 21.
    static qreal contrast(const QColor &first, const QColor &second);
};

} // namespace Ui
