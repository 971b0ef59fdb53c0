#include "audio/sound_engine.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "audio/loudness.h"
#include "audio/mixer.h"
#include "audio/null_output.h"
#include "audio/sample.h"
#include "support/format.h"
#include "support/main_thread.h"

namespace tocko {

namespace {
constexpr const char* kComponent = "SoundEngine";

// A uniform integer in 0...2^24 from a generator seeded by the standard
// library's random device; the platform's own source replaces it.
UniformSource seededUniform24() {
    auto generator = std::make_shared<std::mt19937>(std::random_device{}());
    return [generator] { return std::uniform_int_distribution<uint32_t>(0, 1u << 24)(*generator); };
}

}  // namespace

float samplePeak(const float* samples, size_t frames) {
    float peak = 0;
    for (size_t i = 0; i < frames; ++i) peak = std::max(peak, std::fabs(samples[i]));
    return peak;
}

float sampleRms(const float* samples, size_t frames) {
    if (frames == 0) return 0;
    double sum = 0;
    for (size_t i = 0; i < frames; ++i) sum += double(samples[i]) * double(samples[i]);
    return float(std::sqrt(sum / double(frames)));
}

float loudnessGain(double typingLevel, float peak) {
    if (!(typingLevel > 0) || !(peak > 0)) return 1.0f;
    const float levelGain = SoundEngine::kTargetLevel / float(typingLevel);
    const float peakGain = SoundEngine::kPeakCeiling / peak;
    return std::min(levelGain, peakGain);
}

namespace {
std::vector<float> firstChannel(const SampleBuffer& b) {
    std::vector<float> first(b.frames);
    for (uint32_t i = 0; i < b.frames; ++i) first[i] = b.at(i, 0);
    return first;
}

struct PackLoudness {
    double level = 0;  // K-weighted RMS of steady typing
    float peak = 0;    // loudest sample of any take or release
};

// Measured on the first channel, over typing with every take and, after each
// press, a release (the mean energy of the pack's releases; none: silence).
PackLoudness measurePack(const std::vector<std::shared_ptr<SampleBuffer>>& takes,
                         const std::vector<std::shared_ptr<SampleBuffer>>& releases, double rate) {
    PackLoudness out;
    std::vector<double> energies;
    for (const auto& t : takes) {
        const std::vector<float> first = firstChannel(*t);
        energies.push_back(kWeightedEnergy(first.data(), first.size(), t->sampleRate));
        out.peak = std::max(out.peak, samplePeak(first.data(), first.size()));
    }
    double releaseEnergy = 0;
    for (const auto& r : releases) {
        const std::vector<float> first = firstChannel(*r);
        releaseEnergy += kWeightedEnergy(first.data(), first.size(), r->sampleRate) / double(releases.size());
        out.peak = std::max(out.peak, samplePeak(first.data(), first.size()));
    }
    out.level = typingLevel(energies, releaseEnergy, rate);
    return out;
}
}  // namespace

std::shared_ptr<SoundEngine> SoundEngine::create(Options options) {
    std::shared_ptr<SoundEngine> engine(new SoundEngine(std::move(options)));
    engine->installOutputFollowers();
    return engine;
}

SoundEngine::SoundEngine(Options options)
    : output_(options.output ? std::move(options.output) : std::make_unique<NullOutput>()),
      mixer_(std::make_unique<Mixer>()),
      uniform_(options.uniform ? std::move(options.uniform) : seededUniform24()),
      clock_([] { return std::chrono::steady_clock::now(); }) {
    buildGraph(options.soundsDir);
    output_->setRenderCallback(
        [mixer = mixer_.get()](float* buf, uint32_t frames, int channels, double rate) {
            mixer->render(buf, frames, channels, rate);
        });
    output_->setRewindCallback([mixer = mixer_.get()](uint32_t frames) { return mixer->rewind(frames); });
}

SoundEngine::~SoundEngine() { output_->stop(); }

namespace {
// Frees the samples, keeping what describes them.
void releaseData(SampleBuffer& b) {
    std::vector<int16_t>().swap(b.pcm16);
    std::vector<float>().swap(b.samples);
}
}  // namespace

void SoundEngine::buildGraph(const std::string& soundsDir) {
    soundsDir_ = soundsDir;
    bool haveFormat = false;
    int graphChannels = 1;
    // All voices run in one graph format: that of the first file that loaded.
    auto load = [&](const std::string& file, bool quietIfMissing) -> std::shared_ptr<SampleBuffer> {
        const std::string path = soundsDir + "/" + file;
        if (quietIfMissing && ::access(path.c_str(), F_OK) != 0) return nullptr;
        std::string reason;
        auto buffer = loadSample(path, reason);
        if (buffer && haveFormat &&
            (buffer->sampleRate != graphSampleRate_ || buffer->channels != graphChannels)) {
            buffer.reset();
            reason = "format differs from the first pack's";
        }
        if (!buffer) reportLoadFailure(file, reason);
        return buffer;
    };
    for (PackID pack : allPacks()) {
        auto buffer = load(sampleFileName(pack), false);
        if (!buffer) continue;
        if (!haveFormat) {
            haveFormat = true;
            graphSampleRate_ = buffer->sampleRate;
            graphChannels = buffer->channels;
        }
        // Further takes follow as pack-<id>-2.wav, -3 ...; the list ends at the first gap.
        std::vector<std::shared_ptr<SampleBuffer>> takes{buffer};
        for (int take = 1; take < kMaxTakes; ++take) {
            auto more = load(takeFileName(pack, take), true);
            if (!more) break;
            takes.push_back(std::move(more));
        }
        auto release = load(releaseFileName(pack), true);
        std::vector<std::shared_ptr<SampleBuffer>> releases;
        if (release) releases.push_back(release);
        const PackLoudness loudness = measurePack(takes, releases, buffer->sampleRate);
        typingLevel_[pack] = loudness.level;
        packBaseGain_[pack] = loudnessGain(loudness.level, loudness.peak);
        const std::vector<float> first = firstChannel(*buffer);
        stats_[pack] =
            BufferStat{pack, samplePeak(first.data(), first.size()), sampleRms(first.data(), first.size())};
        // Only the default pack's sounds stay in memory; another pack's are
        // read back when it becomes the active one or first plays.
        if (pack != kDefaultPack) {
            for (const auto& t : takes) releaseData(*t);
            if (release) releaseData(*release);
            released_[pack] = true;
        }
        buffers_[pack] = std::move(buffer);
        takes_[pack] = std::move(takes);
        lastTake_[pack] = 0;  // filled here so that playing never allocates
        if (release) releases_[pack] = std::move(release);
    }
    reportGains();
    loudnessSelfCheck();
    if (!haveFormat) {
        const double rate = output_->format().sampleRate;
        graphSampleRate_ = rate > 0 ? rate : 44100;
    }
    log_.info("Audio graph built: {} nodes, {} packs @ {} Hz",
              {pub(poolSize), pub((long long)buffers_.size()), pub((long long)graphSampleRate_)});
    trace(kComponent, "loaded " + std::to_string(buffers_.size()) + " sample packs");
}

void SoundEngine::reportGains() {
    std::string text;
    for (PackID pack : allPacks()) {
        auto it = packBaseGain_.find(pack);
        if (it == packBaseGain_.end()) continue;
        if (!text.empty()) text += ' ';
        text += std::string(rawValue(pack)) + "=" + fixedText(it->second, 2);
    }
    log_.info("loudness gains: {}", {pub(text)});
    trace(kComponent, "loudness gains: " + text);
}

void SoundEngine::loudnessSelfCheck() {
    std::vector<float> atTarget;
    std::string capped;
    size_t cappedCount = 0;
    for (PackID pack : allPacks()) {
        auto b = buffers_.find(pack);
        auto g = packBaseGain_.find(pack);
        if (b == buffers_.end() || g == packBaseGain_.end()) continue;
        const float level = float(typingLevel(pack)) * g->second;
        if (std::fabs(level - kTargetLevel) >= kSelfCheckTolerance) {
            if (!capped.empty()) capped += ',';
            capped += rawValue(pack);
            ++cappedCount;
        } else {
            atTarget.push_back(level);
        }
    }
    if (atTarget.empty()) return;
    const float mx = *std::max_element(atTarget.begin(), atTarget.end());
    const float mn = *std::min_element(atTarget.begin(), atTarget.end());
    if (!(mn > 0)) return;
    const float spread = mx / mn;
    log_.info("loudness self-check: spread={}x, no-clip=true, capped={}",
              {pub(double(spread), 2), pub((long long)cappedCount)});
    trace(kComponent, "loudness self-check: no-clip=true spread=" + fixedText(spread, 2) + "x (" +
                          std::to_string(atTarget.size()) + " at target, headroom-capped: " + capped + ")");
}

std::vector<BufferStat> SoundEngine::bufferStats() const {
    std::vector<BufferStat> stats;
    for (PackID pack : allPacks()) {
        auto it = stats_.find(pack);
        stats.push_back(it != stats_.end() ? it->second : BufferStat{pack, 0, 0});
    }
    return stats;
}

size_t SoundEngine::takeCount(PackID pack) const {
    auto it = takes_.find(pack);
    return it == takes_.end() ? 0 : it->second.size();
}

double SoundEngine::typingLevel(PackID pack) const {
    auto it = typingLevel_.find(pack);
    return it == typingLevel_.end() ? 0 : it->second;
}

std::optional<float> SoundEngine::baseGain(PackID pack) const {
    auto it = packBaseGain_.find(pack);
    if (it == packBaseGain_.end()) return std::nullopt;
    return it->second;
}

// ---- Playing ---------------------------------------------------------------

void SoundEngine::play(PackID pack, float volume, bool vary, int key) {
    queue_.async([weak = weak_from_this(), pack, volume, vary, key] {
        if (auto self = weak.lock()) self->playOnQueue(pack, volume, vary, key);
    });
}

float SoundEngine::drawUniform(float lower, float upper, bool* wasUpper) {
    const uint32_t k = uniform_();
    if (wasUpper) *wasUpper = k == (1u << 24);
    if (k == (1u << 24)) return upper;
    return lower + float(k) * 0x1p-24f * (upper - lower);
}

void SoundEngine::playOnQueue(PackID pack, float volume, bool vary, int key) {
    ensureRunning();
    if (!output_->isRunning()) return;
    // An imported pack that is gone plays the default pack.
    if (isUserPack(pack) && buffers_.count(pack) == 0) pack = kDefaultPack;
    auto it = buffers_.find(pack);
    if (it == buffers_.end() || !ensureResident(pack)) return;
    const SampleBuffer* take = nullptr;
    if (key >= 0) {
        if (auto user = userPacks_.find(pack); user != userPacks_.end()) {
            if (auto k = user->second.keyPress.find(key); k != user->second.keyPress.end())
                take = user->second.press[size_t(k->second)].get();
        }
    }
    const int i = nextIndex_;
    nextIndex_ = (i + 1) % poolSize;
    const float gain = baseGain(pack).value_or(1.0f);
    float rate = 1.0f;
    float v = volume * gain;
    if (vary) {
        rate = drawUniform(0.97f, 1.03f, nullptr);
        bool upper = false;
        const float d = drawUniform(-1.5f, 1.5f, &upper);
        const float factor = upper ? 1.1885022f : std::pow(10.0f, d / 20.0f);
        v = std::min(volume * gain * factor, 1.0f);
    }
    voiceRate_[size_t(i)] = rate;
    voiceVolume_[size_t(i)] = v;
    reportDroppedClicks();
    if (mixer_->schedule(i, take != nullptr ? take : nextTake(pack), rate, v) == 0) {
        reportDroppedClicks();
        return;
    }
    output_->wake();
}

bool SoundEngine::ensureResident(PackID pack) {
    auto released = released_.find(pack);
    if (released == released_.end()) return true;
    // Tried once: a pack whose files went away stays silent without a
    // report per key press.
    if (!released->second) return false;
    released->second = false;
    const std::vector<std::shared_ptr<SampleBuffer>>& takes = takes_.at(pack);
    std::vector<std::shared_ptr<SampleBuffer>> sounds = takes;
    if (auto release = releases_.find(pack); release != releases_.end()) sounds.push_back(release->second);
    // Read all, then fill all: no voice has played these buffers (only
    // filled ones are ever scheduled), so filling them races with nothing.
    std::vector<std::shared_ptr<SampleBuffer>> read;
    for (size_t i = 0; i < sounds.size(); ++i) {
        const bool isRelease = i >= takes.size();
        const std::string file = isRelease ? releaseFileName(pack) : takeFileName(pack, int(i));
        std::string reason;
        auto b = loadSample(soundsDir_ + "/" + file, reason);
        if (b && (b->frames != sounds[i]->frames || b->channels != sounds[i]->channels ||
                  b->sampleRate != sounds[i]->sampleRate)) {
            b.reset();
            reason = "changed since Tocko started";
        }
        if (!b) {
            reportLoadFailure(file, reason);
            return false;
        }
        read.push_back(std::move(b));
    }
    for (size_t i = 0; i < sounds.size(); ++i) {
        sounds[i]->pcm16 = std::move(read[i]->pcm16);
        sounds[i]->samples = std::move(read[i]->samples);
    }
    released_.erase(released);
    return true;
}

void SoundEngine::reportLoadFailure(const std::string& file, const std::string& reason) {
    log_.error("Failed to load {} from bundle", {pub(file)});
    // Standard error names it too: a silent pack must not leave its user
    // guessing.
    trace(kComponent, "failed to load " + file + ": " + reason);
}

// A take other than the one played last, at random; the first take when there is only one.
const SampleBuffer* SoundEngine::nextTake(PackID pack) {
    const auto& takes = takes_.at(pack);
    if (takes.size() < 2) return takes.front().get();
    size_t& last = lastTake_.at(pack);
    size_t pick = size_t(uniform_()) % (takes.size() - 1);
    if (pick >= last) ++pick;
    last = pick;
    return takes[pick].get();
}

void SoundEngine::playRelease(PackID pack, float volume, int key) {
    queue_.async([weak = weak_from_this(), pack, volume, key] {
        if (auto self = weak.lock()) self->playReleaseOnQueue(pack, volume, key);
    });
}

void SoundEngine::playReleaseOnQueue(PackID pack, float volume, int key) {
    if (isUserPack(pack) && buffers_.count(pack) == 0) pack = kDefaultPack;
    const SampleBuffer* sound = nullptr;
    if (auto user = userPacks_.find(pack); user != userPacks_.end()) {
        const UserPackSounds& u = user->second;
        if (auto k = u.keyRelease.find(key); key >= 0 && k != u.keyRelease.end())
            sound = u.release[size_t(k->second)].get();
        else if (!u.release.empty())
            sound = u.release[size_t(uniform_()) % u.release.size()].get();
    } else if (auto it = releases_.find(pack); it != releases_.end() && ensureResident(pack)) {
        sound = it->second.get();
    }
    if (sound == nullptr) return;
    ensureRunning();
    if (!output_->isRunning()) return;
    const int i = nextIndex_;
    nextIndex_ = (i + 1) % poolSize;
    const float v = std::min(volume * baseGain(pack).value_or(1.0f), 1.0f);
    voiceRate_[size_t(i)] = 1.0f;
    voiceVolume_[size_t(i)] = v;
    if (mixer_->schedule(i, sound, 1.0f, v) == 0) {
        reportDroppedClicks();
        return;
    }
    output_->wake();
}

// Clicks the mixer dropped (ring full, or held too long by a stalled
// output) are counted on the render side and told here, on the queue.
void SoundEngine::reportDroppedClicks() {
    const uint64_t full = mixer_->droppedFull(), stale = mixer_->droppedStale();
    if (full == reportedFull_ && stale == reportedStale_) return;
    log_.error("Clicks dropped: {} with the command ring full, {} held too long by the output",
               {pub(std::to_string(full - reportedFull_)), pub(std::to_string(stale - reportedStale_))});
    reportedFull_ = full;
    reportedStale_ = stale;
}

void SoundEngine::installUserPack(PackID pack, UserPackSounds sounds) {
    queue_.async([weak = weak_from_this(), pack, sounds = std::move(sounds)]() mutable {
        if (auto self = weak.lock()) self->installUserPackOnQueue(pack, std::move(sounds));
    });
}

void SoundEngine::installUserPackOnQueue(PackID pack, UserPackSounds sounds) {
    if (!isUserPack(pack) || sounds.press.empty()) return;
    for (const auto& list : {&sounds.press, &sounds.release})
        for (const auto& b : *list)
            if (!b || b->sampleRate != graphSampleRate_ || b->channels != 1) {
                log_.error("Imported pack {} does not match the audio graph's format", {pub(rawValue(pack))});
                return;
            }
    removeUserPack(pack);
    const PackLoudness loudness = measurePack(sounds.press, sounds.release, graphSampleRate_);
    typingLevel_[pack] = loudness.level;
    packBaseGain_[pack] = loudnessGain(loudness.level, loudness.peak);
    buffers_[pack] = sounds.press.front();
    takes_[pack] = sounds.press;
    lastTake_[pack] = 0;
    userPacks_[pack] = std::move(sounds);
    log_.info("Imported pack {} ready, gain {}",
              {pub(rawValue(pack)), pub(fixedText(packBaseGain_[pack], 2))});
}

void SoundEngine::removeUserPack(PackID pack) {
    if (!queue_.isCurrent()) {
        queue_.async([weak = weak_from_this(), pack] {
            if (auto self = weak.lock()) self->removeUserPack(pack);
        });
        return;
    }
    auto user = userPacks_.find(pack);
    if (user == userPacks_.end()) return;
    // A voice may still be reading these: they stay alive with the engine.
    for (const auto& list : {&user->second.press, &user->second.release})
        retired_.insert(retired_.end(), list->begin(), list->end());
    userPacks_.erase(user);
    buffers_.erase(pack);
    takes_.erase(pack);
    packBaseGain_.erase(pack);
    typingLevel_.erase(pack);
}

void SoundEngine::setActivePack(PackID pack) {
    const bool changed = state_.with([&](Playback& p) {
        if (p.pack == pack) return false;
        p.pack = pack;
        return true;
    });
    if (!changed) return;
    // Its sounds are read now, not at its first click.
    queue_.async([weak = weak_from_this(), pack] {
        if (auto self = weak.lock()) self->ensureResident(pack);
    });
    log_.info("Active pack -> {}", {pub(rawValue(pack))});
    trace(kComponent, "active pack changed -> " + std::string(rawValue(pack)));
}

// ---- Lifecycle and output following ----------------------------------------

void SoundEngine::start() {
    queue_.async([weak = weak_from_this()] {
        auto self = weak.lock();
        if (!self) return;
        self->stopAfterMeasures_ = false;
        self->ensureRunning();
    });
}

void SoundEngine::stop() {
    queue_.async([weak = weak_from_this()] {
        if (auto self = weak.lock()) self->stopAsDisabled();
    });
}

void SoundEngine::reconfigure(std::string reason) {
    queue_.async([weak = weak_from_this(), reason = std::move(reason)] {
        if (auto self = weak.lock()) self->reconfigure(reason, true);
    });
}

void SoundEngine::setOnOutputDeviceChanged(std::function<void(const std::string&)> callback) {
    queue_.async([weak = weak_from_this(), cb = std::move(callback)]() mutable {
        if (auto self = weak.lock()) self->onOutputDeviceChanged_ = std::move(cb);
    });
}

std::string SoundEngine::currentOutputDeviceName() const { return output_->deviceName(); }

void SoundEngine::ensureRunning() {
    if (output_->isRunning()) return;
    // A stream that died under us leaves stale commands and voices behind.
    output_->stop();
    mixer_->resetWhileStopped();
    if (mixer_->connectedFormat().sampleRate <= 0) mixer_->connect(output_->format());
    std::string error;
    if (!output_->start(error)) {
        reportStartFailure(error);
        return;
    }
    if (startFailing_ && unreportedStartFailures_ > 0)
        log_.error("audio output failed to start {} more time(s) before it started",
                   {pub(unreportedStartFailures_)});
    startFailing_ = false;
    unreportedStartFailures_ = 0;
    // The stream may have come up in another format than the one last seen.
    const OutputFormat f = output_->format();
    if (f.sampleRate > 0 && f.channels > 0) mixer_->connect(f);
    userIntendedRunning_ = true;
    if (hasStartedBefore_) {
        log_.info("restarted on demand");
        trace(kComponent, "restarted on demand");
    } else {
        hasStartedBefore_ = true;
        log_.info("Audio engine started");
        trace(kComponent, "Audio engine started, " + std::to_string(buffers_.size()) + " packs ready");
    }
}

void SoundEngine::setClockForTesting(std::function<std::chrono::steady_clock::time_point()> clock) {
    queue_.async([weak = weak_from_this(), clock = std::move(clock)]() mutable {
        if (auto self = weak.lock()) self->clock_ = std::move(clock);
    });
}

void SoundEngine::reportStartFailure(const std::string& error) {
    const auto now = clock_();
    if (!startFailing_) {
        startFailing_ = true;
        startFailureReportedAt_ = now;
        unreportedStartFailures_ = 0;
        log_.error("Audio engine failed to start: {}", {pub(error)});
        return;
    }
    ++unreportedStartFailures_;
    if (now - startFailureReportedAt_ < std::chrono::minutes(1)) return;
    log_.error("audio output failed to start {} more time(s) in the last minute: {}",
               {pub(unreportedStartFailures_), pub(error)});
    startFailureReportedAt_ = now;
    unreportedStartFailures_ = 0;
}

void SoundEngine::stopAsDisabled() {
    userIntendedRunning_ = false;
    if (measuring_) {
        // A measurement holds the output until its window has been read;
        // stopping under it would make a self-test fail for nothing.
        stopAfterMeasures_ = true;
        return;
    }
    stopAfterMeasures_ = false;
    if (!output_->isRunning()) return;
    output_->stop();
    mixer_->resetWhileStopped();
    log_.info("engine stopped (disabled)");
    trace(kComponent, "engine stopped (disabled)");
}

void SoundEngine::installOutputFollowers() {
    std::weak_ptr<SoundEngine> weak = weak_from_this();
    AudioOutput::Listener listener;
    listener.configurationChanged = [weak] {
        auto self = weak.lock();
        if (!self) return;
        self->queue_.async([weak] {
            if (auto s = weak.lock()) s->reconfigure("config-change", false);
        });
    };
    listener.defaultOutputChanged = [weak] {
        auto self = weak.lock();
        if (!self) return;
        self->queue_.async([weak] {
            if (auto s = weak.lock()) s->reconfigure("default-output-changed", false);
        });
    };
    output_->setListener(std::move(listener));
    lastOutputDeviceID_ = output_->defaultDeviceID();
    lastOutputSampleRate_ = output_->format().sampleRate;
    mixer_->connect(output_->format());
    trace(kComponent,
          "output-device-follow listeners installed (current=\"" + currentOutputDeviceName() + "\")");
}

void SoundEngine::reconfigure(const std::string& reason, bool force) {
    const uint32_t deviceID = output_->defaultDeviceID();
    const double newRate = output_->format().sampleRate;
    if (!force && deviceID == lastOutputDeviceID_ && newRate > 0 && newRate == lastOutputSampleRate_ &&
        output_->isRunning())
        return;
    lastOutputDeviceID_ = deviceID;
    if (newRate > 0) lastOutputSampleRate_ = newRate;
    const bool wasIntended = userIntendedRunning_;
    if (output_->isRunning()) {
        output_->stop();
        mixer_->resetWhileStopped();
    }
    const OutputFormat f = output_->format();
    if (f.sampleRate > 0 && f.channels != 0) {
        mixer_->connect(f);
    } else if (lastOutputSampleRate_ > 0) {
        mixer_->connect({lastOutputSampleRate_, std::max(2, f.channels)});
    }
    const std::string name = currentOutputDeviceName();
    log_.info("output device changed -> {}, engine reconfigured ({})", {priv(name), pub(reason)});
    trace(kComponent, "output device changed -> " + name + ", engine reconfigured");
    if (onOutputDeviceChanged_) onOutputDeviceChanged_(name);
    if (wasIntended) {
        ensureRunning();
        if (!output_->isRunning()) {
            log_.error("engine not running after reconfigure({}) — clicks will be silent", {pub(reason)});
            trace(kComponent,
                  "⚠️ engine not running after reconfigure(" + reason + ") — clicks will be silent");
        }
    }
}

// ---- Metering and diagnostics ----------------------------------------------

void SoundEngine::measure(double afterSeconds, std::function<void(float, float)> completion) {
    queue_.async([weak = weak_from_this(), afterSeconds, completion = std::move(completion)]() mutable {
        auto self = weak.lock();
        if (!self) return completion(0, 0);
        self->measures_.push_back({afterSeconds, std::move(completion)});
        if (!self->measuring_) self->startNextMeasure();
    });
}

void SoundEngine::startNextMeasure() {
    if (measures_.empty()) {
        measuring_ = false;
        if (stopAfterMeasures_) stopAsDisabled();
        return;
    }
    measuring_ = true;
    ensureRunning();
    if (!output_->isRunning()) return finishMeasure(0, 0);
    // First see the output render at all: a sink that idled (the null sink
    // sleeps on a two-second timer) starts pulling only some time after the
    // stream has started, and a window opened before would measure nothing.
    auto probe = std::make_shared<TapAccumulator>();
    mixer_->installTap(probe.get());
    waitForRender(std::move(probe), std::chrono::steady_clock::now() + kRenderWaitLimit);
}

void SoundEngine::waitForRender(std::shared_ptr<TapAccumulator> probe,
                                std::chrono::steady_clock::time_point deadline) {
    queue_.asyncAfter(std::chrono::milliseconds(20), [weak = weak_from_this(), probe, deadline] {
        auto self = weak.lock();
        if (!self) return;
        // Removing the tap waits for the render thread to let go of it, so
        // its count can be read.
        self->mixer_->removeTap();
        if (probe->count() == 0 && std::chrono::steady_clock::now() < deadline &&
            self->output_->isRunning()) {
            self->mixer_->installTap(probe.get());
            self->waitForRender(probe, deadline);
            return;
        }
        self->meterWindow();
    });
}

void SoundEngine::meterWindow() {
    auto tap = std::make_shared<TapAccumulator>();
    mixer_->installTap(tap.get());
    const PackID pack = state_.with([](Playback& p) { return p.pack; });
    playOnQueue(pack, 0.9f, false);
    auto delay = std::chrono::duration_cast<SerialQueue::Clock::duration>(
        std::chrono::duration<double>(std::max(0.0, measures_.front().afterSeconds)));
    queue_.asyncAfter(delay, [weak = weak_from_this(), tap] {
        auto self = weak.lock();
        if (!self) return;
        self->mixer_->removeTap();
        self->finishMeasure(tap->peak(), tap->rms());
    });
}

void SoundEngine::finishMeasure(float peak, float rms) {
    PendingMeasure done = std::move(measures_.front());
    measures_.pop_front();
    done.completion(peak, rms);
    startNextMeasure();
}

std::string SoundEngine::graphLine(const std::string& label) {
    const Playback p = state_.get();
    const OutputFormat out = output_->format();
    const OutputFormat mix = mixer_->connectedFormat();
    auto b = buffers_.find(p.pack);
    const double bufSR = b == buffers_.end() ? -1 : b->second->sampleRate;
    const int attachedNodes = 2 * poolSize + 2;  // voices, their rate stages, mixer, output
    return "graph(" + label + ") isRunning=" + boolText(output_->isRunning()) +
           " mixerOutVol=" + shortestText(1.0f) + " playerVol=" + shortestText(voiceVolume_[0]) +
           " master=" + shortestText(p.masterVolume) + " muted=" + boolText(p.muted) +
           " pack=" + std::string(rawValue(p.pack)) +
           " playInvocations=" + std::to_string(p.playInvocations) +
           " attachedNodes=" + std::to_string(attachedNodes) +
           " outSR=" + std::to_string((long long)out.sampleRate) +
           " mixSR=" + std::to_string((long long)mix.sampleRate) +
           " bufSR=" + std::to_string((long long)bufSR) + " outDev=\"" + currentOutputDeviceName() + "\"";
}

void SoundEngine::logGraph(std::string label) {
    queue_.async([weak = weak_from_this(), label = std::move(label)] {
        if (auto self = weak.lock()) trace("AudioCheck", self->graphLine(label));
    });
}

void SoundEngine::status(std::function<void(bool, bool)> completion) {
    queue_.async([weak = weak_from_this(), completion = std::move(completion)] {
        auto self = weak.lock();
        if (!self) return completion(false, false);
        const bool muted = self->state_.with([](Playback& p) { return p.muted; });
        const bool running = self->output_->isRunning();
        postToMain([completion, running, muted] { completion(running, muted); });
    });
}

void SoundEngine::diagnosticsText(std::function<void(std::string)> completion) {
    queue_.async([weak = weak_from_this(), completion = std::move(completion)] {
        auto self = weak.lock();
        if (!self) return completion("SoundEngine deallocated");
        const Playback p = self->state_.get();
        const OutputFormat out = self->output_->format();
        const OutputFormat mix = self->mixer_->connectedFormat();
        auto b = self->buffers_.find(p.pack);
        const long long bufSR = b == self->buffers_.end() ? -1 : (long long)b->second->sampleRate;
        std::string text = "Tocko Diagnostics\n";
        text += std::string("isRunning=") + boolText(self->output_->isRunning()) +
                "  userIntendedRunning=" + boolText(self->userIntendedRunning_) + "\n";
        text += std::string("muted=") + boolText(p.muted) + "  masterVolume=" + fixedText(p.masterVolume, 2) +
                "  pack=" + std::string(rawValue(p.pack)) + "\n";
        text += "playInvocations=" + std::to_string(p.playInvocations) + "\n";
        text += "outputDevice=\"" + self->currentOutputDeviceName() + "\"\n";
        text += "packsLoaded=" + std::to_string(self->buffers_.size()) +
                "  attachedNodes=" + std::to_string(2 * poolSize + 2) + "\n";
        text += "outSR=" + std::to_string((long long)out.sampleRate) +
                "  mixSR=" + std::to_string((long long)mix.sampleRate) + "  bufSR=" + std::to_string(bufSR);
        postToMain([completion, text = std::move(text)] { completion(text); });
    });
}

}  // namespace tocko
