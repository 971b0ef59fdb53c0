#pragma once
// The narrow interface between KeyTap and the platform's input backends.
//
// A backend opens an event tap: a listen-only source of key-down, key-up and
// left/right mouse-down events. It never alters, swallows or grabs input.
//
// Contract of an EventTap:
//  * run(callback) runs the tap's own event loop on the calling thread (the
//    tap thread KeyTap creates) and hands every event, in order, to
//    `callback` on that thread, until stop(). The callback is never called
//    after run() has returned, nor from any other thread. run() is called at
//    most once per tap.
//  * stop() may be called from any thread, before, during or after run(); it
//    makes run() return soon (after the callback in progress, if any) and a
//    later run() return at once. It does not wait.
//  * setEnabled()/isEnabled() are safe from any thread. While disabled,
//    events are read and dropped. A tap starts disabled.
//  * Everything a backend needs to wait on (descriptors, timers, a
//    connection to a display server) is the backend's own business.

#include <cstdint>
#include <functional>
#include <memory>

namespace tocko {

// The only events a tap reports. Modifier-only changes, scrolling, motion and
// other buttons are never asked for.
enum class TapEventType : uint8_t {
    LeftMouseDown,
    RightMouseDown,
    KeyDown,
    // A key other than a modifier went up.
    KeyUp,
    // The system stopped delivering to the tap because the reader fell behind
    // (evdev: the kernel dropped events, SYN_DROPPED). The tap is disabled
    // until the callback enables it again; missed events are not replayed.
    TapDisabledByTimeout,
};

struct TapEvent {
    TapEventType type;
    uint16_t keyCode = 0;     // KeyDown, KeyUp: evdev key code
    bool autorepeat = false;  // KeyDown: an auto-repeat of a held key
};

using TapCallback = std::function<void(const TapEvent&)>;

class EventTap {
public:
    virtual ~EventTap() = default;
    // Services the tap on the calling thread until stop(); see above.
    virtual void run(TapCallback callback) = 0;
    // Ends run(), now or as soon as it starts. Any thread; does not wait.
    virtual void stop() = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
};

class TapBackendFactory {
public:
    virtual ~TapBackendFactory() = default;
    // Whether a tap could listen right now. Quiet and cheap enough for polling.
    virtual bool canListen() = 0;
    // Opens a tap, not yet running; nullptr when it cannot listen. Called on
    // the tap thread, which then calls run() on it.
    virtual std::shared_ptr<EventTap> createTap() = 0;
};

}  // namespace tocko
