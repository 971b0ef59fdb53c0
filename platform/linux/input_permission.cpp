// Input access on Linux: granted when a tap backend hears every application;
// partial when only XWayland's X11 windows are heard.

#include "input/key_tap.h"
#include "platform/linux/linux_platform.h"
#include "platform/platform.h"

namespace tocko {

namespace {

class BackendInputPermission : public InputPermission {
public:
    explicit BackendInputPermission(std::shared_ptr<TapBackendFactory> backends)
        : backends_(std::move(backends)) {}
    bool preflight() override {
        if (backends_ == systemTapBackendFactory()) return listenAccessGranted();
        return backends_->canListen();
    }
    bool partial() override {
        return backends_ == systemTapBackendFactory() && listenAccess() == ListenAccess::partial;
    }
    void request() override {
        // There is no system prompt; the system backends log how to grant access.
        if (backends_ == systemTapBackendFactory()) requestListenAccess();
    }

private:
    std::shared_ptr<TapBackendFactory> backends_;
};

}  // namespace

std::shared_ptr<InputPermission> makeInputPermission(std::shared_ptr<TapBackendFactory> backends) {
    return std::make_shared<BackendInputPermission>(std::move(backends));
}

}  // namespace tocko
