#pragma once
// The colour palette every view draws with. Dynamic colours have a light and
// a dark value and resolve against the desktop's current colour scheme each
// time they are read; fixed colours are the same in both.

#include <QColor>
#include <QLinearGradient>
#include <QRectF>

namespace tocko {

enum class ColorScheme { light, dark };

struct PaletteColor {
    QColor light;
    QColor dark;
    bool isDynamic() const { return light != dark; }
    QColor resolved(ColorScheme scheme) const { return scheme == ColorScheme::dark ? dark : light; }
    // Resolves against the scheme the desktop reports right now.
    QColor current() const;
};

namespace Palette {
const PaletteColor& card();
const PaletteColor& paper();
const PaletteColor& ink();
const PaletteColor& inkSoft();
const PaletteColor& accent();
const PaletteColor& amber();
const PaletteColor& deepTeal();
const PaletteColor& mintWhite();
const PaletteColor& slate();
}  // namespace Palette

// The three stops of `accentGradient`, in order.
const QGradientStops& accentGradientStops();
// `accentGradient` laid over `rect`, from its top-leading corner to its
// bottom-trailing corner.
QLinearGradient accentGradient(const QRectF& rect);

}  // namespace tocko
