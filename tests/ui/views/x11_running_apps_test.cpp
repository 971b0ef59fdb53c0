// The running-application list against a real X server: the test plays the
// window manager and publishes _NET_CLIENT_LIST on the root window.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstring>
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

class FakeClientList {
public:
    explicit FakeClientList(Display* d) : d_(d), root_(DefaultRootWindow(d)) {
        list_ = XInternAtom(d_, "_NET_CLIENT_LIST", False);
    }
    ~FakeClientList() {
        XDeleteProperty(d_, root_, list_);
        for (Window w : windows_) XDestroyWindow(d_, w);
        XCloseDisplay(d_);
    }
    Window window(const char* instance, const char* cls) {
        Window w = XCreateSimpleWindow(d_, root_, 0, 0, 10, 10, 0, 0, 0);
        XClassHint hint{const_cast<char*>(instance), const_cast<char*>(cls)};
        XSetClassHint(d_, w, &hint);
        windows_.push_back(w);
        return w;
    }
    void setAtoms(Window w, const char* property, const std::vector<const char*>& names) {
        std::vector<unsigned long> atoms;
        for (const char* n : names) atoms.push_back(XInternAtom(d_, n, False));
        XChangeProperty(d_, w, XInternAtom(d_, property, False), XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(atoms.data()), int(atoms.size()));
    }
    void publish(std::vector<unsigned long> clients) {
        XChangeProperty(d_, root_, list_, XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(clients.data()), int(clients.size()));
        XSync(d_, False);
    }
    void destroy(Window w) {
        XDestroyWindow(d_, w);
        std::erase(windows_, w);
    }

private:
    Display* d_;
    Window root_;
    Atom list_;
    std::vector<Window> windows_;
};

TEST(X11RunningApps, ListsTaskBarWindowsOncePerApplication) {
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        GTEST_SKIP() << "no X display reachable (DISPLAY=" << (getenv("DISPLAY") ? getenv("DISPLAY") : "")
                     << ")";
    FakeClientList wm(d);
    const Window editor = wm.window("texteditor", "TextEditor");
    const Window editor2 = wm.window("texteditor", "TextEditor");
    const Window panel = wm.window("panel", "Panel");
    wm.setAtoms(panel, "_NET_WM_WINDOW_TYPE", {"_NET_WM_WINDOW_TYPE_DOCK"});
    const Window hidden = wm.window("helper", "Helper");
    wm.setAtoms(hidden, "_NET_WM_STATE", {"_NET_WM_STATE_SKIP_TASKBAR"});
    const Window dialog = wm.window("alpha", "Alpha");
    wm.setAtoms(dialog, "_NET_WM_WINDOW_TYPE", {"_NET_WM_WINDOW_TYPE_DIALOG"});
    const Window gone = wm.window("gone", "Gone");
    wm.destroy(gone);  // listed but already closed
    wm.publish({editor, editor2, panel, hidden, dialog, gone});

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
