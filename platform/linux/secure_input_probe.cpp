// The platform's probe: password fields, the session lock and passphrase
// prompts, watched over D-Bus (platform/linux/secure_input_linux.cpp).

#include <memory>

#include "context/secure_input_monitor.h"
#include "platform/linux/linux_platform.h"
#include "platform/linux/secure_input_linux.h"

namespace tocko {

std::unique_ptr<SecureInputProbe> makeSecureInputProbe() { return makeLinuxSecureInputProbe(); }

}  // namespace tocko
