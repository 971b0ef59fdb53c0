#pragma once
// Turns "play pack P at volume V" into a click: samples are decoded at
// construction, every click takes the next of 16 voices in rotation on the
// engine's serial queue, and the render thread mixes the voices into the
// output (libpulse, or the null output).

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/output.h"
#include "audio/pack.h"
#include "audio/playback.h"
#include "support/locked.h"
#include "support/log.h"
#include "support/serial_queue.h"

namespace tocko {

class Mixer;
struct SampleBuffer;

struct BufferStat {
    PackID pack;
    float peak = 0;
    float rms = 0;
};

// Gain that brings a sample to the target RMS without pushing its peak above
// the ceiling (1.0 for empty or silent samples).
float loudnessGain(const float* samples, size_t frames);
float sampleRms(const float* samples, size_t frames);
float samplePeak(const float* samples, size_t frames);

// Source of the engine's randomness: an integer uniformly in 0...2^24.
using UniformSource = std::function<uint32_t()>;

class SoundEngine : public std::enable_shared_from_this<SoundEngine> {
public:
    struct Options {
        std::string soundsDir;                 // folder holding pack-<id>.wav
        std::unique_ptr<AudioOutput> output;   // default: chosen by makeDefaultOutput()
        UniformSource uniform;                 // default: the system's secure random source
    };

    static constexpr int poolSize = 16;
    static constexpr float kTargetRms = 0.09f;
    static constexpr float kPeakCeiling = 0.98f;
    static constexpr float kSelfCheckTolerance = 0.001f;

    // Decodes the samples, computes gains, builds the 16 voices and installs
    // the output followers. Does not start the output.
    static std::shared_ptr<SoundEngine> create(Options options);
    ~SoundEngine();

    void play(PackID pack, float volume, bool vary);
    void setActivePack(PackID pack);
    Locked<Playback>& state() { return state_; }

    void start();
    void stop();
    void reconfigure(std::string reason);
    std::string currentOutputDeviceName() const;
    // Called on the engine's queue with the device name after each reconfiguration.
    void setOnOutputDeviceChanged(std::function<void(const std::string&)> callback);

    std::vector<BufferStat> bufferStats() const;
    size_t loadedPackCount() const { return buffers_.size(); }
    std::optional<float> baseGain(PackID pack) const;

    // Completion on the engine's queue.
    void measure(double afterSeconds, std::function<void(float peak, float rms)> completion);
    void logGraph(std::string label);
    // Completions on the main thread.
    void status(std::function<void(bool isRunning, bool muted)> completion);
    void diagnosticsText(std::function<void(std::string)> completion);

    // Introspection for tests and benchmarks; run on the queue.
    SerialQueue& queue() { return queue_; }
    Mixer& mixer() { return *mixer_; }
    int nextIndexForTesting() const { return nextIndex_; }
    // Rate and volume last set on voice i (queue only).
    float voiceRateForTesting(int i) const { return voiceRate_[size_t(i)]; }
    float voiceVolumeForTesting(int i) const { return voiceVolume_[size_t(i)]; }
    AudioOutput& output() { return *output_; }

private:
    explicit SoundEngine(Options options);
    void buildGraph(const std::string& soundsDir);
    void reportGains();
    void loudnessSelfCheck();
    void installOutputFollowers();
    void ensureRunning();
    void stopAsDisabled();
    void reconfigure(const std::string& reason, bool force);
    void playOnQueue(PackID pack, float volume, bool vary);
    void reportDroppedClicks();
    float drawUniform(float lower, float upper, bool* wasUpper);
    std::string graphLine(const std::string& label);

    std::unique_ptr<AudioOutput> output_;
    std::unique_ptr<Mixer> mixer_;
    std::map<PackID, std::shared_ptr<SampleBuffer>> buffers_;
    std::map<PackID, float> packBaseGain_;
    double graphSampleRate_ = 48000;
    int nextIndex_ = 0;
    bool hasStartedBefore_ = false;
    bool userIntendedRunning_ = false;
    uint32_t lastOutputDeviceID_ = 0;
    double lastOutputSampleRate_ = 0;
    uint64_t reportedFull_ = 0, reportedStale_ = 0;  // dropped clicks already logged
    std::array<float, poolSize> voiceVolume_{};
    std::array<float, poolSize> voiceRate_{};
    std::function<void(const std::string&)> onOutputDeviceChanged_;
    UniformSource uniform_;
    Locked<Playback> state_;
    Logger log_{"SoundEngine"};
    SerialQueue queue_{"com.tocko.sound", SerialQueue::Priority::UserInteractive};
};

}  // namespace tocko
