#pragma once
// One Tocko per user session. The first launch owns the application id on
// the session bus and serves the control verbs there; a later launch hands
// its request to it and exits, and `tocko VERB` is such a launch.

#include <QString>
#include <memory>
#include <optional>

#include "app/app_control.h"
#include "app/command_line.h"
#include "platform/linux/session_bus_name.h"

namespace tocko {

class AppState;
class ControlService;

// Everything but Action::Run: help, version, usage errors, and verbs sent to
// the running instance (this makes its own QCoreApplication). Returns the
// exit code.
int runCommand(const CommandLine& command, int argc, char** argv);
// Tells a running Tocko, if any, that a pack was stored; quiet otherwise.
void announcePackImported(const QString& id, int argc, char** argv);

class SingleInstance {
public:
    SingleInstance();
    ~SingleInstance();

    // With the application object built and before anything listens to the
    // keyboard: owns the bus name, or hands this launch to the running
    // instance. An exit code means this process is done.
    std::optional<int> start(const CommandLine& command);

    // Serves the verbs over `state` from now on (when the name is owned).
    void serve(AppState& state, AppControl::Hooks hooks);

    // The name, for other objects of the running instance to register beside
    // the control object.
    SessionBusName& bus() { return *bus_; }

private:
    std::unique_ptr<SessionBusName> bus_;
    std::unique_ptr<AppControl> control_;
    std::unique_ptr<ControlService> service_;
};

}  // namespace tocko
