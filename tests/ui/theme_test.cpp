#include "ui/theme/theme.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPalette>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QScreen>
#include <memory>
#include <vector>

#include "ui/theme/color_scheme.h"
#include "ui/theme/fonts.h"
#include "ui/theme/palette.h"
#include "ui/ui_core.h"

using namespace tocko;

namespace {
struct SchemeOverride {
    explicit SchemeOverride(ColorScheme s) { ColorSchemeWatcher::instance().setOverride(s); }
    ~SchemeOverride() { ColorSchemeWatcher::instance().setOverride(std::nullopt); }
};

std::unique_ptr<QObject> createQml(QQmlEngine& engine, const QByteArray& body) {
    QQmlComponent c(&engine);
    c.setData("import QtQuick\nimport Tocko.Theme\n" + body, QUrl(QStringLiteral("qrc:/test.qml")));
    std::unique_ptr<QObject> o(c.create());
    EXPECT_TRUE(o) << c.errorString().toStdString();
    return o;
}
}  // namespace

// Every scheme-dependent colour has a dark face of its own.
TEST(Palette, DynamicColoursFollowTheScheme) {
    for (const PaletteColor* colour :
         {&Palette::card(), &Palette::paper(), &Palette::ink(), &Palette::inkSoft(), &Palette::accent()}) {
        QColor light;
        {
            SchemeOverride o(ColorScheme::light);
            light = colour->current();
        }
        SchemeOverride o(ColorScheme::dark);
        EXPECT_NE(colour->current(), light) << light.name().toStdString();
    }
}

TEST(ColorScheme, PortalValuesAndPaletteFallback) {
    EXPECT_EQ(ColorSchemeWatcher::fromPortalValue(1u), ColorScheme::dark);
    EXPECT_EQ(ColorSchemeWatcher::fromPortalValue(0u), std::nullopt);

    // Without a portal answer a dark application palette means dark.
    const QPalette saved = QGuiApplication::palette();
    auto schemeUnder = [](int window, int text) {
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(window, window, window));
        palette.setColor(QPalette::WindowText, QColor(text, text, text));
        QGuiApplication::setPalette(palette);
        QCoreApplication::processEvents();
        return ColorSchemeWatcher::instance().scheme();
    };
    EXPECT_EQ(schemeUnder(30, 230), ColorScheme::dark);
    EXPECT_EQ(schemeUnder(240, 10), ColorScheme::light);
    QGuiApplication::setPalette(saved);
}

TEST(ThemeQml, OpenViewsRecolourWhenTheSchemeChanges) {
    SchemeOverride light(ColorScheme::light);
    QQmlEngine engine;
    prepareQmlEngine(engine);
    auto o = createQml(engine, "Item { property color card: Theme.card; property bool dark: Theme.dark }");
    ASSERT_TRUE(o);
    EXPECT_EQ(o->property("card").value<QColor>(), Palette::card().current());
    EXPECT_FALSE(o->property("dark").toBool());
    ColorSchemeWatcher::instance().setOverride(ColorScheme::dark);
    EXPECT_EQ(o->property("card").value<QColor>(), Palette::card().current());
    EXPECT_TRUE(o->property("dark").toBool());
}

// Runs first in the fonts suite: nothing bundled is registered yet.
TEST(Fonts, FallbacksWithoutTheTypefacesThenTheBundledFamilies) {
    const bool systemHasThem = isFamilyAvailable(kDisplayFamily) || isFamilyAvailable(kMonoFamily);
    if (!systemHasThem) {
        const QFont display = displayFont(20);
        EXPECT_FALSE(QFontInfo(display).family().startsWith(kDisplayFamily));
        const QFont mono = monoFont(11, QFont::Bold);
        const QFontMetricsF metrics(mono);
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('W'))
            << QFontInfo(mono).family().toStdString() << " is not monospaced";
        // QML views still get a usable font.
        QQmlEngine engine;
        prepareQmlEngine(engine);
        auto o = createQml(engine, "Text { text: 'Tocko'; font: Theme.displayFont(19) }");
        ASSERT_TRUE(o);
        EXPECT_GT(o->property("contentWidth").toDouble(), 0);
    }

    ASSERT_EQ(registerBundledFonts(), 5);
    const QFont display = displayFont(20);
    EXPECT_TRUE(QFontInfo(display).family().startsWith(kDisplayFamily))
        << QFontInfo(display).family().toStdString();
    EXPECT_NEAR(QFontInfo(display).pixelSize(), 20, 1);
    const QFont mono = monoFont(12.5, QFont::Bold);
    EXPECT_TRUE(QFontInfo(mono).family().startsWith(kMonoFamily)) << QFontInfo(mono).family().toStdString();
    EXPECT_TRUE(QFontInfo(mono).bold());
    EXPECT_NEAR(mono.pointSizeF() * QGuiApplication::primaryScreen()->logicalDotsPerInchY() / 72.0, 12.5,
                0.01);
}
