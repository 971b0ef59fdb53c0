#include "audio/loudness.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace tocko {

namespace {

struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double process(double x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

// The two K-weighting stages for any rate (they reduce to the published
// 48 kHz coefficients): a +4 dB high shelf modelling the head, then the
// revised low-frequency B-curve high-pass.
Biquad shelfStage(double rate) {
    const double f0 = 1681.974450955533, gainDb = 3.999843853973347, q = 0.7071752369554196;
    const double k = std::tan(std::numbers::pi * f0 / rate);
    const double vh = std::pow(10.0, gainDb / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1.0 + k / q + k * k;
    Biquad s;
    s.b0 = (vh + vb * k / q + k * k) / a0;
    s.b1 = 2.0 * (k * k - vh) / a0;
    s.b2 = (vh - vb * k / q + k * k) / a0;
    s.a1 = 2.0 * (k * k - 1.0) / a0;
    s.a2 = (1.0 - k / q + k * k) / a0;
    return s;
}

Biquad rlbStage(double rate) {
    const double f0 = 38.13547087602444, q = 0.5003270373238773;
    const double k = std::tan(std::numbers::pi * f0 / rate);
    const double a0 = 1.0 + k / q + k * k;
    Biquad s;
    s.b0 = 1.0;
    s.b1 = -2.0;
    s.b2 = 1.0;
    s.a1 = 2.0 * (k * k - 1.0) / a0;
    s.a2 = (1.0 - k / q + k * k) / a0;
    return s;
}

Biquad butterworthHighPass(double rate, double hz, double q) {
    const double w0 = 2.0 * std::numbers::pi * hz / rate;
    const double cw = std::cos(w0), alpha = std::sin(w0) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    Biquad s;
    s.b0 = s.b2 = (1.0 + cw) / 2.0 / a0;
    s.b1 = -(1.0 + cw) / a0;
    s.a1 = -2.0 * cw / a0;
    s.a2 = (1.0 - alpha) / a0;
    return s;
}

}  // namespace

std::vector<double> kWeighted(const float* samples, size_t frames, double rate) {
    Biquad shelf = shelfStage(rate), rlb = rlbStage(rate);
    std::vector<double> out(frames);
    for (size_t i = 0; i < frames; ++i) out[i] = rlb.process(shelf.process(double(samples[i])));
    return out;
}

double kWeightedEnergy(const float* samples, size_t frames, double rate) {
    Biquad shelf = shelfStage(rate), rlb = rlbStage(rate);
    double sum = 0;
    for (size_t i = 0; i < frames; ++i) {
        const double y = rlb.process(shelf.process(double(samples[i])));
        sum += y * y;
    }
    return sum;
}

double typingLevel(const std::vector<double>& takeEnergies, double releaseEnergy, double rate) {
    if (takeEnergies.empty() || rate <= 0) return 0;
    double mean = 0;
    for (double e : takeEnergies) mean += e;
    mean /= double(takeEnergies.size());
    const double period = rate / kTypingPressesPerSecond;
    return std::sqrt((mean + releaseEnergy) / period);
}

double loudnessOfLevel(double level) {
    if (!(level > 0)) return -std::numeric_limits<double>::infinity();
    return -0.691 + 20.0 * std::log10(level);
}

double integratedLoudness(const std::vector<float>& samples, double rate) {
    const std::vector<double> y = kWeighted(samples.data(), samples.size(), rate);
    const size_t block = size_t(std::lround(0.4 * rate)), hop = size_t(std::lround(0.1 * rate));
    std::vector<double> powers;
    for (size_t start = 0; start + block <= y.size(); start += hop) {
        double sum = 0;
        for (size_t i = start; i < start + block; ++i) sum += y[i] * y[i];
        powers.push_back(sum / double(block));
    }
    auto lufs = [](double power) { return -0.691 + 10.0 * std::log10(power); };
    auto gatedMean = [&](double gate) {
        double sum = 0;
        size_t n = 0;
        for (double p : powers)
            if (p > 0 && lufs(p) > gate) {
                sum += p;
                ++n;
            }
        return n == 0 ? 0.0 : sum / double(n);
    };
    const double absolute = gatedMean(-70.0);
    if (!(absolute > 0)) return -std::numeric_limits<double>::infinity();
    const double relative = gatedMean(lufs(absolute) - 10.0);
    return relative > 0 ? lufs(relative) : -std::numeric_limits<double>::infinity();
}

void highPass(std::vector<float>& samples, double rate, double hz) {
    // Two sections with the Q values of a fourth-order Butterworth response.
    Biquad first = butterworthHighPass(rate, hz, 0.54119610014619698);
    Biquad second = butterworthHighPass(rate, hz, 1.3065629648763766);
    for (float& s : samples) s = float(second.process(first.process(double(s))));
}

}  // namespace tocko
