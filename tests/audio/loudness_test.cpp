#include "audio/loudness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "audio/sound_engine.h"

using namespace tocko;

namespace {
std::vector<float> sine(double hz, double seconds, double amplitude = 1.0, double rate = 48000) {
    std::vector<float> v(size_t(seconds * rate));
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = float(amplitude * std::sin(2 * std::numbers::pi * hz * double(i) / rate));
    return v;
}

double rmsDb(const std::vector<float>& v, size_t from) {
    double s = 0;
    for (size_t i = from; i < v.size(); ++i) s += double(v[i]) * v[i];
    return 10 * std::log10(s / double(v.size() - from));
}
}  // namespace

TEST(Loudness, GainIsTheSmallerOfTheLevelAndPeakRules) {
    const float target = SoundEngine::kTargetLevel;
    EXPECT_NEAR(loudnessGain(target / 2.0, 0.3f), 2.0f, 1e-5);  // level rule; peak would allow 3.27
    EXPECT_NEAR(loudnessGain(target / 0.45, 0.99f), 0.45f, 1e-5);
    EXPECT_NEAR(loudnessGain(target / 3.0, 0.7f), 1.4f, 1e-5);  // held back by the peak ceiling
    EXPECT_EQ(loudnessGain(0.0, 0.5f), 1.0f);                   // silent or empty
    EXPECT_EQ(loudnessGain(0.1, 0.0f), 1.0f);
}

// BS.1770's own calibration: a full-scale 1 kHz sine reads -3.01 LUFS; the K-weighting lifts the
// highs by about 4 dB and drops the deep lows; silence around a sound is gated out.
TEST(Loudness, IntegratedLoudnessFollowsBs1770) {
    EXPECT_NEAR(integratedLoudness(sine(1000, 3), 48000), -3.01, 0.05);
    EXPECT_NEAR(integratedLoudness(sine(1000, 3, 0.1), 48000), -23.01, 0.05);
    EXPECT_NEAR(integratedLoudness(sine(1000, 3, 1.0, 44100), 44100), -3.01, 0.05);
    EXPECT_NEAR(integratedLoudness(sine(8000, 3), 48000) - integratedLoudness(sine(1000, 3), 48000), 3.3,
                0.5);
    EXPECT_LT(integratedLoudness(sine(30, 3), 48000), -5.0);
    std::vector<float> padded = sine(1000, 2, 0.1);
    padded.resize(padded.size() + 10 * 48000, 0.0f);
    // Blocks straddling the end still count; the ten silent seconds do not (ungated: -30.8).
    EXPECT_NEAR(integratedLoudness(padded, 48000), -23.01, 0.5);
    EXPECT_TRUE(std::isinf(integratedLoudness(std::vector<float>(48000, 0.0f), 48000)));
}

// The typing level stands in for rendering the train: both must agree.
TEST(Loudness, TypingLevelPredictsTheLoudnessOfSteadyTyping) {
    const double rate = 48000;
    std::vector<float> press(size_t(0.2 * rate)), release(size_t(0.1 * rate));
    uint32_t s = 1;
    auto noise = [&] { return float(int32_t(s = s * 1664525u + 1013904223u) / 2147483648.0); };
    for (size_t i = 0; i < press.size(); ++i)
        press[i] = 0.5f * noise() * float(std::exp(-double(i) / (0.03 * rate)));
    for (size_t i = 0; i < release.size(); ++i)
        release[i] = 0.3f * noise() * float(std::exp(-double(i) / (0.01 * rate)));

    std::vector<float> train(size_t(4 * rate) + press.size(), 0.0f);
    for (int k = 0; k < 32; ++k) {
        const size_t at = size_t(k * rate / kTypingPressesPerSecond);
        for (size_t i = 0; i < press.size(); ++i) train[at + i] += press[i];
        const size_t up = at + size_t(kTypingReleaseDelaySeconds * rate);
        for (size_t i = 0; i < release.size(); ++i) train[up + i] += release[i];
    }
    train.resize(size_t(4 * rate));
    const double predicted =
        loudnessOfLevel(typingLevel({kWeightedEnergy(press.data(), press.size(), rate)},
                                    kWeightedEnergy(release.data(), release.size(), rate), rate));
    EXPECT_NEAR(integratedLoudness(train, rate), predicted, 0.5);
}

TEST(Loudness, LaptopSpeakerHighPassIsFourthOrderAt200Hz) {
    std::vector<float> low = sine(100, 1), pass = sine(2000, 1), edge = sine(200, 1);
    highPass(low, 48000);
    highPass(pass, 48000);
    highPass(edge, 48000);
    const size_t settled = 24000;
    EXPECT_NEAR(rmsDb(low, settled) - rmsDb(sine(100, 1), settled), -24.1, 1.0);  // an octave down: 24 dB
    EXPECT_NEAR(rmsDb(edge, settled) - rmsDb(sine(200, 1), settled), -3.0, 0.2);
    EXPECT_NEAR(rmsDb(pass, settled) - rmsDb(sine(2000, 1), settled), 0.0, 0.05);
}
