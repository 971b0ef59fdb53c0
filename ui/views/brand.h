#pragma once
// The product wordmark: "Tocko" with its letter k drawn as a small keycap.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <vector>

namespace tocko::ui {

inline constexpr const char* kProductName = "Tocko";

// One run of the wordmark: plain text, or the keycap standing in for the k.
struct BrandPart {
    enum class Kind { text, keycap };
    Kind kind = Kind::text;
    QString text;  // empty for the keycap
    friend bool operator==(const BrandPart&, const BrandPart&) = default;
};

// Splits `text` on the product name: the first piece as it is, then for each
// occurrence "Toc", the keycap, "o" and the piece that follows it. Text
// without the product name comes back as one plain part.
std::vector<BrandPart> brandParts(const QString& text);

// The same runs as rich text for a QML Text item. Plain parts are escaped;
// each occurrence of the name becomes one inline image of the "tocko" image
// provider holding "Toc", the keycap (its foot 0.2 × size below the
// baseline) and "o" in `font` and `color`, so the wordmark never breaks
// across lines and sits on the text's baseline.
QString brandText(const QString& text, double size, const QFont& font, const QColor& color);

// The inline image of one wordmark occurrence, and its size in logical
// pixels (advance widths of the letters plus the keycap; the font's line
// height, taller only when the keycap reaches lower than the descent).
QSizeF wordmarkSize(const QFont& font, double size);
QImage drawWordmark(const QFont& font, const QColor& color, double size, double scale);

// Side of the keycap for a font size: 0.8 × size, rounded half to even.
int keycapSide(double size);

// The keycap image for a font size, D × D logical pixels (drawn at a higher
// device pixel ratio), cached per size: asking twice gives the same image.
QImage keycapLogo(double size);

// Draws the keycap for `size` at `scale` device pixels per logical pixel.
QImage drawKeycap(double size, double scale);

}  // namespace tocko::ui
