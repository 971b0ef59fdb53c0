#include <algorithm>
#include <fstream>
#include <future>
#include <thread>

#include "audio/mixer.h"
#include "engine_fixture.h"

using namespace tocko;
using namespace tocko::testing;

class Engine : public EngineTest {
public:
    // clicky reaches the target by its rms (gain 2.0), blue too (0.45),
    // tactile is held back by the peak ceiling (1.4).
    void threePacks() {
        writePack("clicky", withLevels(0.045f, 0.3f));
        writePack("blue", withLevels(0.2f, 0.99f));
        writePack("tactile", withLevels(0.03f, 0.7f));
    }
};

TEST_F(Engine, LoadReportsGainsSelfCheckAndMissingPacks) {
    threePacks();
    build();
    EXPECT_EQ(engine->loadedPackCount(), 3u);
    EXPECT_TRUE(logs.hasTrace("[Tocko] SoundEngine: loaded 3 sample packs"));
    EXPECT_TRUE(logs.hasTrace("[Tocko] SoundEngine: loudness gains: clicky=2.00 blue=0.45 tactile=1.40"));
    EXPECT_TRUE(logs.hasTrace(
        "[Tocko] SoundEngine: loudness self-check: no-clip=true spread=1.00x (2 at target, headroom-capped: tactile)"));
    EXPECT_TRUE(logs.hasTrace("[Tocko] SoundEngine: output-device-follow listeners installed (current=\"Null Output\")"));
    auto errors = logs.errors();
    EXPECT_EQ(errors.size(), 25u);
    EXPECT_EQ(errors.front(), "Failed to load pack-brown.wav from bundle");
    auto sys = logs.system();
    EXPECT_NE(std::find(sys.begin(), sys.end(), "Audio graph built: 16 nodes, 3 packs @ 48000 Hz"), sys.end());
    EXPECT_NE(std::find(sys.begin(), sys.end(), "loudness self-check: spread=1.00x, no-clip=true, capped=1"),
              sys.end());

    auto stats = engine->bufferStats();
    ASSERT_EQ(stats.size(), 28u);
    EXPECT_EQ(stats[0].pack, PackID::clicky);
    EXPECT_NEAR(stats[0].rms, 0.045f, 1e-5);  // raw, without gain
    EXPECT_NEAR(stats[0].peak, 0.3f, 1e-6);
    EXPECT_EQ(stats[3].rms, 0.0f);  // brown did not load
    EXPECT_EQ(stats[27].pack, PackID::chips);
}

TEST_F(Engine, DamagedOrForeignFilesGiveSilentPacksNotCrashes) {
    writePack("clicky", withLevels(0.05f, 0.5f));
    writePack("blue", withLevels(0.05f, 0.5f), 44100);  // other format than the first file
    writePack("tactile", withLevels(0.05f, 0.5f));
    std::filesystem::resize_file(path("tactile"), std::filesystem::file_size(path("tactile")) / 2);  // truncated
    std::ofstream(path("brown")) << "RIFF garbage that is no wave file";
    std::ofstream(path("creamy")).close();  // empty
    std::filesystem::create_directory(path("marble"));  // unreadable as a file
    build();
    EXPECT_EQ(engine->loadedPackCount(), 1u);
    auto errors = logs.errors();
    for (const char* bad : {"blue", "tactile", "brown", "creamy", "marble"})
        EXPECT_NE(std::find(errors.begin(), errors.end(), "Failed to load pack-" + std::string(bad) + ".wav from bundle"),
                  errors.end())
            << bad;
    // A click for a silent pack consumes no voice.
    engine->play(PackID::blue, 1.0f, false);
    drain();
    EXPECT_EQ(engine->nextIndexForTesting(), 0);
}

TEST_F(Engine, NoSamplesAtAllStillBuildsAndStaysSilent) {
    build();
    EXPECT_EQ(engine->loadedPackCount(), 0u);
    EXPECT_TRUE(logs.hasTrace("[Tocko] SoundEngine: loaded 0 sample packs"));
    for (auto& t : logs.traces()) EXPECT_EQ(t.find("self-check"), std::string::npos) << t;
    engine->play(PackID::soft, 1.0f, true);
    drain();
    output->pump(256);
    auto out = output->takeRendered();
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float s) { return s == 0.0f; }));
}

TEST_F(Engine, AllPacksCappedWritesNoSelfCheck) {
    writePack("clicky", std::vector<float>(480, 0.0f));
    writePack("blue", withLevels(0.03f, 0.7f));
    build();
    for (auto& t : logs.traces()) EXPECT_EQ(t.find("self-check"), std::string::npos) << t;
}

TEST_F(Engine, ClicksRotateThroughSixteenVoicesAndSkipMissingPacks) {
    threePacks();
    build();
    for (int i = 0; i < 17; ++i) engine->play(PackID::clicky, 0.9f, false);
    drain();
    EXPECT_EQ(engine->nextIndexForTesting(), 1);  // 0..15, then 0 again
    engine->play(PackID::soft, 0.9f, false);       // not loaded
    drain();
    EXPECT_EQ(engine->nextIndexForTesting(), 1);
    // Without variation: rate exactly 1 and volume x gain, even above 1.
    EXPECT_EQ(engine->voiceRateForTesting(0), 1.0f);
    EXPECT_FLOAT_EQ(engine->voiceVolumeForTesting(0), 1.8f);
}

TEST_F(Engine, VariationUsesTheExactDrawAndNeverExceedsFullVolume) {
    threePacks();
    std::vector<uint32_t> draws{0, 0, 1u << 24, 1u << 24, 1u << 24, 1u << 24, 1u << 23, 1u << 23};
    size_t next = 0;
    build(manual(), [&] { return draws[next++ % draws.size()]; });
    engine->play(PackID::clicky, 0.3f, true);  // lowest rate, -1.5 dB
    engine->play(PackID::clicky, 0.3f, true);  // highest rate, +1.5 dB
    engine->play(PackID::clicky, 0.9f, true);  // +1.5 dB would exceed 1.0
    engine->play(PackID::clicky, 0.3f, true);  // the middle of both ranges
    drain();
    EXPECT_FLOAT_EQ(engine->voiceRateForTesting(0), 0.97f);
    EXPECT_FLOAT_EQ(engine->voiceVolumeForTesting(0), 0.3f * 2.0f * std::pow(10.0f, -1.5f / 20.0f));
    EXPECT_EQ(engine->voiceRateForTesting(1), 1.03f);
    EXPECT_FLOAT_EQ(engine->voiceVolumeForTesting(1), 0.3f * 2.0f * 1.1885022f);
    EXPECT_EQ(engine->voiceVolumeForTesting(2), 1.0f);
    EXPECT_FLOAT_EQ(engine->voiceRateForTesting(3), 0.97f + 0.5f * (1.03f - 0.97f));
    EXPECT_FLOAT_EQ(engine->voiceVolumeForTesting(3), 0.6f);
}

TEST_F(Engine, SecureRandomDrawsStayInRange) {
    threePacks();
    build();
    float lo = 2, hi = 0;
    for (int round = 0; round < 20; ++round) {
        for (int i = 0; i < 16; ++i) engine->play(PackID::blue, 1.0f, true);
        drain();
        for (int i = 0; i < 16; ++i) {
            const float r = engine->voiceRateForTesting(i);
            lo = std::min(lo, r);
            hi = std::max(hi, r);
            ASSERT_GE(r, 0.97f);
            ASSERT_LE(r, 1.03f);
            const float v = engine->voiceVolumeForTesting(i);
            ASSERT_GE(v, 0.45f * std::pow(10.0f, -1.5f / 20.0f) - 1e-6f);
            ASSERT_LE(v, std::min(1.0f, 0.45f * 1.1885022f) + 1e-6f);
        }
    }
    EXPECT_LT(lo, 0.98f);  // 320 draws spread over the range
    EXPECT_GT(hi, 1.02f);
}

TEST_F(Engine, PlayedClickReachesTheOutputAtItsVolume) {
    writePack("clicky", std::vector<float>(480, 0.25f));
    build();
    engine->play(PackID::clicky, 0.5f, false);
    drain();
    output->pump(512);
    auto out = output->takeRendered();
    const float gain = *engine->baseGain(PackID::clicky);
    EXPECT_FLOAT_EQ(out[0], 0.25f * 0.5f * gain);
    EXPECT_FLOAT_EQ(out[1], out[0]);  // mono sample on both channels
    EXPECT_EQ(out[2 * 500], 0.0f);
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
                             "[Tocko] SoundEngine: AVAudioEngine started, 3 packs ready",
                             "[Tocko] SoundEngine: engine stopped (disabled)",
                             "[Tocko] SoundEngine: restarted on demand",
                         }));
    EXPECT_TRUE(output->isRunning());
}

TEST_F(Engine, StartFailureDropsTheClickAndTheNextOneRecovers) {
    threePacks();
    build();
    output->setStartFailure("Connection refused");
    engine->play(PackID::clicky, 1.0f, false);
    drain();
    EXPECT_EQ(engine->nextIndexForTesting(), 0);
    auto errors = logs.errors();
    EXPECT_EQ(errors.back(), "AVAudioEngine failed to start: Connection refused");
    output->setStartFailure(std::nullopt);
    engine->play(PackID::clicky, 1.0f, false);
    drain();
    EXPECT_EQ(engine->nextIndexForTesting(), 1);
    EXPECT_TRUE(logs.hasTrace("[Tocko] SoundEngine: AVAudioEngine started, 3 packs ready"));
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
    EXPECT_EQ(logs.traces(), (std::vector<std::string>{
                                 "[Tocko] SoundEngine: output device changed -> Null Output, engine reconfigured",
                                 "[Tocko] SoundEngine: restarted on demand",
                             }));
    EXPECT_EQ(logs.system().front(), "output device changed -> <private>, engine reconfigured (selftest)");

    // After stop() a new default device is followed but the engine stays stopped.
    engine->stop();
    drain();
    logs.clear();
    output->simulateDefaultOutputChange(7, "USB Headset");
    drain();
    EXPECT_EQ(logs.traces(),
              std::vector<std::string>{"[Tocko] SoundEngine: output device changed -> USB Headset, engine reconfigured"});
    EXPECT_EQ(logs.system().front(), "output device changed -> <private>, engine reconfigured (default-output-changed)");
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
    EXPECT_TRUE(logs.hasTrace(
        "[Tocko] SoundEngine: ⚠️ engine not running after reconfigure(default-output-changed) — clicks will be silent"));
    auto errors = logs.errors();
    EXPECT_EQ(errors.back(), "engine not running after reconfigure(default-output-changed) — clicks will be silent");
}

TEST_F(Engine, SetActivePackLogsOnlyChanges) {
    build();
    engine->setActivePack(PackID::soft);  // already the default
    engine->setActivePack(PackID::tock);
    engine->setActivePack(PackID::tock);
    auto t = logs.traces();
    EXPECT_EQ(std::count(t.begin(), t.end(), "[Tocko] SoundEngine: active pack changed -> tock"), 1);
    EXPECT_EQ(std::count_if(t.begin(), t.end(), [](auto& s) { return s.find("active pack") != s.npos; }), 1);
    EXPECT_EQ(engine->state().get().pack, PackID::tock);
}

TEST_F(Engine, MeasureSeesTheTestClickOnlyWhileTheTapIsInstalled) {
    writePack("soft", std::vector<float>(2400, 0.1f));
    build();
    std::promise<std::pair<float, float>> result;
    engine->measure(0.05, [&](float peak, float rms) { result.set_value({peak, rms}); });
    auto f = result.get_future();
    while (f.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready) output->pump(64);
    auto [peak, rms] = f.get();
    const float level = 0.1f * 0.9f * *engine->baseGain(PackID::soft);
    EXPECT_FLOAT_EQ(peak, level);
    EXPECT_GT(rms, 0.0f);
    EXPECT_LE(rms, level);

    // A window in which nothing is rendered measures nothing.
    std::promise<std::pair<float, float>> quiet;
    engine->measure(0.02, [&](float p, float r) { quiet.set_value({p, r}); });
    EXPECT_EQ(quiet.get_future().get(), std::make_pair(0.0f, 0.0f));
}

TEST_F(Engine, MeasureWithAnEngineThatCannotStartReturnsZero) {
    writePack("soft", std::vector<float>(2400, 0.1f));
    build();
    output->setStartFailure("no server");
    std::promise<std::pair<float, float>> result;
    engine->measure(1.0, [&](float p, float r) { result.set_value({p, r}); });
    auto f = result.get_future();
    ASSERT_EQ(f.wait_for(std::chrono::milliseconds(500)), std::future_status::ready);  // no wait for the window
    EXPECT_EQ(f.get(), std::make_pair(0.0f, 0.0f));
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

    engine->setActivePack(PackID::blue);
    engine->play(PackID::blue, 0.9f, false);
    engine->logGraph("after-click");
    drain();
    EXPECT_EQ(logs.traces().back(),
              "[Tocko] AudioCheck: graph(after-click) isRunning=true mixerOutVol=1.0 playerVol=0.405 "
              "master=0.4453125 muted=false pack=blue playInvocations=12 attachedNodes=34 outSR=44100 "
              "mixSR=44100 bufSR=48000 outDev=\"Null Output\"");

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
    const size_t loud = size_t(std::count_if(samples.begin(), samples.end(), [](float s) { return s > 0.05f; }));  // 0.3 x gain 0.3
    EXPECT_EQ(loud, 960u);  // the click, whole and once
}

TEST_F(Engine, DroppedClicksAreReportedOnTheQueue) {
    writePack("soft", std::vector<float>(480, 0.1f));
    build();
    engine->start();
    // Nothing renders: the ring fills after 64 clicks and the 65th is
    // dropped and told, once.
    for (int i = 0; i < 65; ++i) engine->play(PackID::soft, 1.0f, false);
    drain();
    auto errors = logs.errors();
    EXPECT_EQ(std::count(errors.begin(), errors.end(),
                         "Clicks dropped: 1 with the command ring full, 0 held too long by the output"),
              1);
    // Clicks held past their time by a stalled output are dropped at render
    // and told with the next click.
    std::this_thread::sleep_for(std::chrono::nanoseconds(Mixer::kMaxCommandAgeNanos) + std::chrono::milliseconds(20));
    output->pump(64);
    engine->play(PackID::soft, 1.0f, false);
    drain();
    errors = logs.errors();
    EXPECT_NE(std::find(errors.begin(), errors.end(),
                        "Clicks dropped: 0 with the command ring full, 64 held too long by the output"),
              errors.end());
}
