// Against the real audio server started by scripts/services.sh: the click
// must reach the null sink's monitor, the device name must be the sink's
// description, and the stream must follow a change of default sink.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <thread>

#include "engine_fixture.h"
#include "platform/linux/pulse_output.h"

using namespace tocko;
using namespace tocko::testing;
using namespace std::chrono_literals;
using tocko::test::eventually;

namespace {
bool serverAnswers() { return std::system("pactl info >/dev/null 2>&1") == 0; }

std::string run(const std::string& cmd) {
    std::string out;
    if (FILE* p = popen(cmd.c_str(), "r")) {
        char buf[256];
        while (fgets(buf, sizeof buf, p)) out += buf;
        pclose(p);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
    return out;
}

// Asks the server for a new default sink and waits until it reports it.
// PipeWire's session manager applies the request in its own time, so it is
// asked again. False when the server never takes it.
bool serverTakesDefaultSink(const std::string& sink) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        std::system(("pactl set-default-sink " + sink + " >/dev/null 2>&1").c_str());
        if (eventually([&] { return run("pactl get-default-sink") == sink; }, 250ms)) return true;
    }
    return false;
}

class Recorder {
public:
    explicit Recorder(std::string device, std::string file) : file_(std::move(file)) {
        pid_ = fork();
        if (pid_ == 0) {
            execlp("parecord", "parecord", "--device", device.c_str(), "--file-format=wav",
                   "--format=float32le", "--channels=2", "--rate=48000", "--latency-msec=10", file_.c_str(),
                   (char*)nullptr);
            _exit(127);
        }
    }
    std::vector<float> finish() {
        kill(pid_, SIGINT);
        int status = 0;
        waitpid(pid_, &status, 0);
        SF_INFO info{};
        std::vector<float> samples, frames;
        if (SNDFILE* f = sf_open(file_.c_str(), SFM_READ, &info)) {
            samples.resize(size_t(info.frames) * size_t(info.channels));
            sf_readf_float(f, samples.data(), info.frames);
            sf_close(f);
        }
        // Recorded as the sink's two channels (a mono recording would be
        // downmixed differently by PulseAudio and PipeWire); the louder
        // channel of each frame.
        const size_t ch = size_t(std::max(info.channels, 1));
        for (size_t i = 0; i + ch <= samples.size(); i += ch) {
            float v = samples[i];
            for (size_t c = 1; c < ch; ++c)
                if (std::fabs(samples[i + c]) > std::fabs(v)) v = samples[i + c];
            frames.push_back(v);
        }
        return frames;
    }

private:
    std::string file_;
    pid_t pid_;
};

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
};
}  // namespace

TEST_F(Pulse, ClickReachesTheNullSinkMonitor) {
    // A null sink left idle keeps running on a two-second timer and only takes
    // up a lower latency when that timer fires; a low-latency recorder that
    // runs for a while first keeps it at a latency a click can be heard in.
    Recorder rec("tocko_null.monitor", (dir / "monitor.wav").string());
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
    auto samples = rec.finish();
    ASSERT_FALSE(samples.empty());
    float peak = 0;
    size_t loud = 0;
    for (float s : samples) {
        peak = std::max(peak, std::fabs(s));
        loud += std::fabs(s) > 0.05f;
    }
    const float expected = 0.2f * *engine->baseGain(PackID::soft);
    EXPECT_NEAR(peak, expected, 0.02f);
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
    const bool taken = serverTakesDefaultSink("tocko_test_b");
    if (taken) {
        EXPECT_TRUE(eventually([&] {
            return logs.hasTrace(
                "[Tocko] SoundEngine: output device changed -> Tocko-Test-B, engine reconfigured");
        }));
        EXPECT_EQ(engine->currentOutputDeviceName(), "Tocko-Test-B");
        EXPECT_TRUE(eventually([&] { return engine->output().isRunning(); }));
        EXPECT_TRUE(serverTakesDefaultSink("tocko_null"));
        EXPECT_TRUE(eventually([&] { return engine->currentOutputDeviceName() == "Tocko-Null-Output"; }));
    }
    std::system(("pactl unload-module " + module).c_str());
    if (!taken) GTEST_SKIP() << "the audio server did not take tocko_test_b as its default sink";
    std::lock_guard lock(m);
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), "Tocko-Test-B");
}

TEST_F(Pulse, WithoutAServerClicksAreSilentAndTheEngineRecovers) {
    const char* real = std::getenv("PULSE_SERVER");
    const std::string saved = real ? real : "";
    setenv("PULSE_SERVER", ("unix:" + (dir / "no-such-server").string()).c_str(), 1);
    buildPulse();
    EXPECT_EQ(engine->currentOutputDeviceName(), "?");
    engine->play(PackID::soft, 1.0f, false);
    engine->queue().sync([] {});
    auto errors = logs.errors();
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.back().rfind("Audio engine failed to start: ", 0), 0u) << errors.back();
    EXPECT_EQ(engine->nextIndexForTesting(), 0);

    // The server is back: the next click starts the engine.
    if (saved.empty())
        unsetenv("PULSE_SERVER");
    else
        setenv("PULSE_SERVER", saved.c_str(), 1);
    engine->play(PackID::soft, 1.0f, false);
    engine->queue().sync([] {});
    EXPECT_TRUE(logs.hasTrace("[Tocko] SoundEngine: Audio engine started, 1 packs ready"));
    EXPECT_EQ(engine->nextIndexForTesting(), 1);
    EXPECT_EQ(engine->currentOutputDeviceName(), "Tocko-Null-Output");
}

TEST_F(Pulse, ClicksStartingWhileOthersSoundKeepTheirTailsWholeWithoutUnderruns) {
    Recorder rec("tocko_null.monitor", (dir / "overlap.wav").string());
    std::this_thread::sleep_for(2200ms);
    buildPulse();
    engine->start();
    // Each click replaces what the server still holds with a fresh render
    // from the read position: a click that was sounding must carry on
    // there, with neither a gap nor a repeat.
    for (int i = 0; i < 4; ++i) {
        engine->play(PackID::soft, 1.0f, false);
        std::this_thread::sleep_for(15ms);
    }
    std::this_thread::sleep_for(500ms);
    const uint64_t underruns = engine->output().underruns();
    auto samples = rec.finish();
    ASSERT_FALSE(samples.empty());
    size_t first = 0, last = 0;
    for (size_t i = 0; i < samples.size(); ++i)
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
    Recorder rec("tocko_null.monitor", (dir / "after-idle.wav").string());
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
    auto samples = rec.finish();
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
