#include "ui/themecolours.h"

#include <QPalette>

#include <cmath>

namespace Ui {

namespace {

qreal luminance(const QColor &colour)
{
    const auto channel = [](qreal value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

} // namespace

bool ThemeColours::isDark(const QPalette &palette)
{
    return luminance(palette.color(QPalette::Base)) < 0.18;
}

QColor ThemeColours::text(Tint tint, const QPalette &palette)
{
    const bool dark = isDark(palette);
    switch (tint) {
    case Tint::Error:
        return dark ? QColor(0xff, 0x7a, 0x7a) : QColor(0xc0, 0x00, 0x00);
    case Tint::Information:
    case Tint::ActiveEntry:
        return dark ? QColor(0x8c, 0xb8, 0xff) : QColor(0x00, 0x00, 0xc0);
    case Tint::Success:
        return dark ? QColor(0x6c, 0xd8, 0x6c) : QColor(0x00, 0x7a, 0x00);
    case Tint::Skipped:
        return dark ? QColor(0xd6, 0x9c, 0xff) : QColor(0x80, 0x00, 0x80);
    case Tint::Faded:
        return palette.color(QPalette::Disabled, QPalette::Text);
    case Tint::Occurrence:
        break;
    }
    return palette.color(QPalette::Text);
}

QColor ThemeColours::highlight(Tint tint, const QPalette &palette)
{
    const bool dark = isDark(palette);
    switch (tint) {
    case Tint::Occurrence:
        return dark ? QColor(0x80, 0x6a, 0x00) : QColor(0xff, 0xd4, 0x00);
    case Tint::Error:
        return dark ? QColor(0x70, 0x20, 0x20) : QColor(0xff, 0xd8, 0xd8);
    default:
        break;
    }
    return palette.color(QPalette::Highlight);
}

qreal ThemeColours::contrast(const QColor &first, const QColor &second)
{
    const qreal a = luminance(first) + 0.05;
    const qreal b = luminance(second) + 0.05;
    return a > b ? a / b : b / a;
}

} // namespace Ui
