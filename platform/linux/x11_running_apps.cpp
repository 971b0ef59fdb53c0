// The applications behind the top-level windows an EWMH window manager
// lists on the root window, identified the same way as the frontmost one.

// Qt's headers come before Xlib's, whose macros (Bool, Status) clash with them.
// clang-format off
#include "platform/linux/linux_platform.h"
#include "platform/linux/x11_errors.h"
#include "platform/linux/x11_frontmost_source.h"
#include "ui/views/running_apps.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
// clang-format on

#include <cstdlib>

namespace tocko::ui {

namespace {

class NoRunningApps final : public RunningAppsSource {
public:
    std::vector<RunningAppEntry> runningApplications() override { return {}; }
};

class X11RunningApps final : public RunningAppsSource {
public:
    explicit X11RunningApps(Display* display) : display_(display) {
        // Listed windows may close while they are read (BadWindow): errors
        // read as "no value".
        x11::adoptDisplay(display_);
        root_ = DefaultRootWindow(display_);
        clientList_ = XInternAtom(display_, "_NET_CLIENT_LIST", False);
        windowType_ = XInternAtom(display_, "_NET_WM_WINDOW_TYPE", False);
        typeNormal_ = XInternAtom(display_, "_NET_WM_WINDOW_TYPE_NORMAL", False);
        typeDialog_ = XInternAtom(display_, "_NET_WM_WINDOW_TYPE_DIALOG", False);
        wmState_ = XInternAtom(display_, "_NET_WM_STATE", False);
        skipTaskbar_ = XInternAtom(display_, "_NET_WM_STATE_SKIP_TASKBAR", False);
        gtkApplicationID_ = XInternAtom(display_, "_GTK_APPLICATION_ID", False);
        utf8String_ = XInternAtom(display_, "UTF8_STRING", False);
    }
    ~X11RunningApps() override {
        XCloseDisplay(display_);
        x11::releaseDisplay(display_);
    }

    std::vector<RunningAppEntry> runningApplications() override {
        std::vector<RunningAppEntry> out;
        for (Window w : atoms(root_, clientList_, XA_WINDOW)) {
            WindowClassInfo info;
            info.gtkApplicationID = utf8(w, gtkApplicationID_);
            XClassHint hint{};
            if (XGetClassHint(display_, w, &hint)) {
                if (hint.res_name && *hint.res_name) info.wmInstance = hint.res_name;
                if (hint.res_class && *hint.res_class) info.wmClass = hint.res_class;
                if (hint.res_name) XFree(hint.res_name);
                if (hint.res_class) XFree(hint.res_class);
            }
            const FrontmostApp app = identifyApplication(info, entries_);
            out.push_back({app.bundleID, app.name, isRegular(w)});
        }
        XSync(display_, False);
        return out;
    }

private:
    bool isRegular(Window w) {
        const std::vector<unsigned long> types = atoms(w, windowType_, XA_ATOM);
        if (!types.empty() && types.front() != typeNormal_ && types.front() != typeDialog_) return false;
        for (unsigned long state : atoms(w, wmState_, XA_ATOM))
            if (state == skipTaskbar_) return false;
        return true;
    }

    std::vector<unsigned long> atoms(Window w, Atom property, Atom type) {
        std::vector<unsigned long> values;
        Atom actual = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display_, w, property, 0, 4096, False, type, &actual, &format, &count, &after,
                               &data) == Success &&
            actual == type && format == 32 && data) {
            const auto* items = reinterpret_cast<unsigned long*>(data);
            values.assign(items, items + count);
        }
        if (data) XFree(data);
        return values;
    }

    std::optional<std::string> utf8(Window w, Atom property) {
        Atom actual = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::optional<std::string> value;
        if (XGetWindowProperty(display_, w, property, 0, 1024, False, utf8String_, &actual, &format, &count,
                               &after, &data) == Success &&
            actual == utf8String_ && format == 8 && data && count > 0)
            value = std::string(reinterpret_cast<const char*>(data), count);
        if (data) XFree(data);
        return value;
    }

    Display* display_;
    Window root_;
    Atom clientList_, windowType_, typeNormal_, typeDialog_, wmState_, skipTaskbar_, gtkApplicationID_,
        utf8String_;
    DesktopEntries entries_;
};

}  // namespace

std::unique_ptr<RunningAppsSource> makeRunningAppsSource() {
    const char* display = std::getenv("DISPLAY");
    if (display && *display) {
        x11::initXlib();
        if (Display* d = XOpenDisplay(display)) return std::make_unique<X11RunningApps>(d);
    }
    return std::make_unique<NoRunningApps>();
}

}  // namespace tocko::ui
