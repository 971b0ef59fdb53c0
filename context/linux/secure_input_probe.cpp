// No client on X11 or Wayland can see whether another program has grabbed
// the keyboard for secure entry, so the probe answers "off". Holder names,
// for when a process id is known, come from /proc.

#include <memory>

#include "context/linux/proc_names.h"
#include "context/secure_input_monitor.h"

namespace tocko {

namespace {
class LinuxSecureInputProbe final : public SecureInputProbe {
public:
    bool isSecureInputEnabled() override { return false; }
    std::optional<int32_t> holderPID() override { return std::nullopt; }
    std::optional<std::string> applicationName(int32_t pid) override { return processName(pid); }
};
}  // namespace

std::unique_ptr<SecureInputProbe> makeSecureInputProbe() { return std::make_unique<LinuxSecureInputProbe>(); }

}  // namespace tocko
