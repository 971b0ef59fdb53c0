// The active window of an EWMH window manager (_NET_ACTIVE_WINDOW on the root
// window), watched on a display connection of our own whose socket the main
// event loop reads.

#include "platform/linux/x11_frontmost_source.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <QObject>
#include <QSocketNotifier>
#include <cstdlib>

#include "platform/linux/linux_platform.h"
#include "platform/linux/x11_errors.h"

namespace tocko {

namespace {

std::optional<std::string> nonEmpty(const char* s) {
    if (!s || !*s) return std::nullopt;
    return std::string(s);
}

class X11FrontmostAppSource final : public QObject, public FrontmostAppSource {
public:
    explicit X11FrontmostAppSource(Display* display) : display_(display), root_(DefaultRootWindow(display)) {
        // Windows vanish at any moment (BadWindow): errors read as "no value".
        x11::adoptDisplay(display_);
        XSetIOErrorExitHandler(
            display_, [](Display*, void* self) { static_cast<X11FrontmostAppSource*>(self)->broken_ = true; },
            this);
        netActiveWindow_ = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
        gtkApplicationID_ = XInternAtom(display_, "_GTK_APPLICATION_ID", False);
        utf8String_ = XInternAtom(display_, "UTF8_STRING", False);
        netWmPid_ = XInternAtom(display_, "_NET_WM_PID", False);
    }
    ~X11FrontmostAppSource() override {
        delete notifier_;
        XCloseDisplay(display_);
        x11::releaseDisplay(display_);
    }

    FrontmostApp frontmost() override {
        if (broken_) return {};
        const FrontmostApp app = identify(lastWindow_ = activeWindow());
        // Replies may have brought events into Xlib's queue that the socket
        // no longer announces.
        if (notifier_ && XQLength(display_) > 0)
            QMetaObject::invokeMethod(
                this, [this] { pump(); }, Qt::QueuedConnection);
        return app;
    }

    void observe(Handler onActivate) override {
        if (notifier_) return;
        handler_ = std::move(onActivate);
        XSelectInput(display_, root_, PropertyChangeMask);
        XFlush(display_);
        notifier_ = new QSocketNotifier(ConnectionNumber(display_), QSocketNotifier::Read);
        QObject::connect(notifier_, &QSocketNotifier::activated, this, [this] { pump(); });
    }

private:
    void pump() {
        for (;;) {
            bool activeChanged = false;
            while (!broken_ && XPending(display_) > 0) {
                XEvent ev;
                XNextEvent(display_, &ev);
                if (ev.type == PropertyNotify && ev.xproperty.window == root_ &&
                    ev.xproperty.atom == netActiveWindow_)
                    activeChanged = true;
            }
            if (broken_) {
                // The server is gone; the last report stands.
                if (notifier_) notifier_->setEnabled(false);
                return;
            }
            if (!activeChanged) return;
            // A window manager that rewrites the same window activates nothing.
            const Window w = activeWindow();
            if (w == lastWindow_) continue;
            lastWindow_ = w;
            const FrontmostApp app = identify(w);
            if (handler_) handler_(app);
        }
    }

    Window activeWindow() {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        Window w = None;
        if (XGetWindowProperty(display_, root_, netActiveWindow_, 0, 1, False, XA_WINDOW, &type, &format,
                               &count, &after, &data) == Success &&
            type == XA_WINDOW && format == 32 && count == 1 && data)
            w = static_cast<Window>(reinterpret_cast<unsigned long*>(data)[0]);
        if (data) XFree(data);
        return w;
    }

    std::optional<std::string> utf8Property(Window w, Atom property) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::optional<std::string> value;
        if (XGetWindowProperty(display_, w, property, 0, 1024, False, utf8String_, &type, &format, &count,
                               &after, &data) == Success &&
            type == utf8String_ && format == 8 && data && count > 0)
            value = std::string(reinterpret_cast<const char*>(data), count);
        if (data) XFree(data);
        return value;
    }

    FrontmostApp identify(Window w) {
        if (w == None) return {};
        WindowClassInfo info;
        info.gtkApplicationID = utf8Property(w, gtkApplicationID_);
        XClassHint hint{nullptr, nullptr};
        if (XGetClassHint(display_, w, &hint)) {
            info.wmInstance = nonEmpty(hint.res_name);
            info.wmClass = nonEmpty(hint.res_class);
            if (hint.res_name) XFree(hint.res_name);
            if (hint.res_class) XFree(hint.res_class);
        }
        FrontmostApp app = identifyApplication(info, entries_);
        app.pid = windowPid(w);
        return app;
    }

    std::optional<int64_t> windowPid(Window w) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::optional<int64_t> pid;
        if (XGetWindowProperty(display_, w, netWmPid_, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                               &after, &data) == Success &&
            type == XA_CARDINAL && format == 32 && count == 1 && data)
            pid = int64_t(reinterpret_cast<unsigned long*>(data)[0]);
        if (data) XFree(data);
        return pid;
    }

    Display* display_;
    Window root_;
    Atom netActiveWindow_ = None, gtkApplicationID_ = None, utf8String_ = None, netWmPid_ = None;
    Window lastWindow_ = None;
    bool broken_ = false;  // the connection to the server was lost
    QSocketNotifier* notifier_ = nullptr;
    Handler handler_;
    DesktopEntries entries_;
};

}  // namespace

FrontmostApp identifyApplication(const WindowClassInfo& info, DesktopEntries& entries) {
    FrontmostApp app;
    std::optional<DesktopEntry> entry;
    if (info.gtkApplicationID) {
        app.bundleID = info.gtkApplicationID;
        entry = entries.byID(*info.gtkApplicationID);
    } else {
        if (info.wmClass) entry = entries.byStartupWMClass(*info.wmClass);
        if (!entry && info.wmInstance) entry = entries.byStartupWMClass(*info.wmInstance);
        if (!entry && info.wmInstance) entry = entries.byIDIgnoringCase(*info.wmInstance);
        if (!entry && info.wmClass) entry = entries.byIDIgnoringCase(*info.wmClass);
        if (entry)
            app.bundleID = entry->id;
        else
            app.bundleID = info.wmClass ? info.wmClass : info.wmInstance;
    }
    if (entry)
        app.name = entry->name;
    else
        app.name = info.wmClass ? info.wmClass : info.wmInstance;
    return app;
}

std::unique_ptr<FrontmostAppSource> makeX11FrontmostAppSource() {
    const char* display = std::getenv("DISPLAY");
    if (display && *display) {
        x11::initXlib();
        if (Display* d = XOpenDisplay(display)) return std::make_unique<X11FrontmostAppSource>(d);
    }
    return nullptr;
}

}  // namespace tocko
