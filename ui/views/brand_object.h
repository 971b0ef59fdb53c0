#pragma once
// The wordmark for QML: Brand.text("Welcome to Tocko", 19) gives styled text
// with the keycap inline.

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>

#include "ui/views/brand.h"

namespace tocko::ui {

class BrandObject : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Brand)
    QML_SINGLETON

public:
    explicit BrandObject(QObject* parent = nullptr) : QObject(parent) {}
    Q_INVOKABLE QString text(const QString& source, double size, const QFont& font,
                             const QColor& color) const {
        return brandText(source, size, font, color);
    }
    Q_INVOKABLE QString keycapSource(double size) const {
        return QStringLiteral("image://tocko/keycap/") + QString::number(size, 'g', 6);
    }
    Q_INVOKABLE int keycapSide(double size) const { return tocko::ui::keycapSide(size); }
};

}  // namespace tocko::ui
