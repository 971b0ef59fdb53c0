// gensounds: synthesises the 28 click samples shipped in resources/sounds.
//
//   gensounds <outdir>    writes pack-<id>.wav for every pack
//
// Every sample is built from a handful of blocks (decaying modes, filtered noise bursts, swept
// band-pass noise, clouds of noise grains, whole-buffer filters) by one short recipe per pack.
// The output is deterministic: each pack draws from its own fixed-seed generator and all
// arithmetic is plain double precision, so a rerun gives byte-identical files.
// Format: RIFF/WAVE, PCM 16-bit, 48000 Hz, mono.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include "audio/pack.h"

namespace tocko {
namespace {

constexpr double kRate = 48000.0;
constexpr double kPi = std::numbers::pi;

size_t samplesFor(double ms) { return static_cast<size_t>(std::lround(ms * kRate / 1000.0)); }
// First sample at or after a time.
size_t firstSampleAt(double ms) { return static_cast<size_t>(std::ceil(ms * kRate / 1000.0)); }

// splitmix64: small, fast and identical on every platform.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }  // [0, 1)
    double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    double bipolar() { return 2.0 * uniform() - 1.0; }  // [-1, 1)

private:
    uint64_t state_;
};

uint64_t fnv1a(std::string_view text) {
    uint64_t h = 0xCBF29CE484222325ull;
    for (char c : text) h = (h ^ static_cast<uint8_t>(c)) * 0x100000001B3ull;
    return h;
}

// ---------------------------------------------------------------------------------------------
// Filters

enum class FilterType { lowpass, highpass, bandpass };

struct Filter {
    FilterType type;
    double hz;
    double q;
};
Filter lp(double hz, double q = 0.707) { return {FilterType::lowpass, hz, q}; }
Filter hp(double hz, double q = 0.707) { return {FilterType::highpass, hz, q}; }
Filter bp(double hz, double q) { return {FilterType::bandpass, hz, q}; }

// Second-order section with the usual audio-cookbook coefficients (band-pass: 0 dB peak).
class Biquad {
public:
    explicit Biquad(const Filter& f) { tune(f); }

    void tune(const Filter& f) {
        const double w0 = 2.0 * kPi * std::min(f.hz, 0.45 * kRate) / kRate;
        const double cw = std::cos(w0);
        const double alpha = std::sin(w0) / (2.0 * f.q);
        const double a0 = 1.0 + alpha;
        switch (f.type) {
            case FilterType::lowpass:
                b0_ = b2_ = (1.0 - cw) / 2.0 / a0;
                b1_ = (1.0 - cw) / a0;
                break;
            case FilterType::highpass:
                b0_ = b2_ = (1.0 + cw) / 2.0 / a0;
                b1_ = -(1.0 + cw) / a0;
                break;
            case FilterType::bandpass:
                b0_ = alpha / a0;
                b1_ = 0.0;
                b2_ = -alpha / a0;
                break;
        }
        a1_ = -2.0 * cw / a0;
        a2_ = (1.0 - alpha) / a0;
    }

    double process(double x) {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_ = 0, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

void applyFilters(std::vector<double>& signal, const std::vector<Filter>& filters) {
    for (const Filter& f : filters) {
        Biquad biquad(f);
        for (double& x : signal) x = biquad.process(x);
    }
}

// Attack ramp (raised cosine) followed by an exponential decay with time constant tau.
double envelope(double tMs, double attackMs, double tauMs) {
    if (tMs < 0.0) return 0.0;
    const double rise = tMs < attackMs ? 0.5 - 0.5 * std::cos(kPi * tMs / attackMs) : 1.0;
    return rise * std::exp(-tMs / tauMs);
}

// ---------------------------------------------------------------------------------------------
// Building blocks. All times are in milliseconds from the start of the sample.

// A resonant mode: a sine from phase 0 that decays exponentially, optionally gliding in pitch
// (exponentially from hz to toHz over glideMs, then holding).
struct Mode {
    double at = 0.5;
    double hz = 1000;
    double tau = 10;
    double gain = 1;
    double attack = 0;
    double toHz = 0;  // 0: no glide
    double glide = 0;
};

// A burst of white noise shaped by attack/decay, then filtered (the filters ring on).
struct Noise {
    double at = 0.5;
    double attack = 0.05;
    double tau = 1;
    double gain = 1;
    std::vector<Filter> filters;
};

// Noise through a band-pass whose centre glides from fromHz to toHz: wet, squishy movement.
struct Sweep {
    double at = 0.5;
    double attack = 5;
    double tau = 30;
    double gain = 1;
    double fromHz = 300;
    double toHz = 700;
    double glide = 50;
    double q = 3;
};

// A cloud of tiny noise bursts at random times between from and to: crunch and crackle.
// Grain levels are random and fall off with time constant levelTau.
struct Grains {
    double from = 0.5;
    double to = 40;
    int count = 20;
    double length = 0.5;  // mean decay of one grain
    double gain = 1;
    double levelTau = 20;
    std::vector<Filter> filters;
};

class Sound {
public:
    Sound(double lengthMs, uint64_t seed) : samples_(samplesFor(lengthMs), 0.0), rng_(seed) {}

    Sound& mode(const Mode& m) {
        double phase = 0.0;
        for (size_t i = firstSampleAt(m.at); i < samples_.size(); ++i) {
            const double t = msAt(i) - m.at;
            const double env = envelope(t, m.attack, m.tau);
            if (t > m.attack && env < 1e-6) break;
            samples_[i] += m.gain * env * std::sin(phase);
            phase += 2.0 * kPi * frequency(m, t) / kRate;
        }
        return *this;
    }

    Sound& noise(const Noise& n) {
        std::vector<double> layer(samples_.size(), 0.0);
        for (size_t i = firstSampleAt(n.at); i < layer.size(); ++i)
            layer[i] = n.gain * envelope(msAt(i) - n.at, n.attack, n.tau) * rng_.bipolar();
        applyFilters(layer, n.filters);
        mix(layer);
        return *this;
    }

    Sound& sweep(const Sweep& s) {
        Biquad band(bp(s.fromHz, s.q));
        for (size_t i = firstSampleAt(s.at); i < samples_.size(); ++i) {
            const double t = msAt(i) - s.at;
            const double k = std::min(t / s.glide, 1.0);
            band.tune(bp(s.fromHz * std::pow(s.toHz / s.fromHz, k), s.q));
            samples_[i] += band.process(s.gain * envelope(t, s.attack, s.tau) * rng_.bipolar());
        }
        return *this;
    }

    Sound& grains(const Grains& g) {
        std::vector<double> layer(samples_.size(), 0.0);
        for (int k = 0; k < g.count; ++k) {
            const double start = rng_.uniform(g.from, g.to);
            const double level = g.gain * rng_.uniform(0.3, 1.0) * std::exp(-(start - g.from) / g.levelTau);
            const double tau = g.length * rng_.uniform(0.5, 1.5);
            for (size_t i = firstSampleAt(start); i < layer.size(); ++i) {
                const double env = envelope(msAt(i) - start, 0.03, tau);
                if (env < 1e-5 && msAt(i) - start > 0.03) break;
                layer[i] += level * env * rng_.bipolar();
            }
        }
        applyFilters(layer, g.filters);
        mix(layer);
        return *this;
    }

    Sound& filter(const Filter& f) {
        applyFilters(samples_, {f});
        return *this;
    }

    Sound& fadeOut(double ms) {
        fadeOutMs_ = ms;
        return *this;
    }

    // DC removal, fades to exact zero at both ends, peak normalisation, 16-bit quantisation.
    // Empty if the recipe produced a non-finite sample.
    std::vector<int16_t> finish(double peakDb) const {
        std::vector<double> x = samples_;
        const size_t n = x.size();

        // One-pole DC blocker at about 20 Hz.
        const double r = std::exp(-2.0 * kPi * 20.0 / kRate);
        double prevIn = 0.0, prevOut = 0.0;
        for (double& v : x) {
            const double out = v - prevIn + r * prevOut;
            prevIn = v;
            prevOut = out;
            v = out;
        }

        // Raised-cosine fades; window[0] and window[n-1] are exactly zero.
        std::vector<double> window(n, 1.0);
        const size_t fadeIn = samplesFor(kFadeInMs), fadeOut = samplesFor(fadeOutMs_);
        for (size_t i = 0; i < fadeIn && i < n; ++i)
            window[i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(fadeIn));
        for (size_t j = 0; j < fadeOut && j < n; ++j)
            window[n - 1 - j] *=
                0.5 - 0.5 * std::cos(kPi * static_cast<double>(j) / static_cast<double>(fadeOut));

        // Remove what is left of the mean in the shape of the window, so the ends stay zero.
        double sum = 0.0, windowSum = 0.0;
        for (size_t i = 0; i < n; ++i) {
            x[i] *= window[i];
            sum += x[i];
            windowSum += window[i];
        }
        const double offset = sum / windowSum;
        double peak = 0.0;
        for (size_t i = 0; i < n; ++i) {
            x[i] -= offset * window[i];
            if (!std::isfinite(x[i])) return {};  // a broken recipe; reported by the caller
            peak = std::max(peak, std::abs(x[i]));
        }

        const double scale = peak > 0.0 ? std::pow(10.0, peakDb / 20.0) / peak : 0.0;
        std::vector<int16_t> pcm(n);
        for (size_t i = 0; i < n; ++i)
            pcm[i] = static_cast<int16_t>(std::clamp(std::lround(x[i] * scale * 32767.0), -32767L, 32767L));
        return pcm;
    }

private:
    static constexpr double kFadeInMs = 0.6;

    static double msAt(size_t i) { return static_cast<double>(i) * 1000.0 / kRate; }

    static double frequency(const Mode& m, double t) {
        if (m.toHz <= 0.0 || m.glide <= 0.0) return m.hz;
        return m.hz * std::pow(m.toHz / m.hz, std::min(t / m.glide, 1.0));
    }

    void mix(const std::vector<double>& layer) {
        for (size_t i = 0; i < samples_.size(); ++i) samples_[i] += layer[i];
    }

    std::vector<double> samples_;
    Rng rng_;
    double fadeOutMs_ = 10.0;
};

// ---------------------------------------------------------------------------------------------
// Recipes: one per pack. Sound(length ms, seed), then layers; finish(peak dBFS) below.

struct Recipe {
    Sound sound;
    double peakDb;
};

Recipe recipe(PackID pack) {
    const uint64_t seed = fnv1a(rawValue(pack));
    switch (pack) {
        // ---- mechanical
        case PackID::clicky:  // click jacket, then the stem bottoming out 14 ms later
            return {Sound(90, seed)
                        .noise({.at = 0.5, .tau = 0.6, .gain = 1.6, .filters = {hp(2500), bp(4500, 1.0)}})
                        .mode({.at = 0.5, .hz = 4700, .tau = 2.5, .gain = 0.35})
                        .noise({.at = 14, .attack = 0.1, .tau = 1.5, .gain = 0.9, .filters = {bp(2200, 0.8)}})
                        .mode({.at = 14, .hz = 1650, .tau = 7, .gain = 0.5})
                        .mode({.at = 14, .hz = 2950, .tau = 4, .gain = 0.3})
                        .mode({.at = 14, .hz = 380, .tau = 12, .gain = 0.35}),
                    -3};
        case PackID::blue:  // high crisp click, close clack, a faint spring ping
            return {Sound(100, seed)
                        .noise({.at = 0.5, .tau = 0.4, .gain = 1.0, .filters = {hp(5000)}})
                        .mode({.at = 0.5, .hz = 7200, .tau = 1.8, .gain = 0.3})
                        .noise({.at = 7, .tau = 1.2, .gain = 0.8, .filters = {bp(2600, 1.2)}})
                        .mode({.at = 7, .hz = 2500, .tau = 6, .gain = 0.45})
                        .mode({.at = 7, .hz = 3900, .tau = 4, .gain = 0.3})
                        .mode({.at = 7.5, .hz = 4300, .tau = 22, .gain = 0.08}),
                    -3};
        case PackID::tactile:  // rounded bump, then a muted click
            return {Sound(80, seed)
                        .noise({.at = 0.5, .attack = 1.0, .tau = 2.5, .gain = 0.6, .filters = {lp(1500)}})
                        .noise({.at = 10, .attack = 0.1, .tau = 1.5, .gain = 0.8, .filters = {bp(1900, 1.5)}})
                        .mode({.at = 10, .hz = 620, .tau = 10, .gain = 0.5})
                        .mode({.at = 10, .hz = 1150, .tau = 6, .gain = 0.3})
                        .filter(lp(5000)),
                    -4};
        case PackID::brown:  // softer thock
            return {Sound(90, seed)
                        .noise({.at = 0.5, .attack = 0.3, .tau = 3, .gain = 0.8, .filters = {lp(1600)}})
                        .mode({.at = 0.5, .hz = 430, .tau = 16, .gain = 0.6, .attack = 0.5})
                        .mode({.at = 0.5, .hz = 910, .tau = 8, .gain = 0.4})
                        .mode({.at = 0.5, .hz = 1750, .tau = 4, .gain = 0.25}),
                    -4};
        case PackID::creamy:  // smooth low thock
            return {Sound(100, seed)
                        .noise({.at = 0.5, .attack = 1.2, .tau = 5, .gain = 0.6, .filters = {lp(900)}})
                        .mode({.at = 0.5, .hz = 300, .tau = 20, .gain = 0.8, .attack = 1.5})
                        .mode({.at = 0.5, .hz = 610, .tau = 12, .gain = 0.5, .attack = 1.0})
                        .mode({.at = 0.5, .hz = 1080, .tau = 6, .gain = 0.2})
                        .filter(lp(2000)),
                    -4};
        case PackID::marble:  // hard strike on a free bar: partials 1 : 2.76 : 5.40 : 8.93
            return {Sound(120, seed)
                        .noise({.at = 0.5, .attack = 0.03, .tau = 0.35, .gain = 1.0, .filters = {hp(1500)}})
                        .mode({.at = 0.5, .hz = 720, .tau = 32, .gain = 0.7})
                        .mode({.at = 0.5, .hz = 1990, .tau = 16, .gain = 0.45})
                        .mode({.at = 0.5, .hz = 3890, .tau = 8, .gain = 0.3})
                        .mode({.at = 0.5, .hz = 6430, .tau = 4, .gain = 0.15}),
                    -3};
        case PackID::slime:  // wet, low and squishy: a rising squelch with little bubbles
            return {
                Sound(150, seed)
                    .sweep({.at = 1,
                            .attack = 6,
                            .tau = 35,
                            .gain = 1.0,
                            .fromHz = 260,
                            .toHz = 720,
                            .glide = 60,
                            .q = 5})
                    .mode({.at = 1, .hz = 170, .tau = 40, .gain = 0.5, .attack = 4, .toHz = 230, .glide = 40})
                    .mode(
                        {.at = 18, .hz = 620, .tau = 6, .gain = 0.2, .attack = 1, .toHz = 1100, .glide = 10})
                    .mode(
                        {.at = 37, .hz = 540, .tau = 7, .gain = 0.15, .attack = 1, .toHz = 980, .glide = 12})
                    .mode({.at = 61, .hz = 700, .tau = 5, .gain = 0.1, .attack = 1, .toHz = 1250, .glide = 9})
                    .filter(lp(2500)),
                -5};

        // ---- asmr
        case PackID::pillow:  // very soft low thump, almost no highs
            return {Sound(140, seed)
                        .noise({.at = 1, .attack = 6, .tau = 22, .gain = 1.0, .filters = {lp(280), lp(280)}})
                        .mode({.at = 1, .hz = 105, .tau = 30, .gain = 0.6, .attack = 5})
                        .mode({.at = 1, .hz = 190, .tau = 18, .gain = 0.3, .attack = 4})
                        .filter(lp(450)),
                    -5};
        case PackID::chocolate:  // dull snap: one crack with a few fracture grains
            return {Sound(70, seed)
                        .noise({.at = 0.5, .tau = 1.2, .gain = 1.0, .filters = {bp(1700, 0.9)}})
                        .grains({.from = 1,
                                 .to = 9,
                                 .count = 6,
                                 .length = 0.5,
                                 .gain = 0.6,
                                 .levelTau = 10,
                                 .filters = {bp(2200, 1.0)}})
                        .mode({.at = 0.5, .hz = 1320, .tau = 4, .gain = 0.35})
                        .mode({.at = 0.5, .hz = 640, .tau = 7, .gain = 0.25})
                        .filter(lp(3800)),
                    -4};
        case PackID::bite:  // crisp short crunch
            return {Sound(90, seed)
                        .noise({.at = 0.5, .tau = 0.8, .gain = 0.9, .filters = {hp(2000), lp(9000)}})
                        .grains({.from = 2,
                                 .to = 25,
                                 .count = 22,
                                 .length = 0.7,
                                 .gain = 0.8,
                                 .levelTau = 12,
                                 .filters = {bp(3500, 0.9), lp(9000)}}),
                    -4};
        case PackID::marshmallow:  // soft squish: a slow, falling band of noise
            return {Sound(160, seed)
                        .sweep({.at = 1,
                                .attack = 14,
                                .tau = 45,
                                .gain = 1.0,
                                .fromHz = 950,
                                .toHz = 380,
                                .glide = 80,
                                .q = 2.5})
                        .noise({.at = 1, .attack = 10, .tau = 30, .gain = 0.3, .filters = {lp(600)}})
                        .filter(lp(2000)),
                    -6};
        case PackID::felt:  // muffled tap
            return {Sound(60, seed)
                        .noise({.at = 0.5, .attack = 0.6, .tau = 2.5, .gain = 1.0, .filters = {lp(650)}})
                        .mode({.at = 0.5, .hz = 340, .tau = 7, .gain = 0.6, .attack = 0.6})
                        .mode({.at = 0.5, .hz = 760, .tau = 3.5, .gain = 0.25})
                        .filter(lp(1200)),
                    -5};

        // ---- vintage
        case PackID::typewriter:  // type bar on the platen, then a slight metallic ring
            return {
                Sound(150, seed)
                    .noise({.at = 0.5, .attack = 0.02, .tau = 0.5, .gain = 1.0, .filters = {hp(1200)}})
                    .noise({.at = 0.5, .attack = 0.1, .tau = 3.5, .gain = 0.7, .filters = {bp(2400, 1.2)}})
                    .mode({.at = 0.5, .hz = 210, .tau = 10, .gain = 0.5})
                    .mode({.at = 1, .hz = 2130, .tau = 45, .gain = 0.12})
                    .mode({.at = 1, .hz = 2150, .tau = 40, .gain = 0.08})
                    .mode({.at = 1, .hz = 3370, .tau = 35, .gain = 0.09})
                    .mode({.at = 1, .hz = 5610, .tau = 25, .gain = 0.06}),
                -3};
        case PackID::vintage: {  // older, duller strike followed by loose parts rattling
            Sound s(170, seed);
            s.noise({.at = 0.5, .tau = 1.0, .gain = 1.0, .filters = {bp(1500, 0.8)}})
                .mode({.at = 0.5, .hz = 180, .tau = 14, .gain = 0.4})
                .mode({.at = 0.5, .hz = 1420, .tau = 25, .gain = 0.1});
            const double rattle[][2] = {{9, 0.8},     {15, 0.6},  {20, 0.48},
                                        {24.5, 0.36}, {28, 0.26}, {31, 0.18}};
            for (const auto& [at, gain] : rattle) {
                s.noise({.at = at, .attack = 0.03, .tau = 0.6, .gain = gain, .filters = {bp(2600, 1.5)}});
                s.mode({.at = at, .hz = 2900, .tau = 2, .gain = 0.3 * gain});
            }
            s.filter(lp(6000));
            return {s, -4};
        }
        case PackID::mallet:  // wooden mallet thud
            return {Sound(150, seed)
                        .noise({.at = 0.5, .attack = 0.8, .tau = 2, .gain = 0.6, .filters = {lp(2000)}})
                        .mode({.at = 0.5, .hz = 150, .tau = 50, .gain = 0.8, .attack = 1.5})
                        .mode({.at = 0.5, .hz = 400, .tau = 25, .gain = 0.5, .attack = 1.0})
                        .mode({.at = 0.5, .hz = 950, .tau = 10, .gain = 0.3, .attack = 0.8}),
                    -4};
        case PackID::snappy:  // fast snap
            return {Sound(45, seed)
                        .noise({.at = 0.5, .attack = 0.02, .tau = 0.5, .gain = 1.0, .filters = {hp(1500)}})
                        .mode({.at = 0.5, .hz = 1350, .tau = 3.5, .gain = 0.5})
                        .mode({.at = 0.5, .hz = 3600, .tau = 1.5, .gain = 0.3})
                        .fadeOut(6),
                    -3};
        case PackID::soft:  // the gentle default click
            return {Sound(80, seed)
                        .noise({.at = 0.5, .attack = 0.6, .tau = 2, .gain = 0.5, .filters = {lp(2500)}})
                        .mode({.at = 0.5, .hz = 1200, .tau = 8, .gain = 0.6, .attack = 0.6})
                        .mode({.at = 0.5, .hz = 2480, .tau = 3, .gain = 0.2, .attack = 0.4})
                        .mode({.at = 0.5, .hz = 520, .tau = 12, .gain = 0.35, .attack = 0.8})
                        .filter(lp(5000)),
                    -5};

        // ---- sharp
        case PackID::drip:  // water drip: the pitch glides upwards
            return {Sound(90, seed)
                        .mode({.at = 1,
                               .hz = 900,
                               .tau = 12,
                               .gain = 1.0,
                               .attack = 1.5,
                               .toHz = 2600,
                               .glide = 30})
                        .mode({.at = 1,
                               .hz = 1800,
                               .tau = 6,
                               .gain = 0.12,
                               .attack = 1.5,
                               .toHz = 5200,
                               .glide = 30}),
                    -4};
        case PackID::chiclet:  // thin plastic tick
            return {Sound(35, seed)
                        .noise({.at = 0.3, .attack = 0.02, .tau = 0.3, .gain = 1.0, .filters = {hp(3500)}})
                        .mode({.at = 0.3, .hz = 4200, .tau = 1.8, .gain = 0.4})
                        .mode({.at = 0.3, .hz = 6600, .tau = 1.1, .gain = 0.25})
                        .fadeOut(5),
                    -4};
        case PackID::crunch:  // noisy crunch
            return {Sound(130, seed)
                        .grains({.from = 0.5,
                                 .to = 90,
                                 .count = 70,
                                 .length = 0.9,
                                 .gain = 1.0,
                                 .levelTau = 28,
                                 .filters = {bp(1500, 0.6)}})
                        .noise({.at = 0.5, .attack = 3, .tau = 25, .gain = 0.25, .filters = {lp(1200)}}),
                    -4};
        case PackID::apple:  // crisp bite: one crack, then bright fragments
            return {Sound(100, seed)
                        .noise({.at = 0.5, .attack = 0.02, .tau = 1.0, .gain = 1.0, .filters = {hp(900)}})
                        .mode({.at = 0.5, .hz = 1850, .tau = 6, .gain = 0.25})
                        .mode({.at = 0.5, .hz = 3300, .tau = 4, .gain = 0.15})
                        .grains({.from = 3,
                                 .to = 45,
                                 .count = 26,
                                 .length = 0.5,
                                 .gain = 0.5,
                                 .levelTau = 20,
                                 .filters = {hp(2200), bp(3600, 0.9)}}),
                    -3};
        case PackID::carrot:  // harder, drier crack that breaks twice
            return {Sound(80, seed)
                        .noise({.at = 0.5, .attack = 0.02, .tau = 0.6, .gain = 1.0, .filters = {hp(1200)}})
                        .mode({.at = 0.5, .hz = 1650, .tau = 4.5, .gain = 0.6})
                        .mode({.at = 0.5, .hz = 2900, .tau = 2.5, .gain = 0.3})
                        .noise({.at = 11, .attack = 0.02, .tau = 0.4, .gain = 0.7, .filters = {hp(1500)}})
                        .mode({.at = 11, .hz = 2250, .tau = 3, .gain = 0.35}),
                    -3};

        // ---- fun
        case PackID::tock:  // woodblock: a resonant 1 kHz body
            return {Sound(120, seed)
                        .noise({.at = 0.5, .tau = 0.4, .gain = 0.5, .filters = {hp(1500)}})
                        .mode({.at = 0.5, .hz = 1000, .tau = 28, .gain = 1.0})
                        .mode({.at = 0.5, .hz = 2740, .tau = 9, .gain = 0.3})
                        .mode({.at = 0.5, .hz = 4420, .tau = 4, .gain = 0.15})
                        .mode({.at = 0.5, .hz = 380, .tau = 10, .gain = 0.2}),
                    -3};
        case PackID::crystal:  // glass bell: high inharmonic partials, a slow beat in the fundamental
            return {Sound(200, seed)
                        .noise({.at = 0.5, .attack = 0.02, .tau = 0.2, .gain = 0.3, .filters = {hp(6000)}})
                        .mode({.at = 0.5, .hz = 2400, .tau = 120, .gain = 1.0})
                        .mode({.at = 0.5, .hz = 2413, .tau = 110, .gain = 0.6})
                        .mode({.at = 0.5, .hz = 5570, .tau = 80, .gain = 0.5})
                        .mode({.at = 0.5, .hz = 8720, .tau = 50, .gain = 0.35})
                        .mode({.at = 0.5, .hz = 12450, .tau = 30, .gain = 0.2})
                        .fadeOut(30),
                    -5};
        case PackID::droplet:  // round bloop falling in pitch
            return {
                Sound(110, seed)
                    .mode({.at = 1, .hz = 900, .tau = 30, .gain = 1.0, .attack = 2, .toHz = 420, .glide = 25})
                    .mode({.at = 1,
                           .hz = 1800,
                           .tau = 12,
                           .gain = 0.15,
                           .attack = 2,
                           .toHz = 840,
                           .glide = 25}),
                -4};
        case PackID::bubble:  // pop, then a sine rising as the bubble closes
            return {
                Sound(120, seed)
                    .noise({.at = 0.5, .attack = 0.02, .tau = 0.4, .gain = 0.5, .filters = {bp(3000, 1.0)}})
                    .mode({.at = 1.5,
                           .hz = 380,
                           .tau = 35,
                           .gain = 1.0,
                           .attack = 3,
                           .toHz = 1400,
                           .glide = 100}),
                -4};
        case PackID::ice:  // icy clink: short, high partials at 1 : 1.565 : 2.34 : 3.117 : 3.89
            return {Sound(110, seed)
                        .noise({.at = 0.3, .attack = 0.02, .tau = 0.25, .gain = 0.9, .filters = {hp(5000)}})
                        .mode({.at = 0.3, .hz = 3400, .tau = 22, .gain = 0.8})
                        .mode({.at = 0.3, .hz = 5320, .tau = 16, .gain = 0.6})
                        .mode({.at = 0.3, .hz = 7960, .tau = 12, .gain = 0.45})
                        .mode({.at = 0.3, .hz = 10600, .tau = 9, .gain = 0.3})
                        .mode({.at = 0.3, .hz = 13230, .tau = 6, .gain = 0.2})
                        .fadeOut(15),
                    -4};
        case PackID::chips:  // crisp chip crunch: a dense cloud of bright grains
            return {Sound(85, seed)
                        .noise({.at = 0.5, .attack = 0.03, .tau = 0.6, .gain = 0.6, .filters = {hp(2500)}})
                        .grains({.from = 0.5,
                                 .to = 60,
                                 .count = 120,
                                 .length = 0.35,
                                 .gain = 1.0,
                                 .levelTau = 18,
                                 .filters = {hp(3000), bp(5500, 0.7)}}),
                    -4};
    }
    return {Sound(50, seed), -6};
}

// ---------------------------------------------------------------------------------------------
// WAV output

void putLE(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string wavBytes(const std::vector<int16_t>& pcm) {
    const uint32_t dataBytes = static_cast<uint32_t>(pcm.size() * 2);
    const uint32_t rate = static_cast<uint32_t>(kRate);
    std::string out = "RIFF";
    putLE(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLE(out, 16, 4);        // fmt chunk size
    putLE(out, 1, 2);         // PCM
    putLE(out, 1, 2);         // channels
    putLE(out, rate, 4);      // sample rate
    putLE(out, rate * 2, 4);  // byte rate
    putLE(out, 2, 2);         // block align
    putLE(out, 16, 2);        // bits per sample
    out += "data";
    putLE(out, dataBytes, 4);
    for (int16_t s : pcm) putLE(out, static_cast<uint16_t>(s), 2);
    return out;
}

}  // namespace
}  // namespace tocko

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gensounds <outdir>\n");
        return 2;
    }
    const std::filesystem::path outDir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    if (ec) {
        std::fprintf(stderr, "gensounds: cannot create %s: %s\n", outDir.c_str(), ec.message().c_str());
        return 1;
    }
    for (tocko::PackID pack : tocko::allPacks()) {
        const tocko::Recipe r = tocko::recipe(pack);
        const std::vector<int16_t> pcm = r.sound.finish(r.peakDb);
        const std::filesystem::path file = outDir / tocko::sampleFileName(pack);
        if (pcm.empty()) {
            std::fprintf(stderr, "gensounds: %s: recipe produced invalid samples\n", file.c_str());
            return 1;
        }
        const std::string bytes = tocko::wavBytes(pcm);
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "gensounds: cannot write %s\n", file.c_str());
            return 1;
        }
    }
    return 0;
}
