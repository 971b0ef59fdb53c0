// The X11 backend against a real X server (Xvfb), driven through XTEST.

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "input/key_tap.h"
#include "input/linux/x11_backend.h"
#include "input_test_util.h"

// Xlib's macros (None, Bool, Status...) must come after gtest.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace tocko {
namespace {

using namespace tocko::testing;

// X key codes of the standard evdev keymap: evdev code + 8.
constexpr unsigned kXKeyA = KEY_A + 8;
constexpr unsigned kXKeyS = KEY_S + 8;
constexpr unsigned kXSpace = KEY_SPACE + 8;
constexpr unsigned kXShiftL = KEY_LEFTSHIFT + 8;
constexpr unsigned kXControlR = KEY_RIGHTCTRL + 8;
constexpr unsigned kXCapsLock = KEY_CAPSLOCK + 8;

std::string displayName() {
    const char* d = std::getenv("DISPLAY");
    return d ? d : "";
}

class X11TapTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Xvfb resets itself whenever its last client leaves and refuses
        // connections meanwhile; one connection kept for the whole run
        // avoids that between tests.
        static Display* keeper = [] {
            Display* d = nullptr;
            eventually([&] { return (d = XOpenDisplay(nullptr)) != nullptr; }, 2000ms);
            return d;
        }();
        if (keeper) injector = XOpenDisplay(nullptr);
        if (!injector)
            GTEST_SKIP() << "no X server at DISPLAY=" << displayName() << " (run scripts/services.sh)";
        int ev, err, major, minor;
        if (!XTestQueryExtension(injector, &ev, &err, &major, &minor))
            GTEST_SKIP() << "X server without XTEST";
    }
    void TearDown() override {
        if (tap) {
            auto th = tap->thread();
            tap->stop();
            if (th) {
                EXPECT_TRUE(th->waitUntilFinished(3000ms));
            }
        }
        if (injector) XCloseDisplay(injector);
    }
    void startTap(std::shared_ptr<TapBackendFactory> factory) {
        tap = std::make_shared<KeyTap>([this](uint16_t code) { seen.key(code); }, std::move(factory));
        tap->onMouseDown = [this] { seen.mouse(); };
        tap->onActivationResult = [this](bool ok) { seen.activation(ok); };
        tap->start();
    }
    bool live() {
        return eventually([&] {
                   return !seen.activationsSeen().empty() &&
                          logs.count("[Tocko] KeyTap: listenOnly CGEventTap live on background run loop",
                                     LogRecord::Kind::Trace) > 0;
               }) &&
               seen.activationsSeen().front();
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
    // Events of one client arrive in order: once the space bar shows up,
    // everything sent before it has been seen.
    bool settle(size_t keysBefore) {
        tapKey(kXSpace);
        return eventually([&] {
            auto k = seen.keysSeen();
            return k.size() > keysBefore && k.back() == KEY_SPACE;
        });
    }

    Display* injector = nullptr;
    LogCapture logs;
    CallbackLog seen;
    std::shared_ptr<KeyTap> tap;
};

TEST_F(X11TapTest, KeyAndButtonPressesArriveAsEvdevCodes) {
    startTap(std::make_shared<X11TapFactory>());
    ASSERT_TRUE(live());
    const size_t logsBefore = logs.records().size();

    tapKey(kXKeyA);
    key(kXKeyS, true);
    key(kXKeyS, true);  // a second press of a held key is a repeat
    key(kXKeyS, false);
    tapKey(kXShiftL);  // modifiers alone make no sound
    tapKey(kXControlR);
    tapKey(kXCapsLock);
    tapKey(kXCapsLock);
    button(1);
    button(3);
    button(2);  // middle
    button(4);  // scroll up
    button(5);  // scroll down
    button(8);  // back
    XTestFakeMotionEvent(injector, 0, 100, 100, CurrentTime);
    XTestFakeRelativeMotionEvent(injector, 5, 5, CurrentTime);
    ASSERT_TRUE(settle(0));

    EXPECT_EQ(seen.keysSeen(), (std::vector<uint16_t>{KEY_A, KEY_S, KEY_SPACE}));
    EXPECT_EQ(seen.mouseSeen(), 2);
    const auto threads = seen.threadsSeen();
    EXPECT_EQ(threads.back(), tap->thread()->id());
    EXPECT_EQ(logs.records().size(), logsBefore);
}

TEST_F(X11TapTest, HoldingAKeyGivesOnePress) {
    startTap(std::make_shared<X11TapFactory>());
    ASSERT_TRUE(live());
    key(kXKeyA, true);
    std::this_thread::sleep_for(900ms);  // past the server's auto-repeat delay
    key(kXKeyA, false);
    ASSERT_TRUE(settle(0));
    EXPECT_EQ(seen.keysSeen(), (std::vector<uint16_t>{KEY_A, KEY_SPACE}));

    tapKey(kXKeyA);  // released in between: a new press
    ASSERT_TRUE(settle(2));
    EXPECT_EQ(seen.keysSeen(), (std::vector<uint16_t>{KEY_A, KEY_SPACE, KEY_A, KEY_SPACE}));
}

TEST_F(X11TapTest, StoppedTapHearsNothing) {
    startTap(std::make_shared<X11TapFactory>());
    ASSERT_TRUE(live());
    auto th = tap->thread();
    tap->stop();
    ASSERT_TRUE(th->waitUntilFinished(3000ms));
    tapKey(kXKeyA);
    button(1);
    XSync(injector, False);
    std::this_thread::sleep_for(50ms);
    EXPECT_TRUE(seen.keysSeen().empty());
    EXPECT_EQ(seen.mouseSeen(), 0);
    EXPECT_FALSE(tap->isTapEnabled());
}

TEST_F(X11TapTest, SystemBackendsCanBeForcedToX11) {
    ASSERT_EQ(setenv("TOCKO_INPUT_BACKEND", "x11", 1), 0);
    EXPECT_TRUE(listenAccessGranted());
    EXPECT_TRUE(requestListenAccess());
    startTap(systemTapBackendFactory());
    ASSERT_TRUE(live());
    EXPECT_EQ(logs.count("Listening through X11 XInput 2 raw events"), 1);
    tapKey(kXKeyA);
    ASSERT_TRUE(settle(0));
    EXPECT_EQ(seen.keysSeen().front(), KEY_A);
    unsetenv("TOCKO_INPUT_BACKEND");
}

TEST(X11Backend, UnreachableDisplayCannotListen) {
    X11TapFactory nowhere(":1999");
    EXPECT_FALSE(nowhere.canListen());
    LogCapture logs;
    EXPECT_EQ(nowhere.createTap([](const TapEvent&) {}), nullptr);
    EXPECT_EQ(logs.count("X display :1999 unusable: cannot open the display"), 1);
}

TEST(X11Backend, ForcedEvdevWithoutDevicesAsksForAccessInOwnWords) {
    ASSERT_EQ(setenv("TOCKO_INPUT_BACKEND", "evdev", 1), 0);
    LogCapture logs;
    const bool granted = requestListenAccess();
    EXPECT_EQ(granted, listenAccessGranted());
    if (!granted) {
        EXPECT_EQ(logs.countContaining("Linux has no prompt"), 1);
        EXPECT_EQ(logs.countContaining("[Tocko] KeyTap: input access missing"), 1);
    }
    const std::string help = listenAccessHelpText();
    EXPECT_NE(help.find("usermod -aG input"), std::string::npos);
    EXPECT_NE(help.find("TAG+=\"uaccess\""), std::string::npos);
    unsetenv("TOCKO_INPUT_BACKEND");
}

// A private X server that the test can pull away from under the tap.
class PrivateXServer {
public:
    PrivateXServer() {
        for (int n = 140; n < 200; ++n) {
            struct stat st;
            const std::string lock = "/tmp/.X" + std::to_string(n) + "-lock";
            const std::string sock = "/tmp/.X11-unix/X" + std::to_string(n);
            if (stat(lock.c_str(), &st) == 0 || stat(sock.c_str(), &st) == 0) continue;
            name = ":" + std::to_string(n);
            break;
        }
        pid = fork();
        if (pid == 0) {
            execlp("Xvfb", "Xvfb", name.c_str(), "-noreset", "-nolisten", "tcp", "-screen", "0", "640x480x24",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        ready = eventually(
                    [&] {
                        int status;
                        if (waitpid(pid, &status, WNOHANG) == pid) {
                            pid = -1;
                            return true;  // gave up: ready stays false below
                        }
                        Display* d = XOpenDisplay(name.c_str());
                        if (!d) return false;
                        XCloseDisplay(d);
                        return true;
                    },
                    10000ms) &&
                pid > 0;
    }
    ~PrivateXServer() { kill(); }
    void kill() {
        if (pid <= 0) return;
        ::kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        pid = -1;
        // A killed server leaves its lock and socket behind.
        const std::string n = name.substr(1);
        unlink(("/tmp/.X" + n + "-lock").c_str());
        unlink(("/tmp/.X11-unix/X" + n).c_str());
    }

    std::string name;
    pid_t pid = -1;
    bool ready = false;
};

TEST(X11Backend, VanishingServerEndsTheTapNotTheProcess) {
    PrivateXServer server;
    if (!server.ready) GTEST_SKIP() << "could not start a private Xvfb";
    LogCapture logs;
    CallbackLog seen;
    auto tap = std::make_shared<KeyTap>([&](uint16_t code) { seen.key(code); },
                                        std::make_shared<X11TapFactory>(server.name));
    tap->onActivationResult = [&](bool ok) { seen.activation(ok); };
    tap->start();
    ASSERT_TRUE(eventually([&] { return tap->isTapEnabled(); })) << [&] {
        std::string all;
        for (const auto& r : logs.records()) all += r.message + "\n";
        return all;
    }();

    server.kill();
    ASSERT_TRUE(
        logs.waitFor("X display connection lost; no key or mouse events until the tap is started again"));
    EXPECT_FALSE(tap->isTapEnabled());
    EXPECT_TRUE(tap->isListening());

    auto th = tap->thread();
    tap->stop();
    ASSERT_TRUE(th->waitUntilFinished(3000ms));
    EXPECT_EQ(logs.count("KeyTap run loop exited"), 1);

    // Without its server there is nothing to listen to.
    tap->start();
    EXPECT_EQ(logs.count("start() ignored: Input Monitoring not granted"), 1);
    EXPECT_FALSE(tap->isListening());
}

}  // namespace
}  // namespace tocko
