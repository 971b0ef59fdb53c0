#pragma once
// The Linux platform: the bundle of platform/platform.h filled with the
// backends of this folder, and the backends themselves for their tests.

#include <memory>
#include <string>

#include "platform/linux/journal_log_sink.h"
#include "platform/linux/listen_access.h"
#include "platform/platform.h"

namespace tocko {

// Every service of this folder; the login item starts `executablePath`.
Platform makeLinuxPlatform(const std::string& executablePath);

// TOCKO_AUDIO_OUTPUT=null selects the null output (capture file from
// TOCKO_AUDIO_CAPTURE); otherwise the audio server through libpulse.
std::unique_ptr<AudioOutput> makeDefaultOutput();

// Permission as the tap backends see it; request() logs how to grant access
// when they are the system's.
std::shared_ptr<InputPermission> makeInputPermission(std::shared_ptr<TapBackendFactory> backends);

// The session's own source: on a Wayland session the compositor's (wlroots
// foreign toplevels, the KWin script, the GNOME Shell extension), else X11
// EWMH _NET_ACTIVE_WINDOW on a connection of its own; where none exists, a
// source that reports nothing and says so through frontmostAvailable().
std::unique_ptr<FrontmostAppSource> makeFrontmostAppSource();
// The audio server's default source through libpulse.
std::unique_ptr<InputDeviceSystem> makeInputDeviceSystem();
std::unique_ptr<SecureInputProbe> makeSecureInputProbe();

// pkexec (polkit) running the fixed grant script: a udev "uaccess" rule for
// keyboards and mice where systemd-logind manages the seat, otherwise the
// input group for the user who asked.
std::shared_ptr<InputAccessGranter> makeInputAccessGranter();
// The script pkexec runs as root: its one argument is "uaccess" or "group".
std::string inputAccessGrantScript();
// The commands a user can type to grant the access by hand.
std::string manualInputAccessCommands();

// XDG autostart entry "tocko.desktop" in $XDG_CONFIG_HOME/autostart (default
// ~/.config/autostart) that starts `executablePath`.
std::shared_ptr<LoginItemService> makeLoginItemService(std::string executablePath);
// The bell through paplay.
ForeignSoundPlayer makeBellPlayer();

}  // namespace tocko

namespace tocko::ui {

class RunningAppsSource;
// The X11 client list (_NET_CLIENT_LIST) named like the frontmost
// application; nothing without an X display.
std::unique_ptr<RunningAppsSource> makeRunningAppsSource();

}  // namespace tocko::ui
