#include "audio/mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

using namespace tocko;

namespace {
SampleBuffer constant(float value, uint32_t frames, double rate = 48000) {
    SampleBuffer b;
    b.frames = frames;
    b.channels = 1;
    b.sampleRate = rate;
    b.samples.assign(frames, value);
    return b;
}
std::vector<float> render(Mixer& m, uint32_t frames, int channels, double rate = 48000) {
    std::vector<float> out(size_t(frames) * size_t(channels));
    m.render(out.data(), frames, channels, rate);
    return out;
}
}  // namespace

TEST(Mixer, VoicesSumWithTheirGainsAndMonoFeedsEveryChannel) {
    Mixer m;
    auto a = constant(0.25f, 100);
    auto b = constant(0.5f, 100);
    m.schedule(0, &a, 1.0f, 1.0f);
    m.schedule(1, &b, 1.0f, 0.5f);
    auto out = render(m, 10, 2);
    for (float s : out) EXPECT_FLOAT_EQ(s, 0.5f);
    EXPECT_EQ(m.activeVoices(), 2);
}

TEST(Mixer, ANewClickOnABusyVoiceReplacesTheOldOne) {
    Mixer m;
    auto longOne = constant(0.5f, 48000);
    auto shortOne = constant(0.1f, 20);
    m.schedule(0, &longOne, 1.0f, 1.0f);
    render(m, 64, 1);
    m.schedule(0, &shortOne, 1.0f, 1.0f);  // the 17th click lands on voice 0 again
    auto out = render(m, 64, 1);
    EXPECT_FLOAT_EQ(out[0], 0.1f);
    EXPECT_FLOAT_EQ(out[30], 0.0f);  // the long sample is gone, not resumed
    EXPECT_EQ(m.activeVoices(), 0);
}

TEST(Mixer, RateStretchesOrShortensTheSample) {
    Mixer m;
    auto b = constant(1.0f, 1000);
    m.schedule(3, &b, 0.5f, 1.0f);
    auto slow = render(m, 2100, 1);
    size_t sounding = 0;
    for (float s : slow) sounding += s != 0.0f;
    EXPECT_NEAR(double(sounding), 2000.0, 2.0);
    // A 44.1 kHz sample on a 48 kHz output plays at its own pitch: more output frames.
    auto c = constant(1.0f, 441, 44100);
    m.schedule(4, &c, 1.0f, 1.0f);
    auto resampled = render(m, 600, 1, 48000);
    sounding = 0;
    for (float s : resampled) sounding += s != 0.0f;
    EXPECT_NEAR(double(sounding), 480.0, 2.0);
}

TEST(Mixer, TapCountsEverySampleOfEveryChannelWhileInstalled) {
    for (int channels : {1, 2}) {
        Mixer m;
        auto b = constant(0.5f, 256);
        TapAccumulator tap;
        m.installTap(&tap);
        m.schedule(0, &b, 1.0f, 1.0f);
        render(m, 512, channels);
        m.removeTap();
        render(m, 512, channels);  // after removal nothing is added
        EXPECT_EQ(tap.count(), 512 * channels);
        EXPECT_FLOAT_EQ(tap.peak(), 0.5f);
        EXPECT_NEAR(tap.rms(), 0.5f / std::sqrt(2.0f), 1e-4);
    }
    TapAccumulator empty;
    EXPECT_EQ(empty.rms(), 0.0f);
    EXPECT_EQ(empty.peak(), 0.0f);
}

TEST(Mixer, AFullRingRefusesMoreResetDropsPendingAndLateClicksAreCounted) {
    Mixer m;
    auto b = constant(0.1f, 4800);
    for (int i = 0; i < 64; ++i) EXPECT_NE(m.schedule(i % 16, &b, 1.0f, 1.0f), 0u);
    EXPECT_EQ(m.schedule(0, &b, 1.0f, 1.0f), 0u);  // ring full: dropped, not overwritten
    EXPECT_EQ(m.schedule(0, &b, 1.0f, 1.0f), 0u);
    EXPECT_EQ(m.droppedFull(), 2u);
    m.resetWhileStopped();
    for (float s : render(m, 16, 1)) EXPECT_EQ(s, 0.0f);
    // Nine clicks held back (as by a corked stream) longer than the limit,
    // then one fresh click: only the fresh one starts, so the block is no
    // louder than one click.
    for (int i = 0; i < 9; ++i) m.schedule(i, &b, 1.0f, 1.0f);
    std::this_thread::sleep_for(std::chrono::nanoseconds(Mixer::kMaxCommandAgeNanos) +
                                std::chrono::milliseconds(20));
    m.schedule(9, &b, 1.0f, 1.0f);
    for (float s : render(m, 64, 1)) EXPECT_FLOAT_EQ(s, 0.1f);
    EXPECT_EQ(m.droppedStale(), 9u);
    EXPECT_EQ(m.activeVoices(), 1);
}

TEST(Mixer, LimiterHoldsTheCeilingAndLeavesQuietMixesUntouched) {
    Mixer m;
    auto loud = constant(0.5f, 2400);
    auto quiet = constant(0.3f, 48000);
    for (int i = 0; i < 4; ++i) m.schedule(i, &loud, 1.0f, 1.0f);  // sums to 2.0
    auto out = render(m, 2400, 2);
    float peak = 0;
    for (float s : out) peak = std::max(peak, std::fabs(s));
    EXPECT_LE(peak, Mixer::kLimiterCeiling);
    EXPECT_GT(peak, Mixer::kLimiterCeiling * 0.99f);  // limited, not muted
    // After the release time the gain is back at exactly 1.
    m.schedule(0, &quiet, 1.0f, 1.0f);
    render(m, 36000, 2);
    out = render(m, 256, 2);
    for (float s : out) EXPECT_EQ(s, 0.3f);
}

TEST(Mixer, RewindRendersTheSameFramesAgainAndANewClickStartsAtTheRewindPoint) {
    Mixer m;
    SampleBuffer ramp;
    ramp.frames = 4000;
    ramp.channels = 1;
    ramp.sampleRate = 48000;
    for (uint32_t i = 0; i < ramp.frames; ++i) ramp.samples.push_back(float(i) / 8000.0f);
    m.schedule(0, &ramp, 1.0f, 1.0f);
    render(m, 256, 2);
    const auto first = render(m, 256, 2);
    EXPECT_EQ(m.renderedFrames(), 512u);
    EXPECT_EQ(m.rewind(200), 200u);
    EXPECT_EQ(m.renderedFrames(), 312u);
    const auto again = render(m, 200, 2);
    ASSERT_EQ(again.size(), 400u);
    for (size_t i = 0; i < again.size(); ++i) EXPECT_EQ(again[i], first[first.size() - 400 + i]) << i;

    // A click scheduled before a rewound render starts on its first frame.
    auto click = constant(0.25f, 100);
    EXPECT_EQ(m.rewind(100), 100u);
    m.schedule(1, &click, 1.0f, 1.0f);
    const auto withClick = render(m, 100, 1);
    EXPECT_FLOAT_EQ(withClick[0], 0.25f + 412.0f / 8000.0f);

    // History reaches back only so far: a longer rewind is refused.
    for (int i = 0; i < 200; ++i) render(m, 16, 1);
    EXPECT_EQ(m.rewind(100000), 0u);
    EXPECT_EQ(m.renderedFrames(), 512u + 3200u);
}
