#include "platform/linux/bell.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/linux/linux_platform.h"
#include "platform/platform.h"

extern char** environ;

namespace tocko {

namespace {

void put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v & 0xff));
    out.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t((v >> (8 * i)) & 0xff));
}
void putTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

std::string temporaryFolder() {
    for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"})
        if (const char* dir = std::getenv(name); dir != nullptr && dir[0] == '/') return dir;
    return "/tmp";
}

}  // namespace

std::vector<uint8_t> bellWav() {
    constexpr uint32_t rate = 48000;
    constexpr uint32_t frames = rate * 35 / 100;
    constexpr double pi = 3.14159265358979323846;
    std::vector<uint8_t> out;
    out.reserve(44 + frames * 2);
    putTag(out, "RIFF");
    put32(out, 36 + frames * 2);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    putTag(out, "data");
    put32(out, frames * 2);
    for (uint32_t i = 0; i < frames; ++i) {
        const double t = double(i) / rate;
        const double attack = std::min(1.0, t / 0.002);
        const double s = attack * (0.5 * std::exp(-t * 9.0) * std::sin(2 * pi * 880.0 * t) +
                                   0.2 * std::exp(-t * 14.0) * std::sin(2 * pi * 2217.0 * t));
        put16(out, uint16_t(int16_t(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0))));
    }
    return out;
}

int playBellWith(const std::string& player) {
    const std::string path = temporaryFolder() + "/tocko-bell-" + std::to_string(getpid()) + ".wav";
    {
        FILE* f = std::fopen(path.c_str(), "wb");
        if (f == nullptr) return -1;
        const std::vector<uint8_t> bytes = bellWav();
        const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        if (std::fclose(f) != 0 || !ok) {
            std::remove(path.c_str());
            return -1;
        }
    }
    std::string roleProperty = "--property=media.role=event";
    char* argv[] = {const_cast<char*>(player.c_str()), roleProperty.data(), const_cast<char*>(path.c_str()),
                    nullptr};
    pid_t pid = 0;
    int status = -1;
    if (posix_spawnp(&pid, player.c_str(), nullptr, nullptr, argv, environ) == 0) {
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::remove(path.c_str());
    return status;
}

ForeignSoundPlayer makeBellPlayer() {
    return [] { playBellWith("paplay"); };
}

}  // namespace tocko
