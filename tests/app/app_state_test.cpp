// AppState on fakes: the launch sequence and its trace, enabling and the
// permission, the tour decision, the login switch, the per-event handlers,
// diagnostics and the self-tests.

#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QTimer>
#include <cmath>

#include "app/self_test_support.h"
#include "app_test_support.h"
#include "context/context_engine.h"
#include "context/mouse_sound.h"
#include "context/profile_store.h"
#include "input/key_tap.h"

using namespace tocko;
using namespace tocko::test;
using namespace std::chrono_literals;

namespace {

bool storedCompletedFlag() {
    return QSettings("Pollix", "Tocko").value("hasCompletedOnboarding", false).toBool();
}
bool hasStoredCompletedFlag() { return QSettings("Pollix", "Tocko").contains("hasCompletedOnboarding"); }

class AppStateTest : public ::testing::Test {
protected:
    void SetUp() override { resetStoredState(); }
    void TearDown() override {
        state.reset();
        resetStoredState();
    }
    void make() { state = world.make(); }
    // Waits for the status line that every change of the switch ends with.
    bool waitForEnableLines(size_t count) {
        return waitUntil([&] {
            size_t n = 0;
            for (const std::string& t : logs.traces()) n += t.rfind("[Tocko] Enable: ", 0) == 0;
            return n >= count;
        });
    }

    LogCapture logs;
    FakeWorld world;
    std::unique_ptr<AppState> state;
};

}  // namespace

// ---- Launch sequence --------------------------------------------------------

TEST_F(AppStateTest, LaunchTraceIsWrittenOnceInItsFixedOrder) {
    writeProfiles("tock", 0.35, 2);
    make();
    const std::vector<std::string> expected = {
        "[Tocko] ProfileStore: loaded 2 rule(s) from " + ProfileStore::fileURL(),
        "[Tocko] Launch: needsInstall=false (/usr/bin/tocko)",
        "[Tocko] Version: ",
        "[Tocko] Fonts: zillaSlab=false courierPrime=true",
        "[Tocko] Launch: SoundEngine started + launch test-click scheduled",
        "[Tocko] Launch: Input access granted = true",
        "[Tocko] Launch: launchAtLogin=false",
        "[Tocko] Launch: Output: Null Output",
        "[Tocko] SecureInput: initial=false",
        "[Tocko] SelfTest: (a) default -> ",
        "[Tocko] Activity assertion held",
        "[Tocko] Launch: ContextEngine resolved effective = play(tock, 0.35) (frontmost=nil, mic=false)",
    };
    long last = -1;
    for (const std::string& line : expected) {
        const long at = logs.indexOf(line);
        ASSERT_GE(at, 0) << "missing: " << line;
        EXPECT_GT(at, last) << "out of order: " << line;
        last = at;
    }
    for (const std::string& t : logs.traces()) {
        if (t.rfind("[Tocko] Launch: ", 0) == 0) {
            EXPECT_EQ(logs.countTrace(t), 1u) << t;
        }
    }
    EXPECT_EQ(logs.indexOf("[Tocko] L10n self-check"), -1);
    EXPECT_EQ(logs.indexOf("[Tocko] AudioCheck"), -1);
    EXPECT_FALSE(state->needsInstall());
    EXPECT_EQ(state->currentOutputDevice(), "Null Output");
}

TEST_F(AppStateTest, LaunchClickPlaysAtPointNineWhateverTheMute) {
    writeProfiles("tock", 0.35);  // not applied: the master switch is still off
    world.taps->listenGranted = false;
    world.micRunning = true;  // the call mute silences the engine
    make();
    state->soundEngine()->queue().sync([] {});
    const Playback p = state->soundEngine()->state().get();
    EXPECT_TRUE(p.muted);
    EXPECT_EQ(p.pack, PackID::soft);
    EXPECT_EQ(state->soundEngine()->nextIndexForTesting(), 1);
    EXPECT_FLOAT_EQ(state->soundEngine()->voiceVolumeForTesting(0),
                    0.9f * *state->soundEngine()->baseGain(PackID::soft));
    EXPECT_FLOAT_EQ(state->soundEngine()->voiceRateForTesting(0), 1.0f);
    EXPECT_EQ(p.playInvocations, 0);  // the launch click is not a key press
    EXPECT_GE(
        logs.indexOf("[Tocko] Launch: ContextEngine resolved effective = SILENT (frontmost=nil, mic=true)"),
        0);
}

TEST_F(AppStateTest, InstallLocationIsAPlainPrefixTest) {
    const std::string home = "/home/ada";
    EXPECT_FALSE(AppState::pathNeedsInstall("/usr/bin/tocko", home));
    EXPECT_FALSE(AppState::pathNeedsInstall("/opt/tocko/bin/tocko", home));
    EXPECT_FALSE(AppState::pathNeedsInstall("/home/ada/.local/bin/tocko", home));
    EXPECT_FALSE(AppState::pathNeedsInstall("/app/bin/tocko", home));  // Flatpak
    EXPECT_FALSE(AppState::pathNeedsInstall("/snap/tocko/12/usr/bin/tocko", home));
    EXPECT_FALSE(AppState::pathNeedsInstall("/nix/store/abc-tocko-1.0/bin/tocko", home));
    EXPECT_TRUE(AppState::pathNeedsInstall("/home/ada/src/tocko/build/main/tocko", home));  // a build folder
    EXPECT_TRUE(AppState::pathNeedsInstall("/home/ada/Downloads/tocko", home));
    EXPECT_TRUE(AppState::pathNeedsInstall("/usrx/bin/tocko", home));
    EXPECT_TRUE(AppState::pathNeedsInstall("/home/ada/.localx/tocko", home));
    EXPECT_TRUE(AppState::pathNeedsInstall("/home/bob/.local/bin/tocko", home));
    EXPECT_TRUE(AppState::pathNeedsInstall("/USR/bin/tocko", home));  // no case folding
    EXPECT_TRUE(AppState::pathNeedsInstall("/usr", home));

    world.executablePath = "/home/ada/Downloads/tocko";
    make();
    EXPECT_TRUE(state->needsInstall());
    EXPECT_EQ(logs.countTrace("[Tocko] Launch: needsInstall=true (/home/ada/Downloads/tocko)"), 1u);
}

TEST_F(AppStateTest, MonitorsFeedTheContextEngine) {
    world.secureInput = true;
    world.secureHolder = "Vault";
    make();
    EXPECT_TRUE(state->secureInputActive());
    EXPECT_EQ(state->secureInputHolder(), "Vault");
    EXPECT_EQ(logs.countTrace("[Tocko] SecureInput: initial=true"), 1u);

    world.frontmost->activate({"org.example.editor", "Editor"});
    EXPECT_EQ(state->context().currentBundleID(), "org.example.editor");
    EXPECT_EQ(state->context().currentAppName(), "Editor");
}

TEST_F(AppStateTest, OutputDeviceNameFollowsTheEngine) {
    make();
    int changes = 0;
    QObject::connect(state.get(), &AppState::currentOutputDeviceChanged, [&] { ++changes; });
    world.output->simulateDefaultOutputChange(9, "Headphones");
    ASSERT_TRUE(waitUntil([&] { return state->currentOutputDevice() == "Headphones"; }));
    EXPECT_EQ(changes, 1);
}

// ---- Enabling and permission --------------------------------------------------

TEST_F(AppStateTest, GrantedAtLaunchTurnsFeedbackOnAfterTheDecision) {
    make();
    EXPECT_TRUE(state->isEnabled());
    EXPECT_TRUE(state->context().globalEnabled());
    EXPECT_TRUE(state->hasActivityToken());
    EXPECT_FALSE(state->isPermissionPolling());
    const long selfTest = logs.indexOf("[Tocko] SelfTest: (g)");
    const long held = logs.indexOf("[Tocko] Activity assertion held");
    const long effective = logs.indexOf("[Tocko] Launch: ContextEngine resolved effective = ");
    EXPECT_LT(selfTest, held);
    EXPECT_LT(held, effective);
    ASSERT_TRUE(waitForEnableLines(1));
    EXPECT_EQ(logs.countTrace("[Tocko] Enable: ON (engineRunning=true muted=false)"), 1u);
    EXPECT_GT(logs.indexOf("[Tocko] Enable: "), effective);
    ASSERT_TRUE(world.taps->waitForLive(0, 2s));
    EXPECT_TRUE(state->keyTap()->isListening());
}

TEST_F(AppStateTest, SwitchingOffAndOnReleasesAndRetakesOneAssertion) {
    make();
    ASSERT_TRUE(waitForEnableLines(1));
    ASSERT_TRUE(world.taps->waitForLive(0, 2s));
    spin(50ms);
    logs.clear();
    state->setIsEnabled(true);  // no change: nothing at all
    spin(100ms);
    EXPECT_TRUE(logs.traces().empty());
    EXPECT_TRUE(logs.infos("AppState").empty());
    EXPECT_EQ(world.taps->createCalls(), 1);

    state->setIsEnabled(false);
    EXPECT_FALSE(state->hasActivityToken());
    EXPECT_TRUE(state->soundEngine()->state().get().muted);
    ASSERT_TRUE(waitForEnableLines(1));
    state->setIsEnabled(true);
    ASSERT_TRUE(waitForEnableLines(2));
    const std::vector<std::string> expected = {
        "[Tocko] Activity assertion released", "[Tocko] Enable: OFF (engineRunning=true muted=true)",
        "[Tocko] Activity assertion held", "[Tocko] Enable: ON (engineRunning=true muted=false)"};
    std::vector<std::string> seen;
    for (const std::string& t : logs.traces())
        if (t.rfind("[Tocko] Activity", 0) == 0 || t.rfind("[Tocko] Enable", 0) == 0) seen.push_back(t);
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(state->hasActivityToken());
    EXPECT_EQ(logs.infos("AppState"),
              (std::vector<std::string>{
                  "Activity assertion released", "Enable: OFF (engineRunning=true muted=true)",
                  "Activity assertion held", "Enable: ON (engineRunning=true muted=false)"}));
}

TEST_F(AppStateTest, WithoutPermissionFeedbackWaitsUntilARefreshSeesTheGrant) {
    world.taps->listenGranted = false;
    make();
    EXPECT_FALSE(state->permissionGranted());
    EXPECT_FALSE(state->isEnabled());
    EXPECT_TRUE(state->isPermissionPolling());
    EXPECT_EQ(logs.countTrace("[Tocko] Launch: Input access granted = false"), 1u);
    EXPECT_EQ(world.taps->createCalls(), 0);

    state->refreshPermission();  // still missing: nothing changes
    EXPECT_FALSE(state->isEnabled());
    EXPECT_TRUE(state->isPermissionPolling());

    world.taps->listenGranted = true;
    state->refreshPermission();
    EXPECT_TRUE(state->permissionGranted());
    EXPECT_TRUE(state->isEnabled());
    EXPECT_FALSE(state->isPermissionPolling());
    EXPECT_TRUE(world.taps->waitForLive(0, 2s));

    // A permission that goes away only updates the flag.
    world.taps->listenGranted = false;
    state->refreshPermission();
    EXPECT_FALSE(state->permissionGranted());
    EXPECT_TRUE(state->isEnabled());
    EXPECT_FALSE(state->isPermissionPolling());
}

TEST_F(AppStateTest, BecomingActiveRereadsThePermissionOnALaterTurn) {
    world.taps->listenGranted = false;
    make();
    world.taps->listenGranted = true;
    auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    ASSERT_NE(gui, nullptr);
    emit gui->applicationStateChanged(Qt::ApplicationInactive);
    emit gui->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_FALSE(state->isEnabled());  // not inside the notification itself
    ASSERT_TRUE(waitUntil([&] { return state->isEnabled(); }, 500ms));
    EXPECT_FALSE(state->isPermissionPolling());
}

TEST_F(AppStateTest, ThePollTickTurnsFeedbackOn) {
    world.taps->listenGranted = false;
    make();
    world.taps->listenGranted = true;
    ASSERT_TRUE(waitUntil([&] { return state->isEnabled(); }, 3500ms));
    EXPECT_FALSE(state->isPermissionPolling());
}

TEST_F(AppStateTest, EnablingWithoutPermissionOnlyLogs) {
    world.taps->listenGranted = false;
    setenv("TOCKO_NO_ONBOARDING", "1", 1);
    make();
    spin(200ms);
    logs.clear();
    state->setIsEnabled(true);
    spin(100ms);
    EXPECT_TRUE(state->isEnabled());
    EXPECT_FALSE(state->hasActivityToken());
    EXPECT_EQ(world.taps->createCalls(), 0);
    EXPECT_EQ(logs.traces(), std::vector<std::string>{"[Tocko] Effective: PLAY soft@0.05"});
    EXPECT_EQ(logs.infos("AppState"),
              std::vector<std::string>{"Enable requested but input access not granted yet"});

    // The grant then starts what the switch asked for.
    world.taps->listenGranted = true;
    state->refreshPermission();
    EXPECT_FALSE(state->isPermissionPolling());
    EXPECT_TRUE(state->hasActivityToken());
    EXPECT_TRUE(world.taps->waitForLive(0, 2s));
}

TEST_F(AppStateTest, RequestPermissionWhenGrantedTurnsFeedbackOn) {
    make();
    state->setIsEnabled(false);
    state->requestPermission();
    EXPECT_TRUE(state->isEnabled());

    world.taps->listenGranted = false;
    state->setIsEnabled(false);
    state->requestPermission();
    EXPECT_FALSE(state->permissionGranted());
    EXPECT_FALSE(state->isEnabled());
    state->openInputMonitoringSettings();
    EXPECT_TRUE(state->isPermissionPolling());
    EXPECT_GE(logs.indexOf("[Tocko] Permission: Tocko plays its click"), 0);
}

namespace {
// Access as a Wayland session may see it: nothing, XWayland only, or all.
struct ScriptedPermission : InputPermission {
    std::atomic<bool> full{false};
    std::atomic<bool> fallback{false};
    bool preflight() override { return full; }
    bool partial() override { return fallback; }
    void request() override {}
};
// Answers on a later turn, as the administrator prompt does.
struct ScriptedGranter : InputAccessGranter {
    InputAccessGrant answer = InputAccessGrant::needsNewLogin;
    std::function<void()> beforeAnswer;
    int calls = 0;
    void grant(std::function<void(InputAccessGrant)> done) override {
        ++calls;
        QTimer::singleShot(10, [this, done] {
            if (beforeAnswer) beforeAnswer();
            done(answer);
        });
    }
    std::string undoCommand() override { return "sudo gpasswd -d ada input"; }
};
}  // namespace

TEST_F(AppStateTest, PartialAccessListensMeanwhileAndFullAccessReplacesTheTap) {
    auto permission = std::make_shared<ScriptedPermission>();
    permission->fallback = true;
    world.permission = permission;
    make();
    EXPECT_FALSE(state->permissionGranted());
    EXPECT_TRUE(state->permissionPartial());
    EXPECT_TRUE(state->isEnabled()) << "the X11-only fallback is used meanwhile";
    EXPECT_TRUE(state->isPermissionPolling()) << "and the poll waits for the real grant";
    EXPECT_EQ(logs.countTrace("[Tocko] Launch: Input access granted = false"), 1u);
    EXPECT_EQ(logs.countTrace("[Tocko] Launch: Input access partial: X11 windows only (Wayland session)"),
              1u);
    ASSERT_TRUE(world.taps->waitForLive(0, 2s));

    permission->full = true;
    state->refreshPermission();
    EXPECT_TRUE(state->permissionGranted());
    EXPECT_FALSE(state->permissionPartial());
    EXPECT_FALSE(state->isPermissionPolling());
    EXPECT_TRUE(state->isEnabled());
    ASSERT_TRUE(world.taps->waitForLive(1, 2s)) << "a new tap that hears every application";
    EXPECT_TRUE(state->keyTap()->isListening());
}

TEST_F(AppStateTest, GrantingAccessTellsWhenANewLoginIsNeeded) {
    auto permission = std::make_shared<ScriptedPermission>();
    auto granter = std::make_shared<ScriptedGranter>();
    world.permission = permission;
    world.accessGranter = granter;
    make();
    EXPECT_FALSE(state->isEnabled());
    EXPECT_EQ(state->inputAccessUndoCommand(), "sudo gpasswd -d ada input");

    state->grantInputAccess();
    state->grantInputAccess();  // the prompt is already up
    EXPECT_EQ(state->inputAccessGrant(), InputAccessGrant::asking);
    EXPECT_EQ(granter->calls, 1);
    ASSERT_TRUE(waitUntil([&] { return state->inputAccessGrant() != InputAccessGrant::asking; }));
    EXPECT_EQ(state->inputAccessGrant(), InputAccessGrant::needsNewLogin);
    EXPECT_FALSE(state->permissionGranted());
    EXPECT_TRUE(state->isPermissionPolling());
    EXPECT_EQ(logs.countTrace("[Tocko] Permission: grant access result = needsNewLogin"), 1u);

    // A udev rule takes effect at once; the re-read after the grant sees it.
    granter->answer = InputAccessGrant::granted;
    granter->beforeAnswer = [&] { permission->full = true; };
    state->grantInputAccess();
    ASSERT_TRUE(waitUntil([&] { return state->inputAccessGrant() == InputAccessGrant::granted; }));
    EXPECT_TRUE(state->permissionGranted());
    EXPECT_TRUE(state->isEnabled());
    EXPECT_FALSE(state->isPermissionPolling());
}

TEST_F(AppStateTest, TapThatCannotBeCreatedAsksForARelaunch) {
    world.taps->failCreate = true;
    make();
    ASSERT_TRUE(waitUntil([&] { return state->needsRelaunchToActivate(); }));
    world.taps->failCreate = false;
    state->setIsEnabled(false);
    state->setIsEnabled(true);
    ASSERT_TRUE(waitUntil([&] { return !state->needsRelaunchToActivate(); }));
}

// ---- Key and mouse handlers ------------------------------------------------------

class HandlerTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetStoredState();
        NullOutput::Options o;
        o.manualClock = true;
        engine = SoundEngine::create({defaultSoundsDirectory(), std::make_unique<NullOutput>(o),
                                      [] { return uint32_t(1) << 23; }});  // mid-range: no variation
    }
    void TearDown() override { resetStoredState(); }
    void set(PackID pack, float volume, bool muted) {
        engine->state().with([&](Playback& p) {
            p.pack = pack;
            p.masterVolume = volume;
            p.muted = muted;
        });
    }
    int played() {
        engine->queue().sync([] {});
        return engine->nextIndexForTesting();
    }
    std::shared_ptr<SoundEngine> engine;
};

TEST_F(HandlerTest, KeyPressCountsEvenWhenMutedAndPlaysTheDecision) {
    auto key = AppState::makeKeyHandler(engine);
    set(PackID::tock, 0.5f, true);
    key(30);
    EXPECT_EQ(engine->state().get().playInvocations, 1);
    EXPECT_EQ(played(), 0);

    set(PackID::tock, 0.5f, false);
    key(31);
    EXPECT_EQ(engine->state().get().playInvocations, 2);
    ASSERT_EQ(played(), 1);
    EXPECT_NEAR(engine->voiceVolumeForTesting(0), 0.5f * *engine->baseGain(PackID::tock), 1e-5);
    EXPECT_NEAR(engine->voiceRateForTesting(0), 1.0f, 1e-5);
}

TEST_F(HandlerTest, KeyUpPlaysTheReleaseUnlessMutedAndCountsNothing) {
    auto up = AppState::makeKeyUpHandler(engine);
    ASSERT_TRUE(engine->hasRelease(PackID::tock));
    set(PackID::tock, 0.5f, true);
    up(30);
    EXPECT_EQ(played(), 0);
    set(PackID::tock, 0.5f, false);
    up(30);
    ASSERT_EQ(played(), 1);
    EXPECT_NEAR(engine->voiceVolumeForTesting(0), 0.5f * *engine->baseGain(PackID::tock), 1e-5);
    EXPECT_EQ(engine->state().get().playInvocations, 0);
}

TEST_F(HandlerTest, MousePressFollowsTheStoredChoice) {
    auto mouse = AppState::makeMouseHandler(engine);
    set(PackID::soft, 0.4f, false);
    QSettings("Pollix", "Tocko").setValue("mouseSound", "off");
    reloadMouseSound();
    mouse();
    EXPECT_EQ(engine->state().get().playInvocations, 0);
    EXPECT_EQ(played(), 0);

    QSettings("Pollix", "Tocko").setValue("mouseSound", "crystal");
    reloadMouseSound();
    mouse();
    EXPECT_EQ(engine->state().get().playInvocations, 1);
    ASSERT_EQ(played(), 1);
    EXPECT_NEAR(engine->voiceVolumeForTesting(0), 0.4f * *engine->baseGain(PackID::crystal), 1e-5);

    QSettings("Pollix", "Tocko").remove("mouseSound");  // absent: like the keyboard
    reloadMouseSound();
    mouse();
    ASSERT_EQ(played(), 2);
    EXPECT_NEAR(engine->voiceVolumeForTesting(1), 0.4f * *engine->baseGain(PackID::soft), 1e-5);

    set(PackID::soft, 0.4f, true);
    QSettings("Pollix", "Tocko").setValue("mouseSound", "crystal");
    reloadMouseSound();
    mouse();
    EXPECT_EQ(engine->state().get().playInvocations, 3);
    EXPECT_EQ(played(), 2);
}

// ---- Tour decision --------------------------------------------------------------------

namespace {
class CountingPresenter : public OnboardingPresenter {
public:
    explicit CountingPresenter(int& shows) : shows_(shows) {}
    void show() override { ++shows_; }

private:
    int& shows_;
};
}  // namespace

TEST_F(AppStateTest, FirstLaunchOpensTheTourOnTheNextTurn) {
    make();
    int requested = 0;
    QObject::connect(state.get(), &AppState::tourRequested, [&] { ++requested; });
    EXPECT_EQ(requested, 0);  // not during construction
    ASSERT_TRUE(waitUntil([&] { return requested == 1; }));
    EXPECT_TRUE(state->onboardingOpen());
    EXPECT_EQ(logs.countTrace("[Tocko] Onboarding: shown"), 1u);
    EXPECT_EQ(logs.countTrace("[Tocko] ProfileStore: loaded 0 rule(s) from " + ProfileStore::fileURL()), 1u);
    EXPECT_FALSE(hasStoredCompletedFlag());
    state->onboardingClosed();
    EXPECT_TRUE(storedCompletedFlag());
    EXPECT_FALSE(state->onboardingOpen());
}

TEST_F(AppStateTest, ExistingProfilesMarkTheTourAsSeen) {
    writeProfiles("soft", 0.05);
    make();
    int requested = 0;
    QObject::connect(state.get(), &AppState::tourRequested, [&] { ++requested; });
    spin(150ms);
    EXPECT_EQ(requested, 0);
    EXPECT_TRUE(storedCompletedFlag());
}

TEST_F(AppStateTest, OnboardingSwitchesNeedExactlyOne) {
    QSettings("Pollix", "Tocko").setValue("hasCompletedOnboarding", true);
    setenv("TOCKO_SHOW_ONBOARDING", "true", 1);
    make();
    int requested = 0;
    QObject::connect(state.get(), &AppState::tourRequested, [&] { ++requested; });
    spin(150ms);
    EXPECT_EQ(requested, 0);

    state.reset();
    setenv("TOCKO_SHOW_ONBOARDING", "1", 1);
    make();
    QObject::connect(state.get(), &AppState::tourRequested, [&] { ++requested; });
    EXPECT_TRUE(waitUntil([&] { return requested == 1; }));
}

TEST_F(AppStateTest, NoOnboardingSwitchLeavesTheFlagUnwritten) {
    setenv("TOCKO_NO_ONBOARDING", "1", 1);
    make();
    int requested = 0;
    QObject::connect(state.get(), &AppState::tourRequested, [&] { ++requested; });
    spin(150ms);
    EXPECT_EQ(requested, 0);
    EXPECT_FALSE(hasStoredCompletedFlag());

    // The next launch without the switch (the profile file now exists, but
    // it did not before the first launch) ...
    state.reset();
    unsetenv("TOCKO_NO_ONBOARDING");
    QFile::remove(QString::fromStdString(ProfileStore::fileURL()));
    make();
    QObject::connect(state.get(), &AppState::tourRequested, [&] { ++requested; });
    EXPECT_TRUE(waitUntil([&] { return requested == 1; }));
}

TEST_F(AppStateTest, ThePresenterIsReusedWhileOpenAndReleasedOnClose) {
    int made = 0, shows = 0;
    std::function<void()> close;
    AppState::setOnboardingFactory([&](AppState&, std::function<void()> onClose) {
        ++made;
        close = onClose;
        return std::make_unique<CountingPresenter>(shows);
    });
    make();
    ASSERT_TRUE(waitUntil([&] { return shows == 1; }));
    state->showOnboarding();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(shows, 2);
    close();
    EXPECT_TRUE(storedCompletedFlag());
    EXPECT_FALSE(state->onboardingOpen());
    state->showOnboarding();
    EXPECT_EQ(made, 2);
    AppState::setOnboardingFactory(nullptr);
}

// ---- Login item ----------------------------------------------------------------------------

TEST_F(AppStateTest, LoginSwitchRegistersOnlyOnChangesAndRevertsOnFailure) {
    make();
    EXPECT_FALSE(state->launchAtLogin());
    state->setLaunchAtLogin(true);
    state->setLaunchAtLogin(true);
    EXPECT_EQ(world.loginItem->registerCalls, 1);
    state->setLaunchAtLogin(false);
    EXPECT_EQ(world.loginItem->unregisterCalls, 1);

    world.loginItem->failWith = "no space left";
    int changes = 0;
    QObject::connect(state.get(), &AppState::launchAtLoginChanged, [&] { ++changes; });
    state->setLaunchAtLogin(true);
    EXPECT_FALSE(state->launchAtLogin());
    EXPECT_EQ(changes, 2);  // on, then back
    EXPECT_EQ(world.loginItem->registerCalls, 2);
    EXPECT_EQ(world.loginItem->unregisterCalls, 1);
    EXPECT_EQ(logs.errors("AppState"),
              std::vector<std::string>{"LaunchAtLogin toggle failed: no space left"});
}

TEST_F(AppStateTest, ReleaseSoundsAreOnByDefaultStoredAndGateKeyUps) {
    make();
    EXPECT_TRUE(state->releaseSounds());
    EXPECT_TRUE(state->keyTap()->keyUpsWanted());
    int changes = 0;
    QObject::connect(state.get(), &AppState::releaseSoundsChanged, [&] { ++changes; });
    state->setReleaseSounds(false);
    state->setReleaseSounds(false);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(state->keyTap()->keyUpsWanted());
    EXPECT_FALSE(QSettings("Pollix", "Tocko").value("releaseSounds", true).toBool());
    state.reset();
    make();  // the next launch keeps the choice
    EXPECT_FALSE(state->releaseSounds());
    EXPECT_FALSE(state->keyTap()->keyUpsWanted());
}

TEST_F(AppStateTest, LoginSwitchFollowsTheSystemWithoutCallingIt) {
    world.loginItem->enabled = true;
    make();
    EXPECT_TRUE(state->launchAtLogin());
    EXPECT_EQ(logs.countTrace("[Tocko] Launch: launchAtLogin=true"), 1u);
    world.loginItem->enabled = false;
    state->refreshPermission();
    EXPECT_FALSE(state->launchAtLogin());
    world.loginItem->enabled = true;
    state->syncLaunchAtLoginFromSystem();
    EXPECT_TRUE(state->launchAtLogin());
    EXPECT_EQ(world.loginItem->registerCalls, 0);
    EXPECT_EQ(world.loginItem->unregisterCalls, 0);
}

// ---- Diagnostics and self-tests ----------------------------------------------------------------

TEST_F(AppStateTest, DiagnosticsTextHasTenLines) {
    world.taps->listenGranted = false;  // the tap exists but never started
    make();
    std::optional<std::string> text;
    state->collectDiagnostics([&](std::string t) { text = std::move(t); });
    ASSERT_TRUE(waitUntil([&] { return text.has_value(); }));
    ASSERT_FALSE(text->empty());
    EXPECT_NE(text->back(), '\n');
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t nl; (nl = text->find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(text->substr(start, nl - start));
    lines.push_back(text->substr(start));
    ASSERT_EQ(lines.size(), 10u) << *text;
    EXPECT_EQ(lines[0], "Tocko Diagnostics");
    EXPECT_EQ(lines[7].rfind("Context: globalEnabled=false", 0), 0u);
    EXPECT_EQ(lines[8], "KeyTap: listening=false osEnabled=false");
    EXPECT_EQ(lines[9], "SecureInput: active=false holder=none");
    EXPECT_GE(logs.indexOf("[Tocko] AudioCheck: graph(menu-diagnostics) "), 0);

    QString emitted;
    QObject::connect(state.get(), &AppState::diagnosticsReady, [&](const QString& t) { emitted = t; });
    state->requestDiagnostics();
    ASSERT_TRUE(waitUntil([&] { return !emitted.isEmpty(); }));
    EXPECT_TRUE(emitted.endsWith("holder=none"));
}

TEST(SelfTestRules, SilenceAndNanFailAndEqualWidthsMeanNoLiveLookup) {
    EXPECT_FALSE(rmsPasses(0.0f));
    EXPECT_FALSE(rmsPasses(std::nanf("")));
    EXPECT_EQ(localizationCheckLine(80, 80, "x"),
              "env-locale lookup live=false (en=80 de=80) tr(de-bundle)=x");
}

TEST_F(AppStateTest, LocalizationCheckRunsOnlyWhenAsked) {
    setenv("TOCKO_L10N_CHECK", "1", 1);
    make();
    EXPECT_EQ(logs.countTrace("[Tocko] L10n self-check: env-locale lookup live=true (en=92 de=131) "
                              "tr(de-bundle)=Tocko aktivieren"),
              1u);
    EXPECT_EQ(world.localization->keys, std::vector<std::string>(3, "Enable Tocko"));
    // Between the decision self-test and the decision itself.
    EXPECT_LT(logs.indexOf("[Tocko] SelfTest: (g)"), logs.indexOf("[Tocko] L10n self-check"));
    EXPECT_LT(logs.indexOf("[Tocko] L10n self-check"), logs.indexOf("[Tocko] Activity assertion held"));
}

TEST_F(AppStateTest, AudioCheckEndsWithTwoPassVerdicts) {
    setenv("TOCKO_AUDIOCHECK", "1", 1);
    make();
    ASSERT_TRUE(waitUntil([&] { return logs.indexOf("[Tocko] AudioCheck: mixer RMS=") >= 0; }, 8s));
    const std::vector<std::string> steps = {"[Tocko] AudioCheck: buffer clicky peak=",
                                            "[Tocko] AudioCheck: buffer chips peak=",
                                            "[Tocko] AudioCheck: graph(pre) ",
                                            "[Tocko] AudioCheck: first-play mixer peak=",
                                            "[Tocko] AudioCheck: after-idle mixer peak=",
                                            "[Tocko] AudioCheck: after-reconfigure mixer peak=",
                                            "[Tocko] AudioCheck: graph(post-reconfigure) ",
                                            "[Tocko] AudioCheck: post-beep mixer peak=",
                                            "[Tocko] AudioCheck: mixer RMS="};
    long last = -1;
    for (const std::string& s : steps) {
        const long at = logs.indexOf(s);
        ASSERT_GE(at, 0) << s;
        EXPECT_GT(at, last) << s;
        last = at;
    }
    const std::vector<std::string> traces = logs.traces();
    const std::string postBeep = traces[size_t(logs.indexOf("[Tocko] AudioCheck: post-beep"))];
    const std::string verdict = traces[size_t(logs.indexOf("[Tocko] AudioCheck: mixer RMS="))];
    EXPECT_EQ(postBeep.substr(postBeep.size() - 5), " PASS") << postBeep;
    EXPECT_EQ(verdict.substr(verdict.size() - 5), " PASS") << verdict;
    size_t buffers = 0;
    for (const std::string& t : traces) buffers += t.rfind("[Tocko] AudioCheck: buffer ", 0) == 0;
    EXPECT_EQ(buffers, kPackCount);
    EXPECT_EQ(world.foreignSounds, 1);
    EXPECT_TRUE(state->isEnabled());  // the check leaves the switch alone
}

TEST_F(AppStateTest, ToggleTestSwitchesOffAndOnThenMeasures) {
    setenv("TOCKO_TOGGLE_TEST", "1", 1);
    make();
    ASSERT_TRUE(waitUntil([&] { return logs.indexOf("[Tocko] ToggleTest: ") >= 0; }, 5s));
    std::vector<std::string> seen;
    for (const std::string& t : logs.traces())
        if (t.rfind("[Tocko] Activity", 0) == 0 || t.rfind("[Tocko] Enable", 0) == 0 ||
            t.rfind("[Tocko] ToggleTest", 0) == 0)
            seen.push_back(t.rfind("[Tocko] ToggleTest", 0) == 0 ? t.substr(t.size() - 4) : t);
    // The launch's own Enable line may land before or after the switch-off.
    std::erase(seen, "[Tocko] Enable: ON (engineRunning=true muted=false)");
    EXPECT_EQ(seen, (std::vector<std::string>{"[Tocko] Activity assertion held",
                                              "[Tocko] Activity assertion released",
                                              "[Tocko] Enable: OFF (engineRunning=true muted=true)",
                                              "[Tocko] Activity assertion held", "PASS"}));
    EXPECT_TRUE(state->isEnabled());
}

TEST_F(AppStateTest, ToggleTestEndsSilentlyWhenTheStateIsGone) {
    setenv("TOCKO_TOGGLE_TEST", "1", 1);
    make();
    spin(50ms);
    state.reset();
    spin(2500ms);
    EXPECT_EQ(logs.indexOf("[Tocko] ToggleTest"), -1);
}
