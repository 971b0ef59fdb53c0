// The X11 backend against a real X server (Xvfb), driven through XTEST.

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "input_test_util.h"
#include "platform/linux/listen_access.h"
#include "platform/linux/x11_backend.h"

// Xlib's macros (None, Bool, Status...) must come after gtest.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace tocko {
namespace {

using namespace tocko::testing;

// X key codes of the standard evdev keymap are evdev codes plus 8.
constexpr unsigned x(unsigned evdevCode) { return evdevCode + 8; }

class X11TapTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Xvfb resets whenever its last client leaves and refuses connections
        // meanwhile; one connection kept for the whole run prevents that.
        static Display* keeper = [] {
            Display* d = nullptr;
            eventually([&] { return (d = XOpenDisplay(nullptr)) != nullptr; }, 2000ms);
            return d;
        }();
        if (keeper) injector = XOpenDisplay(nullptr);
        if (!injector) GTEST_SKIP() << "no X server at DISPLAY (run scripts/services.sh)";
        int ev, err, major, minor;
        if (!XTestQueryExtension(injector, &ev, &err, &major, &minor))
            GTEST_SKIP() << "X server without XTEST";
    }
    void TearDown() override {
        h.reset();
        if (injector) XCloseDisplay(injector);
    }
    void key(unsigned code, bool down) {
        XTestFakeKeyEvent(injector, code, down, CurrentTime);
        XFlush(injector);
    }
    void tapKey(unsigned code) {
        key(code, true);
        key(code, false);
    }
    void button(unsigned number) {
        XTestFakeButtonEvent(injector, number, True, CurrentTime);
        XTestFakeButtonEvent(injector, number, False, CurrentTime);
        XFlush(injector);
    }
    // One client's events arrive in order: once this space bar press shows
    // up, everything sent before it has been seen.
    bool settle(size_t keysBefore) {
        tapKey(x(KEY_SPACE));
        return eventually([&] {
            auto k = h->get(h->keys);
            return k.size() > keysBefore && k.back() == KEY_SPACE;
        });
    }

    Display* injector = nullptr;
    std::unique_ptr<TapHarness> h = std::make_unique<TapHarness>(std::make_shared<X11TapFactory>());
};

TEST_F(X11TapTest, ForcedToX11KeyAndButtonPressesArriveAsEvdevCodes) {
    ASSERT_EQ(setenv("TOCKO_INPUT_BACKEND", "x11", 1), 0);
    EXPECT_TRUE(listenAccessGranted());
    EXPECT_TRUE(requestListenAccess());
    h.reset();  // one log capture at a time
    h = std::make_unique<TapHarness>(systemTapBackendFactory());
    ASSERT_TRUE(h->startLive());
    EXPECT_EQ(h->logs.count("Listening through X11 XInput 2 raw events"), 1);
    const size_t logsBefore = h->logs.size();

    key(x(KEY_A), true);
    std::this_thread::sleep_for(900ms);  // held past the server's auto-repeat delay
    key(x(KEY_A), false);
    key(x(KEY_S), true);
    key(x(KEY_S), true);  // a second press of a held key is a repeat
    key(x(KEY_S), false);
    tapKey(x(KEY_S));  // released in between: a new press
    for (unsigned modifier : {KEY_LEFTSHIFT, KEY_RIGHTCTRL, KEY_CAPSLOCK, KEY_CAPSLOCK}) tapKey(x(modifier));
    for (unsigned b : {1, 3, 2, 4, 5, 8}) button(b);  // left, right, middle, scroll up/down, back
    XTestFakeMotionEvent(injector, 0, 100, 100, CurrentTime);
    XTestFakeRelativeMotionEvent(injector, 5, 5, CurrentTime);
    ASSERT_TRUE(settle(0));

    EXPECT_EQ(h->get(h->keys), (std::vector<uint16_t>{KEY_A, KEY_S, KEY_S, KEY_SPACE}));
    EXPECT_EQ(h->get(h->mouseDowns), 2);
    EXPECT_EQ(h->get(h->threads).back(), h->tap->thread()->id());
    EXPECT_EQ(h->logs.size(), logsBefore);

    // Under Wayland, XInput hears X11 windows only.
    ASSERT_EQ(setenv("WAYLAND_DISPLAY", "wayland-tocko-test", 1), 0);
    EXPECT_TRUE(isWaylandSession());
    EXPECT_EQ(listenAccess(), ListenAccess::partial);
    EXPECT_FALSE(listenAccessGranted());
    EXPECT_TRUE(systemTapBackendFactory()->canListen()) << "the fallback may still listen";
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("TOCKO_INPUT_BACKEND");
}

TEST(ListenAccess, WithoutAccessTheRequestExplainsHowToGrantIt) {
    Logs logs;
    X11TapFactory nowhere(":1999");
    EXPECT_FALSE(nowhere.canListen());
    EXPECT_EQ(nowhere.createTap(), nullptr);
    EXPECT_EQ(logs.count("X display :1999 unusable: cannot open the display"), 1);

    ASSERT_EQ(setenv("TOCKO_INPUT_BACKEND", "evdev", 1), 0);
    const bool granted = requestListenAccess();
    EXPECT_EQ(granted, listenAccessGranted());
    EXPECT_EQ(logs.countContaining("Linux has no prompt"), granted ? 0 : 1);
    EXPECT_EQ(logs.countContaining("[Tocko] KeyTap: input access missing"), granted ? 0 : 1);
    const std::string help = listenAccessHelpText();
    EXPECT_NE(help.find("usermod -aG input"), std::string::npos);
    EXPECT_NE(help.find("TAG+=\"uaccess\""), std::string::npos);
    unsetenv("TOCKO_INPUT_BACKEND");
}

// A private X server that can be pulled away from under the tap.
struct PrivateXServer {
    PrivateXServer() {
        for (int n = 140; n < 200 && name.empty(); ++n) {
            if (access(("/tmp/.X" + std::to_string(n) + "-lock").c_str(), F_OK) != 0)
                name = ":" + std::to_string(n);
        }
        start();
    }
    void start() {
        pid = fork();
        if (pid == 0) {
            execlp("Xvfb", "Xvfb", name.c_str(), "-noreset", "-nolisten", "tcp", "-screen", "0", "640x480x24",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        ready = eventually(
            [&] {
                if (waitpid(pid, nullptr, WNOHANG) == pid) return (pid = -1), true;  // it gave up
                Display* d = XOpenDisplay(name.c_str());
                if (d) XCloseDisplay(d);
                return d != nullptr;
            },
            10000ms);
        ready = ready && pid > 0;
    }
    ~PrivateXServer() { kill(); }
    void kill() {
        if (pid <= 0) return;
        ::kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        pid = -1;
        unlink(("/tmp/.X" + name.substr(1) + "-lock").c_str());  // a killed server leaves these behind
        unlink(("/tmp/.X11-unix/X" + name.substr(1)).c_str());
    }
    std::string name;
    pid_t pid = -1;
    bool ready = false;
};

TEST(X11Backend, VanishingServerPausesTheTapNotTheProcessAndItsReturnIsFollowed) {
    PrivateXServer server;
    if (!server.ready) GTEST_SKIP() << "could not start a private Xvfb";
    TapHarness h(std::make_shared<X11TapFactory>(server.name));
    ASSERT_TRUE(h.startLive());

    // Each time the system-log entry comes first, then the trace line: wait for the later one.
    const std::string lost = "X display connection lost; listening again once a display answers";
    const std::string back = "X display answers again; listening";
    auto waitForTrace = [&](const std::string& line, size_t times) {
        return eventually([&] { return h.logs.countTrace("[Tocko] KeyTap: " + line) >= times; });
    };
    server.kill();
    ASSERT_TRUE(waitForTrace(lost, 1));
    EXPECT_EQ(h.logs.count(lost), 1);
    EXPECT_FALSE(h.tap->isTapEnabled());
    EXPECT_TRUE(h.tap->isListening());

    // The server comes back (as after a restart of the session's X server).
    server.start();
    ASSERT_TRUE(server.ready);
    ASSERT_TRUE(waitForTrace(back, 1));
    EXPECT_EQ(h.logs.count(back), 1);
    EXPECT_TRUE(h.tap->isTapEnabled());
    Display* injector = XOpenDisplay(server.name.c_str());
    ASSERT_NE(injector, nullptr);
    XTestFakeKeyEvent(injector, x(KEY_B), True, CurrentTime);
    XTestFakeKeyEvent(injector, x(KEY_B), False, CurrentTime);
    XFlush(injector);
    EXPECT_TRUE(eventually([&] {
        const auto keys = h.get(h.keys);
        return !keys.empty() && keys.back() == KEY_B;
    }));
    XCloseDisplay(injector);

    server.kill();
    ASSERT_TRUE(h.logs.waitFor(lost, 2));
    ASSERT_TRUE(h.stopAndJoin());
    EXPECT_EQ(h.logs.count("KeyTap run loop exited"), 1);

    h.tap->start();  // nothing to listen to any more
    EXPECT_EQ(h.logs.count("start() ignored: input access not granted"), 1);
}

}  // namespace

#if defined(__SANITIZE_THREAD__)
constexpr int kToggles = 100;  // ThreadSanitizer makes each open ten times slower
#else
constexpr int kToggles = 1000;
#endif

TEST_F(X11TapTest, ToggledAThousandTimesWithoutDelay) {
    // As the switch does it: the listen check on this thread while the tap
    // thread opens and closes its own connection. Run under AddressSanitizer.
    const auto threadCount = [] {
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("Threads:", 0) == 0) return std::stoi(line.substr(8));
        return 0;
    };
    const int threadsBefore = threadCount();
    auto factory = std::make_shared<X11TapFactory>();
    h.reset();  // one log capture at a time
    {
        TapHarness toggled(factory);
        for (int i = 0; i < kToggles; ++i) {
            factory->canListen();
            toggled.tap->start();
            toggled.tap->stop();
        }
        EXPECT_TRUE(toggled.stopAndJoin());
    }
    // Threads overtaken by a later stop() finish on their own (ThreadSanitizer
    // adds a thread of its own with the first one); then a fresh tap still
    // hears keys.
    EXPECT_TRUE(eventually([&] { return threadCount() <= threadsBefore + 1; }, 60s));
    h = std::make_unique<TapHarness>(factory);
    EXPECT_TRUE(h->startLive());
    const size_t before = h->get(h->keys).size();
    EXPECT_TRUE(settle(before));
}

}  // namespace tocko
