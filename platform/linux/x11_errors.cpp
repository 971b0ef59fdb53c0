#include "platform/linux/x11_errors.h"

#include <X11/Xlib.h>

#include <map>
#include <mutex>

namespace tocko::x11 {

namespace {

std::mutex gMutex;
// A multimap: a closed display's address can be reused by a connection
// opened elsewhere before the closing side has released it.
std::multimap<Display*, ProtocolErrorReport> gOurDisplays;
XErrorHandler gPreviousHandler = nullptr;
XIOErrorHandler gPreviousIOHandler = nullptr;

int onProtocolError(Display* display, XErrorEvent* event) {
    XErrorHandler previous = nullptr;
    ProtocolErrorReport report = nullptr;
    bool ours = false;
    {
        std::lock_guard lock(gMutex);
        auto it = gOurDisplays.find(display);
        ours = it != gOurDisplays.end();
        if (ours)
            report = it->second;
        else
            previous = gPreviousHandler;
    }
    if (ours) {
        if (report) report(event->error_code, event->request_code);
        return 0;
    }
    return previous ? previous(display, event) : 0;
}

int onConnectionLost(Display* display) {
    XIOErrorHandler previous;
    {
        std::lock_guard lock(gMutex);
        if (gOurDisplays.count(display)) return 0;
        previous = gPreviousIOHandler;
    }
    return previous ? previous(display) : 0;
}

}  // namespace

void initXlib() {
    static std::once_flag once;
    std::call_once(once, [] {
        XInitThreads();
        XErrorHandler previous = XSetErrorHandler(onProtocolError);
        XIOErrorHandler previousIO = XSetIOErrorHandler(onConnectionLost);
        std::lock_guard lock(gMutex);
        gPreviousHandler = previous;
        gPreviousIOHandler = previousIO;
    });
}

void adoptDisplay(Display* display, ProtocolErrorReport report) {
    initXlib();
    std::lock_guard lock(gMutex);
    gOurDisplays.emplace(display, report);
}

void releaseDisplay(Display* display) {
    std::lock_guard lock(gMutex);
    auto it = gOurDisplays.find(display);
    if (it != gOurDisplays.end()) gOurDisplays.erase(it);
}

}  // namespace tocko::x11
