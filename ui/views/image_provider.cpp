#include "ui/views/image_provider.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QUrl>
#include <algorithm>

#include "ui/theme/palette.h"
#include "ui/views/brand.h"

namespace tocko::ui {

QImage symbolImage(const QString& name, int pixels, const QColor& color) {
    QImage image(std::max(1, pixels), std::max(1, pixels), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/tocko/icons/") + name + QStringLiteral(".svg"));
    if (!renderer.isValid()) return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(image.rect(), color);
    return image;
}

QImage TockoImageProvider::requestImage(const QString& id, QSize* size, const QSize& requestedSize) {
    const QStringList parts = id.split('/');
    QImage image;
    if (parts.size() >= 2 && parts[0] == QLatin1String("keycap")) {
        image = keycapLogo(parts[1].toDouble());
    } else if (parts.size() >= 4 && parts[0] == QLatin1String("wordmark")) {
        // wordmark/<size>/<aarrggbb>/<percent-encoded font description>
        QFont font;
        font.fromString(QUrl::fromPercentEncoding(parts.mid(3).join('/').toLatin1()));
        image = drawWordmark(font, QColor(QLatin1Char('#') + parts[2]), parts[1].toDouble(), 3.0);
    } else if (parts.size() >= 4 && parts[0] == QLatin1String("accent")) {
        // accent/<width>/<height>/<corner radius>, in pixels
        const int w = std::clamp(parts[1].toInt(), 1, 4096), h = std::clamp(parts[2].toInt(), 1, 4096);
        const double r = parts[3].toDouble();
        image = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(0, 0, w, h), r, r);
        p.fillPath(path, accentGradient(QRectF(0, 0, w, h)));
    } else if (parts.size() >= 2 && parts[0] == QLatin1String("symbol")) {
        const QColor color = parts.size() >= 3 ? QColor(QLatin1Char('#') + parts[2]) : QColor(Qt::black);
        const int pixels = requestedSize.isValid() && requestedSize.width() > 0 ? requestedSize.width() : 64;
        image = symbolImage(parts[1], pixels, color.isValid() ? color : QColor(Qt::black));
    }
    if (size) *size = image.size();
    return image;
}

}  // namespace tocko::ui
