#pragma once
// What the end-to-end suites share: the tocko process with its trace (in
// tests/common/child_process.h), and what they hear: the null sink's monitor
// as recorded to a WAV file, and the clicks in it.

#include <cmath>
#include <string>
#include <vector>

#include "../common/child_process.h"

namespace tocko::test {

inline constexpr int kMonitorRate = 48000;

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
