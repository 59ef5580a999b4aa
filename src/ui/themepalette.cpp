#include "ui/themepalette.h"

#include "ui/themecolours.h"

#include <array>

namespace Ui {

namespace {

struct ThemeSet
{
    QRgb window;
    QRgb base;
    QRgb button;
    QRgb highlight;
    QRgb text;
};

// Cosmetics, Headache, Chrome, Ice age, Atlantis, Gold.
constexpr std::array<ThemeSet, 6> themes{{
    {0xf7e4eb, 0xfffafc, 0xf0d3df, 0xb0245e, 0x2b1a20},
    {0xffe94a, 0xffffe6, 0xffa726, 0xc62828, 0x000000},
    {0xdde2e7, 0xf7f8fa, 0xccd3db, 0x4f6375, 0x1b2128},
    {0xe1f1fa, 0xf7fcff, 0xcce6f5, 0x1a73b0, 0x0c2636},
    {0x11293b, 0x1a3c55, 0x21506f, 0x2496b8, 0xe2f3fc},
    {0xf1e4bd, 0xfffaf0, 0xe4cf8f, 0x94680a, 0x2e2410},
}};

QColor mix(const QColor &first, const QColor &second, qreal share)
{
    return QColor::fromRgbF(first.redF() * (1 - share) + second.redF() * share,
                            first.greenF() * (1 - share) + second.greenF() * share,
                            first.blueF() * (1 - share) + second.blueF() * share);
}

} // namespace

QPalette themePalette(int theme, const QPalette &desktop)
{
    if (theme <= 0 || theme > int(themes.size()))
        return desktop;
    const ThemeSet &colours = themes[theme - 1];
    const QColor window(colours.window);
    const QColor base(colours.base);
    const QColor text(colours.text);
    const QColor highlight(colours.highlight);
    const bool dark = text.lightness() > window.lightness();
    QPalette palette(QColor(colours.button), window);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::AlternateBase, dark ? base.lighter(130) : base.darker(106));
        palette.setColor(group, QPalette::ToolTipBase, base);
        palette.setColor(group, QPalette::ToolTipText, text);
        palette.setColor(group, QPalette::PlaceholderText, mix(text, base, 0.45));
        palette.setColor(group, QPalette::Highlight, highlight);
        const QColor black(Qt::black);
        const QColor white(Qt::white);
        palette.setColor(group, QPalette::HighlightedText,
                         ThemeColours::contrast(black, highlight) > ThemeColours::contrast(white, highlight) ? black
                                                                                                             : white);
        palette.setColor(group, QPalette::Link, dark ? highlight.lighter(150) : highlight.darker(110));
        palette.setColor(group, QPalette::BrightText, dark ? Qt::black : Qt::white);
    }
    const QColor faded = mix(text, window, 0.55);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, faded);
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, mix(highlight, window, 0.5));
    return palette;
}

} // namespace Ui
