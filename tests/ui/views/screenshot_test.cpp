// Renders each window's content offscreen into build/screenshots/*.png, for
// looking at the layout; the test only checks that a picture came out.
#include <QDir>
#include <QImage>

#include "view_fixture.h"

using namespace tocko;

namespace {

class ScreenshotTest : public test::ViewTest {
protected:
    void save(QQuickItem* root, const QString& name) {
        ASSERT_TRUE(root);
        window->resize(int(root->width()), int(root->height()));
        settle();
        const QImage image = window->grabWindow();
        ASSERT_FALSE(image.isNull());
        EXPECT_GE(image.width(), int(root->width()));
        QDir().mkpath(TOCKO_SCREENSHOT_DIR);
        EXPECT_TRUE(image.save(QStringLiteral(TOCKO_SCREENSHOT_DIR "/") + name + ".png"));
    }
};

TEST_F(ScreenshotTest, MenuPanel) {
    engine->upsertRule(test::makeRule("org.example.Mail", "Mail", PackID::felt, 0.4));
    engine->setCurrentApp(std::string("org.example.Mail"), std::string("Mail"));
    engine->setGlobalEnabled(true);
    engine->applyEffective();
    app.setPermissionGranted(true);
    app.setIsEnabled(true);
    app.setCurrentOutputDevice("Built-in Audio Analog Stereo");
    save(load("MenuView", menuProperties()), "menu");
}

TEST_F(ScreenshotTest, MenuPanelWithEveryWarning) {
    app.setNeedsInstall(true);
    app.setNeedsRelaunchToActivate(true);
    app.setSecureInputActive(true);
    engine->snooze(10);
    save(load("MenuView", menuProperties()), "menu-warnings");
}

}  // namespace
