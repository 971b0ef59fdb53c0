#include <cstdlib>
#include <filesystem>

#include "platform/platform.h"

namespace tocko {

std::string resourcesDirectory() {
    if (const char* dir = std::getenv("TOCKO_RESOURCES")) return dir;
    // Installed: <prefix>/bin/tocko beside <prefix>/share/tocko.
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const auto installed = exe.parent_path().parent_path() / "share/tocko";
        if (std::filesystem::is_directory(installed / "sounds", ec)) return installed.string();
    }
    return TOCKO_RESOURCE_DIR;
}

}  // namespace tocko
