#include "ui/views/brand.h"

#include <QFontDatabase>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <QTextLine>
#include <cmath>

#include "ui/theme/fonts.h"

namespace tocko::ui {

namespace {

constexpr double kKeycapScale = 3.0;

QString keycapSource(double size) {
    return QStringLiteral("image://tocko/keycap/") + QString::number(size, 'g', 6);
}

QFont keycapLetterFont(double size) {
    QFont font;
    if (isFamilyAvailable(QString::fromLatin1(kDisplayFamily))) {
        font.setFamily(QString::fromLatin1(kDisplayFamily));
        font.setWeight(QFont::Bold);
    } else {
        font.setWeight(QFont::Black);
    }
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(0.62 * size))));
    return font;
}

}  // namespace

std::vector<BrandPart> brandParts(const QString& text) {
    const QString name = QString::fromLatin1(kProductName);
    const QStringList pieces = text.split(name);
    std::vector<BrandPart> parts;
    parts.push_back({BrandPart::Kind::text, pieces.front()});
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        parts.push_back({BrandPart::Kind::text, name.left(3)});
        parts.push_back({BrandPart::Kind::keycap, {}});
        parts.push_back({BrandPart::Kind::text, name.right(1)});
        parts.push_back({BrandPart::Kind::text, pieces[i]});
    }
    return parts;
}

QString brandText(const QString& text, double size) {
    const int side = keycapSide(size);
    QString out;
    for (const BrandPart& part : brandParts(text)) {
        if (part.kind == BrandPart::Kind::text) {
            out += part.text.toHtmlEscaped();
        } else {
            // Bottom alignment puts the image's foot on the line's descent,
            // close to 0.2 × size below the baseline.
            out +=
                QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%2\" style=\"vertical-align: bottom\">")
                    .arg(keycapSource(size))
                    .arg(side);
        }
    }
    return out;
}

int keycapSide(double size) { return static_cast<int>(std::nearbyint(0.8 * size)); }

QImage drawKeycap(double size, double scale) {
    const int side = keycapSide(size);
    const int pixels = std::max(1, static_cast<int>(std::lround(side * scale)));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    if (side <= 0) return image;
    image.setText(QStringLiteral("Description"), QStringLiteral("K"));

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double d = side;
    const QRectF bounds(0, 0, d, d);
    QPainterPath cap;
    cap.addRoundedRect(bounds, 0.24 * d, 0.24 * d);

    // Light from the top-leading corner down to the bottom-trailing one.
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomRight());
    gradient.setColorAt(0.0, QColor::fromRgbF(0.294f, 0.902f, 0.824f));
    gradient.setColorAt(0.5, QColor::fromRgbF(0.122f, 0.71f, 0.639f));
    gradient.setColorAt(1.0, QColor::fromRgbF(0.078f, 0.6f, 0.549f));
    p.fillPath(cap, gradient);

    // The keycap's lower lip: a band along the bottom edge, clipped to the cap.
    p.save();
    p.setClipPath(cap);
    p.fillRect(QRectF(0, d - 0.09 * d, d, 0.09 * d), QColor::fromRgbF(0.071f, 0.471f, 0.424f));
    p.restore();

    // The letter, centred horizontally on its advance, baseline 0.2 × size
    // above the bottom edge.
    const QFont font = keycapLetterFont(size);
    QTextLayout layout(QStringLiteral("K"), font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    const double width = line.naturalTextWidth();
    p.setFont(font);
    p.setPen(QColor::fromRgbF(0.957f, 1.0f, 0.992f));
    p.drawText(QPointF((d - width) * 0.5, d - 0.2 * size), QStringLiteral("K"));
    return image;
}

QImage keycapLogo(double size) {
    static QHash<double, QImage> cache;
    auto it = cache.find(size);
    if (it != cache.end()) return *it;
    QImage image = drawKeycap(size, kKeycapScale);
    cache.insert(size, image);
    return image;
}

}  // namespace tocko::ui
