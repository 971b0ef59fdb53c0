#pragma once
// A decoded sample, kept in memory for the life of the engine.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tocko {

struct SampleBuffer {
    std::vector<float> samples;  // interleaved
    uint32_t frames = 0;
    int channels = 1;
    double sampleRate = 0;

    float at(uint32_t frame, int channel) const {
        return samples[size_t(frame) * size_t(channels) + size_t(channel)];
    }
};

// Sample files are short clicks; a larger file is refused unread.
constexpr size_t kMaxSampleFileBytes = 16 * 1024 * 1024;

// Reads a whole sound file. Fails (returns null, with a reason) when the file
// is missing, unreadable, not a regular file or larger than
// kMaxSampleFileBytes, when it holds fewer frames than its header promises,
// or when it has no frames at all.
std::shared_ptr<SampleBuffer> loadSample(const std::string& path, std::string& reason);

}  // namespace tocko
