#include "platform/linux/x11_backend.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <sys/epoll.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <mutex>

#include "platform/linux/evdev_reader.h"
#include "platform/linux/x11_errors.h"

namespace tocko {

namespace {

// Protocol errors on the tap's connections are logged instead of ending the
// process; a lost connection returns to the display's exit handler, which
// marks the tap broken so that Xlib calls on it return at once.
void logProtocolError(int errorCode, int requestCode) {
    Logger("KeyTap").error("X protocol error {} on request {}", {pub(static_cast<long long>(errorCode)),
                                                                 pub(static_cast<long long>(requestCode))});
}

// Xlib itself is initialised for threads, but the extension libraries keep
// process-wide records that they create and extend without a lock (libXi's
// on the first XInput request of each display). Opening a connection on one
// thread (the listen check) while another opens or closes one (the tap)
// corrupts the heap, so every open, extension set-up and close of these
// connections takes this lock.
std::mutex gXlibSetupMutex;

struct Connection {
    Display* display = nullptr;
    int opcode = -1;
};

void disconnectLocked(Display* display) {
    XCloseDisplay(display);
    x11::releaseDisplay(display);
}

// Opens the display and checks for XInput 2; nothing is logged.
Connection connect(const std::string& displayName, std::string* why) {
    x11::initXlib();
    std::lock_guard setup(gXlibSetupMutex);
    Connection c;
    c.display = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
    if (!c.display) {
        *why = "cannot open the display";
        return c;
    }
    x11::adoptDisplay(c.display, logProtocolError);
    int event = 0, error = 0, major = 2, minor = 2;
    if (!XQueryExtension(c.display, "XInputExtension", &c.opcode, &event, &error)) {
        *why = "no XInput extension";
    } else if (XIQueryVersion(c.display, &major, &minor) != Success || major < 2) {
        *why = "XInput 2 missing";
    } else {
        return c;
    }
    disconnectLocked(c.display);
    c.display = nullptr;
    return c;
}

void disconnect(Display* display) {
    std::lock_guard setup(gXlibSetupMutex);
    disconnectLocked(display);
}

}  // namespace

std::shared_ptr<X11Tap> X11Tap::open(const std::string& displayName) {
    std::string why;
    const Connection c = connect(displayName, &why);
    const char* shownName = displayName.empty() ? XDisplayName(nullptr) : displayName.c_str();
    if (!c.display) {
        Logger("KeyTap").error("X display {} unusable: {}", {pub(shownName ? shownName : ""), pub(why)});
        return nullptr;
    }
    auto tap = std::make_shared<X11Tap>();
    tap->displayName_ = displayName;
    if (!tap->loop_.valid()) {  // the kernel refused an epoll set
        disconnect(c.display);
        return nullptr;
    }
    if (!tap->attach(c.display, c.opcode) || !tap->watchConnection()) return nullptr;
    return tap;
}

bool X11Tap::attach(Display* display, int opcode) {
    display_ = display;
    opcode_ = opcode;
    broken_.store(false);
    held_.reset();
    // A lost server connection must end this connection, not the process.
    XSetIOErrorExitHandler(display, &X11Tap::onConnectionBroken, this);

    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XISetMask(bits, XI_RawButtonPress);
    XIEventMask mask{XIAllMasterDevices, static_cast<int>(sizeof bits), bits};
    {
        std::lock_guard setup(gXlibSetupMutex);
        XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
        XSync(display, False);
    }
    return !broken_.load();
}

X11Tap::~X11Tap() {
    stopReconnecting();
    if (display_) disconnect(display_);
}

void X11Tap::onConnectionBroken(Display*, void* self) { static_cast<X11Tap*>(self)->broken_.store(true); }

bool X11Tap::watchConnection() {
    if (loop_.addFd(ConnectionNumber(display_), [this](uint32_t events) { drain(events); })) return true;
    log_.error("Cannot watch the X connection");
    return false;
}

void X11Tap::run(TapCallback callback) {
    callback_ = std::move(callback);
    drain(0);  // anything Xlib queued during setup
    loop_.run();
    stopReconnecting();
    callback_ = nullptr;
}

void X11Tap::drain(uint32_t epollEvents) {
    if (!display_) return;
    while (!broken_.load() && XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != opcode_) continue;
        if (!XGetEventData(display_, cookie)) continue;
        handle(cookie->evtype, cookie->data);
        XFreeEventData(display_, cookie);
    }
    if (broken_.load() || (epollEvents & (EPOLLHUP | EPOLLERR))) connectionLost();
}

void X11Tap::handle(int evtype, const void* rawEvent) {
    const auto* raw = static_cast<const XIRawEvent*>(rawEvent);
    const int detail = raw->detail;
    switch (evtype) {
        case XI_RawKeyPress: {
            // X key codes are evdev codes plus 8.
            if (detail < 8 || detail > 255 || isModifierKeyCode(static_cast<unsigned>(detail - 8))) return;
            // The server reports a press of a key that is already down as a
            // repeat; some sources do not set the flag on raw events.
            const bool repeat = (raw->flags & XIKeyRepeat) || held_.test(detail);
            held_.set(detail);
            if (enabled_.load(std::memory_order_relaxed))
                callback_(TapEvent{TapEventType::KeyDown, static_cast<uint16_t>(detail - 8), repeat});
            return;
        }
        case XI_RawKeyRelease: {
            if (detail < 8 || detail > 255) return;
            // Only a key seen going down: not one held since before the tap opened.
            const bool wasHeld = held_.test(detail);
            held_.reset(detail);
            if (!wasHeld || isModifierKeyCode(static_cast<unsigned>(detail - 8))) return;
            if (enabled_.load(std::memory_order_relaxed))
                callback_(TapEvent{TapEventType::KeyUp, static_cast<uint16_t>(detail - 8), false});
            return;
        }
        case XI_RawButtonPress:
            if (raw->flags & XIPointerEmulated) return;  // a touch, not a button
            if (!enabled_.load(std::memory_order_relaxed)) return;
            if (detail == 1) callback_(TapEvent{TapEventType::LeftMouseDown});
            if (detail == 3) callback_(TapEvent{TapEventType::RightMouseDown});
            return;
        default:
            return;
    }
}

void X11Tap::connectionLost() {
    broken_.store(true);
    if (!display_) return;
    log_.error("X display connection lost; listening again once a display answers");
    trace("KeyTap", "X display connection lost; listening again once a display answers");
    loop_.removeFd(ConnectionNumber(display_));
    // Xlib leaves a broken display locked to the thread that found it broken:
    // it has to be closed here, on the tap thread, not by whoever drops the tap.
    disconnect(display_);
    display_ = nullptr;
    startReconnecting();
}

// A restarted X server (or one started later) is picked up again: the loop
// tries to connect once a second until a display answers with XInput 2.
void X11Tap::startReconnecting() {
    if (retryFd_ >= 0) return;
    retryFd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (retryFd_ < 0) return;
    const itimerspec every{{kReconnectSeconds, 0}, {kReconnectSeconds, 0}};
    timerfd_settime(retryFd_, 0, &every, nullptr);
    if (!loop_.addFd(retryFd_, [this](uint32_t) { tryReconnect(); })) stopReconnecting();
}

void X11Tap::stopReconnecting() {
    if (retryFd_ < 0) return;
    loop_.removeFd(retryFd_);
    ::close(retryFd_);
    retryFd_ = -1;
}

void X11Tap::tryReconnect() {
    uint64_t expirations = 0;
    [[maybe_unused]] ssize_t n = ::read(retryFd_, &expirations, sizeof expirations);
    std::string why;
    const Connection c = connect(displayName_, &why);
    if (!c.display) return;
    if (!attach(c.display, c.opcode)) {
        disconnect(c.display);
        display_ = nullptr;
        broken_.store(true);
        return;
    }
    stopReconnecting();
    if (!watchConnection()) return;
    log_.info("X display answers again; listening");
    trace("KeyTap", "X display answers again; listening");
    drain(0);
}

bool X11TapFactory::canListen() {
    std::string why;
    const Connection c = connect(displayName_, &why);
    if (!c.display) return false;
    disconnect(c.display);
    return true;
}

std::shared_ptr<EventTap> X11TapFactory::createTap() { return X11Tap::open(displayName_); }

}  // namespace tocko
