// The menu panel: which blocks show in which state, which profile the pack
// and volume controls edit, the snooze row, the context line and the
// commands.
#include <QClipboard>
#include <QGuiApplication>

#include "view_fixture.h"

using namespace tocko;
using namespace std::chrono_literals;
using tocko::test::makeRule;

namespace {

class MenuViewTest : public test::ViewTest {
protected:
    QQuickItem* menu() { return load("MenuView", menuProperties()); }
    static std::string blocks(QQuickItem* m) {
        return shownOf(m, {"installBlock", "relaunchBlock", "secureInputBlock", "permissionMissing",
                           "permissionOn", "turnOnButton", "grantButton", "inputAccessNote"});
    }
};

TEST_F(MenuViewTest, BlocksFollowTheApplicationState) {
    QQuickItem* m = menu();
    ASSERT_TRUE(m);
    // A first launch: no permission yet, nothing else wrong; the request
    // explains how to grant it.
    EXPECT_EQ(blocks(m), "permissionMissing turnOnButton");
    EXPECT_FALSE(item(m, "enableSwitch")->isEnabled());

    // A Wayland session heard through XWayland only: the grant is offered,
    // and the fallback may be switched on meanwhile.
    app.insert("permissionPartial", true);
    settle();
    EXPECT_EQ(blocks(m), "permissionMissing grantButton inputAccessNote");
    EXPECT_TRUE(item(m, "enableSwitch")->isEnabled());
    click(m, "grantButton");
    app.insert("inputAccessGrant", 1);  // the administrator prompt is up
    settle();
    EXPECT_FALSE(item(m, "grantButton")->isEnabled());
    app.insert("inputAccessGrant", 3);  // the input group: from the next login
    settle();
    EXPECT_TRUE(text(m, "inputAccessNote").contains("Log out and back in"));

    app.insert("permissionGranted", true);
    app.insert("permissionPartial", false);
    app.insert("needsInstall", true);
    app.insert("needsRelaunchToActivate", true);
    settle();
    EXPECT_EQ(blocks(m), "installBlock relaunchBlock permissionOn");
    click(m, "relaunchButton");
    click(m, "revealButton");
    EXPECT_EQ(log.calls, (std::vector<std::string>{"grantInputAccess", "relaunch", "revealApp"}));

    // The master switch writes the state and follows it.
    click(m, "enableSwitch");
    EXPECT_TRUE(app.value("isEnabled").toBool());
    app.insert("isEnabled", false);
    settle();
    EXPECT_FALSE(item(m, "enableSwitch")->property("checked").toBool());

    // A password field somewhere: the block names its holder when known.
    app.insert("secureInputActive", true);
    settle();
    ASSERT_TRUE(shown(m, "secureInputBlock"));
    EXPECT_EQ(text(m, "secureInputText"), "Keyboard sounds are paused — an app is asking for a password.");
    app.insert("secureInputHolder", "Passwords");
    settle();
    EXPECT_EQ(text(m, "secureInputText"), "Keyboard sounds are paused — Passwords is asking for a password.");
    EXPECT_TRUE(text(m, "secureInputHint").startsWith("Quit Passwords or click"));
}

// The pack and volume controls edit the frontmost application's rule when it
// has one, the default profile otherwise.
TEST_F(MenuViewTest, TheControlsEditTheFrontmostRuleOrTheDefault) {
    engine->setCurrentApp(std::string("org.example.Mail"), std::string("Mail"));
    QQuickItem* m = menu();
    QQuickItem* picker = item(m, "packPicker");
    QQuickItem* slider = item(m, "volumeSlider");
    auto choose = [&](const char* pack, double volume) {
        call(picker, "choose", pack);
        QMetaObject::invokeMethod(slider, "edited", Q_ARG(double, volume));
        settle();
    };
    EXPECT_EQ(text(m, "packHeading"), "Default Sound");
    choose("tock", 0.35);
    EXPECT_EQ(engine->store().defaultProfile.pack, PackID::tock);
    EXPECT_DOUBLE_EQ(engine->store().defaultProfile.volume, 0.35);
    EXPECT_TRUE(engine->store().rules.empty());
    EXPECT_EQ(picker->property("text").toString(), "Tock");
    EXPECT_DOUBLE_EQ(slider->property("value").toDouble(), 0.35);

    engine->upsertRule(makeRule("org.example.Mail", "Mail", PackID::felt, 0.5));
    settle();
    EXPECT_EQ(text(m, "packHeading"), "Sound for Mail");
    EXPECT_EQ(picker->property("text").toString(), "Felt");
    choose("ice", 0.8);
    EXPECT_EQ(engine->store().rules.at("org.example.Mail"),
              makeRule("org.example.Mail", "Mail", PackID::ice, 0.8));
    EXPECT_EQ(engine->store().defaultProfile.pack, PackID::tock);
    EXPECT_DOUBLE_EQ(engine->store().defaultProfile.volume, 0.35);

    // A nameless frontmost application is named by its identifier; leaving
    // for an application without a rule goes back to the default.
    engine->setCurrentApp(std::string("org.example.Mail"), std::nullopt);
    settle();
    EXPECT_EQ(text(m, "packHeading"), "Sound for org.example.Mail");
    engine->setCurrentApp(std::string("org.example.Other"), std::string("Other"));
    settle();
    EXPECT_EQ(text(m, "packHeading"), "Default Sound");
}

// The panel's context line and the Settings status rows follow the context.
TEST_F(MenuViewTest, ContextLineAndStatusRowsTellWhatPlays) {
    QQuickItem* m = menu();
    const std::unique_ptr<QQuickWindow> menuWindow = std::move(window);
    QQuickItem* s = load("SettingsView", menuProperties());
    auto both = [&] { return text(m, "contextLine") + " | " + text(s, "effectiveValue"); };
    EXPECT_EQ(both(), "— · silent | Silent");
    EXPECT_EQ(text(s, "bundleIDValue"), "—");
    engine->setCurrentApp(std::string("org.example.Code"), std::nullopt);
    settle();
    EXPECT_EQ(text(m, "contextLine"), "org.example.Code · silent");
    EXPECT_EQ(text(s, "currentAppValue"), "org.example.Code");
    engine->setCurrentApp(std::string("org.example.Code"), std::string("Code"));
    engine->setGlobalEnabled(true);
    engine->applyEffective();
    settle();
    EXPECT_EQ(both(), "Code · Soft | Soft @ 5%");
    EXPECT_EQ(text(s, "bundleIDValue"), "org.example.Code");
    EXPECT_EQ(text(s, "microphoneValue"), "No");
    EXPECT_EQ(item(m, "contextSymbol")->property("name").toString(), "app.badge");
    engine->setMicActive(true);
    settle();
    EXPECT_EQ(both(), "Code · muted (call) | Silent");
    EXPECT_EQ(text(s, "microphoneValue"), "Yes");
    EXPECT_EQ(item(m, "contextSymbol")->property("name").toString(), "mic.fill");
    engine->setAutoMuteOnCalls(false);
    engine->snooze(10);
    settle();
    EXPECT_EQ(both(), "Code · silent | Silent");
}

TEST_F(MenuViewTest, SnoozeRowCountsDownAndUnmutes) {
    QQuickItem* m = menu();
    EXPECT_EQ(shownOf(m, {"snoozeButton", "snoozeRow"}), "snoozeButton");
    click(m, "snoozeButton");
    ASSERT_TRUE(engine->isSnoozed());
    EXPECT_EQ(shownOf(m, {"snoozeButton", "snoozeRow"}), "snoozeRow");
    const QString left = text(m, "snoozeCountdown");
    EXPECT_TRUE(left == "10:00" || left == "9:59") << left.toStdString();
    click(m, "unmuteButton");
    EXPECT_FALSE(engine->snoozeUntil().has_value());
    EXPECT_TRUE(shown(m, "snoozeButton"));

    // An end in the past that nothing has cleared yet offers a new snooze.
    engine->setSnoozeUntil(std::chrono::system_clock::now() - 5s);
    settle();
    EXPECT_EQ(shownOf(m, {"snoozeButton", "snoozeRow"}), "snoozeButton");
}

TEST_F(MenuViewTest, CommandsReachTheirOperations) {
    sink->setActivePack(PackID::crystal);
    QQuickItem* m = menu();
    click(m, "testSoundButton");
    EXPECT_EQ(log.plays, (std::vector<std::pair<PackID, float>>{{PackID::crystal, 0.9f}}));

    QGuiApplication::clipboard()->setText("old");
    click(m, "diagnosticsButton");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Tocko Diagnostics\nline 2");

    // Still not granted after asking: the explanation opens; granted at
    // once: nothing more.
    click(m, "turnOnButton");
    EXPECT_EQ(log.calls, (std::vector<std::string>{"collectDiagnostics", "requestPermission",
                                                   "openInputMonitoringSettings"}));
    grantOnRequest = true;
    click(m, "turnOnButton");
    EXPECT_EQ(log.count("requestPermission"), 2);
    EXPECT_EQ(log.count("openInputMonitoringSettings"), 1);
    EXPECT_TRUE(shown(m, "permissionOn"));

    EXPECT_FALSE(item(m, "updatesButton")->isEnabled());
    updater.insert("canCheckForUpdates", true);
    settle();
    log.calls.clear();
    for (const char* button : {"updatesButton", "settingsButton", "quitButton"}) click(m, button);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"checkForUpdates", "openSettings", "quit"}));
    EXPECT_EQ(text(m, "footer"), "Tocko v1.2.3 (45)");
}

// Tab shows where the keyboard is in the accent colour; Escape closes the
// panel window whichever control has the focus.
TEST_F(MenuViewTest, KeyboardFocusIsDrawnAndEscapeClosesThePanel) {
    QQmlComponent component(&qml);
    component.setData("import Tocko.Views\nMenuPanel {}", QUrl("qrc:/panel-test.qml"));
    QVariantMap properties = menuProperties();
    std::unique_ptr<QObject> object(component.createWithInitialProperties(properties));
    auto* panel = qobject_cast<QQuickWindow*>(object.get());
    ASSERT_TRUE(panel) << component.errorString().toStdString();
    panel->show();
    panel->requestActivate();
    settle();
    QQuickItem* quit = item(panel->contentItem(), "quitButton");
    ASSERT_TRUE(quit);
    quit->forceActiveFocus(Qt::TabFocusReason);
    settle();
    ASSERT_TRUE(quit->property("visualFocus").toBool());
    QQuickItem* background = quit->property("background").value<QQuickItem*>();
    ASSERT_TRUE(background);
    bool ringShown = false;
    for (QQuickItem* child : background->childItems())
        ringShown |= child->isVisible() && child->property("border").value<QObject*>() &&
                     child->property("border").value<QObject*>()->property("width").toDouble() >= 2;
    EXPECT_TRUE(ringShown) << "a focus ring around the focused button";

    QTest::keyClick(panel, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(log.count("quit"), 0);
}

}  // namespace
