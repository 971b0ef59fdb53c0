#pragma once
// Images the views ask for by address: "image://tocko/keycap/<size>" (the
// wordmark keycap) and "image://tocko/symbol/<name>/<rrggbb>" (one of the
// symbol drawings in resources/icons, painted in that colour).

#include <QColor>
#include <QImage>
#include <QQuickImageProvider>
#include <QString>

namespace tocko::ui {

// The symbol drawing `name` at `pixels` × `pixels`, painted in `color`;
// a transparent image when there is no such drawing.
QImage symbolImage(const QString& name, int pixels, const QColor& color);

class TockoImageProvider : public QQuickImageProvider {
public:
    TockoImageProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}
    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;
};

}  // namespace tocko::ui
