#pragma once
// A decoded sample, kept in memory for the life of the engine.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tocko {

// The samples are held in one of two forms, both interleaved: as 16-bit
// integers when the file stores them so (the bundled packs; half the memory
// of floats, and the same values), else as floats. Exactly one of the two
// vectors holds the frames.
struct SampleBuffer {
    std::vector<float> samples;
    std::vector<int16_t> pcm16;
    uint32_t frames = 0;
    int channels = 1;
    double sampleRate = 0;

    static constexpr float kPcm16Scale = 1.0f / 32768.0f;

    float at(uint32_t frame, int channel) const {
        const size_t i = size_t(frame) * size_t(channels) + size_t(channel);
        return pcm16.empty() ? samples[i] : float(pcm16[i]) * kPcm16Scale;
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
