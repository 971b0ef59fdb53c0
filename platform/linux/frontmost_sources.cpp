// Which source tells the application in front on this session, and the
// identity all of them share.

#include "platform/linux/frontmost_sources.h"

#include <cstdlib>
#include <string_view>

#include "platform/linux/desktop_entries.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/x11_frontmost_source.h"

namespace tocko {

namespace {

class NoFrontmostAppSource final : public FrontmostAppSource {
public:
    FrontmostAvailability availability() override { return FrontmostAvailability::NotOnThisDesktop; }
    FrontmostApp frontmost() override { return {}; }
    void observe(Handler) override {}
};

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

bool desktopIs(std::string_view name) {
    // XDG_CURRENT_DESKTOP is a colon-separated list ("ubuntu:GNOME").
    const std::string desktops = env("XDG_CURRENT_DESKTOP");
    size_t start = 0;
    while (start <= desktops.size()) {
        size_t end = desktops.find(':', start);
        if (end == std::string::npos) end = desktops.size();
        if (std::string_view(desktops).substr(start, end - start) == name) return true;
        start = end + 1;
    }
    return false;
}

std::unique_ptr<FrontmostAppSource> choose() {
    // TOCKO_FRONTMOST_SOURCE=wlr|kwin|gnome|x11|none picks one for tests and
    // for sessions that describe themselves wrongly.
    const std::string forced = env("TOCKO_FRONTMOST_SOURCE");
    if (forced == "wlr") return makeWlrFrontmostAppSource();
    if (forced == "kwin") return makeDBusFrontmostAppSource(FocusReporter::KWinScript);
    if (forced == "gnome") return makeDBusFrontmostAppSource(FocusReporter::GnomeShellExtension);
    if (forced == "x11") return makeX11FrontmostAppSource();
    if (forced == "none") return nullptr;

    // On a Wayland session XWayland's active window knows X11 windows only,
    // so the compositor is asked first and X11 is no answer for native apps.
    const bool wayland = !env("WAYLAND_DISPLAY").empty() || env("XDG_SESSION_TYPE") == "wayland";
    if (!wayland) return makeX11FrontmostAppSource();
    if (auto wlr = makeWlrFrontmostAppSource()) return wlr;
    if (desktopIs("KDE")) return makeDBusFrontmostAppSource(FocusReporter::KWinScript);
    if (desktopIs("GNOME")) return makeDBusFrontmostAppSource(FocusReporter::GnomeShellExtension);
    return nullptr;
}

}  // namespace

std::unique_ptr<FrontmostAppSource> makeFrontmostAppSource() {
    auto source = choose();
    if (!source) {
        Logger("WorkspaceMonitor").info("No way to tell the frontmost application on this desktop");
        return std::make_unique<NoFrontmostAppSource>();
    }
    return source;
}

FrontmostApp identifyAppID(const std::optional<std::string>& appID, DesktopEntries& entries,
                           const std::optional<std::string>& fallbackClass) {
    // A Wayland app_id is a desktop file id, or for older toolkits the
    // WM_CLASS the desktop file names: the same identity X11 windows get.
    WindowClassInfo info;
    if (appID) {
        if (auto entry = entries.byID(*appID)) return {entry->id, entry->name, std::nullopt};
        info.wmClass = appID;
    } else {
        info.wmClass = fallbackClass;
    }
    return identifyApplication(info, entries);
}

}  // namespace tocko
