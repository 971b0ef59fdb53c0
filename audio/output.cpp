#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "audio/linux/pulse_output.h"
#include "audio/null_output.h"

namespace tocko {

std::unique_ptr<AudioOutput> makeDefaultOutput() {
    const char* choice = std::getenv("TOCKO_AUDIO_OUTPUT");
    if (choice != nullptr && std::strcmp(choice, "null") == 0) {
        NullOutput::Options options;
        if (const char* capture = std::getenv("TOCKO_AUDIO_CAPTURE")) options.capturePath = capture;
        return std::make_unique<NullOutput>(options);
    }
    return std::make_unique<PulseOutput>();
}

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
