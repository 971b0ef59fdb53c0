#pragma once
// The theme as QML sees it: `import Tocko.Theme` gives the singleton `Theme`
// (palette colours that follow the desktop's colour scheme, the accent
// gradient stops, the two font functions) and the item `AccentGradientRect`.

#include <QtQml/qqmlregistration.h>

#include <QColor>
#include <QFont>
#include <QObject>
#include <QQuickPaintedItem>
#include <QVariantList>

class QQmlEngine;
class QJSEngine;

namespace tocko {

class Theme : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool dark READ dark NOTIFY paletteChanged)
    Q_PROPERTY(QColor card READ card NOTIFY paletteChanged)
    Q_PROPERTY(QColor paper READ paper NOTIFY paletteChanged)
    Q_PROPERTY(QColor ink READ ink NOTIFY paletteChanged)
    Q_PROPERTY(QColor inkSoft READ inkSoft NOTIFY paletteChanged)
    Q_PROPERTY(QColor accent READ accent NOTIFY paletteChanged)
    Q_PROPERTY(QColor amber READ amber CONSTANT)
    Q_PROPERTY(QColor deepTeal READ deepTeal CONSTANT)
    Q_PROPERTY(QColor mintWhite READ mintWhite CONSTANT)
    Q_PROPERTY(QColor slate READ slate CONSTANT)
    // [{position, color}, ...] of `accentGradient`, for a QML Gradient.
    Q_PROPERTY(QVariantList accentGradientStops READ accentGradientStops CONSTANT)
    Q_PROPERTY(QString displayFamily READ displayFamily CONSTANT)
    Q_PROPERTY(QString monoFamily READ monoFamily CONSTANT)

public:
    static Theme& instance();
    static Theme* create(QQmlEngine* qmlEngine, QJSEngine* jsEngine);

    bool dark() const;
    QColor card() const;
    QColor paper() const;
    QColor ink() const;
    QColor inkSoft() const;
    QColor accent() const;
    QColor amber() const;
    QColor deepTeal() const;
    QColor mintWhite() const;
    QColor slate() const;
    QVariantList accentGradientStops() const;
    QString displayFamily() const;
    QString monoFamily() const;

    // Sizes in pixels; weight as QML's Font.Normal, Font.Bold, ... (100..900).
    Q_INVOKABLE QFont displayFont(double size) const;
    Q_INVOKABLE QFont monoFont(double size, int weight = QFont::Normal) const;
    Q_INVOKABLE bool isFamilyAvailable(const QString& family) const;

signals:
    void paletteChanged();

private:
    Theme();
};

// A rectangle, optionally rounded, filled with `accentGradient` from its
// top-leading to its bottom-trailing corner.
class AccentGradientRect : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(double radius READ radius WRITE setRadius NOTIFY radiusChanged)
public:
    explicit AccentGradientRect(QQuickItem* parent = nullptr);
    double radius() const { return radius_; }
    void setRadius(double r);
    void paint(QPainter* painter) override;
signals:
    void radiusChanged();

private:
    double radius_ = 0;
};

}  // namespace tocko
