#pragma once
// The real-time mixer: 16 voices, each a sample played at its own rate and
// gain, summed into the output through a peak limiter. The engine's queue is
// the only producer of commands; whoever renders (one thread at a time) is the
// only consumer. The render path takes no locks, allocates nothing and logs
// nothing.

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

#include "audio/output.h"
#include "audio/sample.h"

namespace tocko {

// Peak and energy of everything the mixer renders while installed.
class TapAccumulator {
public:
    void add(const float* interleaved, uint32_t frames, int channels);
    float peak() const { return peak_; }
    float rms() const;
    int64_t count() const { return count_; }

private:
    float peak_ = 0;
    double sumSq_ = 0;
    int64_t count_ = 0;
};

class Mixer {
public:
    static constexpr int kVoices = 16;

    // A click that waited longer than this for a render (stream corked or
    // stalled) is dropped rather than started late on top of the others.
    static constexpr int64_t kMaxCommandAgeNanos = 50'000'000;
    // The limiter keeps every output sample within this magnitude.
    static constexpr float kLimiterCeiling = 0.98f;
    static constexpr double kLimiterReleaseSeconds = 0.05;

    // Queue side. Replaces whatever the voice was playing (interrupts). The
    // buffer must outlive the mixer's use of it (the engine keeps its decoded
    // samples for its whole life). Returns the command's sequence number, or 0
    // if the command ring is full (counted in droppedFull()).
    uint64_t schedule(int voice, const SampleBuffer* buffer, float rate, float gain);
    // Clicks refused because the command ring was full, and clicks dropped by
    // the render side because they had waited too long. Read from any thread.
    uint64_t droppedFull() const { return droppedFull_.load(std::memory_order_relaxed); }
    uint64_t droppedStale() const { return droppedStale_.load(std::memory_order_relaxed); }
    // Installs or removes the metering tap. Removal waits until the render
    // thread no longer touches the accumulator, so it may be read afterwards.
    void installTap(TapAccumulator* tap);
    void removeTap();
    // Drops pending commands and silences every voice. Only while the output
    // is stopped, when no render callback runs.
    void resetWhileStopped();

    // The format the mixer is connected to the output with (for reports).
    void connect(OutputFormat format) { connected_ = format; }
    OutputFormat connectedFormat() const { return connected_; }

    // Render thread.
    void render(float* out, uint32_t frames, int channels, double outRate);
    // Render thread: takes back the last `frames` rendered frames, as if they
    // had not been rendered yet (the output is about to overwrite them, so a
    // new click starts sooner); the voices and limiter return to their state
    // at that point. Returns the frames taken back: fewer (down to 0) when the
    // history does not reach that far.
    uint32_t rewind(uint32_t frames);
    // Frames rendered so far, less those taken back.
    uint64_t renderedFrames() const { return rendered_; }

    // Sequence number and steady-clock time (ns) of the last command the
    // render thread started playing.
    uint64_t lastAppliedSeq() const { return appliedSeq_.load(std::memory_order_acquire); }
    int64_t lastAppliedNanos() const { return appliedNanos_.load(std::memory_order_acquire); }
    int activeVoices() const { return active_.load(std::memory_order_relaxed); }

private:
    struct Command {
        int voice = 0;
        const SampleBuffer* buffer = nullptr;
        float rate = 1;
        float gain = 1;
        uint64_t seq = 0;
        int64_t nanos = 0;  // when it was scheduled
    };
    struct Voice {
        const SampleBuffer* buffer = nullptr;
        double pos = 0;
        double step = 1;
        float rate = 1;
        float gain = 0;
    };
    // State at the start of a render call, after its commands were applied.
    struct Snapshot {
        uint64_t frame = 0;
        std::array<Voice, kVoices> voices{};
        double limiterGain = 1;
    };
    static constexpr size_t kRing = 64;
    static constexpr size_t kHistory = 128;  // render calls the mixer can rewind across

    void applyCommands(double outRate);
    int mixVoices(float* out, uint32_t frames, int channels);
    void limit(float* out, uint32_t frames, int channels, double outRate);

    std::array<Command, kRing> ring_{};
    std::atomic<size_t> head_{0};  // next write (producer)
    std::atomic<size_t> tail_{0};  // next read (consumer)
    std::array<Voice, kVoices> voices_{};
    std::atomic<TapAccumulator*> tap_{nullptr};
    std::atomic<int> tapUsers_{0};
    std::atomic<uint64_t> appliedSeq_{0};
    std::atomic<int64_t> appliedNanos_{0};
    std::atomic<int> active_{0};
    std::atomic<uint64_t> droppedFull_{0};
    std::atomic<uint64_t> droppedStale_{0};
    uint64_t nextSeq_ = 1;
    // Render side only.
    double limiterGain_ = 1;
    double releaseRate_ = 0;
    double releaseCoef_ = 0;
    uint64_t rendered_ = 0;
    int lastChannels_ = 0;
    double lastRate_ = 0;
    std::array<Snapshot, kHistory> history_{};
    size_t historyEnd_ = 0;    // snapshots taken, ever (the ring holds the last kHistory)
    size_t historyBegin_ = 0;  // oldest still valid
    std::array<float, 512> scratch_{};
    OutputFormat connected_{};
};

}  // namespace tocko
