#pragma once
// Turns "play pack P at volume V" into a click: samples are decoded at
// construction, every click takes the next of 16 voices in rotation on the
// engine's serial queue, and the render thread mixes the voices into the
// output (libpulse, or the null output).

#include <array>
#include <chrono>
#include <deque>
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
class TapAccumulator;
struct SampleBuffer;

struct BufferStat {
    PackID pack;
    float peak = 0;
    float rms = 0;
};

// Gain that brings a pack's typing level (K-weighted RMS of steady typing with
// its takes and release, audio/loudness.h) to the target without pushing its
// loudest sample above the ceiling (1.0 when either is zero).
float loudnessGain(double typingLevel, float peak);
float sampleRms(const float* samples, size_t frames);
float samplePeak(const float* samples, size_t frames);

// Source of the engine's randomness: an integer uniformly in 0...2^24.
using UniformSource = std::function<uint32_t()>;

// The sounds of a pack the user imported, at the engine's sample rate.
struct UserPackSounds {
    std::vector<std::shared_ptr<SampleBuffer>> press;    // at least one
    std::vector<std::shared_ptr<SampleBuffer>> release;  // may be empty
    std::map<int, int> keyPress;                         // key code -> index into press
    std::map<int, int> keyRelease;                       // key code -> index into release
};

class SoundEngine : public std::enable_shared_from_this<SoundEngine> {
public:
    struct Options {
        std::string soundsDir;                // folder holding pack-<id>.wav
        std::unique_ptr<AudioOutput> output;  // the platform's; default: a silent NullOutput
        UniformSource uniform;                // 0...2^24; default: a seeded generator
    };

    static constexpr int poolSize = 16;
    // K-weighted RMS of steady typing after the gains: about -24.5 LUFS.
    static constexpr float kTargetLevel = 0.057f;
    static constexpr float kPeakCeiling = 0.98f;
    static constexpr float kSelfCheckTolerance = 0.001f;

    // Decodes the samples, computes gains, builds the 16 voices and installs
    // the output followers. Does not start the output.
    static std::shared_ptr<SoundEngine> create(Options options);
    ~SoundEngine();

    // `key` (an evdev code, or -1) only picks the sound of a pack that has one
    // per key; it is neither kept nor logged. A user pack that is not
    // installed plays the default pack.
    void play(PackID pack, float volume, bool vary, int key = -1);
    // The pack's key-up sound, when it has one; at the volume and gain of a
    // press without variation.
    void playRelease(PackID pack, float volume, int key = -1);
    // Adds or replaces an imported pack (its gain computed as for the built-in
    // packs), or removes it. On the engine's queue; sounds that may still be
    // playing stay alive.
    void installUserPack(PackID pack, UserPackSounds sounds);
    void removeUserPack(PackID pack);
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
    // Press takes of a pack (the first is its sample file), 0 if it did not load.
    size_t takeCount(PackID pack) const;
    bool hasRelease(PackID pack) const { return releases_.count(pack) != 0; }
    // The typing level a pack's gain was computed from (0 if it did not load).
    double typingLevel(PackID pack) const;
    std::optional<float> baseGain(PackID pack) const;

    // Plays the active pack once and meters the mix for `afterSeconds` from
    // the moment the output is seen rendering (an idle sink may take a while
    // to wake; after kRenderWaitLimit the window starts anyway). Measurements
    // run one at a time, in the order asked for, as there is one metering
    // tap. Completion on the engine's queue.
    void measure(double afterSeconds, std::function<void(float peak, float rms)> completion);
    // The clock that paces the reports of a failing output (default: the
    // steady clock). Takes effect on the engine's queue.
    void setClockForTesting(std::function<std::chrono::steady_clock::time_point()> clock);
    static constexpr std::chrono::milliseconds kRenderWaitLimit{3000};
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
    void playOnQueue(PackID pack, float volume, bool vary, int key = -1);
    void playReleaseOnQueue(PackID pack, float volume, int key);
    void installUserPackOnQueue(PackID pack, UserPackSounds sounds);
    const SampleBuffer* nextTake(PackID pack);
    // Reads a built-in pack's sounds back in when only their description
    // is kept (queue only); false when they cannot be read as they were.
    bool ensureResident(PackID pack);
    // The journal line and the trace line for a sample file that did not load.
    void reportLoadFailure(const std::string& file, const std::string& reason);
    void reportDroppedClicks();
    float drawUniform(float lower, float upper, bool* wasUpper);
    std::string graphLine(const std::string& label);

    std::unique_ptr<AudioOutput> output_;
    std::unique_ptr<Mixer> mixer_;
    std::map<PackID, std::shared_ptr<SampleBuffer>> buffers_;
    std::map<PackID, float> packBaseGain_;
    std::map<PackID, std::vector<std::shared_ptr<SampleBuffer>>> takes_;
    std::map<PackID, std::shared_ptr<SampleBuffer>> releases_;
    std::map<PackID, double> typingLevel_;
    std::map<PackID, BufferStat> stats_;  // of each built-in pack's first take, measured as it loaded
    std::string soundsDir_;
    std::map<PackID, bool> released_;  // built-in packs whose samples are not in memory: true while readable
    std::map<PackID, size_t> lastTake_;                   // queue only
    std::map<PackID, UserPackSounds> userPacks_;          // queue only
    std::vector<std::shared_ptr<SampleBuffer>> retired_;  // replaced sounds a voice may still read
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
    // Measurements waiting for the metering tap (engine queue only).
    struct PendingMeasure {
        double afterSeconds;
        std::function<void(float, float)> completion;
    };
    void startNextMeasure();
    void waitForRender(std::shared_ptr<TapAccumulator> probe, std::chrono::steady_clock::time_point deadline);
    void meterWindow();
    void finishMeasure(float peak, float rms);
    std::deque<PendingMeasure> measures_;
    bool measuring_ = false;
    bool stopAfterMeasures_ = false;  // a stop asked for while measuring
    // A failing output start is logged once, then as a count at most once a
    // minute: a line per key press would write the user's typing rhythm to
    // the journal.
    void reportStartFailure(const std::string& error);
    std::function<std::chrono::steady_clock::time_point()> clock_;
    std::chrono::steady_clock::time_point startFailureReportedAt_{};
    long long unreportedStartFailures_ = 0;
    bool startFailing_ = false;
    Locked<Playback> state_;
    Logger log_{"SoundEngine"};
    SerialQueue queue_{"com.tocko.sound", SerialQueue::Priority::UserInteractive};
};

}  // namespace tocko
