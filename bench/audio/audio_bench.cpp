// Sound engine benchmarks.
//   Render16Voices: cost of mixing 16 sounding voices with varispeed into a
//     48 kHz stereo output; the "core" counter is the fraction of one core
//     needed to keep up in real time (target: at most 0.01).
//   PlayToFirstSample: time from play() to the render thread starting that
//     click, with the render side pumped continuously so the device buffer is
//     left out (target: p99 under 1 ms).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include "audio/mixer.h"
#include "audio/null_output.h"
#include "audio/sound_engine.h"

using namespace tocko;

static void Render16Voices(benchmark::State& state) {
    constexpr uint32_t kFrames = 256;
    constexpr double kRate = 48000;
    SampleBuffer sample;
    sample.frames = 48000 * 4;
    sample.sampleRate = 48000;
    sample.samples.resize(sample.frames);
    for (uint32_t i = 0; i < sample.frames; ++i) sample.samples[i] = 0.3f * std::sin(float(i) * 0.01f);
    Mixer mixer;
    std::vector<float> out(kFrames * 2);
    auto scheduleAll = [&] {
        for (int v = 0; v < Mixer::kVoices; ++v) mixer.schedule(v, &sample, 0.97f + 0.004f * float(v), 0.5f);
    };
    scheduleAll();
    double busy = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        if (mixer.activeVoices() < Mixer::kVoices) scheduleAll();
        mixer.render(out.data(), kFrames, 2, kRate);
        benchmark::DoNotOptimize(out.data());
        busy += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kFrames);
    // Seconds of rendering per second of audio.
    state.counters["core_fraction"] = busy / (double(kFrames) / kRate * double(state.iterations()));
}
BENCHMARK(Render16Voices);

static void PlayToFirstSample(benchmark::State& state) {
    NullOutput::Options options;
    options.manualClock = true;
    auto output = std::make_unique<NullOutput>(options);
    NullOutput* out = output.get();
    auto engine = SoundEngine::create({TOCKO_SOUNDS_DIR, std::move(output), {}});
    engine->start();
    engine->queue().sync([] {});
    std::atomic<bool> stop{false};
    std::thread render([&] {
        while (!stop.load(std::memory_order_relaxed)) {
            out->pump(32);
            out->takeRendered();
            std::this_thread::yield();
        }
    });
    std::vector<double> micros;
    uint64_t seen = engine->mixer().lastAppliedSeq();
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        engine->play(PackID::clicky, 0.5f, true);
        while (engine->mixer().lastAppliedSeq() == seen) std::this_thread::yield();
        seen = engine->mixer().lastAppliedSeq();
        const int64_t applied = engine->mixer().lastAppliedNanos();
        const int64_t start =
            std::chrono::duration_cast<std::chrono::nanoseconds>(t0.time_since_epoch()).count();
        micros.push_back(double(applied - start) / 1000.0);
        state.SetIterationTime(double(applied - start) / 1e9);
    }
    stop = true;
    render.join();
    std::sort(micros.begin(), micros.end());
    auto pct = [&](double p) {
        return micros[std::min(micros.size() - 1, size_t(p * double(micros.size())))];
    };
    state.counters["p50_us"] = pct(0.50);
    state.counters["p99_us"] = pct(0.99);
    state.counters["max_us"] = micros.back();
}
BENCHMARK(PlayToFirstSample)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
