// The entry over a real application state built on fakes: the panel and
// Settings windows read the one state, and the tour window opens at the
// requested step and records completion however it is closed.
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QSettings>
#include <QSystemTrayIcon>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/app_state.h"
#include "audio/null_output.h"
#include "context/profile_store.h"
#include "platform/fake/fake_backend.h"
#include "platform/fake/fake_platform.h"
#include "tests/common/test_support.h"
#include "ui/l10n/localization_store.h"
#include "ui/views/ui_entry.h"
#include "view_fixture.h"

using namespace tocko;

namespace {

QString textOf(QQuickItem* root, const char* name) {
    QQuickItem* i = root->findChild<QQuickItem*>(name);
    EXPECT_TRUE(i) << "no item named " << name;
    return i ? i->property("text").toString() : QString();
}

class EntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove_all(ProfileStore::supportDirectory());
        QSettings("Pollix", "Tocko").clear();
        setenv("TOCKO_NO_ONBOARDING", "1", 1);
        AppState::Dependencies deps;
        deps.platform = fakePlatform();
        deps.localization = std::make_shared<FakeLocalizationProbe>();
        deps.executablePath = "/usr/bin/tocko";
        deps.homeDirectory = "/home/ada";
        deps.fontAvailable = [](const std::string&) { return true; };
        state = std::make_unique<AppState>(std::move(deps));
        ui = ui::install(*state);
        settle();
    }
    void TearDown() override {
        ui.reset();
        state.reset();
        unsetenv("TOCKO_NO_ONBOARDING");
        unsetenv("TOCKO_ONBOARDING_STEP");
    }
    static void settle() { QTest::qWait(30); }

    // The panel window's note on how to get a tray icon, if it shows one.
    static QQuickItem* trayNote(QQuickWindow* panel) {
        QQuickItem* note = panel ? panel->findChild<QQuickItem*>("panelNote") : nullptr;
        return note && note->isVisible() ? note : nullptr;
    }

    // The open tour window, if any.
    static QQuickWindow* tourWindow() {
        for (QWindow* w : QGuiApplication::topLevelWindows())
            if (auto* q = qobject_cast<QQuickWindow*>(w))
                if (q->isVisible() && q->findChild<QQuickItem*>("onboardingView")) return q;
        return nullptr;
    }

    std::unique_ptr<AppState> state;
    std::unique_ptr<ui::TockoUi> ui;
};

TEST_F(EntryTest, PanelAndSettingsShowTheOneState) {
    // As under a tray icon (this test's display has no tray).
    ui.reset();
    ui::UiOptions withTray;
    withTray.trayPresent = true;
    ui = ui::install(*state, withTray);
    ui->showPanel();
    settle();
    QQuickWindow* panel = ui->panelWindow();
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->width(), 260);
    EXPECT_TRUE(panel->flags() & Qt::FramelessWindowHint);
    QQuickItem* menu = panel->findChild<QQuickItem*>("menuView");
    ASSERT_TRUE(menu);
    EXPECT_EQ(textOf(menu, "outputLine"), "Output: " + QString::fromStdString(state->currentOutputDevice()));
    EXPECT_EQ(textOf(menu, "contextLine").left(7), "Mail · ");

    ui->togglePanel();
    EXPECT_FALSE(panel->isVisible());
    ui->togglePanel();
    EXPECT_TRUE(panel->isVisible());

    ui->openSettings();
    settle();
    EXPECT_FALSE(panel->isVisible());
    QQuickWindow* settings = ui->settingsWindow();
    ASSERT_TRUE(settings);
    EXPECT_TRUE(settings->isVisible());
    EXPECT_EQ(settings->size(), QSize(480, 600));
    QQuickItem* view = settings->findChild<QQuickItem*>("settingsView");
    ASSERT_TRUE(view);
    EXPECT_EQ(textOf(view, "currentAppValue"), "Mail");
    // A second request brings the same window back.
    ui->openSettings();
    EXPECT_EQ(ui->settingsWindow(), settings);
}

TEST_F(EntryTest, TourOpensAtTheRequestedStepAndClosingCompletesIt) {
    setenv("TOCKO_ONBOARDING_STEP", "99", 1);
    ASSERT_FALSE(QSettings("Pollix", "Tocko").value("hasCompletedOnboarding", false).toBool());
    state->showOnboarding();
    settle();
    QQuickWindow* tour = tourWindow();
    ASSERT_TRUE(tour);
    EXPECT_TRUE(state->onboardingOpen());
    EXPECT_EQ(tour->title(), "Tocko");
    EXPECT_EQ(tour->size(), QSize(760, 520));
    QQuickItem* view = tour->findChild<QQuickItem*>("onboardingView");
    EXPECT_EQ(view->property("index").toInt(), 5);

    // A second request while open only brings the same window forward.
    state->showOnboarding();
    settle();
    EXPECT_EQ(tourWindow(), tour);

    // The window's close button counts as finishing.
    tour->close();
    settle();
    EXPECT_FALSE(state->onboardingOpen());
    EXPECT_TRUE(QSettings("Pollix", "Tocko").value("hasCompletedOnboarding", false).toBool());
    EXPECT_EQ(tourWindow(), nullptr);
}

TEST_F(EntryTest, TheLastButtonClosesTheTour) {
    setenv("TOCKO_ONBOARDING_STEP", "5", 1);
    state->showOnboarding();
    settle();
    QQuickWindow* tour = tourWindow();
    ASSERT_TRUE(tour);
    QQuickItem* button = tour->findChild<QQuickItem*>("primaryButton");
    ASSERT_TRUE(button);
    tour->grabWindow();
    QTest::mouseClick(tour, Qt::LeftButton, {},
                      button->mapToScene({button->width() / 2, button->height() / 2}).toPoint());
    settle();
    EXPECT_FALSE(state->onboardingOpen());
    EXPECT_TRUE(QSettings("Pollix", "Tocko").value("hasCompletedOnboarding", false).toBool());
}

// What the compositor shows, where the test runs under one (Sway's tree;
// empty elsewhere).
std::string compositorTree() {
    const char* sock = getenv("TOCKO_TEST_SWAYSOCK");
    if (!sock) return {};
    std::string out;
    if (FILE* p = popen(("SWAYSOCK='" + std::string(sock) + "' swaymsg -t get_tree 2>&1").c_str(), "r")) {
        char buf[4096];
        for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
        pclose(p);
    }
    return out;
}

using tocko::test::waitUntil;

// Without a tray host (stock GNOME, plain Sway, or this test's display) the
// only way in would be killing the process: the panel opens as a window of
// its own, with the way to get a tray, unless Tocko was started in the
// background at login. Its controls act on the state; it stays when another
// window takes the focus and goes on Escape; another launch brings it back.
TEST_F(EntryTest, WithoutATrayThePanelOpensAsAWindowAndSaysHowToGetATray) {
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable()) << "this test needs a display without a tray";
    ui.reset();
    ui = ui::install(*state, {.background = true, .noTrayFallbackAfter = std::chrono::milliseconds(20)});
    QTest::qWait(200);
    EXPECT_EQ(ui->panelWindow(), nullptr);
    EXPECT_EQ(ui->settingsWindow(), nullptr);

    ui.reset();
    ui = ui::install(*state, {.noTrayFallbackAfter = std::chrono::milliseconds(20)});
    EXPECT_EQ(ui->panelWindow(), nullptr);  // not before the wait is over
    QTest::qWait(200);
    QQuickWindow* panel = ui->panelWindow();
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(ui->settingsWindow(), nullptr);
    // A normal window: decorated, in the task list, not above everything.
    EXPECT_EQ(panel->flags() & Qt::WindowType_Mask, Qt::Window);
    EXPECT_FALSE(panel->flags() & (Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
    EXPECT_EQ(panel->title(), "Tocko");
    QQuickItem* note = trayNote(panel);
    ASSERT_TRUE(note);
    EXPECT_EQ(note->property("text").toString(), ui::noTrayHelpText());
    EXPECT_TRUE(ui::noTrayHelpText().contains("quick controls"));
    if (getenv("TOCKO_TEST_SWAYSOCK")) {
        EXPECT_TRUE(waitUntil([] {
            return compositorTree().find("\"name\": \"Tocko\"") != std::string::npos;
        })) << "Sway does not show the panel's window: "
            << compositorTree();
    }

    // Its controls work as under the tray icon.
    QQuickItem* menu = panel->findChild<QQuickItem*>("menuView");
    ASSERT_TRUE(menu);
    auto click = [&](const char* name) {
        QQuickItem* i = menu->findChild<QQuickItem*>(name);
        ASSERT_TRUE(i && i->isVisible()) << name;
        panel->grabWindow();
        QTest::mouseClick(panel, Qt::LeftButton, {},
                          i->mapToScene({i->width() / 2, i->height() / 2}).toPoint());
        settle();
    };
    const bool wasEnabled = state->isEnabled();
    click("enableSwitch");
    EXPECT_EQ(state->isEnabled(), !wasEnabled);
    click("snoozeButton");
    EXPECT_TRUE(state->context().snoozeUntil().has_value());
    click("settingsButton");
    ASSERT_TRUE(ui->settingsWindow());
    EXPECT_TRUE(ui->settingsWindow()->isVisible());
    // Settings taking the focus leaves the window open, unlike the popover.
    EXPECT_TRUE(panel->isVisible());
    ui->settingsWindow()->close();

    panel->requestActivate();
    settle();
    QTest::keyClick(panel, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(panel->isVisible());
    if (getenv("TOCKO_TEST_SWAYSOCK")) {
        EXPECT_TRUE(waitUntil([] {
            return compositorTree().find("\"name\": \"Tocko\"") == std::string::npos;
        })) << "the closed panel is still mapped: "
            << compositorTree();
    }

    // Another launch (or `tocko panel`) brings back the same window.
    EXPECT_TRUE(ui->reopen());
    EXPECT_EQ(ui->panelWindow(), panel);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(ui->settingsWindow()->isVisible());

    // The note speaks the chosen language.
    const QString english = ui::noTrayHelpText();
    LocalizationStore::shared().setLanguage(AppLanguage::de);
    const QString german = ui::noTrayHelpText();
    EXPECT_EQ(trayNote(panel)->property("text").toString(), german);
    LocalizationStore::shared().setLanguage(AppLanguage::system);
    EXPECT_NE(german, english);
    EXPECT_TRUE(german.contains("AppIndicator-Erweiterung")) << german.toStdString();
}

}  // namespace

// Where the panel cannot open (no tray geometry, a compositor that places
// windows itself), the tray menu alone reaches every command of the panel.
TEST_F(EntryTest, TheTrayMenuOffersEveryCommandOfThePanel) {
    QMenu* menu = ui->trayMenu();
    ASSERT_TRUE(menu);
    emit menu->aboutToShow();
    auto action = [&](const QString& text) -> QAction* {
        for (QAction* a : menu->actions())
            if (a->text() == text || (a->menu() && a->menu()->title() == text)) return a;
        return nullptr;
    };
    for (const char* text :
         {"Tocko", "Enable clicks", "Default Sound", "Volume", "Test Sound", "Mute for 10 min",
          "Copy Diagnostics", "Settings", "Check for Updates…", "Quit Tocko"})
        EXPECT_TRUE(action(QString::fromUtf8(text))) << "missing: " << text;

    // Each entry acts on the same state as the panel's control.
    const bool wasEnabled = state->isEnabled();
    action("Enable clicks")->trigger();
    EXPECT_EQ(state->isEnabled(), !wasEnabled);
    QMenu* sound = action("Default Sound")->menu();
    QAction* clicky = nullptr;
    for (QAction* a : sound->actions())
        if (a->text() == "Clicky") clicky = a;
    ASSERT_TRUE(clicky);
    clicky->trigger();
    EXPECT_EQ(state->context().store().defaultProfile.pack, PackID::clicky);
    for (QAction* a : action("Volume")->menu()->actions())
        if (a->text() == "25 %") a->trigger();
    EXPECT_DOUBLE_EQ(state->context().store().defaultProfile.volume, 0.25);
    action("Mute for 10 min")->trigger();
    emit menu->aboutToShow();
    EXPECT_TRUE(action("Unmute"));
    EXPECT_FALSE(action("Mute for 10 min"));
}
