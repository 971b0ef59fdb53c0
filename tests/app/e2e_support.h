#pragma once
// What the end-to-end suites hear: the null sink's monitor as recorded to a
// WAV file, and the clicks in it.

#include <sndfile.h>

#include <cmath>
#include <string>
#include <vector>

namespace tocko::test {

inline constexpr int kMonitorRate = 48000;

// The first channel of a recording ({} when it cannot be read).
inline std::vector<float> readMono(const std::string& path) {
    SF_INFO info{};
    std::vector<float> all, mono;
    if (SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info)) {
        all.resize(size_t(info.frames) * size_t(info.channels));
        sf_readf_float(f, all.data(), info.frames);
        sf_close(f);
        for (size_t i = 0; i < size_t(info.frames); ++i) mono.push_back(all[i * size_t(info.channels)]);
    }
    return mono;
}

// Times (seconds from the first sample) at which a click starts: a sample
// above 0.05 after at least 80 ms below it.
inline std::vector<double> onsets(const std::vector<float>& samples) {
    std::vector<double> out;
    double lastLoud = -1;
    for (size_t i = 0; i < samples.size(); ++i) {
        if (std::fabs(samples[i]) <= 0.05f) continue;
        const double t = double(i) / kMonitorRate;
        if (lastLoud < 0 || t - lastLoud > 0.08) out.push_back(t);
        lastLoud = t;
    }
    return out;
}

// The profile file of a fresh home: the default profile plays `pack` at
// `volume`; `rules` is the JSON of the "rules" object.
inline std::string profilesJson(const char* pack, double volume, const std::string& rules = "{}") {
    return R"({"defaultProfile": {"bundleID": "*default", "displayName": "Default", "muted": false, "pack": ")" +
           std::string(pack) + R"(", "volume": )" + std::to_string(volume) + R"(}, "rules": )" + rules + "}";
}

}  // namespace tocko::test
