// gensounds: synthesises the key sounds shipped in resources/sounds.
//
//   gensounds <outdir>    writes, for every pack, five press takes (pack-<id>.wav,
//                         pack-<id>-2.wav ... pack-<id>-5.wav) and pack-<id>-release.wav
//
// A press is modelled from its physics: the mechanism (click jacket, tactile bump, spring), the
// bottom-out impact whose contact force, a short noisy pulse, drives a dense set of inharmonic
// damped modes (keycap and plate), and the case and desk below. The food, water and glass packs
// replace the key by what they are named after (fracture grains, rising bubble resonances, glass
// partials). Each take shifts the pack's modes, timings and levels a little; the release is the
// stem springing back. All of a pack's files are set to one typing loudness.
// The output is deterministic: every take draws from its own fixed-seed generator and all
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
#include <tuple>
#include <vector>

#include "audio/loudness.h"
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
// Building blocks. A press is rendered into a long buffer (times in milliseconds from its
// start), then trimmed where it has died away.

constexpr double kRenderMs = 700;
using Buffer = std::vector<double>;

double msAt(size_t i) { return static_cast<double>(i) * 1000.0 / kRate; }
Buffer silence() { return Buffer(samplesFor(kRenderMs), 0.0); }

double peakOf(const Buffer& x) {
    double peak = 0.0;
    for (double v : x) peak = std::max(peak, std::abs(v));
    return peak;
}

// Adds a layer scaled so that its own peak becomes `gain`: the recipes speak in peak levels.
void addAtPeak(Buffer& into, const Buffer& layer, double gain) {
    const double peak = peakOf(layer);
    if (peak <= 0.0) return;
    for (size_t i = 0; i < into.size(); ++i) into[i] += layer[i] * gain / peak;
}

// Two bodies meeting: the contact force is a half-sine pulse as long as the contact lasts (soft
// materials touch longer), roughened by noise (surface grain, the stem rattling in its housing)
// that rings on for a few contact times, and low-passed at the material's hardness.
struct Hit {
    double at = 1;
    double contactMs = 0.5;
    double hardnessHz = 6000;
    double roughness = 0.5;  // 0: clean pulse, 1: mostly noise
};

Buffer excitation(const Hit& h, Rng& rng) {
    Buffer e = silence();
    const size_t n0 = firstSampleAt(h.at);
    const size_t len = std::max<size_t>(2, samplesFor(h.contactMs));
    for (size_t i = 0; i < 8 * len && n0 + i < e.size(); ++i) {
        const double u = (static_cast<double>(i) + 0.5) / static_cast<double>(len);
        const double pulse = i < len ? std::sin(kPi * u) : 0.0;
        const double grain = (i < len ? 1.0 : std::exp(-(u - 1.0) / 1.5)) * rng.bipolar();
        e[n0 + i] = (1.0 - h.roughness) * pulse + h.roughness * 1.7 * grain;
    }
    applyFilters(e, {lp(h.hardnessHz), lp(h.hardnessHz)});
    return e;
}

// A resonating part (keycap, plate, case, desk, typebar): `count` inharmonic modes spread
// log-uniformly from lowHz to lowHz*spread. Higher modes die sooner (tau scales with
// (lowHz/f)^damping) and are weaker by tiltDb per octave.
struct Body {
    double lowHz = 500;
    double spread = 8;
    int count = 30;
    double tauMs = 20;
    double damping = 0.7;
    double tiltDb = -3;
};

struct ModeSet {
    std::vector<double> hz, tau, amp;
};

// The pack's own modes come from the pack's generator (every take is the same keyboard); each
// take shifts them a little (another key, another spot on the cap).
ModeSet modesOf(const Body& b, uint64_t packSeed, Rng& take, double detune) {
    Rng shape(packSeed ^ fnv1a("modes") ^ static_cast<uint64_t>(b.lowHz * 1000.0));
    ModeSet m;
    for (int k = 0; k < b.count; ++k) {
        const double u = (static_cast<double>(k) + shape.uniform(0.0, 0.9)) / static_cast<double>(b.count);
        const double hz = b.lowHz * std::pow(b.spread, u) * (1.0 + detune * take.bipolar());
        if (hz > 0.45 * kRate) continue;
        const double octaves = std::log2(hz / b.lowHz);
        m.hz.push_back(hz);
        m.tau.push_back(b.tauMs * std::pow(b.lowHz / hz, b.damping) * shape.uniform(0.7, 1.3));
        m.amp.push_back(std::pow(10.0, b.tiltDb * octaves / 20.0) * shape.uniform(0.3, 1.0) *
                        take.uniform(0.6, 1.4));
    }
    return m;
}

// Drives every mode (a two-pole resonator with a unit impulse response amplitude) with the
// excitation.
Buffer resonate(const Buffer& e, const ModeSet& m) {
    Buffer out(e.size(), 0.0);
    size_t lastInput = 0;
    for (size_t i = 0; i < e.size(); ++i)
        if (e[i] != 0.0) lastInput = i;
    for (size_t k = 0; k < m.hz.size(); ++k) {
        const double w = 2.0 * kPi * m.hz[k] / kRate;
        const double r = std::exp(-1000.0 / (m.tau[k] * kRate));
        const double c = 2.0 * r * std::cos(w), r2 = r * r, a = m.amp[k] * std::sin(w);
        double y1 = 0.0, y2 = 0.0;
        for (size_t i = 0; i < e.size(); ++i) {
            const double y = a * e[i] + c * y1 - r2 * y2;
            y2 = y1;
            y1 = y;
            out[i] += y;
            if (i > lastInput && std::abs(y1) + std::abs(y2) < 1e-12) break;
        }
    }
    return out;
}

// A single sine that decays and may glide (springs, bubbles, drops).
struct Tone {
    double at = 1;
    double hz = 1000;
    double tau = 10;
    double attack = 0.3;
    double toHz = 0;  // 0: no glide
    double glide = 0;
};

Buffer tone(const Tone& t) {
    Buffer out = silence();
    double phase = 0.0;
    for (size_t i = firstSampleAt(t.at); i < out.size(); ++i) {
        const double ms = msAt(i) - t.at;
        const double env = envelope(ms, t.attack, t.tau);
        if (ms > t.attack && env < 1e-7) break;
        out[i] = env * std::sin(phase);
        const double hz = t.toHz > 0.0 && t.glide > 0.0
                              ? t.hz * std::pow(t.toHz / t.hz, std::min(ms / t.glide, 1.0))
                              : t.hz;
        phase += 2.0 * kPi * hz / kRate;
    }
    return out;
}

// A burst of white noise shaped by attack/decay, then filtered (the filters ring on).
struct Noise {
    double at = 1;
    double attack = 0.05;
    double tau = 1;
    std::vector<Filter> filters;
};

Buffer noise(const Noise& n, Rng& rng) {
    Buffer out = silence();
    for (size_t i = firstSampleAt(n.at); i < out.size(); ++i) {
        const double env = envelope(msAt(i) - n.at, n.attack, n.tau);
        if (msAt(i) - n.at > n.attack && env < 1e-7) break;
        out[i] = env * rng.bipolar();
    }
    applyFilters(out, n.filters);
    return out;
}

// Noise through a band-pass whose centre glides from fromHz to toHz: wet, squishy movement.
struct Sweep {
    double at = 1;
    double attack = 5;
    double tau = 30;
    double fromHz = 300;
    double toHz = 700;
    double glide = 50;
    double q = 3;
};

Buffer sweep(const Sweep& s, Rng& rng) {
    Buffer out = silence();
    Biquad band(bp(s.fromHz, s.q));
    for (size_t i = firstSampleAt(s.at); i < out.size(); ++i) {
        const double t = msAt(i) - s.at;
        band.tune(bp(s.fromHz * std::pow(s.toHz / s.fromHz, std::min(t / s.glide, 1.0)), s.q));
        out[i] = band.process(envelope(t, s.attack, s.tau) * rng.bipolar());
    }
    return out;
}

// Fracture: many tiny noise bursts at random times between from and to, each ringing a random
// resonance of the breaking material; levels fall off with time constant levelTau.
struct Grains {
    double from = 1;
    double to = 40;
    int count = 20;
    double length = 0.5;  // mean decay of one grain, ms
    double levelTau = 20;
    double lowHz = 1500;  // grain resonances lie in lowHz...highHz
    double highHz = 6000;
};

Buffer grains(const Grains& g, Rng& rng) {
    Buffer out = silence();
    for (int k = 0; k < g.count; ++k) {
        const double start = rng.uniform(g.from, g.to);
        const double level = rng.uniform(0.2, 1.0) * std::exp(-(start - g.from) / g.levelTau);
        const double tau = g.length * rng.uniform(0.5, 1.5);
        Biquad ring(bp(g.lowHz * std::pow(g.highHz / g.lowHz, rng.uniform()), 2.0));
        for (size_t i = firstSampleAt(start); i < out.size(); ++i) {
            const double ms = msAt(i) - start;
            const double env = envelope(ms, 0.03, tau);
            if (ms > 8.0 * tau + 2.0) break;
            out[i] += level * ring.process(env * rng.bipolar());
        }
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// One take: the recipes add layers to it. `rng` varies per take; the pack's modes come from
// packSeed so that all takes share the pack's character.

class Take {
public:
    Take(uint64_t packSeed, uint64_t takeSeed) : packSeed_(packSeed), rng(takeSeed), out_(silence()) {}

    // A relative variation of x by up to +-rel.
    double vary(double x, double rel) { return x * (1.0 + rel * rng.bipolar()); }
    // A level in peak units varied by up to +-db.
    double level(double gain, double db) { return gain * std::pow(10.0, db * rng.bipolar() / 20.0); }

    // An impact ringing a body; `direct` adds the contact itself (the tick of the touch), high-passed.
    Take& impact(const Hit& h, const Body& b, double gain, double direct = 0.0, double directHp = 1500) {
        const Buffer e = excitation(h, rng);
        addAtPeak(out_, resonate(e, modesOf(b, packSeed_, rng, 0.06)), gain);
        if (direct > 0.0) {
            Buffer d = e;
            applyFilters(d, {hp(directHp)});
            addAtPeak(out_, d, direct);
        }
        return *this;
    }
    Take& tone(const Tone& t, double gain) {
        addAtPeak(out_, tocko::tone(t), gain);
        return *this;
    }
    Take& noise(const Noise& n, double gain) {
        addAtPeak(out_, tocko::noise(n, rng), gain);
        return *this;
    }
    Take& sweep(const Sweep& s, double gain) {
        addAtPeak(out_, tocko::sweep(s, rng), gain);
        return *this;
    }
    Take& grains(const Grains& g, double gain) {
        addAtPeak(out_, tocko::grains(g, rng), gain);
        return *this;
    }
    Take& filter(const Filter& f) {
        applyFilters(out_, {f});
        return *this;
    }
    Buffer take() { return std::move(out_); }

private:
    uint64_t packSeed_;

public:
    Rng rng;

private:
    Buffer out_;
};

// ---------------------------------------------------------------------------------------------
// Recipes. Each pack's press: the mechanism (click jacket, tactile bump, spring), the bottom-out
// impact ringing keycap and plate, and the case or desk; or, for the food, water and glass
// packs, the thing the name promises. `up` renders the key-up: the stem springing back against
// the top of its housing, or the matching after-sound.

// Case and desk: a few low, well damped modes shared by the keyboard packs.
constexpr Body kCase{.lowHz = 180, .spread = 5, .count = 24, .tauMs = 28, .damping = 0.5, .tiltDb = -2};
constexpr Body kDesk{.lowHz = 110, .spread = 4, .count = 18, .tauMs = 24, .damping = 0.5, .tiltDb = -3};

// Air and friction: the keycap brushing its stem, air pushed out under the cap, the faint rustle
// of parts settling. Broadband noise (a real press is never a clean sum of modes): a short
// burst at the contact and a quiet tail as long as the body rings.
void air(Take& t, double at, double gain, double tailMs, double lowHz = 1500) {
    t.noise({.at = at, .attack = 0.1, .tau = 3, .filters = {hp(lowHz), lp(14000)}}, t.level(gain, 2));
    t.noise({.at = at, .attack = 1, .tau = tailMs, .filters = {hp(lowHz * 0.6), lp(12000)}},
            t.level(gain * 0.18, 2));
}

void keyboard(Take& t, bool up, const Hit& hit, const Body& cap, double capGain, double caseGain,
              double direct, double upPitch = 1.25, double airGain = 0.3) {
    if (up) {
        Hit top = hit;
        top.at = t.vary(1.0, 0.2);
        top.contactMs *= 0.7;
        top.hardnessHz *= 1.2;
        Body capUp = cap;
        capUp.lowHz *= upPitch;
        capUp.tauMs *= 0.8;
        t.impact(top, capUp, t.level(capGain, 1.5), direct * 0.8);
        t.impact(top, kCase, t.level(caseGain * 0.5, 1.5));
        air(t, top.at, airGain * 0.8, std::max(cap.tauMs * 0.8, 30.0));
        return;
    }
    // Each key is struck a little differently: harder or softer, on another spot.
    Hit h = hit;
    h.hardnessHz = t.vary(h.hardnessHz, 0.3);
    h.contactMs = t.vary(h.contactMs, 0.25);
    t.impact(h, cap, t.level(capGain, 2.5), t.level(direct, 3));
    t.impact(h, kCase, t.level(caseGain, 2.5));
    Hit desk = hit;
    desk.contactMs *= 3;
    desk.hardnessHz = 900;
    t.impact(desk, kDesk, t.level(caseGain * 0.3, 4));
    air(t, hit.at, airGain, std::max(cap.tauMs, 40.0));
}

void recipe(PackID pack, Take& t, bool up) {
    const double at = t.vary(1.0, 0.3);
    switch (pack) {
        // ---- mechanical
        case PackID::clicky: {  // click jacket snaps, then the stem bottoms out
            const double travel = t.vary(12, 0.15);
            t.noise({.at = at, .tau = 0.5, .filters = {hp(2500), bp(4300, 1.2)}},
                    t.level(up ? 0.5 : 0.9, 1.5));
            t.impact({.at = at, .contactMs = 0.15, .hardnessHz = 9000, .roughness = 0.4},
                     {.lowHz = 3200, .spread = 2.2, .count = 14, .tauMs = 5, .damping = 0.5}, up ? 0.3 : 0.5);
            keyboard(t, up, {.at = up ? at : at + travel, .contactMs = 0.35, .hardnessHz = 7000},
                     {.lowHz = 900, .spread = 7, .count = 55, .tauMs = 14, .damping = 0.8, .tiltDb = -2}, 0.7,
                     0.35, 0.5, 1.25, 0.45);
            return;
        }
        case PackID::blue: {  // higher, crisper click; two clicks and a spring ping
            const double travel = t.vary(9, 0.15);
            t.noise({.at = at, .tau = 0.35, .filters = {hp(4500)}}, t.level(0.9, 1.5));
            t.impact({.at = at, .contactMs = 0.1, .hardnessHz = 12000, .roughness = 0.5},
                     {.lowHz = 4500, .spread = 2.0, .count = 14, .tauMs = 4, .damping = 0.5},
                     up ? 0.45 : 0.6);
            t.tone({.at = at + 1, .hz = t.vary(4600, 0.03), .tau = 22}, 0.05);
            keyboard(t, up, {.at = up ? at + 3 : at + travel, .contactMs = 0.25, .hardnessHz = 9000},
                     {.lowHz = 1300, .spread = 6, .count = 40, .tauMs = 12, .damping = 0.8, .tiltDb = -1.5},
                     0.7, 0.3, 0.6);
            return;
        }
        case PackID::tactile: {  // a rounded bump, then a muted bottom-out
            t.noise({.at = at, .attack = 1.5, .tau = 3, .filters = {lp(1400), hp(250)}}, t.level(0.35, 2));
            keyboard(t, up, {.at = up ? at : at + t.vary(10, 0.15), .contactMs = 0.5, .hardnessHz = 5000},
                     {.lowHz = 600, .spread = 7, .count = 40, .tauMs = 18, .damping = 0.8, .tiltDb = -3}, 0.8,
                     0.45, 0.25);
            return;
        }
        case PackID::brown: {  // softer bump, a lower and fuller thock
            t.noise({.at = at, .attack = 2, .tau = 4, .filters = {lp(1000), hp(250)}}, t.level(0.25, 2));
            keyboard(t, up, {.at = up ? at : at + t.vary(8, 0.15), .contactMs = 0.7, .hardnessHz = 4000},
                     {.lowHz = 450, .spread = 7, .count = 40, .tauMs = 22, .damping = 0.8, .tiltDb = -3.5},
                     0.8, 0.55, 0.15);
            return;
        }
        case PackID::creamy:  // smooth linear, deep rounded thock
            keyboard(t, up, {.at = at, .contactMs = 1.0, .hardnessHz = 3000, .roughness = 0.35},
                     {.lowHz = 320, .spread = 7, .count = 36, .tauMs = 30, .damping = 0.9, .tiltDb = -4}, 0.8,
                     0.6, 0.08, 1.15, 0.4);
            return;
        case PackID::marble:  // marbly: a hard, glassy clack with a short bright ring
            keyboard(t, up, {.at = at, .contactMs = 0.2, .hardnessHz = 10000, .roughness = 0.3},
                     {.lowHz = 1400, .spread = 5, .count = 30, .tauMs = 30, .damping = 0.6, .tiltDb = -1},
                     0.9, 0.35, 0.3, 1.1);
            return;
        case PackID::slime:  // lubed linear, with a wet squelch
            t.sweep({.at = at,
                     .attack = up ? 3.0 : 6.0,
                     .tau = up ? 18.0 : 30.0,
                     .fromHz = t.vary(up ? 700.0 : 300.0, 0.1),
                     .toHz = t.vary(up ? 1300.0 : 800.0, 0.1),
                     .glide = 40,
                     .q = 4},
                    t.level(0.6, 1.5));
            keyboard(t, up, {.at = at + 2, .contactMs = 0.9, .hardnessHz = 3000},
                     {.lowHz = 380, .spread = 6, .count = 30, .tauMs = 20, .damping = 0.9, .tiltDb = -4}, 0.6,
                     0.4, 0.05);
            return;

        // ---- asmr
        case PackID::pillow:  // a finger into a cushion: soft, breathy, low
            t.noise({.at = at,
                     .attack = up ? 10.0 : 6.0,
                     .tau = up ? 30.0 : 40.0,
                     .filters = {bp(t.vary(500, 0.1), 0.7)}},
                    t.level(0.8, 1.5));
            t.impact({.at = at + 2, .contactMs = 4, .hardnessHz = 900, .roughness = 0.7},
                     {.lowHz = 220, .spread = 6, .count = 24, .tauMs = 25, .damping = 0.8, .tiltDb = -4},
                     t.level(up ? 0.2 : 0.5, 1.5));
            t.filter(lp(1600));
            air(t, at, 0.5, 30, 700);
            return;
        case PackID::chocolate:  // a bar snapping: one crack, a few fracture grains
            if (up) {
                t.grains({.from = at,
                          .to = at + 25,
                          .count = 6,
                          .length = 0.6,
                          .levelTau = 15,
                          .lowHz = 1200,
                          .highHz = 3500},
                         0.5);
                t.impact({.at = at, .contactMs = 0.6, .hardnessHz = 3000}, kCase, 0.3);
                return;
            }
            t.impact({.at = at, .contactMs = 0.3, .hardnessHz = 6000, .roughness = 0.8},
                     {.lowHz = 900, .spread = 4, .count = 24, .tauMs = 12, .damping = 0.8, .tiltDb = -3}, 0.7,
                     0.6);
            t.grains({.from = at + 1,
                      .to = at + 60,
                      .count = 16,
                      .length = 0.5,
                      .levelTau = 20,
                      .lowHz = 1000,
                      .highHz = 4000},
                     t.level(0.6, 1.5));
            t.impact({.at = at, .contactMs = 1.2, .hardnessHz = 2500}, kCase, 0.35);
            air(t, at, 0.3, 45);
            return;
        case PackID::bite:  // teeth through something crisp: a dense crunch over a soft jaw thud
            t.grains({.from = at,
                      .to = at + (up ? 30.0 : 70.0),
                      .count = up ? 20 : 55,
                      .length = 0.6,
                      .levelTau = up ? 12.0 : 25.0,
                      .lowHz = 1500,
                      .highHz = 8000},
                     0.9);
            t.impact({.at = at, .contactMs = 2.5, .hardnessHz = 1500, .roughness = 0.6}, kCase,
                     up ? 0.2 : 0.4);
            return;
        case PackID::marshmallow:  // a soft squish: a slow, falling band of noise
            t.sweep({.at = at,
                     .attack = up ? 8.0 : 12.0,
                     .tau = up ? 30.0 : 50.0,
                     .fromHz = t.vary(up ? 700.0 : 1000.0, 0.1),
                     .toHz = t.vary(up ? 1000.0 : 420.0, 0.1),
                     .glide = 70,
                     .q = 2.0},
                    t.level(0.8, 1.5));
            t.noise({.at = at, .attack = 8, .tau = 35, .filters = {bp(600, 0.8)}}, 0.3);
            t.filter(lp(2500));
            air(t, at, 0.5, 40, 1000);
            return;
        case PackID::felt:  // a muffled tap on a felt-covered board
            t.impact({.at = at,
                      .contactMs = t.vary(up ? 1.6 : 2.2, 0.3),
                      .hardnessHz = t.vary(1400, 0.3),
                      .roughness = 0.6},
                     {.lowHz = 380, .spread = 6, .count = 45, .tauMs = 22, .damping = 0.8, .tiltDb = -4},
                     t.level(up ? 0.5 : 0.8, 3));
            t.noise({.at = at, .attack = 2, .tau = t.vary(18, 0.3), .filters = {bp(t.vary(900, 0.3), 0.8)}},
                    t.level(0.3, 4));
            t.impact({.at = at, .contactMs = 3, .hardnessHz = 800}, kDesk, t.level(up ? 0.1 : 0.2, 4));
            t.filter(lp(2500));
            air(t, at, 0.45, 40, 1000);
            return;

        // ---- vintage
        case PackID::typewriter: {  // typebar onto the platen, the escapement lets the carriage step
            if (up) {               // the typebar falls back into its rest, the carriage ratchet settles
                t.impact({.at = at, .contactMs = 0.8, .hardnessHz = 4000, .roughness = 0.5},
                         {.lowHz = 250, .spread = 6, .count = 30, .tauMs = 20, .damping = 0.7}, 0.6);
                t.impact(
                    {.at = at + t.vary(14, 0.2), .contactMs = 0.15, .hardnessHz = 9000, .roughness = 0.6},
                    {.lowHz = 2400, .spread = 3, .count = 20, .tauMs = 10, .damping = 0.5}, 0.35, 0.3);
                return;
            }
            // Steel typebar slapping the rubber platen: hard, short, metallic.
            t.impact({.at = at, .contactMs = 0.25, .hardnessHz = 9000, .roughness = 0.5},
                     {.lowHz = 1100, .spread = 7, .count = 45, .tauMs = 22, .damping = 0.6, .tiltDb = -1},
                     0.8, 0.7, 1200);
            // Platen and frame thud.
            t.impact({.at = at, .contactMs = 1.0, .hardnessHz = 2500},
                     {.lowHz = 160, .spread = 5, .count = 14, .tauMs = 30, .damping = 0.5, .tiltDb = -3},
                     0.5);
            // Escapement: the carriage jumps one letter, a dry ratchet tick.
            const double step = at + t.vary(24, 0.15);
            t.impact({.at = step, .contactMs = 0.12, .hardnessHz = 10000, .roughness = 0.7},
                     {.lowHz = 2000, .spread = 4, .count = 24, .tauMs = 12, .damping = 0.5}, t.level(0.4, 2),
                     0.3);
            return;
        }
        case PackID::vintage: {  // buckling spring: the spring buckles with a ping, loose parts rattle
            t.impact({.at = at, .contactMs = 0.3, .hardnessHz = 7000, .roughness = 0.6},
                     {.lowHz = 1600, .spread = 3, .count = 20, .tauMs = 8, .damping = 0.5}, up ? 0.4 : 0.6,
                     0.5);
            t.tone({.at = at + 0.5, .hz = t.vary(3300, 0.04), .tau = 45}, 0.06);
            t.tone({.at = at + 0.5, .hz = t.vary(5100, 0.04), .tau = 30}, 0.03);
            keyboard(t, up, {.at = at + (up ? 4 : t.vary(6, 0.2)), .contactMs = 0.5, .hardnessHz = 5000},
                     {.lowHz = 500, .spread = 8, .count = 45, .tauMs = 25, .damping = 0.7, .tiltDb = -2.5},
                     0.8, 0.6, 0.3);
            for (int k = 0; k < 3; ++k) {
                const double when = at + t.vary(14 + 9 * k, 0.2);
                t.impact({.at = when, .contactMs = 0.15, .hardnessHz = 8000, .roughness = 0.7},
                         {.lowHz = 2200, .spread = 2.5, .count = 12, .tauMs = 5, .damping = 0.5},
                         t.level(0.25 * std::pow(0.6, k), 2));
            }
            return;
        }
        case PackID::mallet:  // a felt-headed mallet on a wooden board
            t.impact({.at = at,
                      .contactMs = t.vary(up ? 1.0 : 1.4, 0.3),
                      .hardnessHz = t.vary(3500, 0.3),
                      .roughness = 0.35},
                     {.lowHz = 280, .spread = 8, .count = 55, .tauMs = 30, .damping = 1.0, .tiltDb = -3},
                     t.level(up ? 0.5 : 0.9, 1.5), 0.1);
            t.impact({.at = at, .contactMs = 2.5, .hardnessHz = 1000}, kDesk, t.level(up ? 0.2 : 0.4, 4));
            air(t, at, 0.4, 35, 1200);
            return;
        case PackID::snappy:  // a quick, hard snap on a stiff board
            keyboard(t, up, {.at = at, .contactMs = 0.12, .hardnessHz = 12000, .roughness = 0.6},
                     {.lowHz = 1700, .spread = 6, .count = 60, .tauMs = 16, .damping = 0.6, .tiltDb = -1.5},
                     0.8, 0.25, 0.7, 1.25, 0.7);
            return;
        case PackID::soft:  // the gentle default: a quiet, rounded key
            keyboard(t, up, {.at = at, .contactMs = 0.8, .hardnessHz = 4000, .roughness = 0.45},
                     {.lowHz = 650, .spread = 7, .count = 36, .tauMs = 18, .damping = 0.8, .tiltDb = -3}, 0.8,
                     0.4, 0.12);
            return;

        // ---- sharp
        case PackID::drip:  // a drop falls into water: a small splash, then the air cavity rings rising
            t.noise({.at = at, .tau = 0.6, .filters = {hp(1500), lp(7000)}}, t.level(0.4, 2));
            t.tone({.at = at + 1.5,
                    .hz = t.vary(up ? 1200.0 : 800.0, 0.2),
                    .tau = t.vary(up ? 18.0 : 28.0, 0.3),
                    .attack = 1,
                    .toHz = t.vary(up ? 2200.0 : 1900.0, 0.05),
                    .glide = up ? 20.0 : 30.0},
                   0.9);
            t.noise({.at = at, .attack = 2, .tau = 30, .filters = {bp(t.vary(1500, 0.2), 0.9)}}, 0.08);
            return;
        case PackID::chiclet:  // a thin laptop key: plastic tick, scissor rattle, a flexing deck
            t.impact({.at = at, .contactMs = 0.1, .hardnessHz = 12000, .roughness = 0.6},
                     {.lowHz = 2600, .spread = 3.5, .count = 30, .tauMs = 6, .damping = 0.6},
                     t.level(0.8, 1.5), 0.6, 3000);
            t.impact({.at = at + t.vary(2.5, 0.3), .contactMs = 0.1, .hardnessHz = 10000, .roughness = 0.8},
                     {.lowHz = 3500, .spread = 2, .count = 12, .tauMs = 3, .damping = 0.5}, t.level(0.3, 2));
            t.impact({.at = at, .contactMs = 0.6, .hardnessHz = 4000},
                     {.lowHz = 420, .spread = 4, .count = 16, .tauMs = 35, .damping = 0.6, .tiltDb = -3},
                     up ? 0.15 : 0.3);
            air(t, at, 0.35, 30, 2000);
            return;
        case PackID::crunch:  // a long, noisy crunch
            t.grains({.from = at,
                      .to = at + (up ? 50.0 : 120.0),
                      .count = up ? 35 : 90,
                      .length = 0.9,
                      .levelTau = up ? 20.0 : 40.0,
                      .lowHz = 700,
                      .highHz = 4000},
                     0.9);
            t.impact({.at = at, .contactMs = 3, .hardnessHz = 1200, .roughness = 0.7}, kCase,
                     up ? 0.15 : 0.3);
            return;
        case PackID::apple:  // a crisp bite: one crack, bright fragments, a little juice
            t.impact({.at = at, .contactMs = 0.2, .hardnessHz = 9000, .roughness = 0.8},
                     {.lowHz = 1600, .spread = 4, .count = 24, .tauMs = 8, .damping = 0.6}, up ? 0.4 : 0.8,
                     up ? 0.3 : 0.6);
            t.grains({.from = at + 2,
                      .to = at + (up ? 40.0 : 90.0),
                      .count = up ? 14 : 38,
                      .length = 0.5,
                      .levelTau = 30,
                      .lowHz = 2200,
                      .highHz = 7000},
                     t.level(0.5, 1.5));
            t.sweep({.at = at + 5, .attack = 5, .tau = 20, .fromHz = 2500, .toHz = 1600, .glide = 30, .q = 3},
                    0.12);
            return;
        case PackID::carrot: {  // a hard, dry crack that breaks twice
            const double second = at + t.vary(up ? 8.0 : 12.0, 0.25);
            const Body root{
                .lowHz = 1300, .spread = 3.5, .count = 24, .tauMs = 7, .damping = 0.6, .tiltDb = -2};
            t.impact({.at = at, .contactMs = 0.15, .hardnessHz = 9000, .roughness = 0.7}, root,
                     up ? 0.45 : 0.8, 0.7);
            t.impact({.at = second, .contactMs = 0.15, .hardnessHz = 8000, .roughness = 0.8}, root,
                     t.level(up ? 0.3 : 0.55, 2), 0.4);
            t.grains({.from = at + 1,
                      .to = at + 35,
                      .count = 12,
                      .length = 0.4,
                      .levelTau = 10,
                      .lowHz = 1800,
                      .highHz = 5000},
                     0.3);
            t.impact({.at = at, .contactMs = 1.5, .hardnessHz = 1500}, kCase, 0.3);
            air(t, at, 0.35, 25);
            return;
        }

        // ---- fun
        case PackID::tock:  // a woodblock struck by a hard stick
            t.impact({.at = at, .contactMs = 0.3, .hardnessHz = 7000, .roughness = 0.5},
                     {.lowHz = 700, .spread = 9, .count = 45, .tauMs = 25, .damping = 1.0, .tiltDb = -1.5},
                     0.6, 0.3);
            // The slot's air cavity: a cluster of modes about 1 kHz gives the block its pitch.
            t.impact({.at = at, .contactMs = 0.3, .hardnessHz = 7000, .roughness = 0.5},
                     {.lowHz = up ? 1050.0 : 850.0, .spread = 1.5, .count = 14, .tauMs = 25, .damping = 0.5},
                     up ? 0.25 : 0.35);
            air(t, at, 0.35, 25);
            return;
        case PackID::crystal: {  // a glass bell: high inharmonic partials, one slow beat
            const double pitch = t.vary(up ? 3100 : 2400, 0.12);
            t.noise({.at = at, .tau = 0.2, .filters = {hp(6000)}}, 0.3);
            for (auto [ratio, gain, tau] : {std::tuple{1.0, 1.0, 50.0},
                                            {1.005, 0.6, 45.0},
                                            {2.32, 0.5, 35.0},
                                            {3.63, 0.35, 25.0},
                                            {5.19, 0.2, 15.0}})
                t.tone(
                    {.at = at, .hz = pitch * ratio, .tau = t.vary(up ? tau * 0.5 : tau, 0.3), .attack = 0.1},
                    t.level(gain * (up ? 0.5 : 1.0), 4));
            t.impact({.at = at, .contactMs = 0.15, .hardnessHz = 12000, .roughness = 0.5},
                     {.lowHz = 3000, .spread = 3, .count = 20, .tauMs = 10, .damping = 0.5}, 0.3);
            return;
        }
        case PackID::droplet:  // a round water drop: a plink that rises as the cavity closes
            t.tone({.at = at + 1,
                    .hz = t.vary(up ? 700.0 : 500.0, 0.2),
                    .tau = t.vary(up ? 20.0 : 32.0, 0.3),
                    .attack = 2,
                    .toHz = t.vary(up ? 1300.0 : 1150.0, 0.05),
                    .glide = t.vary(up ? 25.0 : 40.0, 0.3)},
                   1.0);
            t.noise({.at = at, .tau = 0.4, .filters = {bp(3000, 1.0)}}, t.level(0.2, 2));
            return;
        case PackID::bubble:  // a pop, then a bubble's ring rising as it closes
            t.noise({.at = at, .tau = 0.4, .filters = {bp(t.vary(3000, 0.2), 1.0)}}, t.level(0.5, 2));
            t.tone({.at = at + 1.5,
                    .hz = t.vary(up ? 600.0 : 380.0, 0.1),
                    .tau = up ? 25.0 : 38.0,
                    .attack = 3,
                    .toHz = t.vary(up ? 1600.0 : 1300.0, 0.06),
                    .glide = 90},
                   1.0);
            return;
        case PackID::ice:  // ice cubes clinking in a glass: short, high partials, a second clink
            for (double when : {at, at + t.vary(up ? 9.0 : 16.0, 0.3)}) {
                const double base = t.vary(up ? 3900.0 : 3300.0, 0.15);
                for (auto [ratio, gain, tau] : {std::tuple{1.0, 0.8, 22.0},
                                                {1.565, 0.6, 16.0},
                                                {2.34, 0.45, 12.0},
                                                {3.117, 0.3, 9.0},
                                                {3.89, 0.2, 6.0}})
                    t.tone({.at = when, .hz = base * ratio, .tau = tau, .attack = 0.05},
                           t.level(gain * (when == at ? 1.0 : 0.5), 4));
                t.noise({.at = when, .tau = 0.25, .filters = {hp(5000)}}, when == at ? 0.6 : 0.3);
            }
            return;
        case PackID::chips:  // crisp potato chips: a dense cloud of bright fractures
            t.grains({.from = at,
                      .to = at + (up ? 35.0 : 75.0),
                      .count = up ? 45 : 120,
                      .length = 0.35,
                      .levelTau = up ? 12.0 : 22.0,
                      .lowHz = 2500,
                      .highHz = 9000},
                     0.9);
            t.impact({.at = at, .contactMs = 0.2, .hardnessHz = 9000, .roughness = 0.8},
                     {.lowHz = 2000, .spread = 3, .count = 20, .tauMs = 5, .damping = 0.5}, up ? 0.3 : 0.5,
                     0.4);
            return;
    }
}
// ---------------------------------------------------------------------------------------------
// Finishing: DC removal, trimming where the sound has died away, fades to exact zero, one
// typing loudness for every pack, a soft ceiling for the rare transient that would clip.

constexpr int kTakes = 5;
// K-weighted RMS of steady typing (8 presses a second with releases) every pack is set to,
// about -22 LUFS; the engine's gains then only trim what is left.
constexpr double kFileLevel = 0.075;
constexpr double kCeiling = 0.93;  // about -0.6 dBFS
constexpr double kKnee = 0.6;
constexpr double kFadeInMs = 0.6;
constexpr double kFadeOutMs = 12;
constexpr double kTrimDb = 60;  // the file ends once its 1 ms RMS stays this far under the peak

Buffer dcBlocked(const Buffer& in) {
    const double r = std::exp(-2.0 * kPi * 20.0 / kRate);
    Buffer out(in.size());
    double prevIn = 0.0, prevOut = 0.0;
    for (size_t i = 0; i < in.size(); ++i) {
        out[i] = in[i] - prevIn + r * prevOut;
        prevIn = in[i];
        prevOut = out[i];
    }
    return out;
}

// Empty if the recipe produced a non-finite sample.
Buffer trimmed(const Buffer& raw) {
    Buffer x = dcBlocked(raw);
    for (double v : x)
        if (!std::isfinite(v)) return {};
    const size_t win = samplesFor(1);
    std::vector<double> env;
    for (size_t i = 0; i + win <= x.size(); i += win) {
        double s = 0.0;
        for (size_t k = 0; k < win; ++k) s += x[i + k] * x[i + k];
        env.push_back(std::sqrt(s / static_cast<double>(win)));
    }
    const double top = *std::max_element(env.begin(), env.end());
    size_t last = 0;
    for (size_t i = 0; i < env.size(); ++i)
        if (env[i] > top * std::pow(10.0, -kTrimDb / 20.0)) last = i;
    const size_t n = std::min(x.size(), (last + 1) * win + samplesFor(kFadeOutMs / 2));
    x.resize(n);
    const size_t fadeIn = samplesFor(kFadeInMs), fadeOut = std::min(n / 2, samplesFor(kFadeOutMs));
    for (size_t i = 0; i < fadeIn && i < n; ++i)
        x[i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(fadeIn));
    for (size_t j = 0; j < fadeOut; ++j)
        x[n - 1 - j] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(j) / static_cast<double>(fadeOut));
    return x;
}

double softCeiling(double v) {
    const double a = std::abs(v);
    if (a <= kKnee) return v;
    const double limited = kKnee + (kCeiling - kKnee) * std::tanh((a - kKnee) / (kCeiling - kKnee));
    return v < 0 ? -limited : limited;
}

std::vector<float> asFloat(const Buffer& x) { return {x.begin(), x.end()}; }

double typingLevelOf(const std::vector<Buffer>& takes, const Buffer& release) {
    std::vector<double> energies;
    for (const Buffer& t : takes) {
        const std::vector<float> f = asFloat(t);
        energies.push_back(kWeightedEnergy(f.data(), f.size(), kRate));
    }
    const std::vector<float> r = asFloat(release);
    return typingLevel(energies, kWeightedEnergy(r.data(), r.size(), kRate), kRate);
}

// Brings the takes and the release (together, keeping their balance) to kFileLevel. The
// ceiling takes a little energy from the loudest transients, so the level is measured again.
void normalise(std::vector<Buffer>& takes, Buffer& release) {
    for (int pass = 0; pass < 4; ++pass) {
        const double level = typingLevelOf(takes, release);
        if (level <= 0.0) return;
        const double scale = kFileLevel / level;
        auto apply = [&](Buffer& x) {
            for (double& v : x) v = softCeiling(v * scale);
        };
        for (Buffer& t : takes) apply(t);
        apply(release);
    }
}

std::vector<int16_t> pcm16(const Buffer& x) {
    std::vector<int16_t> pcm(x.size());
    for (size_t i = 0; i < x.size(); ++i)
        pcm[i] = static_cast<int16_t>(std::clamp(std::lround(x[i] * 32767.0), -32767L, 32767L));
    return pcm;
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

bool writeFile(const std::filesystem::path& file, const std::vector<int16_t>& pcm) {
    const std::string bytes = wavBytes(pcm);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

// Renders, finishes and writes one pack's takes and release.
bool writePack(PackID pack, const std::filesystem::path& outDir) {
    const std::string id(rawValue(pack));
    const uint64_t packSeed = fnv1a(id);
    auto render = [&](const std::string& name, bool up) {
        Take t(packSeed, fnv1a(id + "/" + name));
        recipe(pack, t, up);
        return trimmed(t.take());
    };
    std::vector<Buffer> takes;
    for (int k = 0; k < kTakes; ++k) takes.push_back(render("take" + std::to_string(k), false));
    Buffer release = render("release", true);
    for (const Buffer& b : takes)
        if (b.empty()) release.clear();
    if (release.empty()) {
        std::fprintf(stderr, "gensounds: %s: recipe produced invalid samples\n", id.c_str());
        return false;
    }
    normalise(takes, release);
    for (int k = 0; k < kTakes; ++k) {
        const std::filesystem::path file = outDir / takeFileName(pack, k);
        if (!writeFile(file, pcm16(takes[size_t(k)]))) {
            std::fprintf(stderr, "gensounds: cannot write %s\n", file.c_str());
            return false;
        }
    }
    const std::filesystem::path file = outDir / releaseFileName(pack);
    if (!writeFile(file, pcm16(release))) {
        std::fprintf(stderr, "gensounds: cannot write %s\n", file.c_str());
        return false;
    }
    return true;
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
    for (tocko::PackID pack : tocko::allPacks())
        if (!tocko::writePack(pack, outDir)) return 1;
    return 0;
}
