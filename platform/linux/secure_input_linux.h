#pragma once
// Secure input on Linux. The keys of a password still reach us, so we must
// know ourselves when a secret is typed: the focused accessible object is a
// password field (AT-SPI), the session is locked (logind, screensavers), or
// a passphrase prompt is the application in front. All of it is event
// driven on the main thread; only roles and application names are read,
// never any text.

#include <memory>
#include <optional>
#include <string>

#include "context/secure_input_monitor.h"

namespace tocko {

// Where the probe listens. An absent field means the desktop's own.
struct SecureInputBuses {
    // Address of the accessibility bus: by default AT_SPI_BUS_ADDRESS, else
    // the answer of org.a11y.Bus on the session bus. Empty: none.
    std::optional<std::string> accessibility;
    // Address of the session bus (screensavers, org.a11y.Bus).
    std::optional<std::string> session;
    // Address of the system bus (logind).
    std::optional<std::string> system;
    // logind's object path of our session: by default the session named by
    // XDG_SESSION_ID, else the one of this process, else the user's display
    // session.
    std::optional<std::string> loginSession;
};

// The holder named while the session is locked.
inline constexpr const char* kLockScreenHolder = "the lock screen";

std::unique_ptr<SecureInputProbe> makeLinuxSecureInputProbe(SecureInputBuses buses = {});

// Whether an application, by its id (desktop file id, app_id or WM_CLASS) or
// its name, is a prompt that asks for a secret: pinentry, polkit agents, the
// keyring prompter, ssh-askpass variants, KWallet.
bool isSecretPrompt(const std::optional<std::string>& appID, const std::optional<std::string>& name);

}  // namespace tocko
