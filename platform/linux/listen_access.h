#pragma once
// The system's tap backends (evdev, then X11 XInput 2) and what "permission
// to listen" means on Linux. Below Qt: the core-only builds use it too.

#include <memory>
#include <string>

#include "input/key_tap.h"

namespace tocko {

// The backends the running system offers. TOCKO_INPUT_BACKEND=evdev or =x11
// forces one; otherwise evdev when a keyboard device is readable, else X11.
std::shared_ptr<TapBackendFactory> systemTapBackendFactory();
// What the system backends can hear now. Quiet; fit for polling.
enum class ListenAccess {
    none,     // nothing readable
    partial,  // only XWayland's XInput 2: X11 windows of a Wayland session
    full,     // a readable evdev keyboard, or XInput 2 of an X11 session
};
ListenAccess listenAccess();
// Whether the desktop session is a Wayland one (XDG_SESSION_TYPE, WAYLAND_DISPLAY).
bool isWaylandSession();
// Input access counts as granted only when every application is heard.
bool listenAccessGranted();
// How the user grants input access on Linux (there is no system prompt).
std::string listenAccessHelpText();
// Asks for input access: Linux has no prompt, so when access is missing this
// logs how to grant it. Returns whether access is granted now.
bool requestListenAccess();

}  // namespace tocko
