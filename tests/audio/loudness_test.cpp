#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "audio/sound_engine.h"

using namespace tocko;

namespace {
// A square-ish signal with an exact rms and peak: most samples at +-a, one at the peak.
std::vector<float> withLevels(float rms, float peak, size_t n = 4800) {
    // n-1 samples of amplitude a plus one of amplitude peak: rms^2 = ((n-1)a^2 + peak^2)/n
    const double a = std::sqrt((double(rms) * rms * double(n) - double(peak) * peak) / double(n - 1));
    std::vector<float> v(n);
    for (size_t i = 0; i < n; ++i) v[i] = float((i % 2 ? 1 : -1) * a);
    v[n / 2] = peak;
    return v;
}
}  // namespace

TEST(Loudness, GainIsTheSmallerOfTheRmsAndPeakRules) {
    auto a = withLevels(0.045f, 0.3f);
    EXPECT_NEAR(loudnessGain(a.data(), a.size()), 2.0f, 1e-3);  // rms rule; peak would allow 3.27

    auto b = withLevels(0.2f, 0.99f);
    const float gb = loudnessGain(b.data(), b.size());
    EXPECT_NEAR(gb, 0.45f, 1e-3);
    EXPECT_NEAR(samplePeak(b.data(), b.size()) * gb, 0.99f * 0.45f, 1e-3);

    auto c = withLevels(0.03f, 0.7f);
    const float gc = loudnessGain(c.data(), c.size());
    EXPECT_NEAR(gc, 1.4f, 1e-3);  // held back by the peak ceiling
    EXPECT_GT(std::fabs(sampleRms(c.data(), c.size()) * gc - SoundEngine::kTargetRms),
              SoundEngine::kSelfCheckTolerance);
}

TEST(Loudness, SilentAndEmptySamplesKeepUnityGain) {
    std::vector<float> zeros(1000, 0.0f);
    EXPECT_EQ(loudnessGain(zeros.data(), zeros.size()), 1.0f);
    EXPECT_EQ(loudnessGain(nullptr, 0), 1.0f);
    EXPECT_EQ(sampleRms(zeros.data(), 0), 0.0f);
}
