// The entry over a real application state built on fakes: the panel and
// Settings windows read the one state, and the tour window opens at the
// requested step and records completion however it is closed.
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QSettings>
#include <QSystemTrayIcon>

#include "tests/common/test_support.h"
#include "ui/l10n/localization_store.h"
#include "view_fixture.h"

using namespace tocko;

namespace {

using tocko::test::waitUntil;

class EntryTest : public test::AppStateTest {
protected:
    void TearDown() override {
        unsetenv("TOCKO_ONBOARDING_STEP");
        AppStateTest::TearDown();
    }
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
    // The heading of the tour's step on show.
    static QString tourHeading(QQuickWindow* tour) {
        QQuickItem* heading = tour ? find(tour->contentItem(), "heading") : nullptr;
        return heading ? heading->property("source").toString() : QString();
    }
    static bool tourCompleted() {
        return QSettings("Pollix", "Tocko").value("hasCompletedOnboarding", false).toBool();
    }
};

TEST_F(EntryTest, PanelAndSettingsShowTheOneState) {
    // As under a tray icon (this test's display has no tray).
    ui.reset();
    ui = ui::install(*state, {.noTrayFallbackAfter = std::nullopt, .trayPresent = true});
    ui->showPanel();
    wait();
    QQuickWindow* panel = ui->panelWindow();
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(panel->flags() & Qt::FramelessWindowHint);
    QQuickItem* menu = panel->findChild<QQuickItem*>("menuView");
    ASSERT_TRUE(menu);
    EXPECT_EQ(text(menu, "outputLine"), "Output: " + QString::fromStdString(state->currentOutputDevice()));
    EXPECT_EQ(text(menu, "contextLine").left(7), "Mail · ");

    ui->togglePanel();
    EXPECT_FALSE(panel->isVisible());
    ui->togglePanel();
    EXPECT_TRUE(panel->isVisible());

    ui->openSettings();
    wait();
    EXPECT_FALSE(panel->isVisible());
    QQuickWindow* settings = ui->settingsWindow();
    ASSERT_TRUE(settings);
    EXPECT_TRUE(settings->isVisible());
    QQuickItem* view = settings->findChild<QQuickItem*>("settingsView");
    ASSERT_TRUE(view);
    EXPECT_EQ(text(view, "currentAppValue"), "Mail");
    // A second request brings the same window back.
    ui->openSettings();
    EXPECT_EQ(ui->settingsWindow(), settings);
}

// The tour opens at the requested step (clamped); a second request only
// brings it forward; its last button and the window's close button both
// count as finishing. Its last step says where Tocko lives: the tray where
// the desktop shows one, the background where it does not (this display).
TEST_F(EntryTest, TourOpensAtTheRequestedStepAndClosingCompletesIt) {
    setenv("TOCKO_ONBOARDING_STEP", "99", 1);
    ASSERT_FALSE(tourCompleted());
    state->showOnboarding();
    wait();
    QQuickWindow* tour = tourWindow();
    ASSERT_TRUE(tour);
    EXPECT_TRUE(state->onboardingOpen());
    EXPECT_EQ(tour->title(), "Tocko");
    EXPECT_EQ(tour->findChild<QQuickItem*>("onboardingView")->property("index").toInt(), 5);
    EXPECT_TRUE(waitUntil([&] { return tourHeading(tour) == "Tocko keeps running in the background"; }))
        << tourHeading(tour).toStdString();
    state->showOnboarding();
    wait();
    EXPECT_EQ(tourWindow(), tour);

    click(tour->contentItem(), "primaryButton");
    wait();
    EXPECT_FALSE(state->onboardingOpen());
    EXPECT_TRUE(tourCompleted());
    EXPECT_EQ(tourWindow(), nullptr);

    QSettings("Pollix", "Tocko").remove("hasCompletedOnboarding");
    state->showOnboarding();
    wait();
    ASSERT_TRUE(tourWindow());
    tourWindow()->close();
    wait();
    EXPECT_FALSE(state->onboardingOpen());
    EXPECT_TRUE(tourCompleted());

    ui.reset();
    ui = ui::install(*state, {.noTrayFallbackAfter = std::nullopt, .trayPresent = true});
    state->showOnboarding();
    wait();
    ASSERT_TRUE(tourWindow());
    EXPECT_TRUE(waitUntil([&] { return tourHeading(tourWindow()) == "Tocko lives in your system tray"; }))
        << tourHeading(tourWindow()).toStdString();
    tourWindow()->close();
    wait();
}

// What the compositor shows, where the test runs under one (Sway's tree;
// empty elsewhere).
std::string compositorTree() {
    const char* sock = getenv("TOCKO_TEST_SWAYSOCK");
    return sock ? test::commandOutput("SWAYSOCK='" + std::string(sock) + "' swaymsg -t get_tree 2>&1") : "";
}

// Without a tray host (stock GNOME, plain Sway, or this test's display) the
// only way in would be killing the process: the panel opens as a window of
// its own, with the way to get a tray, unless Tocko was started in the
// background at login. It stays when another window takes the focus and goes
// on Escape; another launch brings it back.
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
    ASSERT_TRUE(waitUntil([&] { return ui->panelWindow() != nullptr; }));
    QQuickWindow* panel = ui->panelWindow();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(ui->settingsWindow(), nullptr);
    // A normal window: decorated, in the task list, not above everything.
    EXPECT_EQ(panel->flags() & Qt::WindowType_Mask, Qt::Window);
    EXPECT_FALSE(panel->flags() & (Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
    EXPECT_EQ(panel->title(), "Tocko");
    QQuickItem* note = trayNote(panel);
    ASSERT_TRUE(note);
    EXPECT_EQ(note->property("text").toString(), ui::noTrayHelpText());
    if (getenv("TOCKO_TEST_SWAYSOCK")) {
        EXPECT_TRUE(waitUntil([] {
            return compositorTree().find("\"name\": \"Tocko\"") != std::string::npos;
        })) << "Sway does not show the panel's window: "
            << compositorTree();
    }

    // Its switch writes the real state.
    QQuickItem* menu = panel->findChild<QQuickItem*>("menuView");
    ASSERT_TRUE(menu);
    const bool wasEnabled = state->isEnabled();
    click(menu, "enableSwitch");
    wait();
    EXPECT_EQ(state->isEnabled(), !wasEnabled);
    click(menu, "settingsButton");
    wait();
    ASSERT_TRUE(ui->settingsWindow());
    EXPECT_TRUE(ui->settingsWindow()->isVisible());
    // Settings taking the focus leaves the window open, unlike the popover.
    EXPECT_TRUE(panel->isVisible());
    ui->settingsWindow()->close();

    // Escape is a window shortcut: it needs the panel to have the focus.
    panel->requestActivate();
    ASSERT_TRUE(waitUntil([&] { return panel->isActive(); }));
    QTest::keyClick(panel, Qt::Key_Escape);
    wait();
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
    EXPECT_EQ(trayNote(panel)->property("text").toString(), ui::noTrayHelpText());
    EXPECT_NE(ui::noTrayHelpText(), english);
    LocalizationStore::shared().setLanguage(AppLanguage::system);
}

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

}  // namespace
