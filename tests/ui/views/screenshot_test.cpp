// Renders each window's content offscreen into build/screenshots/*.png, for
// looking at the layout; the test only checks that a picture came out.
// TOCKO_SCREENSHOT_LANGUAGE=el renders them in that language; Japanese,
// Korean and Chinese (a CJK font from the system) always come too.
#include <QDir>
#include <QImage>

#include "ui/l10n/localization_store.h"
#include "ui/views/motion.h"
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
    void saveTour(const QString& suffix, int steps) {
        const char* names[] = {"welcome", "permission", "sound", "make-it-yours", "hush", "menu-bar"};
        for (int step = 0; step < steps; ++step) {
            QVariantMap properties = menuProperties();
            properties.insert("startStep", step);
            save(load("OnboardingView", properties),
                 QStringLiteral("tour-%1-%2%3").arg(step + 1).arg(names[step], suffix));
        }
    }
};

TEST_F(ScreenshotTest, EveryWindow) {
    ui::MotionSettings::shared().setReduceMotion(true);
    if (auto chosen = appLanguageFromRawValue(qEnvironmentVariable("TOCKO_SCREENSHOT_LANGUAGE")))
        LocalizationStore::shared().setLanguage(*chosen);
    engine->upsertRule(test::makeRule("org.example.Mail", "Mail", PackID::felt, 0.4));
    engine->upsertRule(test::makeRule("com.example.Editor", "code editor", PackID::clicky, 0.8));
    engine->setCurrentApp(std::string("org.example.Mail"), std::string("Mail"));
    engine->setGlobalEnabled(true);
    engine->applyEffective();
    app.insert("permissionGranted", true);
    app.insert("isEnabled", true);
    app.insert("currentOutputDevice", "Built-in Audio Analog Stereo");
    save(load("MenuView", menuProperties()), "menu");
    QQuickItem* view = load("SettingsView", menuProperties());
    save(view, "settings");
    // The rest of the form, scrolled to its end.
    QObject* flickable = item(view, "settingsScroll")->property("contentItem").value<QObject*>();
    ASSERT_TRUE(flickable);
    flickable->setProperty("contentY", flickable->property("contentHeight").toDouble() - 600);
    save(view, "settings-end");
    saveTour("", 6);

    app.insert("needsInstall", true);
    app.insert("needsRelaunchToActivate", true);
    app.insert("secureInputActive", true);
    engine->snooze(10);
    save(load("MenuView", menuProperties()), "menu-warnings");

    for (AppLanguage language : {AppLanguage::ja, AppLanguage::ko, AppLanguage::zhHans}) {
        LocalizationStore::shared().setLanguage(language);
        saveTour("-" + rawValue(language), 1);
        save(load("MenuView", menuProperties()), "menu-" + rawValue(language));
    }
    LocalizationStore::shared().setLanguage(AppLanguage::system);
    ui::MotionSettings::shared().setReduceMotion(false);
}

}  // namespace
