// The first-run tour: where it starts, moving between steps, the permission
// step's two faces, choosing and trying a sound, the language chips, and
// staying still while motion is reduced.
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include "tests/common/test_support.h"
#include "ui/l10n/localization_store.h"
#include "ui/views/motion.h"
#include "ui/views/onboarding_window.h"
#include "view_fixture.h"

using namespace tocko;
using tocko::test::waitUntil;

namespace {

class OnboardingViewTest : public test::ViewTest {
protected:
    QQuickItem* tour(int startStep = 0) {
        QVariantMap properties = menuProperties();
        properties.insert("startStep", startStep);
        return load("OnboardingView", properties);
    }
    static int index(QQuickItem* view) { return view->property("index").toInt(); }
    static QString primary(QQuickItem* view) {
        return item(view, "primaryButton")->property("text").toString();
    }
    // The current step's content (the stack's top item).
    static QQuickItem* content(QQuickItem* view) {
        return item(view, "stepStack")->property("currentItem").value<QQuickItem*>();
    }
    static void wait(int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) QTest::qWait(20);
    }
};

TEST(OnboardingStartStep, ReadsAWholeNumberClampedToTheSteps) {
    EXPECT_EQ(ui::onboardingStartStep(nullptr), 0);
    EXPECT_EQ(ui::onboardingStartStep("99999999999999999999999"), 5);
    const std::pair<const char*, int> cases[] = {{"", 0},   {"3", 3},  {"+2", 2}, {"5", 5}, {"99", 5},
                                                 {"-3", 0}, {"2x", 0}, {" 2", 0}, {"+", 0}, {"two", 0}};
    for (const auto& [text, step] : cases) EXPECT_EQ(ui::onboardingStartStep(text), step) << text;
}

// Back and forward through every step: no way back from the first, the
// counter and the direction follow, the last finishes on its button or Return.
TEST_F(OnboardingViewTest, PrimaryButtonWalksThroughEveryStepAndTheLastFinishes) {
    ui::MotionSettings::shared().setReduceMotion(true);  // the short fade
    QQuickItem* view = tour();
    click(view, "primaryButton");
    EXPECT_EQ(text(view, "stepCounter"), "02 / 06");
    EXPECT_TRUE(view->property("forward").toBool());
    click(view, "backButton");
    EXPECT_EQ(index(view), 0);
    EXPECT_FALSE(view->property("forward").toBool());  // the content comes in from the leading edge
    EXPECT_FALSE(shown(view, "backButton"));

    const std::vector<QString> headings{"Welcome to Tocko",      "Turn on typing feedback",
                                        "Pick your sound",       "Make it yours",
                                        "It knows when to hush", "Tocko lives in your system tray"};
    for (size_t i = 0; i < headings.size(); ++i) {
        if (i > 0) click(view, "primaryButton");
        EXPECT_EQ(index(view), int(i));
        // The new step's content takes the stack's top once the fade is over.
        EXPECT_TRUE(waitUntil([&] {
            QQuickItem* top = content(view);
            return top && item(top, "heading")->property("source").toString() == headings[i];
        })) << headings[i].toStdString();
    }
    EXPECT_EQ(primary(view), "Start tocking");
    ui::MotionSettings::shared().setReduceMotion(false);
    QSignalSpy finished(view, SIGNAL(finish()));
    click(view, "primaryButton");
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(index(view), 5);

    // Opened at the last step, the button has the focus: Return finishes.
    view = tour(5);
    QSignalSpy finishedOnReturn(view, SIGNAL(finish()));
    QTest::keyClick(window.get(), Qt::Key_Return);
    settle();
    EXPECT_EQ(finishedOnReturn.count(), 1);
}

TEST_F(OnboardingViewTest, PermissionStepOffersSettingsUntilGranted) {
    QQuickItem* view = tour(1);
    QQuickItem* step = content(view);
    ASSERT_TRUE(step);
    EXPECT_EQ(primary(view), "Skip for now");
    EXPECT_EQ(shownOf(step, {"openSettingsButton", "grantedLabel"}), "openSettingsButton");
    click(step, "openSettingsButton");
    EXPECT_EQ(log.calls, (std::vector<std::string>{"requestPermission", "openInputMonitoringSettings"}));

    // The poll sees the grant: the step changes in place and waits for the user.
    app.insert("permissionGranted", true);
    settle();
    EXPECT_EQ(index(view), 1);
    EXPECT_EQ(primary(view), "Continue");
    EXPECT_EQ(shownOf(step, {"openSettingsButton", "grantedLabel"}), "grantedLabel");
}

// The sound step: the field plays the chosen pack loud and clear per added
// character while no key is heard otherwise; a chip sets the default and
// plays it.
TEST_F(OnboardingViewTest, TryFieldAndPackChips) {
    QQuickItem* step = content(tour(2));
    ASSERT_TRUE(step);
    QQuickItem* field = item(step, "tryField");
    for (const char* typed : {"a", "ab", "abc", "ab"})
        field->setProperty("text", typed);  // deleting plays nothing
    settle();
    EXPECT_EQ(log.plays, (std::vector<std::pair<PackID, float>>(3, {PackID::soft, 0.9f})));
    app.insert("permissionGranted", true);  // the tap clicks now; the field stays quiet
    field->setProperty("text", "abcd");
    settle();
    EXPECT_EQ(log.plays.size(), 3u);

    QQuickItem* picker = item(step, "packPicker");
    EXPECT_EQ(picker->property("category").toString(), "vintage");  // soft's style
    EXPECT_TRUE(item(step, "pack:soft")->property("selected").toBool());
    click(step, "style:fun");
    EXPECT_EQ(picker->property("category").toString(), "fun");
    click(step, "pack:bubble");
    EXPECT_EQ(engine->store().defaultProfile.pack, PackID::bubble);
    EXPECT_DOUBLE_EQ(engine->store().defaultProfile.volume, 0.05);
    ASSERT_EQ(log.plays.size(), 4u);
    EXPECT_EQ(log.plays[3], (std::pair<PackID, float>{PackID::bubble, 0.9f}));
    EXPECT_TRUE(item(step, "pack:bubble")->property("selected").toBool());
    EXPECT_EQ(text(step, "stagePackName"), "Bubble");
}

TEST_F(OnboardingViewTest, LanguageChipsSwitchAndRerenderTheTour) {
    QQuickItem* view = tour(0);
    QQuickItem* step = content(view);
    ASSERT_TRUE(step);
    // "System" shows its resolved language.
    const QString resolved = "language:" + LocalizationStore::shared().localeIdentifier();
    EXPECT_TRUE(item(step, resolved.toUtf8().constData())->property("selected").toBool());

    click(step, "language:de");
    EXPECT_EQ(LocalizationStore::shared().languageRawValue(), "de");
    EXPECT_TRUE(item(step, "language:de")->property("selected").toBool());
    EXPECT_EQ(primary(view), LocalizationStore::shared().translate("Let’s set it up"));
    // The steps go on in the new language.
    click(view, "primaryButton");
    QQuickItem* next = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (next = content(view)) && find(next, "openSettingsButton"); }));
    EXPECT_EQ(item(next, "heading")->property("source").toString(),
              LocalizationStore::shared().translate("Turn on typing feedback"));
    LocalizationStore::shared().setLanguage(AppLanguage::system);
    settle();
    EXPECT_EQ(primary(view), "Skip for now");
}

TEST_F(OnboardingViewTest, ReducedMotionHoldsStill) {
    ui::MotionSettings::shared().setReduceMotion(true);
    QQuickItem* view = tour(0);
    QQuickItem* step = content(view);
    wait(2600);
    EXPECT_EQ(text(step, "greetingWord"), "Hello");
    EXPECT_DOUBLE_EQ(item(step, "keycapFace")->y(), 0);

    // With motion the greeting moves on to the next word.
    ui::MotionSettings::shared().setReduceMotion(false);
    EXPECT_TRUE(waitUntil([&] { return text(step, "greetingWord") == "Hola"; }, std::chrono::seconds(8)));
}

TEST_F(OnboardingViewTest, MenuStepShowsTheLivePanel) {
    QQuickItem* view = tour(5);
    QQuickItem* copy = item(content(view), "menuCopy");
    ASSERT_TRUE(copy);
    EXPECT_EQ(text(copy, "packHeading"), "Default Sound");
    app.insert("launchAtLogin", false);
    click(content(view), "loginSwitch");
    EXPECT_TRUE(app.value("launchAtLogin").toBool());
}

}  // namespace
