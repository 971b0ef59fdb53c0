#pragma once
// Shared helpers for sound engine tests: sample files written into a
// temporary folder, a null output on a manual clock, and a log recorder.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "audio/loudness.h"
#include "audio/null_output.h"
#include "audio/sound_engine.h"
#include "support/log.h"
#include "tests/common/test_support.h"

namespace tocko::testing {

inline void writeWav(const std::string& path, const std::vector<float>& interleaved, int rate = 48000,
                     int channels = 1, int encoding = SF_FORMAT_FLOAT) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | encoding;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr) << sf_strerror(nullptr);
    sf_writef_float(f, interleaved.data(), sf_count_t(interleaved.size() / size_t(channels)));
    sf_close(f);
}

// A signal whose typing level (audio/loudness.h) is `level`, with one sample at `peak` and the
// rest alternating +-a.
inline std::vector<float> withLevels(float level, float peak, size_t n = 4800) {
    auto make = [&](double a) {
        std::vector<float> v(n);
        for (size_t i = 0; i < n; ++i) v[i] = float((i % 2 ? 1 : -1) * a);
        v[n / 2] = peak;
        return v;
    };
    auto levelOf = [&](double a) {
        const std::vector<float> v = make(a);
        return typingLevel({kWeightedEnergy(v.data(), v.size(), 48000)}, 0, 48000);
    };
    double lo = 0, hi = 1;
    for (int i = 0; i < 60; ++i) ((levelOf((lo + hi) / 2) < level) ? lo : hi) = (lo + hi) / 2;
    return make((lo + hi) / 2);
}

// A null output that renders only when the test pumps it.
inline NullOutput::Options manual(OutputFormat f = {48000, 2}) {
    NullOutput::Options o;
    o.manualClock = true;
    o.format = f;
    return o;
}

// A null output that, besides the test's pumps, renders `wakeFrames` at once
// when a click wakes it (0: none), as a stream that resumes on a click does.
// A click is then rendered on the engine's queue as it is scheduled, never
// dropped as stale however late the test thread gets to run. Pumps and wakes
// take turns.
class TestOutput : public NullOutput {
public:
    explicit TestOutput(Options options) : NullOutput(std::move(options)) {}
    void wake() override {
        std::lock_guard lock(mutex_);
        if (wakeFrames > 0 && isRunning()) NullOutput::pump(wakeFrames);
    }
    // Renders only while running, and stop() waits for a render under way,
    // as a real output's stop joins its render thread: the engine may reset
    // the mixer as soon as stop() returns.
    void pump(uint32_t frames) {
        std::lock_guard lock(mutex_);
        if (isRunning()) NullOutput::pump(frames);
    }
    void stop() override {
        std::lock_guard lock(mutex_);
        NullOutput::stop();
    }
    std::atomic<uint32_t> wakeFrames{0};

private:
    std::mutex mutex_;
};

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("tocko-engine-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        engine.reset();
        std::filesystem::remove_all(dir);
    }
    std::string path(const char* pack) const {
        return (dir / ("pack-" + std::string(pack) + ".wav")).string();
    }
    void writePack(const char* pack, const std::vector<float>& samples, int rate = 48000, int channels = 1) {
        writeWav(path(pack), samples, rate, channels);
    }
    void build(NullOutput::Options options = manual(), UniformSource uniform = {}) {
        auto out = std::make_unique<TestOutput>(options);
        out->wakeFrames = wakeFrames;
        output = out.get();
        engine = SoundEngine::create({dir.string(), std::move(out), std::move(uniform)});
    }
    void drain() {
        engine->queue().sync([] {});
    }

    std::filesystem::path dir;
    test::LogCapture logs;
    uint32_t wakeFrames = 0;  // for the output of the next build()
    TestOutput* output = nullptr;
    std::shared_ptr<SoundEngine> engine;
};

}  // namespace tocko::testing
