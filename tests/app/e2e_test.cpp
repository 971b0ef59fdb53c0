// The tocko executable end to end, on the X server and the audio server of
// scripts/services.sh: launched with its self-tests on and a fresh home, it
// must load its resources, pass the self-tests, and turn every key typed
// through XTEST into exactly one click on the null sink, while the repeats of
// a held key stay silent. TOCKO_TEST_EXECUTABLE runs it against an installed
// program, which finds its own resources.

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "../context/sway_session.h"
#include "e2e_support.h"

// Last: Xlib's macros (None, Bool, Status) would break the headers above.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using namespace std::chrono_literals;
using namespace tocko::test;

constexpr auto kQuietBeforeTyping = std::chrono::milliseconds(2500);

bool audioServerAnswers() { return std::system("pactl info >/dev/null 2>&1") == 0; }

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        display = XOpenDisplay(nullptr);
        if (display == nullptr) GTEST_SKIP() << "no X display (run scripts/services.sh)";
        if (!audioServerAnswers()) GTEST_SKIP() << "no audio server (run scripts/services.sh)";
        std::system("pactl set-default-sink tocko_null");
        char dir[] = "/tmp/tocko-e2e-XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        home = dir;
        // The default profile at full volume, so every click stands out clearly.
        std::filesystem::create_directories(home + "/data/Pollix");
        std::ofstream(home + "/data/Pollix/profiles.json") << profilesJson("soft", 1.0);
    }
    void TearDown() override {
        if (display) XCloseDisplay(display);
        if (!home.empty()) std::filesystem::remove_all(home);
    }

    std::vector<std::string> tockoEnvironment() const {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string v(*e);
            if (v.rfind("TOCKO_", 0) == 0 || v.rfind("HOME=", 0) == 0 ||
                v.rfind("XDG_CONFIG_HOME=", 0) == 0 || v.rfind("XDG_DATA_HOME=", 0) == 0)
                continue;
            env.push_back(v);
        }
        env.push_back("HOME=" + home);
        env.push_back("XDG_CONFIG_HOME=" + home + "/config");
        env.push_back("XDG_DATA_HOME=" + home + "/data");
        env.push_back("TOCKO_AUDIOCHECK=1");
        env.push_back("TOCKO_TOGGLE_TEST=1");
        env.push_back("TOCKO_NO_ONBOARDING=1");
        env.push_back("TOCKO_INPUT_BACKEND=x11");
        if (installedExecutable().empty()) env.push_back("TOCKO_RESOURCES=" TOCKO_RESOURCE_DIR);
        return env;
    }
    static std::string installedExecutable() {
        const char* chosen = std::getenv("TOCKO_TEST_EXECUTABLE");
        return chosen ? chosen : "";
    }
    static std::string executable() {
        return installedExecutable().empty() ? TOCKO_EXECUTABLE : installedExecutable();
    }

    void tap(KeyCode code) {
        XTestFakeKeyEvent(display, code, True, 0);
        XSync(display, False);
        std::this_thread::sleep_for(40ms);
        XTestFakeKeyEvent(display, code, False, 0);
        XSync(display, False);
    }

    Display* display = nullptr;
    std::string home;
};

}  // namespace

TEST_F(EndToEnd, EveryTypedKeyClicksOnceAndTheSelfTestsPass) {
    // The audio check and the toggle test both meter the mix; run at once, on
    // the idle null sink as the services leave it, with no recorder keeping it
    // awake, neither may spoil the other's window.
    Child tocko({executable(), "--headless"}, tockoEnvironment(), home + "/trace");
    ASSERT_TRUE(tocko.waitForLine("[Tocko] KeyTap: listenOnly", 10s)) << "the key tap never went live";
    ASSERT_TRUE(tocko.waitForLine("[Tocko] AudioCheck: mixer RMS=", 20s)) << "the audio check did not finish";
    ASSERT_TRUE(tocko.waitForLine("[Tocko] ToggleTest: after-toggle", 20s))
        << "the toggle test did not finish";

    // Only then is the typing recorded from the sink's monitor.
    Child recorder = recordMonitor(home + "/monitor.wav");
    std::this_thread::sleep_for(kQuietBeforeTyping);

    // Ten different keys, then one key held while its repeats arrive.
    const KeySym keys[] = {XK_a, XK_s, XK_d, XK_f, XK_g, XK_h, XK_k, XK_l, XK_q, XK_w};
    for (KeySym k : keys) {
        tap(XKeysymToKeycode(display, k));
        std::this_thread::sleep_for(260ms);
    }
    const KeyCode held = XKeysymToKeycode(display, XK_j);
    for (int i = 0; i < 12; ++i) {  // the first press and eleven repeats
        XTestFakeKeyEvent(display, held, True, 0);
        XSync(display, False);
        std::this_thread::sleep_for(i == 0 ? 300ms : 40ms);
    }
    XTestFakeKeyEvent(display, held, False, 0);
    XSync(display, False);
    // The monitor may deliver in chunks of up to two seconds; the recorder
    // keeps running until the last click has surely reached it.
    std::this_thread::sleep_for(2500ms);

    const int tockoStatus = tocko.stop(SIGTERM);
    recorder.stop(SIGINT);
    EXPECT_EQ(tockoStatus, 0);

    // What only the installed program shows (the order of the launch trace is
    // the application tests' concern): its own resources, the audio server's
    // sink, and self-tests that pass against it.
    const std::vector<std::string> lines = tocko.lines();
    auto count = [&](const std::string& prefix) {
        return std::count_if(lines.begin(), lines.end(),
                             [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    };
    for (const std::string& once :
         {std::string("[Tocko] SoundEngine: loaded 28 sample packs"),
          "[Tocko] ProfileStore: loaded 0 rule(s) from " + home + "/data/Pollix/profiles.json",
          std::string("[Tocko] Launch: Output: Tocko-Null-Output"),
          std::string("[Tocko] Launch: ContextEngine resolved effective = play(soft, 1.0) (frontmost=")})
        EXPECT_EQ(count(once), 1) << once;
    for (const char* verdict : {"[Tocko] AudioCheck: mixer RMS=", "[Tocko] AudioCheck: post-beep",
                                "[Tocko] ToggleTest: after-toggle"}) {
        EXPECT_EQ(count(verdict), 1) << verdict;
        for (const std::string& line : lines)
            if (line.rfind(verdict, 0) == 0) {
                EXPECT_TRUE(line.ends_with(" PASS")) << line;
            }
    }

    // One click per typed key (release sounds are on by default); the held key's
    // repeats would add more. The recording starts after the self-tests, so it
    // holds the typing only.
    const std::vector<float> samples = readMono(home + "/monitor.wav");
    ASSERT_FALSE(samples.empty()) << "nothing recorded from tocko_null.monitor";
    const std::vector<double> clicks = onsets(samples);
    std::string heard;
    for (double t : clicks) heard += " " + std::to_string(t).substr(0, 6);
    // A tap's release sound follows 40 ms after its press, within the same onset; the held key's
    // release comes alone when it goes up.
    EXPECT_EQ(clicks.size(), std::size(keys) + 2)
        << "typed " << std::size(keys) + 1 << " keys; onsets (s):" << heard;
    for (size_t i = 1; i < clicks.size(); ++i)
        EXPECT_GT(clicks[i] - clicks[i - 1], 0.2) << "two clicks for one key near " << clicks[i] << " s";
}

// On a wlroots compositor (Sway, headless, no input devices): the frontmost
// application comes from Sway's foreign-toplevel list, switched by swaymsg
// between two native Wayland clients; one has a rule (clicky at full volume),
// the other gets the default profile (soft, quiet). Sway headless has no
// evdev device and XTEST reaches only X11, so the keys are typed into the
// X11 tap on the Xvfb display of this suite: the input path is the real X11
// backend, the frontmost source the real Wayland one.
TEST_F(EndToEnd, OnSwayTheRuleOfTheFocusedWaylandAppDecidesWhatIsHeard) {
    if (!tocko::test::SwaySession::available()) GTEST_SKIP() << "sway or foot not installed";
    tocko::test::SwaySession sway;
    ASSERT_TRUE(sway.ready()) << "sway did not start headless";
    ASSERT_TRUE(sway.startClient("org.tocko.Quiet"));
    ASSERT_TRUE(sway.startClient("org.tocko.Loud"));  // Sway focuses the newest window
    std::ofstream(home + "/data/Pollix/profiles.json", std::ios::trunc)
        << profilesJson("soft", 0.15,
                        R"({"org.tocko.Loud": {"bundleID": "org.tocko.Loud", "displayName": "Loud", )"
                        R"("muted": false, "pack": "clicky", "volume": 1.0}})");
    Child recorder = recordMonitor(home + "/monitor.wav");
    std::this_thread::sleep_for(kQuietBeforeTyping);

    std::vector<std::string> env;
    for (const std::string& v : tockoEnvironment())
        if (v.rfind("TOCKO_AUDIOCHECK=", 0) != 0 && v.rfind("TOCKO_TOGGLE_TEST=", 0) != 0 &&
            v.rfind("WAYLAND_DISPLAY=", 0) != 0)
            env.push_back(v);
    // An absolute WAYLAND_DISPLAY: Tocko keeps the audio server's runtime folder.
    env.push_back("WAYLAND_DISPLAY=" + sway.runtimeDir() + "/" + sway.waylandDisplay());
    env.push_back("QT_QPA_PLATFORM=offscreen");
    Child tocko({executable(), "--headless"}, env, home + "/trace");
    ASSERT_TRUE(tocko.waitForLine("[Tocko] KeyTap: listenOnly", 10s)) << "the key tap never went live";
    ASSERT_TRUE(tocko.waitForLine(
        "[Tocko] WorkspaceMonitor: observer active, initial frontmost = org.tocko.Loud", 1s));
    std::this_thread::sleep_for(kQuietBeforeTyping);

    const KeySym keys[] = {XK_a, XK_s, XK_d, XK_f};
    auto typeKeys = [&] {
        for (KeySym k : keys) {
            tap(XKeysymToKeycode(display, k));
            std::this_thread::sleep_for(260ms);
        }
    };
    typeKeys();  // the rule: clicky, loud
    ASSERT_TRUE(sway.focus("org.tocko.Quiet"));
    ASSERT_TRUE(tocko.waitForLine("[Tocko] Effective: PLAY soft@0.15", 2s))
        << "the default did not take over";
    std::this_thread::sleep_for(300ms);
    typeKeys();  // the default: soft, quiet
    ASSERT_TRUE(sway.focus("org.tocko.Loud"));
    ASSERT_TRUE(tocko.waitForLine("[Tocko] Effective: PLAY clicky@1.00", 2s));
    std::this_thread::sleep_for(300ms);
    typeKeys();  // the rule again
    std::this_thread::sleep_for(2500ms);
    EXPECT_EQ(tocko.stop(SIGTERM), 0);
    recorder.stop(SIGINT);

    // Each click's peak, after the quiet that precedes the typing.
    const std::vector<float> samples = readMono(home + "/monitor.wav");
    ASSERT_FALSE(samples.empty()) << "nothing recorded from tocko_null.monitor";
    const std::vector<double> all = onsets(samples);
    size_t first = 0;
    for (size_t i = 1; i < all.size(); ++i)
        if (all[i] - all[i - 1] > std::chrono::duration<double>(kQuietBeforeTyping).count() - 0.4) first = i;
    std::vector<float> peaks;
    for (size_t i = first; i < all.size(); ++i) {
        const size_t from = size_t(all[i] * kMonitorRate),
                     to = std::min(samples.size(), from + size_t(0.15 * kMonitorRate));
        float peak = 0;
        for (size_t s = from; s < to; ++s) peak = std::max(peak, std::fabs(samples[s]));
        peaks.push_back(peak);
    }
    std::string heard;
    for (float p : peaks) heard += " " + std::to_string(p).substr(0, 5);
    // Twelve clicks: the rule's four loud ones, the default's four quiet
    // ones (about a seventh as loud), the rule's four again.
    ASSERT_EQ(peaks.size(), 12u) << "peaks:" << heard;
    const float loudest = *std::max_element(peaks.begin(), peaks.end());
    for (size_t i = 0; i < peaks.size(); ++i) {
        const bool rule = i < 4 || i >= 8;
        EXPECT_EQ(peaks[i] > loudest / 3, rule) << "click " << i << "; peaks:" << heard;
    }
    std::printf("click peaks:%s\n", heard.c_str());
}
