#include "ui/views/brand.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <QTextLine>
#include <QUrl>
#include <cmath>

#include "ui/theme/fonts.h"

namespace tocko::ui {

namespace {

constexpr double kKeycapScale = 3.0;

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

QString brandText(const QString& text, double size, const QFont& font, const QColor& color) {
    const QSizeF mark = wordmarkSize(font, size);
    // Everything the picture depends on travels in its address.
    const QString source = QStringLiteral("image://tocko/wordmark/%1/%2/")
                               .arg(QString::number(size, 'g', 6), color.name(QColor::HexArgb).mid(1)) +
                           QString::fromLatin1(QUrl::toPercentEncoding(font.toString()));
    const QString image =
        QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\" style=\"vertical-align: bottom\">")
            .arg(source, QString::number(mark.width(), 'f', 2), QString::number(mark.height(), 'f', 2));
    // The pieces between occurrences are the plain parts of brandParts();
    // each occurrence's three runs are one picture.
    const QStringList pieces = text.split(QString::fromLatin1(kProductName));
    QString out = pieces.front().toHtmlEscaped();
    for (qsizetype i = 1; i < pieces.size(); ++i) out += image + pieces[i].toHtmlEscaped();
    return out;
}

namespace {
// The runs of one occurrence: "Toc", keycap, "o".
struct WordmarkRuns {
    QString head, tail;
};
WordmarkRuns wordmarkRuns() {
    const QString name = QString::fromLatin1(kProductName);
    return {name.left(3), name.right(1)};
}
}  // namespace

QSizeF wordmarkSize(const QFont& font, double size) {
    const QFontMetricsF m(font);
    const WordmarkRuns runs = wordmarkRuns();
    const double width = m.horizontalAdvance(runs.head) + keycapSide(size) + m.horizontalAdvance(runs.tail);
    const double height = m.ascent() + std::max(m.descent(), 0.2 * size);
    return {std::ceil(width), std::ceil(height)};
}

QImage drawWordmark(const QFont& font, const QColor& color, double size, double scale) {
    const QSizeF box = wordmarkSize(font, size);
    QImage image(std::max(1, int(std::ceil(box.width() * scale))),
                 std::max(1, int(std::ceil(box.height() * scale))), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    const QFontMetricsF m(font);
    const WordmarkRuns runs = wordmarkRuns();
    const double baseline = m.ascent();
    const int side = keycapSide(size);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setFont(font);
    p.setPen(color);
    p.drawText(QPointF(0, baseline), runs.head);
    const double capX = m.horizontalAdvance(runs.head);
    p.drawImage(QRectF(capX, baseline + 0.2 * size - side, side, side), keycapLogo(size));
    p.drawText(QPointF(capX + side, baseline), runs.tail);
    return image;
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
