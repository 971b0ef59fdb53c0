// Xlib reports errors through one process-wide handler whose default ends the
// process. Tocko's own display connections (the input tap, the frontmost
// window watch, the running-application list) are adopted here: errors on
// them are ignored or reported and never end the process, while every other
// connection in the process (Qt's) keeps the handler it had before.

#pragma once

// Kept free of Xlib's header, whose macros (Bool, Status) clash with Qt's.
struct _XDisplay;
typedef struct _XDisplay Display;

namespace tocko::x11 {

// Called on the thread that made the failing request; must not call Xlib.
using ProtocolErrorReport = void (*)(int errorCode, int requestCode);

// Calls XInitThreads and installs the process-wide handlers, once. Call it
// before opening a display on a thread other than the main one.
void initXlib();

// From now on protocol errors on `display` go to `report` (or are ignored when
// it is null), and a lost connection returns to the display's exit handler
// (XSetIOErrorExitHandler) instead of ending the process.
void adoptDisplay(Display* display, ProtocolErrorReport report = nullptr);

// Call after XCloseDisplay, so that errors flushed by the close stay ours.
void releaseDisplay(Display* display);

}  // namespace tocko::x11
