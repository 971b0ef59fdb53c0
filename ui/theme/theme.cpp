#include "ui/theme/theme.h"

#include <QJSEngine>
#include <QPainter>
#include <QPainterPath>
#include <QQmlEngine>

#include "ui/theme/color_scheme.h"
#include "ui/theme/fonts.h"
#include "ui/theme/palette.h"

namespace tocko {

Theme& Theme::instance() {
    static Theme* theme = new Theme();
    return *theme;
}

Theme* Theme::create(QQmlEngine*, QJSEngine*) {
    Theme* theme = &instance();
    QJSEngine::setObjectOwnership(theme, QJSEngine::CppOwnership);
    return theme;
}

Theme::Theme() {
    connect(&ColorSchemeWatcher::instance(), &ColorSchemeWatcher::schemeChanged, this,
            &Theme::paletteChanged);
}

bool Theme::dark() const { return ColorSchemeWatcher::instance().scheme() == ColorScheme::dark; }
QColor Theme::card() const { return Palette::card().current(); }
QColor Theme::paper() const { return Palette::paper().current(); }
QColor Theme::ink() const { return Palette::ink().current(); }
QColor Theme::inkSoft() const { return Palette::inkSoft().current(); }
QColor Theme::accent() const { return Palette::accent().current(); }
QColor Theme::amber() const { return Palette::amber().light; }
QColor Theme::deepTeal() const { return Palette::deepTeal().light; }
QColor Theme::mintWhite() const { return Palette::mintWhite().light; }
QColor Theme::slate() const { return Palette::slate().light; }

QVariantList Theme::accentGradientStops() const {
    QVariantList list;
    for (const auto& [position, color] : tocko::accentGradientStops()) {
        list.append(QVariantMap{{QStringLiteral("position"), position}, {QStringLiteral("color"), color}});
    }
    return list;
}

QString Theme::displayFamily() const { return QString::fromLatin1(kDisplayFamily); }
QString Theme::monoFamily() const { return QString::fromLatin1(kMonoFamily); }

QFont Theme::displayFont(double size) const { return tocko::displayFont(size); }
QFont Theme::monoFont(double size, int weight) const {
    return tocko::monoFont(size, static_cast<QFont::Weight>(weight));
}
bool Theme::isFamilyAvailable(const QString& family) const { return tocko::isFamilyAvailable(family); }

AccentGradientRect::AccentGradientRect(QQuickItem* parent) : QQuickPaintedItem(parent) {
    setAntialiasing(true);
}

void AccentGradientRect::setRadius(double r) {
    if (qFuzzyCompare(r, radius_)) return;
    radius_ = r;
    emit radiusChanged();
    update();
}

void AccentGradientRect::paint(QPainter* painter) {
    const QRectF r(0, 0, width(), height());
    QPainterPath path;
    path.addRoundedRect(r, radius_, radius_);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(path, accentGradient(r));
}

}  // namespace tocko
