// The wordmark, the keycap and the flow layout.
#include <QQuickItem>

#include "ui/views/brand.h"
#include "ui/views/flow_layout.h"
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

// Drawn: the centre is the keycap's colour, the corner stays clear.
TEST(Keycap, IsDrawn) {
    const QImage pixels = ui::drawKeycap(20, 1);
    EXPECT_EQ(qAlpha(pixels.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(pixels.pixel(3, 8)), 255);
}

class FlowLayoutItemTest : public test::ViewTest {};

TEST_F(FlowLayoutItemTest, PlacesItsChildrenAndReportsItsHeight) {
    QQmlComponent component(&qml);
    component.setData(
        "import QtQuick\nimport Tocko.Views\nItem { width: 200; height: 200\n"
        "FlowLayout { objectName: 'flow'; width: 100; spacing: 5\n"
        "Rectangle { implicitWidth: 40; implicitHeight: 20 }\n"
        "Rectangle { objectName: 'second'; implicitWidth: 50; implicitHeight: 24 }\n"
        "Rectangle { objectName: 'third'; implicitWidth: 30; implicitHeight: 20 }\n"
        "Rectangle { objectName: 'wide'; implicitWidth: 150; implicitHeight: 10 } } }",
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
    // The third child wraps below the taller of the first two, plus spacing;
    // one wider than the width sits alone on its row.
    EXPECT_EQ(root->findChild<QQuickItem*>("second")->position(), QPointF(45, 0));
    EXPECT_EQ(root->findChild<QQuickItem*>("third")->position(), QPointF(0, 29));
    EXPECT_EQ(root->findChild<QQuickItem*>("wide")->position(), QPointF(0, 54));
    EXPECT_EQ(flow->implicitHeight(), 64);
    EXPECT_EQ(flow->implicitWidth(), 285);  // unbounded: one row
    qobject_cast<QQuickItem*>(root.get())->setParentItem(nullptr);
}

}  // namespace
