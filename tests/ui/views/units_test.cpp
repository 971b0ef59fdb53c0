// The wordmark, the keycap, the flow layout and the running-application list.
#include <QQuickItem>

#include "ui/views/brand.h"
#include "ui/views/context_model.h"
#include "ui/views/flow_layout.h"
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
    EXPECT_EQ(ui::keycapLogo(20).cacheKey(), a.cacheKey());
    EXPECT_NE(ui::keycapLogo(21).cacheKey(), a.cacheKey());
    // Drawn: the centre is the keycap's colour, the corner stays clear.
    const QImage pixels = ui::drawKeycap(20, 1);
    EXPECT_EQ(qAlpha(pixels.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(pixels.pixel(3, 8)), 255);
}

// The wrapping itself is checked through the item below.
TEST(FlowLayoutRows, AChildWiderThanTheWidthSitsAloneUnwrapped) {
    const ui::FlowResult flow = ui::flowArrange({{30, 10}, {150, 10}, {30, 10}}, 4, 100.0);
    ASSERT_EQ(flow.rows.size(), 3u);
    EXPECT_EQ(flow.rows[1].indices, std::vector<size_t>{1});
    EXPECT_EQ(flow.rows[1].width, 150);
    EXPECT_EQ(flow.positions[1], QPointF(0, 14));
    EXPECT_EQ(flow.positions[2], QPointF(0, 28));
    EXPECT_EQ(ui::flowArrange({}, 5, 100.0).size, QSizeF(100, 0));
}

class FlowLayoutItemTest : public test::ViewTest {};

TEST_F(FlowLayoutItemTest, PlacesItsChildrenAndReportsItsHeight) {
    QQmlComponent component(&qml);
    component.setData(
        "import QtQuick\nimport Tocko.Views\nItem { width: 200; height: 200\n"
        "FlowLayout { objectName: 'flow'; width: 100; spacing: 5\n"
        "Rectangle { implicitWidth: 40; implicitHeight: 20 }\n"
        "Rectangle { objectName: 'second'; implicitWidth: 50; implicitHeight: 24 }\n"
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
    // The third child wraps below the taller of the first two, plus spacing.
    EXPECT_EQ(root->findChild<QQuickItem*>("second")->position(), QPointF(45, 0));
    EXPECT_EQ(root->findChild<QQuickItem*>("third")->position(), QPointF(0, 29));
    EXPECT_EQ(flow->implicitHeight(), 49);
    EXPECT_EQ(flow->implicitWidth(), 130);  // unbounded: one row
    qobject_cast<QQuickItem*>(root.get())->setParentItem(nullptr);
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
