// The wordmark, the keycap, the flow layout, the pickers' data and the
// running-application list.
#include <QQuickItem>

#include "ui/views/brand.h"
#include "ui/views/context_model.h"
#include "ui/views/flow_layout.h"
#include "ui/views/pack_catalog.h"
#include "ui/views/running_apps.h"
#include "view_fixture.h"

using namespace tocko;
using ui::BrandPart;

namespace {

BrandPart plain(const char* t) { return {BrandPart::Kind::text, QString::fromUtf8(t)}; }
const BrandPart keycap{BrandPart::Kind::keycap, {}};

TEST(Wordmark, SplitsOnTheProductName) {
    EXPECT_EQ(ui::brandParts("Choose your language"), std::vector<BrandPart>{plain("Choose your language")});
    EXPECT_EQ(ui::brandParts("Tocko"),
              (std::vector<BrandPart>{plain(""), plain("Toc"), keycap, plain("o"), plain("")}));
    EXPECT_EQ(ui::brandParts("Quit Tocko, then Tocko again"),
              (std::vector<BrandPart>{plain("Quit "), plain("Toc"), keycap, plain("o"), plain(", then "),
                                      plain("Toc"), keycap, plain("o"), plain(" again")}));
    EXPECT_EQ(ui::brandParts("tocko"), std::vector<BrandPart>{plain("tocko")});  // exact spelling only
}

TEST(Wordmark, RichTextEscapesAndKeepsEachOccurrenceWhole) {
    const QFont font;
    EXPECT_EQ(ui::brandText("a < b & c", 13, font, Qt::black), "a &lt; b &amp; c");
    const QString rich = ui::brandText("Welcome to Tocko", 19, font, Qt::black);
    EXPECT_TRUE(rich.startsWith("Welcome to <img src=\"image://tocko/wordmark/19/")) << rich.toStdString();
    EXPECT_EQ(rich.count("<img"), 1);
    EXPECT_FALSE(rich.contains("Toc"));  // the letters are in the picture
}

TEST(Keycap, IsCachedPerSizeAndDrawn) {
    const QImage a = ui::keycapLogo(20);
    EXPECT_EQ(a.deviceIndependentSize(), QSizeF(16, 16));
    EXPECT_EQ(a.text("Description"), "K");
    EXPECT_EQ(ui::keycapLogo(20).cacheKey(), a.cacheKey());
    EXPECT_NE(ui::keycapLogo(21).cacheKey(), a.cacheKey());
    // Drawn: the centre is the keycap's colour, the corner stays clear.
    const QImage pixels = ui::drawKeycap(20, 1);
    EXPECT_EQ(qAlpha(pixels.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(pixels.pixel(3, 8)), 255);
}

TEST(FlowLayoutRows, WrapsWhenTheNextChildWouldPassTheWidth) {
    const std::vector<QSizeF> sizes{{40, 20}, {50, 24}, {30, 20}, {20, 10}};
    const ui::FlowResult flow = ui::flowArrange(sizes, 5, 100.0);
    ASSERT_EQ(flow.rows.size(), 2u);
    EXPECT_EQ(flow.rows[0].indices, (std::vector<size_t>{0, 1}));
    EXPECT_EQ(flow.rows[1].indices, (std::vector<size_t>{2, 3}));
    EXPECT_EQ(flow.positions[1], QPointF(45, 0));
    EXPECT_EQ(flow.positions[2], QPointF(0, 29));  // below the taller child plus spacing
    EXPECT_EQ(flow.positions[3], QPointF(35, 29));
    EXPECT_EQ(flow.size, QSizeF(100, 49));

    const ui::FlowResult unbounded = ui::flowArrange(sizes, 5, std::nullopt);
    ASSERT_EQ(unbounded.rows.size(), 1u);
    EXPECT_EQ(unbounded.size, QSizeF(155, 24));
    EXPECT_EQ(ui::flowArrange({}, 5, 100.0).size, QSizeF(100, 0));
}

TEST(FlowLayoutRows, AChildWiderThanTheWidthSitsAloneUnwrapped) {
    const ui::FlowResult flow = ui::flowArrange({{30, 10}, {150, 10}, {30, 10}}, 4, 100.0);
    ASSERT_EQ(flow.rows.size(), 3u);
    EXPECT_EQ(flow.rows[1].indices, std::vector<size_t>{1});
    EXPECT_EQ(flow.rows[1].width, 150);
    EXPECT_EQ(flow.positions[1], QPointF(0, 14));
    EXPECT_EQ(flow.positions[2], QPointF(0, 28));
}

class FlowLayoutItemTest : public test::ViewTest {};

TEST_F(FlowLayoutItemTest, PlacesItsChildrenAndReportsItsHeight) {
    QQmlComponent component(&qml);
    component.setData(
        "import QtQuick\nimport Tocko.Views\nItem { width: 200; height: 200\n"
        "FlowLayout { objectName: 'flow'; width: 100; spacing: 5\n"
        "Rectangle { implicitWidth: 40; implicitHeight: 20 }\n"
        "Rectangle { implicitWidth: 50; implicitHeight: 24 }\n"
        "Rectangle { objectName: 'third'; implicitWidth: 30; implicitHeight: 20 } } }",
        QUrl("qrc:/flow.qml"));
    std::unique_ptr<QObject> root(component.create());
    ASSERT_TRUE(root) << component.errorString().toStdString();
    auto* flow = root->findChild<QQuickItem*>("flow");
    ASSERT_TRUE(flow);
    // Layout runs in the window's polish step.
    QQuickWindow w;
    qobject_cast<QQuickItem*>(root.get())->setParentItem(w.contentItem());
    w.show();
    settle();
    QQuickItem* third = root->findChild<QQuickItem*>("third");
    EXPECT_EQ(third->position(), QPointF(0, 29));
    EXPECT_EQ(flow->implicitHeight(), 49);
    EXPECT_EQ(flow->implicitWidth(), 130);
    qobject_cast<QQuickItem*>(root.get())->setParentItem(nullptr);
}

TEST(PackCatalogData, StylesInOrderWithTheirPacks) {
    ui::PackCatalog packs;
    const QVariantList styles = packs.styles();
    ASSERT_EQ(styles.size(), 5);
    EXPECT_EQ(styles[0].toMap().value("title").toString(), "Mechanical");
    EXPECT_EQ(styles[1].toMap().value("title").toString(), "ASMR");
    const QVariantList entries = packs.pickerEntries();
    EXPECT_EQ(entries.size(), 5 + 28);
    EXPECT_EQ(entries[0].toMap().value("kind").toString(), "header");
    EXPECT_EQ(entries[1].toMap().value("text").toString(), "Clicky");
    EXPECT_EQ(entries[1].toMap().value("value").toString(), "clicky");
    EXPECT_EQ(packs.styleOf("soft"), "vintage");
    EXPECT_EQ(packs.indexOf("clicky"), 0);
    EXPECT_EQ(packs.indexOf("chips"), 27);
    EXPECT_EQ(packs.displayName("nonsense"), "Soft");
    EXPECT_EQ(packs.firstPack(), "clicky");
}

TEST(RunningAppList, OncePerIdentifierRegularOnlyByName) {
    const std::vector<ui::RunningAppEntry> entries{
        {std::string("org.b"), std::string("beta"), true},
        {std::string("org.a"), std::string("Alpha"), true},
        {std::string("org.b"), std::string("Beta (second window)"), true},
        {std::string("org.dock"), std::string("Dock"), false},
        {std::nullopt, std::string("No id"), true},
        {std::string(""), std::string("Empty id"), true},
        {std::string("org.nameless"), std::nullopt, true},
    };
    EXPECT_EQ(ui::runningAppsList(entries),
              (std::vector<ui::RunningApp>{
                  {"org.a", "Alpha"}, {"org.b", "beta"}, {"org.nameless", "org.nameless"}}));
}

}  // namespace
