#include "ui/theme/palette.h"

#include "ui/theme/color_scheme.h"

namespace tocko {

namespace {
QColor rgb(int r, int g, int b, double alpha = 1.0) {
    QColor c = QColor::fromRgb(r, g, b);
    c.setAlphaF(static_cast<float>(alpha));
    return c;
}
PaletteColor fixed(int r, int g, int b) { return {rgb(r, g, b), rgb(r, g, b)}; }
}  // namespace

QColor PaletteColor::current() const { return resolved(ColorSchemeWatcher::instance().scheme()); }

namespace Palette {
// Each colour is built on first use and shared afterwards.
const PaletteColor& card() {
    static const PaletteColor c{rgb(255, 255, 255), rgb(14, 27, 25)};
    return c;
}
const PaletteColor& paper() {
    static const PaletteColor c{rgb(238, 251, 248), rgb(24, 51, 48)};
    return c;
}
const PaletteColor& ink() {
    static const PaletteColor c{rgb(32, 48, 46), rgb(238, 251, 248)};
    return c;
}
const PaletteColor& inkSoft() {
    static const PaletteColor c{rgb(74, 90, 87), rgb(238, 251, 248, 0.7)};
    return c;
}
const PaletteColor& accent() {
    static const PaletteColor c{rgb(31, 181, 163), rgb(43, 217, 196)};
    return c;
}
const PaletteColor& amber() {
    static const PaletteColor c = fixed(255, 174, 53);
    return c;
}
const PaletteColor& deepTeal() {
    static const PaletteColor c = fixed(18, 120, 108);
    return c;
}
const PaletteColor& mintWhite() {
    static const PaletteColor c = fixed(244, 255, 253);
    return c;
}
const PaletteColor& slate() {
    static const PaletteColor c = fixed(74, 90, 87);
    return c;
}
}  // namespace Palette

const QGradientStops& accentGradientStops() {
    static const QGradientStops stops{
        {0.0, rgb(75, 230, 210)},
        {0.55, rgb(31, 181, 163)},
        {1.0, rgb(20, 153, 140)},
    };
    return stops;
}

QLinearGradient accentGradient(const QRectF& rect) {
    QLinearGradient g(rect.topLeft(), rect.bottomRight());
    g.setStops(accentGradientStops());
    return g;
}

}  // namespace tocko
