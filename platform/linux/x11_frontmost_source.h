#pragma once
#include <memory>
#include <optional>
#include <string>

#include "context/workspace_monitor.h"
#include "platform/linux/desktop_entries.h"

namespace tocko {

// What an X11 window says about its application, and the desktop file it
// matches: the id comes from _GTK_APPLICATION_ID, else the desktop file whose
// StartupWMClass (or id) matches WM_CLASS, else WM_CLASS itself; the name
// from the desktop file, else WM_CLASS.
struct WindowClassInfo {
    std::optional<std::string> gtkApplicationID;
    std::optional<std::string> wmInstance;  // WM_CLASS res_name
    std::optional<std::string> wmClass;     // WM_CLASS res_class
};
FrontmostApp identifyApplication(const WindowClassInfo& info, DesktopEntries& entries);

// _NET_ACTIVE_WINDOW of the X display in $DISPLAY; null without one.
std::unique_ptr<FrontmostAppSource> makeX11FrontmostAppSource();

}  // namespace tocko
