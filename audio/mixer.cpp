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

uint64_t Mixer::schedule(int voice, const SampleBuffer* buffer, float rate, float gain) {
    const size_t head = head_.load(std::memory_order_relaxed);
    if (head - tail_.load(std::memory_order_acquire) >= kRing) return 0;
    Command& c = ring_[head % kRing];
    c = {voice, buffer, rate, gain, nextSeq_++};
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
}

void Mixer::render(float* out, uint32_t frames, int channels, double outRate) {
    size_t tail = tail_.load(std::memory_order_relaxed);
    const size_t head = head_.load(std::memory_order_acquire);
    if (tail != head) {
        // The time is published before the sequence number, so a reader that
        // sees a new sequence number also sees the time it was started at.
        appliedNanos_.store(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                std::chrono::steady_clock::now().time_since_epoch())
                                .count(),
                            std::memory_order_relaxed);
        uint64_t seq = 0;
        for (; tail != head; ++tail) {
            const Command& c = ring_[tail % kRing];
            Voice& v = voices_[size_t(c.voice)];
            v.buffer = c.buffer;
            v.pos = 0;
            v.rate = c.rate;
            v.step = double(c.rate) * c.buffer->sampleRate / (outRate > 0 ? outRate : c.buffer->sampleRate);
            v.gain = c.gain;
            seq = c.seq;
        }
        tail_.store(tail, std::memory_order_release);
        appliedSeq_.store(seq, std::memory_order_release);
    }

    std::fill(out, out + size_t(frames) * size_t(channels), 0.0f);
    int active = 0;
    for (Voice& v : voices_) {
        const SampleBuffer* b = v.buffer;
        if (b == nullptr) continue;
        const float* src = b->samples.data();
        const int srcCh = b->channels;
        const uint32_t last = b->frames - 1;
        float* o = out;
        uint32_t i = 0;
        for (; i < frames; ++i, o += channels) {
            const uint32_t idx = uint32_t(v.pos);
            if (idx > last) break;
            const float frac = float(v.pos - double(idx));
            for (int ch = 0; ch < channels; ++ch) {
                const int sc = ch < srcCh ? ch : srcCh - 1;
                const float s0 = src[size_t(idx) * size_t(srcCh) + size_t(sc)];
                const float s1 = idx < last ? src[size_t(idx + 1) * size_t(srcCh) + size_t(sc)] : 0.0f;
                o[ch] += (s0 + (s1 - s0) * frac) * v.gain;
            }
            v.pos += v.step;
        }
        if (i < frames) {
            v.buffer = nullptr;  // finished: the voice idles until its next click
        } else {
            ++active;
        }
    }
    active_.store(active, std::memory_order_relaxed);

    if (tap_.load(std::memory_order_acquire) != nullptr) {
        tapUsers_.fetch_add(1, std::memory_order_seq_cst);
        if (TapAccumulator* tap = tap_.load(std::memory_order_seq_cst)) tap->add(out, frames, channels);
        tapUsers_.fetch_sub(1, std::memory_order_seq_cst);
    }
}

}  // namespace tocko
