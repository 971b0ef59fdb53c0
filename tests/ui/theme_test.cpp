#include <gtest/gtest.h>

#include <QQmlComponent>
#include <QQmlEngine>

#include "ui/theme/palette.h"
#include "ui/ui_core.h"

using namespace tocko;

TEST(Palette, Smoke) {
    EXPECT_EQ(Palette::card().light, QColor(255, 255, 255));
    QQmlEngine engine;
    prepareQmlEngine(engine);
    QQmlComponent c(&engine);
    c.setData(
        "import QtQuick\nimport Tocko.Theme\nItem { property color k: Theme.accent; property font f: "
        "Theme.monoFont(11, Font.Bold); property string l: Localization.language; property string t: "
        "qsTranslate(\"Tocko\", \"Tocko\") }",
        QUrl("qrc:/t.qml"));
    std::unique_ptr<QObject> o(c.create());
    ASSERT_TRUE(o) << c.errorString().toStdString();
    EXPECT_EQ(o->property("k").value<QColor>(), QColor(31, 181, 163));
    EXPECT_EQ(o->property("l").toString().toStdString(), "system");
}
