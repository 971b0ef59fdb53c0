#pragma once
// The platform bundle: every service the portable core asks of the operating
// system, built once by the executable's entry (main/) and handed to AppState.
// Each service is a narrow interface; most are declared beside the subsystem
// that uses them and gathered here.
//
//   platform/linux/  the Linux backends, the only code that links system
//                    libraries (libpulse, libevdev, X11/XInput 2, libsystemd,
//                    wayland-client, the session bus)
//   platform/fake/   scripted stand-ins for the tests
//
// A new operating system is a new folder beside platform/linux with one
// function that fills a Platform, chosen by TOCKO_PLATFORM in CMake.
//
// Contract: every member is set by the platform except `permission`, which
// AppState derives from the tap backends when it is empty (asking then does
// nothing), `accessGranter` (no way to grant access from the app), and
// `logSink`, `threads` and `randomness`, which may be empty (no system log;
// threads keep their names and priority; the sound engine seeds its own
// generator).

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/input_access.h"
#include "audio/output.h"
#include "context/mic_monitor.h"
#include "context/secure_input_monitor.h"
#include "context/workspace_monitor.h"
#include "input/event_tap.h"
#include "support/log_sink.h"
#include "support/serial_queue.h"

namespace tocko {

// Permission to listen to the keyboard. Linux has no prompt: access comes
// from the input group, a udev uaccess rule or an X display with XInput 2.
class InputPermission {
public:
    virtual ~InputPermission() = default;
    // Whether a tap could hear every application now. Cheap and quiet
    // enough for polling.
    virtual bool preflight() = 0;
    // Whether, short of that, a fallback hears some applications (XWayland:
    // X11 windows only).
    virtual bool partial() { return false; }
    // Asks for access. Does not wait for the user.
    virtual void request() = 0;
};

// Permission as the tap backends see it: granted while they can listen, with
// nothing to ask. What a platform without a permission of its own gets.
class TapBackendPermission : public InputPermission {
public:
    explicit TapBackendPermission(std::shared_ptr<TapBackendFactory> backends)
        : backends_(std::move(backends)) {}
    bool preflight() override { return backends_->canListen(); }
    void request() override {}

protected:
    std::shared_ptr<TapBackendFactory> backends_;
};

// The application's login item.
class LoginItemService {
public:
    virtual ~LoginItemService() = default;
    // True only when the item exists and is enabled.
    virtual bool isEnabled() = 0;
    // Each returns false with a readable description on failure.
    virtual bool registerItem(std::string& error) = 0;
    virtual bool unregisterItem(std::string& error) = 0;
};

// Plays a short system sound from another process through the audio server
// and waits until that process has ended. Failures are ignored.
using ForeignSoundPlayer = std::function<void()>;

// What the localization self-check measures.
class LocalizationProbe {
public:
    virtual ~LocalizationProbe() = default;
    // Width in pixels of a text view showing `key` rendered offscreen for the
    // locale `localeId` ("en", "de"); 0 when nothing could be rendered.
    virtual double renderedWidth(const std::string& localeId, const std::string& key) = 0;
    // The translation of `key` from the German tables, falling back to the
    // lookup for the current locale when those are missing.
    virtual std::string germanTranslation(const std::string& key) = 0;
};

// Looks keys up with a Qt translator loaded from "tocko_<lang>.qm" in
// `translationsDir` (context "Tocko"; the application's tables are compiled
// in under ":/tocko/i18n") and renders with QPainter offscreen.
std::shared_ptr<LocalizationProbe> makeLocalizationProbe(std::string translationsDir);

// $TOCKO_RESOURCES; else <prefix>/share/tocko when the executable runs from
// <prefix>/bin; else the resources folder of the source tree (a build-tree
// run).
std::string resourcesDirectory();

// The services of one platform.
struct Platform {
    std::unique_ptr<AudioOutput> audioOutput;           // where the mixer renders
    std::shared_ptr<TapBackendFactory> tapBackends;     // key and mouse presses
    std::shared_ptr<InputPermission> permission;        // see the contract above
    std::shared_ptr<InputAccessGranter> accessGranter;  // the administrator prompt that grants access
    std::string inputAccessHelpText;                    // how the user grants input access
    std::string manualInputAccessCommands;              // the commands that grant it by hand
    std::unique_ptr<FrontmostAppSource> frontmost;      // the frontmost application
    std::unique_ptr<InputDeviceSystem> microphone;      // the default input device and its use
    std::unique_ptr<SecureInputProbe> secureInput;      // who holds secure keyboard entry
    std::shared_ptr<LoginItemService> loginItem;        // starting at login
    ForeignSoundPlayer foreignSound;                    // the audio self-check's system sound
    SystemLogSink logSink;                              // the system log
    ThreadControl threads;                              // thread names and priority
    std::function<uint32_t()> randomness;               // uniform in 0...2^24, the sounds' variation
    // Installs and enables the desktop's part of the frontmost source (the
    // GNOME Shell extension) from `resourcesRoot`; false with a reason.
    // Empty where the desktop needs none.
    std::function<bool(const std::string& resourcesRoot, std::string& error)> enableDesktopExtension;
};

}  // namespace tocko
