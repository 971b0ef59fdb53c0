#pragma once
// Giving the user read access to keyboards and mice, for a system where the
// permission reads as missing: one fixed command, run as root after the
// desktop's administrator prompt. The Linux implementation lives in
// platform/linux/input_access_grant.cpp.

#include <functional>
#include <memory>
#include <string>

namespace tocko {

enum class InputAccessGrant {
    idle,           // nothing asked yet
    asking,         // the administrator prompt is up
    granted,        // in force now; the permission poll sees it
    needsNewLogin,  // added to the input group: in force from the next login
    notGranted,     // the prompt was dismissed or the command failed
    unavailable,    // no administrator prompt on this system (pkexec missing)
};

// "granted", "needsNewLogin"...: the trace and journal spelling.
const char* grantText(InputAccessGrant grant);

class InputAccessGranter {
public:
    virtual ~InputAccessGranter() = default;
    // Starts the grant; `done` runs later on the main thread with granted,
    // needsNewLogin, notGranted or unavailable.
    virtual void grant(std::function<void(InputAccessGrant)> done) = 0;
    // The shell command that takes back what grant() gives and is in place
    // now; empty when there is nothing to take back.
    virtual std::string undoCommand() = 0;
};

}  // namespace tocko
