#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <future>
#include <mutex>
#include <set>
#include <thread>

#include "audio/mixer.h"
#include "audio/sample.h"
#include "engine_fixture.h"

using namespace tocko;
using namespace tocko::testing;

class Engine : public EngineTest {
public:
    // clicky and blue reach the target level, tactile is held back by its peak.
    void threePacks() {
        writePack("clicky", withLevels(SoundEngine::kTargetLevel / 2.0f, 0.3f));
        writePack("blue", withLevels(SoundEngine::kTargetLevel / 0.45f, 0.99f));
        writePack("tactile", withLevels(SoundEngine::kTargetLevel / 3.0f, 0.7f));
    }
    float gain(PackID pack) const { return *engine->baseGain(pack); }
    static long count(const std::vector<std::string>& lines, const std::string& line) {
        return std::count(lines.begin(), lines.end(), line);
    }
};

TEST_F(Engine, LoadReportsGainsSelfCheckAndMissingPacks) {
    threePacks();
    build();
    EXPECT_EQ(engine->loadedPackCount(), 3u);
    EXPECT_TRUE(logs.hasTrace("[Tocko] SoundEngine: loaded 3 sample packs"));
    EXPECT_GE(logs.indexOf("[Tocko] SoundEngine: loudness gains: clicky="), 0);
    EXPECT_TRUE(
        logs.hasTrace("[Tocko] SoundEngine: loudness self-check: no-clip=true spread=1.00x (2 at target, "
                      "headroom-capped: tactile)"));
    EXPECT_TRUE(logs.hasTrace(
        "[Tocko] SoundEngine: output-device-follow listeners installed (current=\"Null Output\")"));
    EXPECT_EQ(logs.errors().size(), 25u);  // one per missing pack, named in the test below
    EXPECT_EQ(count(logs.messages(), "Audio graph built: 16 nodes, 3 packs @ 48000 Hz"), 1);

    auto stats = engine->bufferStats();
    ASSERT_EQ(stats.size(), kPackCount);  // in catalogue order: clicky first, brown fourth
    EXPECT_GT(stats[0].rms, 0.0f);
    EXPECT_NEAR(stats[0].peak, 0.3f, 1e-6);  // raw, without gain
    EXPECT_EQ(stats[3].rms, 0.0f);           // brown did not load
}

TEST_F(Engine, BrokenOrForeignFilesGiveSilentPacksNamedWithTheirReasons) {
    writePack("clicky", withLevels(0.05f, 0.5f));
    writePack("blue", withLevels(0.05f, 0.5f), 44100);  // other format than the first file
    writePack("tactile", withLevels(0.05f, 0.5f));
    std::filesystem::resize_file(path("tactile"), std::filesystem::file_size(path("tactile")) / 2);
    std::ofstream(path("brown")) << "RIFF garbage that is no wave file";
    std::ofstream(path("creamy")).close();                       // empty
    std::filesystem::create_directory(path("marble"));           // unreadable as a file
    ASSERT_EQ(::mkfifo(path("pillow").c_str(), 0600), 0);        // would block the start
    std::filesystem::create_symlink("/dev/zero", path("felt"));  // would never end
    writePack("bite", std::vector<float>(kMaxSampleFileBytes / sizeof(float) + 1, 0.1f));  // too large
    build();
    EXPECT_EQ(engine->loadedPackCount(), 1u);
    for (const char* bad : {"blue", "tactile", "brown", "creamy", "marble", "pillow", "felt", "bite"})
        EXPECT_EQ(count(logs.errors(), "Failed to load pack-" + std::string(bad) + ".wav from bundle"), 1)
            << bad;
    for (const char* reason : {"tactile.wav: truncated", "blue.wav: format differs from the first pack's",
                               "soft.wav: No such file or directory", "pillow.wav: not a regular file",
                               "bite.wav: larger than 16 MiB"})
        EXPECT_TRUE(logs.hasTrace("[Tocko] SoundEngine: failed to load pack-" + std::string(reason)))
            << reason;
    const auto traces = logs.traces();
    EXPECT_EQ(
        std::count_if(traces.begin(), traces.end(),
                      [](const std::string& t) { return t.find("failed to load") != std::string::npos; }),
        27);
    // A click for a silent pack consumes no voice.
    engine->play(PackID::blue, 1.0f, false);
    drain();
    EXPECT_EQ(engine->nextIndexForTesting(), 0);
}

TEST(SampleLoading, TruncationIsToldByFrameCountsNotByTheFolderName) {
    // libsndfile's log text repeats the path; words in it must not matter.
    const auto dir = std::filesystem::temp_directory_path() /
                     ("tocko-" + std::to_string(::getpid()) + " truncated, should be here");
    std::filesystem::create_directories(dir);
    const std::string whole = (dir / "whole.wav").string(), cut = (dir / "cut.wav").string();
    writeWav(whole, withLevels(0.05f, 0.5f));
    writeWav(cut, withLevels(0.05f, 0.5f));
    std::filesystem::resize_file(cut, std::filesystem::file_size(cut) - 6);  // not even a whole frame short
    std::string reason;
    auto loaded = loadSample(whole, reason);
    ASSERT_TRUE(loaded) << reason;
    EXPECT_EQ(loaded->frames, 4800u);
    EXPECT_FALSE(loadSample(cut, reason));
    EXPECT_EQ(reason, "truncated");
    // 16-bit files too.
    writeWav(cut, std::vector<float>(2 * 1000, 0.03f), 48000, 2, SF_FORMAT_PCM_16);
    ASSERT_TRUE(loadSample(cut, reason)) << reason;
    std::filesystem::resize_file(cut, std::filesystem::file_size(cut) - 4);
    EXPECT_FALSE(loadSample(cut, reason));
    std::filesystem::remove_all(dir);
}

TEST_F(Engine, NoSelfCheckWithoutAPackAtTargetAndNoSoundWithoutPacks) {
    writePack("clicky", std::vector<float>(480, 0.0f));
    writePack("blue", withLevels(0.03f, 0.7f));  // capped by its peak
    build();
    for (const char* pack : {"clicky", "blue"}) std::filesystem::remove(path(pack));
    build();  // nothing at all loads
    EXPECT_EQ(engine->loadedPackCount(), 0u);
    EXPECT_TRUE(logs.hasTrace("[Tocko] SoundEngine: loaded 0 sample packs"));
    for (auto& t : logs.traces()) EXPECT_EQ(t.find("self-check"), std::string::npos) << t;
    engine->play(PackID::soft, 1.0f, true);
    drain();
    output->pump(256);
    auto out = output->takeRendered();
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float s) { return s == 0.0f; }));
}

TEST_F(Engine, ClicksRotateThroughSixteenVoicesAndSkipMissingPacks) {
    threePacks();
    build();
    for (int i = 0; i < 17; ++i) engine->play(PackID::clicky, 0.9f, false);
    drain();
    EXPECT_EQ(engine->nextIndexForTesting(), 1);  // 0..15, then 0 again
    engine->play(PackID::soft, 0.9f, false);      // not loaded
    drain();
    EXPECT_EQ(engine->nextIndexForTesting(), 1);
    // Without variation: rate exactly 1 and volume x gain, even above 1.
    EXPECT_EQ(engine->voiceRateForTesting(0), 1.0f);
    EXPECT_FLOAT_EQ(engine->voiceVolumeForTesting(0), 0.9f * gain(PackID::clicky));
    EXPECT_GT(engine->voiceVolumeForTesting(0), 1.0f);
}

// Every click varies within +-3% of rate and +-1.5 dB of volume, from the
// secure random source, and is never louder than full volume.
TEST_F(Engine, VariationStaysInRangeAndNeverExceedsFullVolume) {
    threePacks();
    build();
    const float db = std::pow(10.0f, 1.5f / 20.0f);
    float lo = 2, hi = 0;
    for (int round = 0; round < 20; ++round) {
        for (int i = 0; i < 16; ++i)
            engine->play(i % 2 ? PackID::blue : PackID::clicky, i % 2 ? 1.0f : 0.9f, true);
        drain();
        for (int i = 0; i < 16; ++i) {
            const float r = engine->voiceRateForTesting(i);
            lo = std::min(lo, r);
            hi = std::max(hi, r);
            ASSERT_GE(r, 0.97f);
            ASSERT_LE(r, 1.03f);
            const float v = engine->voiceVolumeForTesting(i);
            const float base = i % 2 ? gain(PackID::blue) : 0.9f * gain(PackID::clicky);  // volume x gain
            ASSERT_GE(v, std::min(1.0f, base / db) - 1e-6f);
            ASSERT_LE(v, std::min(1.0f, base * db) + 1e-6f);
        }
    }
    EXPECT_LT(lo, 0.98f);  // 320 draws spread over the range
    EXPECT_GT(hi, 1.02f);
}

TEST_F(Engine, StartMessagesDependOnWhetherItRanBefore) {
    threePacks();
    build();
    engine->stop();  // stopped already: nothing
    engine->start();
    engine->start();  // running: nothing
    engine->stop();
    engine->stop();
    engine->play(PackID::clicky, 1.0f, false);  // a click revives it
    drain();
    std::vector<std::string> lifecycle;
    for (auto& t : logs.traces())
        if (t.find("started") != std::string::npos || t.find("stopped") != std::string::npos ||
            t.find("restarted") != std::string::npos)
            lifecycle.push_back(t);
    EXPECT_EQ(lifecycle, (std::vector<std::string>{
                             "[Tocko] SoundEngine: Audio engine started, 3 packs ready",
                             "[Tocko] SoundEngine: engine stopped (disabled)",
                             "[Tocko] SoundEngine: restarted on demand",
                         }));
    EXPECT_TRUE(output->isRunning());
}

TEST_F(Engine, AFailingOutputIsLoggedOnceThenCountedAtMostOnceAMinute) {
    threePacks();
    auto now = std::chrono::steady_clock::time_point(std::chrono::hours(1));
    build();
    engine->setClockForTesting([&] { return now; });
    output->setStartFailure("Connection refused");
    const auto failures = [&] {
        std::vector<std::string> out;
        for (const std::string& e : logs.errors())
            if (e.find("failed to start") != std::string::npos) out.push_back(e);
        return out;
    };
    for (int i = 0; i < 50; ++i) {  // fifty key presses within a second
        engine->play(PackID::clicky, 1.0f, false);
        drain();
        now += std::chrono::milliseconds(20);
    }
    EXPECT_EQ(failures(), std::vector<std::string>{"Audio engine failed to start: Connection refused"});
    EXPECT_EQ(engine->nextIndexForTesting(), 0);  // the clicks are dropped
    now += std::chrono::seconds(59);
    engine->play(PackID::clicky, 1.0f, false);
    drain();
    EXPECT_EQ(failures().size(), 2u);
    EXPECT_EQ(failures().back(),
              "audio output failed to start 50 more time(s) in the last minute: Connection refused");
    engine->play(PackID::clicky, 1.0f, false);
    drain();
    output->setStartFailure(std::nullopt);
    engine->play(PackID::clicky, 1.0f, false);
    drain();
    EXPECT_EQ(failures().back(), "audio output failed to start 1 more time(s) before it started");
    EXPECT_EQ(failures().size(), 3u);
    EXPECT_EQ(engine->nextIndexForTesting(), 1);  // the next click recovers
    EXPECT_TRUE(logs.hasTrace("[Tocko] SoundEngine: Audio engine started, 3 packs ready"));
}

TEST_F(Engine, OutputChangesReconfigureUnlessNothingChanged) {
    threePacks();
    build();
    std::vector<std::string> names;
    engine->setOnOutputDeviceChanged([&](const std::string& n) { names.push_back(n); });
    engine->start();
    drain();
    logs.clear();

    // Same device and rate while running: nothing at all.
    output->simulateConfigurationChange();
    drain();
    EXPECT_TRUE(logs.traces().empty());

    // A caller's reconfigure is forced: the full sequence, and it runs again.
    engine->reconfigure("selftest");
    drain();
    EXPECT_EQ(logs.traces(),
              (std::vector<std::string>{
                  "[Tocko] SoundEngine: output device changed -> Null Output, engine reconfigured",
                  "[Tocko] SoundEngine: restarted on demand",
              }));
    EXPECT_EQ(logs.messages().front(), "output device changed -> <private>, engine reconfigured (selftest)");

    // After stop() a new default device is followed but the engine stays stopped.
    engine->stop();
    drain();
    logs.clear();
    output->simulateDefaultOutputChange(7, "USB Headset");
    drain();
    EXPECT_EQ(logs.traces(),
              std::vector<std::string>{
                  "[Tocko] SoundEngine: output device changed -> USB Headset, engine reconfigured"});
    EXPECT_EQ(logs.messages().front(),
              "output device changed -> <private>, engine reconfigured (default-output-changed)");
    EXPECT_FALSE(output->isRunning());
    EXPECT_EQ(names, (std::vector<std::string>{"Null Output", "USB Headset"}));
}

TEST_F(Engine, UnusableFormatFallsBackToTheLastKnownRateInStereo) {
    threePacks();
    build(manual({44100, 1}));
    engine->start();
    drain();
    output->setFormat({0, 0});
    output->simulateConfigurationChange();
    drain();
    EXPECT_EQ(engine->mixer().connectedFormat().sampleRate, 44100);
    EXPECT_EQ(engine->mixer().connectedFormat().channels, 2);
}

TEST_F(Engine, FailedRestartAfterAChangeWarnsThatClicksWillBeSilent) {
    threePacks();
    build();
    engine->start();
    drain();
    output->setStartFailure("device busy");
    output->simulateDefaultOutputChange(9, "HDMI");
    drain();
    EXPECT_TRUE(
        logs.hasTrace("[Tocko] SoundEngine: ⚠️ engine not running after "
                      "reconfigure(default-output-changed) — clicks will be silent"));
    auto errors = logs.errors();
    EXPECT_EQ(errors.back(),
              "engine not running after reconfigure(default-output-changed) — clicks will be silent");
}

class Measure : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        writePack("soft", std::vector<float>(2400, 0.1f));
        build();
    }
    using Result = std::future<std::pair<float, float>>;
    Result measure(double seconds) {
        auto done = std::make_shared<std::promise<std::pair<float, float>>>();
        engine->measure(seconds, [done](float peak, float rms) { done->set_value({peak, rms}); });
        return done->get_future();
    }
    std::pair<float, float> pumpUntil(Result& r) {
        while (r.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready) output->pump(64);
        return r.get();
    }
    // What the test click's constant 0.1 plays at.
    float clickLevel() { return 0.1f * engine->voiceVolumeForTesting(0); }
    // Once awake, the output renders the test click (2400 frames) whole as
    // the click wakes it: inside its window, and over before the next
    // window's click, however late or seldom the test's pumps come.
    static constexpr uint32_t kWholeClick = 4096;
};

TEST_F(Measure, SeesTheTestClickOnlyWhileTheTapIsInstalled) {
    output->wakeFrames = kWholeClick;
    Result r = measure(0.05);
    auto [peak, rms] = pumpUntil(r);
    EXPECT_GT(clickLevel(), 0.0f);
    EXPECT_FLOAT_EQ(peak, clickLevel());
    EXPECT_GT(rms, 0.0f);
    EXPECT_LE(rms, clickLevel());

    // A window in which nothing is rendered measures nothing.
    output->wakeFrames = 0;
    EXPECT_EQ(measure(0.02).get(), std::make_pair(0.0f, 0.0f));
}

TEST_F(Measure, WaitsForAnIdleOutputToWakeAndRunsOneAtATime) {
    // Two self-tests at once: they share the one metering tap.
    Result first = measure(0.05), second = measure(0.05);
    // The output pulls nothing for a while, as an idle sink asleep on its
    // timer (not even when a click wakes it): windows opened meanwhile would
    // be over, unheard, by the time it wakes.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    output->wakeFrames = kWholeClick;
    const float peak1 = pumpUntil(first).first, peak2 = pumpUntil(second).first;
    EXPECT_GT(clickLevel(), 0.0f);
    EXPECT_FLOAT_EQ(peak1, clickLevel());
    EXPECT_FLOAT_EQ(peak2, clickLevel());

    // A stop asked for during a measurement waits for its window.
    Result third = measure(0.05);
    engine->stop();
    EXPECT_FLOAT_EQ(pumpUntil(third).first, clickLevel());
    drain();
    EXPECT_FALSE(output->isRunning());
}

TEST_F(Measure, WithAnEngineThatCannotStartReturnsZeroAtOnce) {
    output->setStartFailure("no server");
    Result r = measure(1.0);
    ASSERT_EQ(r.wait_for(std::chrono::milliseconds(500)), std::future_status::ready);  // not after the window
    EXPECT_EQ(r.get(), std::make_pair(0.0f, 0.0f));
}

TEST_F(Engine, DiagnosticsAndGraphLineDescribeTheState) {
    threePacks();
    build(manual({44100, 2}));
    engine->state().with([](Playback& p) {
        p.masterVolume = 0.4453125f;
        p.playInvocations = 12;
    });
    std::promise<std::string> text;
    engine->diagnosticsText([&](std::string t) { text.set_value(std::move(t)); });
    EXPECT_EQ(text.get_future().get(),
              "Tocko Diagnostics\n"
              "isRunning=false  userIntendedRunning=false\n"
              "muted=false  masterVolume=0.45  pack=soft\n"
              "playInvocations=12\n"
              "outputDevice=\"Null Output\"\n"
              "packsLoaded=3  attachedNodes=34\n"
              "outSR=44100  mixSR=44100  bufSR=-1");

    engine->setActivePack(PackID::soft);  // already the default: not told
    engine->setActivePack(PackID::blue);
    engine->setActivePack(PackID::blue);
    engine->play(PackID::blue, 0.9f, false);
    engine->logGraph("after-click");
    drain();
    EXPECT_EQ(logs.traces().back(),
              "[Tocko] AudioCheck: graph(after-click) isRunning=true mixerOutVol=1.0 playerVol=0.405 "
              "master=0.4453125 muted=false pack=blue playInvocations=12 attachedNodes=34 outSR=44100 "
              "mixSR=44100 bufSR=48000 outDev=\"Null Output\"");

    const auto t = logs.traces();
    EXPECT_EQ(std::count_if(t.begin(), t.end(), [](auto& s) { return s.find("active pack") != s.npos; }), 1);
    EXPECT_TRUE(logs.hasTrace("[Tocko] SoundEngine: active pack changed -> blue"));
    std::promise<std::pair<bool, bool>> st;
    engine->state().with([](Playback& p) { p.muted = true; });
    engine->status([&](bool running, bool muted) { st.set_value({running, muted}); });
    EXPECT_EQ(st.get_future().get(), std::make_pair(true, true));
}

TEST_F(Engine, ClockedNullOutputPlaysInRealTimeAndCapturesToAFile) {
    writePack("soft", std::vector<float>(960, 0.3f));
    NullOutput::Options options;
    options.capturePath = (dir / "capture.wav").string();
    options.format = {48000, 1};
    build(options);
    engine->start();
    engine->play(PackID::soft, 1.0f, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    engine.reset();  // stops the clock and closes the capture file
    SF_INFO info{};
    SNDFILE* f = sf_open((dir / "capture.wav").c_str(), SFM_READ, &info);
    ASSERT_NE(f, nullptr);
    std::vector<float> samples(size_t(info.frames));
    sf_readf_float(f, samples.data(), info.frames);
    sf_close(f);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.samplerate, 48000);
    EXPECT_GT(info.frames, 4800);  // about 200 ms went by
    const size_t loud = size_t(
        std::count_if(samples.begin(), samples.end(), [](float s) { return s > 0.05f; }));  // 0.3 x gain 0.3
    EXPECT_EQ(loud, 960u);  // the click, whole and once
}

// ---- Takes and release ------------------------------------------------------

class Takes : public EngineTest {
public:
    void SetUp() override {
        EngineTest::SetUp();
        wakeFrames = 1024;
    }
    // Plays one press without variation and returns the first rendered sample.
    float pressed(PackID pack) {
        engine->play(pack, 1.0f, false);
        drain();
        return output->takeRendered()[0];
    }
};

TEST_F(Takes, NeverRepeatsThePreviousTakeAndVisitsEveryOne) {
    writePack("clicky", std::vector<float>(480, 0.1f));
    writePack("clicky-2", std::vector<float>(480, 0.2f));
    writePack("clicky-3", std::vector<float>(480, 0.3f));
    uint32_t k = 0;
    build(manual(), [&] { return (k = k * 1103515245u + 12345u) >> 8; });
    ASSERT_EQ(engine->takeCount(PackID::clicky), 3u);
    const float gain = *engine->baseGain(PackID::clicky);
    std::set<int> seen;
    int previous = -1;
    for (int i = 0; i < 40; ++i) {
        const int take = int(std::lround(pressed(PackID::clicky) / gain * 10.0f));
        ASSERT_GE(take, 1);
        ASSERT_LE(take, 3);
        EXPECT_NE(take, previous) << "press " << i;
        previous = take;
        seen.insert(take);
    }
    EXPECT_EQ(seen.size(), 3u);
}

TEST_F(Takes, TheListEndsAtTheFirstGapAndAOneTakePackDrawsNothing) {
    writePack("clicky", std::vector<float>(480, 0.1f));
    writePack("clicky-2", std::vector<float>(480, 0.2f));
    writePack("clicky-4", std::vector<float>(480, 0.4f));
    writePack("blue", std::vector<float>(480, 0.1f));
    int draws = 0;
    build(manual(), [&] { return uint32_t(++draws); });
    EXPECT_EQ(engine->takeCount(PackID::clicky), 2u);
    EXPECT_EQ(engine->takeCount(PackID::blue), 1u);
    EXPECT_EQ(engine->takeCount(PackID::soft), 0u);
    pressed(PackID::blue);
    EXPECT_EQ(draws, 0);
    EXPECT_TRUE(logs.errors().size() == 26u) << "only the 26 missing packs are errors, not the missing takes";
}

TEST_F(Takes, ReleasePlaysAtTheGainOfItsPackAndCountsInTheLoudness) {
    const std::vector<float> press = withLevels(SoundEngine::kTargetLevel / 2.0f, 0.3f);
    writePack("clicky", press);
    writePack("clicky-release", press);
    writePack("blue", press);
    writePack("tactile", std::vector<float>(480, 0.25f));
    writePack("tactile-release", std::vector<float>(480, -0.5f));
    build();
    EXPECT_TRUE(engine->hasRelease(PackID::clicky));
    EXPECT_FALSE(engine->hasRelease(PackID::blue));
    // Typing with a release as loud as the press carries twice the energy: 3 dB less gain.
    EXPECT_NEAR(*engine->baseGain(PackID::clicky), *engine->baseGain(PackID::blue) / std::sqrt(2.0f), 1e-3);

    engine->playRelease(PackID::tactile, 0.5f);
    drain();
    EXPECT_EQ(engine->nextIndexForTesting(), 1);
    const float gain = *engine->baseGain(PackID::tactile);
    EXPECT_FLOAT_EQ(output->takeRendered()[0], -0.5f * 0.5f * gain);

    engine->playRelease(PackID::blue, 1.0f);  // no release sound: no voice used
    drain();
    EXPECT_EQ(engine->nextIndexForTesting(), 1);
}

TEST_F(Engine, DroppedClicksAreReportedOnTheQueue) {
    writePack("soft", std::vector<float>(480, 0.1f));
    build();
    engine->start();
    // Nothing renders: the ring fills after 64 clicks and the 65th is
    // dropped and told, once.
    for (int i = 0; i < 65; ++i) engine->play(PackID::soft, 1.0f, false);
    drain();
    EXPECT_EQ(
        count(logs.errors(), "Clicks dropped: 1 with the command ring full, 0 held too long by the output"),
        1);
    // Clicks held past their time by a stalled output are dropped at render
    // and told with the next click.
    std::this_thread::sleep_for(std::chrono::nanoseconds(Mixer::kMaxCommandAgeNanos) +
                                std::chrono::milliseconds(20));
    output->pump(64);
    engine->play(PackID::soft, 1.0f, false);
    drain();
    EXPECT_EQ(
        count(logs.errors(), "Clicks dropped: 0 with the command ring full, 64 held too long by the output"),
        1);
}

// ---- Imported packs ------------------------------------------------------------

TEST_F(Takes, ImportedPacksPlayPerKeySoundsAndFallBackToTheDefaultPackWhenRemoved) {
    writePack("soft", std::vector<float>(480, 0.1f));
    build();
    auto buffer = [](float v) {
        auto b = std::make_shared<SampleBuffer>();
        b->samples.assign(480, v);
        b->frames = 480;
        b->sampleRate = 48000;
        return b;
    };
    const PackID pack = *userPackSlot("user-engine-test");
    UserPackSounds sounds;
    sounds.press = {buffer(0.2f), buffer(0.3f)};
    sounds.release = {buffer(-0.4f)};
    sounds.keyPress = {{30, 1}};
    sounds.keyRelease = {{30, 0}};
    engine->installUserPack(pack, sounds);
    drain();
    ASSERT_TRUE(engine->baseGain(pack).has_value());
    const float gain = *engine->baseGain(pack);
    EXPECT_EQ(engine->takeCount(pack), 2u);

    engine->play(pack, 1.0f, false, 30);  // the key's own sound
    drain();
    EXPECT_FLOAT_EQ(output->takeRendered()[0], 0.3f * gain);
    engine->playRelease(pack, 0.5f, 30);
    drain();
    EXPECT_FLOAT_EQ(output->takeRendered()[0], -0.4f * 0.5f * gain);

    // A sound in another format than the graph's is refused as a whole.
    auto stereo = buffer(0.5f);
    stereo->channels = 2;
    engine->installUserPack(*userPackSlot("user-engine-bad"), {{stereo}, {}, {}, {}});
    drain();
    EXPECT_FALSE(engine->baseGain(*userPackSlot("user-engine-bad")).has_value());

    engine->removeUserPack(pack);
    drain();
    EXPECT_FLOAT_EQ(pressed(pack), 0.1f * *engine->baseGain(PackID::soft));
}
