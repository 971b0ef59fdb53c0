// Input access on Linux: granted when a tap backend hears every application;
// partial when only XWayland's X11 windows are heard.

#include "input/key_tap.h"
#include "platform/linux/linux_platform.h"
#include "platform/platform.h"

namespace tocko {

namespace {

// The system backends (evdev, else X11) know how access is granted and what a
// partial grant is; any other factory is asked whether it can listen.
class SystemInputPermission : public TapBackendPermission {
public:
    using TapBackendPermission::TapBackendPermission;
    bool preflight() override { return listenAccessGranted(); }
    bool partial() override { return listenAccess() == ListenAccess::partial; }
    // There is no system prompt; the system backends log how to grant access.
    void request() override { requestListenAccess(); }
};

}  // namespace

std::shared_ptr<InputPermission> makeInputPermission(std::shared_ptr<TapBackendFactory> backends) {
    if (backends == systemTapBackendFactory())
        return std::make_shared<SystemInputPermission>(std::move(backends));
    return std::make_shared<TapBackendPermission>(std::move(backends));
}

}  // namespace tocko
