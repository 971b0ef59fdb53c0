// The running-application list against a real X server.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cctype>
#include <string>
#include <vector>

#include "platform/linux/linux_platform.h"
#include "tests/common/test_support.h"
#include "ui/views/running_apps.h"

// Xlib's macros (Bool, Status, None) clash with Qt and GoogleTest: last.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

using namespace tocko;

namespace {

// Plays the window manager on DISPLAY: windows of other applications and
// the client list on the root window, which goes (with the windows) at the end.
struct FakeWindowManager {
    Display* d = XOpenDisplay(nullptr);
    ~FakeWindowManager() {
        if (!d) return;
        XDeleteProperty(d, DefaultRootWindow(d), atom("_NET_CLIENT_LIST"));
        XCloseDisplay(d);
    }
    Atom atom(const char* name) { return XInternAtom(d, name, False); }
    void set(Window w, const char* property, Atom type, std::vector<unsigned long> values) {
        XChangeProperty(d, w, atom(property), type, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(values.data()), int(values.size()));
        XSync(d, False);
    }
    // A window of `cls`, typed or in a state when those are given.
    Window window(const char* cls, const char* type = nullptr, const char* state = nullptr) {
        Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 10, 10, 0, 0, 0);
        std::string instance = cls;
        instance[0] = char(std::tolower(instance[0]));
        XClassHint hint{instance.data(), const_cast<char*>(cls)};
        XSetClassHint(d, w, &hint);
        if (type) set(w, "_NET_WM_WINDOW_TYPE", XA_ATOM, {atom(type)});
        if (state) set(w, "_NET_WM_STATE", XA_ATOM, {atom(state)});
        return w;
    }
    void publish(std::vector<unsigned long> clients) {
        set(DefaultRootWindow(d), "_NET_CLIENT_LIST", XA_WINDOW, std::move(clients));
    }
};

TEST(X11RunningApps, ListsTaskBarWindowsOncePerApplication) {
    FakeWindowManager wm;
    if (!wm.d)
        GTEST_SKIP() << "no X display reachable (DISPLAY=" << (getenv("DISPLAY") ? getenv("DISPLAY") : "")
                     << ")";
    const Window gone = wm.window("Gone");
    XDestroyWindow(wm.d, gone);  // listed but already closed
    wm.publish({wm.window("TextEditor"), wm.window("TextEditor"),
                wm.window("Panel", "_NET_WM_WINDOW_TYPE_DOCK"),
                wm.window("Helper", nullptr, "_NET_WM_STATE_SKIP_TASKBAR"),
                wm.window("Alpha", "_NET_WM_WINDOW_TYPE_DIALOG"), gone});

    std::unique_ptr<ui::RunningAppsSource> source = ui::makeRunningAppsSource();
    const std::vector<ui::RunningApp> apps = ui::runningAppsList(source->runningApplications());
    // Without desktop files the class names both the identifier and the application.
    EXPECT_EQ(apps, (std::vector<ui::RunningApp>{{"Alpha", "Alpha"}, {"TextEditor", "TextEditor"}}));

    wm.publish({});
    EXPECT_TRUE(source->runningApplications().empty());
}

}  // namespace

// No desktop files: identities come from the windows alone.
class NoDesktopFiles : public ::testing::Environment {
    void SetUp() override { setenv("XDG_DATA_DIRS", tocko::test::isolatedHome().c_str(), 1); }
};
const auto* const kNoDesktopFiles = ::testing::AddGlobalTestEnvironment(new NoDesktopFiles);
