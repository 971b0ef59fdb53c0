#include "audio/mixer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace tocko {

void TapAccumulator::add(const float* interleaved, uint32_t frames, int channels) {
    const size_t n = size_t(frames) * size_t(channels);
    for (size_t i = 0; i < n; ++i) {
        const float a = std::fabs(interleaved[i]);
        if (a > peak_) peak_ = a;
        sumSq_ += double(a) * double(a);
    }
    count_ += int64_t(n);
}

float TapAccumulator::rms() const { return count_ < 1 ? 0.0f : float(std::sqrt(sumSq_ / double(count_))); }

namespace {
int64_t steadyNanos() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

uint64_t Mixer::schedule(int voice, const SampleBuffer* buffer, float rate, float gain) {
    const size_t head = head_.load(std::memory_order_relaxed);
    if (head - tail_.load(std::memory_order_acquire) >= kRing) {
        droppedFull_.fetch_add(1, std::memory_order_relaxed);
        return 0;
    }
    Command& c = ring_[head % kRing];
    c = {voice, buffer, rate, gain, nextSeq_++, steadyNanos()};
    head_.store(head + 1, std::memory_order_release);
    return c.seq;
}

void Mixer::installTap(TapAccumulator* tap) { tap_.store(tap, std::memory_order_release); }

void Mixer::removeTap() {
    tap_.store(nullptr, std::memory_order_seq_cst);
    while (tapUsers_.load(std::memory_order_seq_cst) != 0) std::this_thread::yield();
}

void Mixer::resetWhileStopped() {
    tail_.store(head_.load(std::memory_order_acquire), std::memory_order_release);
    for (Voice& v : voices_) v.buffer = nullptr;
    active_.store(0, std::memory_order_relaxed);
    limiterGain_ = 1;
    historyBegin_ = historyEnd_;
}

void Mixer::applyCommands(double outRate) {
    size_t tail = tail_.load(std::memory_order_relaxed);
    const size_t head = head_.load(std::memory_order_acquire);
    if (tail == head) return;
    // The time is published before the sequence number, so a reader that
    // sees a new sequence number also sees the time it was started at.
    const int64_t now = steadyNanos();
    appliedNanos_.store(now, std::memory_order_relaxed);
    uint64_t seq = 0;
    for (; tail != head; ++tail) {
        const Command& c = ring_[tail % kRing];
        seq = c.seq;
        if (now - c.nanos > kMaxCommandAgeNanos) {
            // Held back by a corked or stalled stream: starting it now would
            // stack it on every other late click.
            droppedStale_.fetch_add(1, std::memory_order_relaxed);
            continue;
        }
        Voice& v = voices_[size_t(c.voice)];
        v.buffer = c.buffer;
        v.pos = 0;
        v.rate = c.rate;
        v.step = double(c.rate) * c.buffer->sampleRate / (outRate > 0 ? outRate : c.buffer->sampleRate);
        v.gain = c.gain;
    }
    tail_.store(tail, std::memory_order_release);
    appliedSeq_.store(seq, std::memory_order_release);
}

namespace {

float sampleValue(float s) { return s; }
float sampleValue(int16_t s) { return float(s) * SampleBuffer::kPcm16Scale; }

// Adds one voice to `frames` frames of `out`, reading its samples as stored
// (no copy, no conversion ahead). Returns the frames it filled; fewer than
// `frames` when the sample ended.
template <typename Sample>
uint32_t addVoice(const Sample* src, int srcCh, uint32_t last, double& pos, double step, float gain,
                  float* out, uint32_t frames, int channels) {
    float* o = out;
    uint32_t i = 0;
    for (; i < frames; ++i, o += channels) {
        const uint32_t idx = uint32_t(pos);
        if (idx > last) break;
        const float frac = float(pos - double(idx));
        for (int ch = 0; ch < channels; ++ch) {
            const int sc = ch < srcCh ? ch : srcCh - 1;
            const float s0 = sampleValue(src[size_t(idx) * size_t(srcCh) + size_t(sc)]);
            const float s1 =
                idx < last ? sampleValue(src[size_t(idx + 1) * size_t(srcCh) + size_t(sc)]) : 0.0f;
            o[ch] += (s0 + (s1 - s0) * frac) * gain;
        }
        pos += step;
    }
    return i;
}

}  // namespace

int Mixer::mixVoices(float* out, uint32_t frames, int channels) {
    std::fill(out, out + size_t(frames) * size_t(channels), 0.0f);
    int active = 0;
    for (Voice& v : voices_) {
        const SampleBuffer* b = v.buffer;
        if (b == nullptr) continue;
        const uint32_t last = b->frames - 1;
        const uint32_t filled =
            b->pcm16.empty()
                ? addVoice(b->samples.data(), b->channels, last, v.pos, v.step, v.gain, out, frames, channels)
                : addVoice(b->pcm16.data(), b->channels, last, v.pos, v.step, v.gain, out, frames, channels);
        if (filled < frames) {
            v.buffer = nullptr;  // finished: the voice idles until its next click
        } else {
            ++active;
        }
    }
    return active;
}

// A peak limiter without look-ahead: the gain drops at once to what keeps
// the loudest channel of a frame at the ceiling, and recovers towards 1 over
// the release time. Below the ceiling the gain is exactly 1, so a mix that
// does not clip passes through bit for bit, and nothing is delayed.
void Mixer::limit(float* out, uint32_t frames, int channels, double outRate) {
    if (outRate != releaseRate_) {
        releaseRate_ = outRate;
        releaseCoef_ = 1.0 - std::exp(-1.0 / (kLimiterReleaseSeconds * (outRate > 0 ? outRate : 48000)));
    }
    double g = limiterGain_;  // in double: near 1 a float step would vanish
    float* o = out;
    for (uint32_t i = 0; i < frames; ++i, o += channels) {
        float peak = 0;
        for (int ch = 0; ch < channels; ++ch) peak = std::max(peak, std::fabs(o[ch]));
        if (g < 1.0) {
            g += (1.0 - g) * releaseCoef_;
            if (g > 0.99999) g = 1.0;
        }
        if (peak * g > kLimiterCeiling) g = kLimiterCeiling / double(peak);
        if (g < 1.0)
            for (int ch = 0; ch < channels; ++ch) o[ch] = float(o[ch] * g);
    }
    limiterGain_ = g;
}

void Mixer::render(float* out, uint32_t frames, int channels, double outRate) {
    applyCommands(outRate);
    Snapshot& snap = history_[historyEnd_ % kHistory];
    snap.frame = rendered_;
    snap.voices = voices_;
    snap.limiterGain = limiterGain_;
    ++historyEnd_;
    if (historyEnd_ - historyBegin_ > kHistory) historyBegin_ = historyEnd_ - kHistory;
    lastChannels_ = channels;
    lastRate_ = outRate;

    active_.store(mixVoices(out, frames, channels), std::memory_order_relaxed);
    limit(out, frames, channels, outRate);
    rendered_ += frames;

    if (tap_.load(std::memory_order_acquire) != nullptr) {
        tapUsers_.fetch_add(1, std::memory_order_seq_cst);
        if (TapAccumulator* tap = tap_.load(std::memory_order_seq_cst)) tap->add(out, frames, channels);
        tapUsers_.fetch_sub(1, std::memory_order_seq_cst);
    }
}

uint32_t Mixer::rewind(uint32_t frames) {
    if (frames == 0 || lastChannels_ <= 0) return 0;
    const uint64_t target = rendered_ - std::min<uint64_t>(frames, rendered_);
    // The latest snapshot at or before the target.
    size_t i = historyEnd_;
    while (i > historyBegin_ && history_[(i - 1) % kHistory].frame > target) --i;
    if (i == historyBegin_) return 0;
    const Snapshot& snap = history_[(i - 1) % kHistory];
    voices_ = snap.voices;
    limiterGain_ = snap.limiterGain;
    historyEnd_ = i;  // later snapshots describe frames about to be rendered again
    // Play the voices forward from the snapshot to the target, discarding
    // the sound (it is still queued at the output, in front of the target).
    uint64_t at = snap.frame;
    const uint32_t chunk = uint32_t(scratch_.size() / size_t(lastChannels_));
    while (at < target) {
        const uint32_t n = uint32_t(std::min<uint64_t>(chunk, target - at));
        mixVoices(scratch_.data(), n, lastChannels_);
        limit(scratch_.data(), n, lastChannels_, lastRate_);
        at += n;
    }
    const uint32_t taken = uint32_t(rendered_ - target);
    rendered_ = target;
    return taken;
}

}  // namespace tocko
