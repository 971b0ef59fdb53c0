// Against the real audio server started by scripts/services.sh: the click
// must reach the null sink's monitor, the device name must be the sink's
// description, and the stream must follow a change of default sink.

#include <cstdio>
#include <thread>

#include "engine_fixture.h"
#include "platform/linux/pulse_output.h"
#include "tests/common/child_process.h"

using namespace tocko;
using namespace tocko::testing;
using namespace std::chrono_literals;
using tocko::test::Child;
using tocko::test::eventually;
using tocko::test::readMono;

namespace {
bool serverAnswers() { return std::system("pactl info >/dev/null 2>&1") == 0; }

// The command's output without its trailing newline.
std::string run(const std::string& cmd) {
    std::string out = tocko::test::commandOutput(cmd);
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
    return out;
}

class Pulse : public EngineTest {
protected:
    void SetUp() override {
        if (!serverAnswers()) GTEST_SKIP() << "no audio server (run scripts/services.sh)";
        EngineTest::SetUp();
        std::system("pactl set-default-sink tocko_null");
        writePack("soft", std::vector<float>(2400, 0.2f));  // 50 ms of a loud plateau
    }
    void buildPulse(double idleCorkSeconds = 3.0) {
        engine = SoundEngine::create({dir.string(), std::make_unique<PulseOutput>(idleCorkSeconds), {}});
    }
    std::string recording() const { return (dir / "monitor.wav").string(); }
};
}  // namespace

TEST_F(Pulse, ClickReachesTheNullSinkMonitor) {
    // A null sink left idle keeps running on a two-second timer and only takes
    // up a lower latency when that timer fires; a low-latency recorder that
    // runs for a while first keeps it at a latency a click can be heard in.
    Child recorder = tocko::test::recordMonitor(recording());
    std::this_thread::sleep_for(2200ms);
    buildPulse();
    EXPECT_EQ(engine->currentOutputDeviceName(),
              run("pactl list sinks | sed -n "
                  "'/Name: tocko_null$/,/Description/s/.*Description: //p'"));
    EXPECT_TRUE(logs.hasTrace(
        "[Tocko] SoundEngine: output-device-follow listeners installed (current=\"Tocko-Null-Output\")"));
    engine->start();
    engine->play(PackID::soft, 1.0f, false);
    std::this_thread::sleep_for(500ms);
    recorder.stop(SIGINT);
    const std::vector<float> samples = readMono(recording());
    ASSERT_FALSE(samples.empty());
    float peak = 0;
    size_t loud = 0;
    for (float s : samples) {
        peak = std::max(peak, std::fabs(s));
        loud += std::fabs(s) > 0.05f;
    }
    EXPECT_NEAR(peak, 0.2f * *engine->baseGain(PackID::soft), 0.02f);
    EXPECT_NEAR(double(loud), 2400.0, 400.0);  // about 50 ms of click, once
    EXPECT_TRUE(logs.hasTrace("[Tocko] SoundEngine: Audio engine started, 1 packs ready"));
}

TEST_F(Pulse, FollowsAChangeOfDefaultSink) {
    const std::string module =
        run("pactl load-module module-null-sink sink_name=tocko_test_b "
            "sink_properties=device.description=Tocko-Test-B");
    ASSERT_FALSE(module.empty());
    buildPulse();
    std::vector<std::string> names;
    std::mutex m;
    engine->setOnOutputDeviceChanged([&](const std::string& n) {
        std::lock_guard lock(m);
        names.push_back(n);
    });
    engine->start();
    engine->queue().sync([] {});
    const bool taken = tocko::test::serverTakesDefault("sink", "tocko_test_b");
    if (taken) {
        EXPECT_TRUE(eventually([&] {
            return logs.hasTrace(
                "[Tocko] SoundEngine: output device changed -> Tocko-Test-B, engine reconfigured");
        }));
        EXPECT_EQ(engine->currentOutputDeviceName(), "Tocko-Test-B");
        EXPECT_TRUE(eventually([&] { return engine->output().isRunning(); }));
        EXPECT_TRUE(tocko::test::serverTakesDefault("sink", "tocko_null"));
        EXPECT_TRUE(eventually([&] { return engine->currentOutputDeviceName() == "Tocko-Null-Output"; }));
    }
    std::system(("pactl unload-module " + module).c_str());
    if (!taken) GTEST_SKIP() << "the audio server did not take tocko_test_b as its default sink";
    std::lock_guard lock(m);
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), "Tocko-Test-B");
}

TEST_F(Pulse, WithoutAServerClicksAreSilentAndTheEngineRecovers) {
    auto away = std::make_unique<tocko::test::ScopedEnv>(
        "PULSE_SERVER", ("unix:" + (dir / "no-such-server").string()).c_str());
    buildPulse();
    EXPECT_EQ(engine->currentOutputDeviceName(), "?");
    engine->play(PackID::soft, 1.0f, false);
    engine->queue().sync([] {});
    auto errors = logs.errors();
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.back().rfind("Audio engine failed to start: ", 0), 0u) << errors.back();
    EXPECT_EQ(engine->nextIndexForTesting(), 0);

    away.reset();  // the server is back: the next click starts the engine
    engine->play(PackID::soft, 1.0f, false);
    engine->queue().sync([] {});
    EXPECT_TRUE(logs.hasTrace("[Tocko] SoundEngine: Audio engine started, 1 packs ready"));
    EXPECT_EQ(engine->nextIndexForTesting(), 1);
    EXPECT_EQ(engine->currentOutputDeviceName(), "Tocko-Null-Output");
}

TEST_F(Pulse, ClicksStartingWhileOthersSoundKeepTheirTailsWholeWithoutUnderruns) {
    Child recorder = tocko::test::recordMonitor(recording());
    std::this_thread::sleep_for(2200ms);
    buildPulse();
    engine->start();
    // A lone click first, then a quiet spell short of the idle cork: the
    // stream is running and holds only silence when the next clicks come.
    engine->play(PackID::soft, 1.0f, false);
    std::this_thread::sleep_for(500ms);
    const size_t loneClickEnd = size_t(0.5 * 48000);
    // Each click replaces what the server still holds with a fresh render
    // from the read position: a click that was sounding must carry on
    // there, with neither a gap nor a repeat.
    for (int i = 0; i < 4; ++i) {
        engine->play(PackID::soft, 1.0f, false);
        std::this_thread::sleep_for(15ms);
    }
    std::this_thread::sleep_for(500ms);
    const uint64_t underruns = engine->output().underruns();
    recorder.stop(SIGINT);
    const std::vector<float> samples = readMono(recording());
    ASSERT_FALSE(samples.empty());
    // The recorder started before the engine: the lone click lies in the
    // recording's first part; skip past it to the group.
    size_t start = 0;
    while (start < samples.size() && std::fabs(samples[start]) <= 0.05f) ++start;
    while (start < samples.size() && std::fabs(samples[start]) > 0.05f) ++start;
    start += loneClickEnd / 4;
    size_t first = 0, last = 0;
    for (size_t i = start; i < samples.size(); ++i)
        if (std::fabs(samples[i]) > 0.05f) {
            if (first == 0) first = i;
            last = i;
        }
    ASSERT_GT(last, first);
    size_t quiet = 0;
    for (size_t i = first; i <= last; ++i) quiet += std::fabs(samples[i]) <= 0.05f;
    EXPECT_EQ(quiet, 0u) << "a gap inside overlapping clicks";
    // Four 50 ms plateaus about 15 ms apart: one stretch of about 95 ms.
    EXPECT_NEAR(double(last - first), 0.095 * 48000, 0.015 * 48000);
    EXPECT_EQ(underruns, 0u);
}

TEST_F(Pulse, AClickOnAStreamCorkedForSilenceIsHeardWholeOnce) {
    Child recorder = tocko::test::recordMonitor(recording());
    std::this_thread::sleep_for(2200ms);
    buildPulse(0.2);
    engine->start();
    engine->play(PackID::soft, 1.0f, false);
    // After the click, silence corks the stream; the next click is written
    // over the held queue at its read position, then the stream uncorked.
    ASSERT_TRUE(eventually(
        [] { return run("pactl list sink-inputs").find("Corked: yes") != std::string::npos; }, 3s));
    engine->play(PackID::soft, 1.0f, false);
    ASSERT_TRUE(
        eventually([] { return run("pactl list sink-inputs").find("Corked: no") != std::string::npos; }, 3s));
    std::this_thread::sleep_for(300ms);
    recorder.stop(SIGINT);
    const std::vector<float> samples = readMono(recording());
    // Two 50 ms plateaus, each whole, neither repeated nor cut.
    std::vector<size_t> runs;
    size_t loud = 0;
    for (float v : samples) {
        if (std::fabs(v) > 0.05f) {
            ++loud;
        } else if (loud > 0) {
            runs.push_back(loud);
            loud = 0;
        }
    }
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NEAR(double(runs[0]), 2400.0, 100.0);
    EXPECT_NEAR(double(runs[1]), 2400.0, 100.0);
    EXPECT_EQ(engine->output().underruns(), 0u);
}
