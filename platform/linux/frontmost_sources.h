#pragma once
// The frontmost-application sources of Wayland compositors, each behind
// FrontmostAppSource, and the one identity they share with X11: the desktop
// file id (a Wayland app_id, a KWin desktopFileName, a GNOME app id without
// ".desktop"), named from the installed desktop entries.

#include <QByteArray>
#include <memory>
#include <optional>
#include <string>

#include "context/workspace_monitor.h"

namespace tocko {

// Installs Tocko's GNOME Shell extension for this user from
// `extensionsRoot` (<root>/<uuid> for GNOME 40-44, <root>/45/<uuid> for
// GNOME 45 and later) and asks the Shell to enable it; false with a
// readable reason.
bool enableGnomeExtension(const std::string& extensionsRoot, std::string& error);

class DesktopEntries;

// The application behind a Wayland app_id (or a compositor's desktop file
// name): the desktop entry with that id, else the one whose StartupWMClass
// or id matches ignoring case (app_ids of X11-era toolkits), else the app_id
// itself, named by the entry or, without one, by the app_id. `fallbackName`
// (a window caption) names an app_id-less window.
FrontmostApp identifyAppID(const std::optional<std::string>& appID, DesktopEntries& entries,
                           const std::optional<std::string>& fallbackClass = std::nullopt);

// wlroots compositors: zwlr_foreign_toplevel_manager_v1 on $WAYLAND_DISPLAY.
// Null when there is no Wayland display or it does not offer the protocol.
// A compositor that goes away leaves the last report standing; the source
// reconnects when one comes back.
std::unique_ptr<FrontmostAppSource> makeWlrFrontmostAppSource();

// Where a D-Bus reporter runs: the compositor's well-known name whose owner
// alone may call Activated on Tocko's focus object.
enum class FocusReporter { KWinScript, GnomeShellExtension };

// KDE Plasma (KWin script loaded through org.kde.kwin.Scripting) or GNOME
// Shell (the extension shipped with Tocko). Registers the focus object on the
// session bus and claims "com.pollix.Tocko" if nobody in this process has.
// Null without a session bus.
std::unique_ptr<FrontmostAppSource> makeDBusFrontmostAppSource(FocusReporter reporter);

// The KWin script loaded through org.kde.kwin.Scripting: it reports every
// window activation (desktop file name, resource class, caption, pid).
QByteArray kwinFocusScript();

}  // namespace tocko
