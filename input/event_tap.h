#pragma once
// The narrow interface between KeyTap and the platform's input backends.
//
// A backend opens an event tap: a listen-only source of key-down, key-up and
// left/right mouse-down events. The tap hands its descriptors to a RunLoop
// through a RunLoopSource and reports each event it was asked for to the
// tap callback on the loop's thread. It never alters, swallows or grabs input.

#include <cstdint>
#include <functional>
#include <memory>

namespace tocko {

class RunLoop;

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

// A tap's registration on one run loop. Both calls are made on the loop's thread.
class RunLoopSource {
public:
    virtual ~RunLoopSource() = default;
    virtual void addTo(RunLoop& loop) = 0;
    virtual void removeFrom(RunLoop& loop) = 0;
};

class EventTap {
public:
    virtual ~EventTap() = default;
    virtual std::shared_ptr<RunLoopSource> createRunLoopSource() = 0;
    // While disabled, events are read and dropped. Safe from any thread.
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
};

class TapBackendFactory {
public:
    virtual ~TapBackendFactory() = default;
    // Whether a tap could listen right now. Quiet and cheap enough for polling.
    virtual bool canListen() = 0;
    // Opens a tap that will report to `callback` once its source is on a run
    // loop; nullptr when it cannot listen. Called on the tap thread.
    virtual std::shared_ptr<EventTap> createTap(TapCallback callback) = 0;
};

}  // namespace tocko
