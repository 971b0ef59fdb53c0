#include "audio/output.h"

#include <cstdlib>
#include <filesystem>

namespace tocko {

std::string defaultSoundsDirectory() {
    if (const char* dir = std::getenv("TOCKO_RESOURCES")) return std::string(dir) + "/sounds";
    // Installed: <prefix>/bin/tocko beside <prefix>/share/tocko/sounds.
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const auto installed = exe.parent_path().parent_path() / "share/tocko/sounds";
        if (std::filesystem::is_directory(installed, ec)) return installed.string();
    }
    return TOCKO_RESOURCE_DIR "/sounds";
}

}  // namespace tocko
