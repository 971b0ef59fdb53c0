#pragma once
// The platform services the application state relies on, each behind a
// narrow interface: the input-access permission, the login item, the
// foreign sound of the audio self-check and the localization lookups of its
// check. Linux backends live in app/linux, fakes for tests in
// app/fake_platform.h.

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tocko {

class TapBackendFactory;

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

// Permission as the tap backends see it; request() logs how to grant access.
std::shared_ptr<InputPermission> makeInputPermission(std::shared_ptr<TapBackendFactory> backends);

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

// XDG autostart entry "tocko.desktop" in $XDG_CONFIG_HOME/autostart (default
// ~/.config/autostart) that starts `executablePath`.
std::shared_ptr<LoginItemService> makeLoginItemService(std::string executablePath);

// Plays a short system sound from another process through the audio server
// and waits until that process has ended. Failures are ignored.
using ForeignSoundPlayer = std::function<void()>;
ForeignSoundPlayer makeBellPlayer();

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

}  // namespace tocko
