// What one key press costs on the tap thread: the key handler takes the
// playback lock, counts, reads the decision and enqueues the click.

#include <benchmark/benchmark.h>

#include "app/app_state.h"
#include "audio/null_output.h"

using namespace tocko;

namespace {

std::shared_ptr<SoundEngine> makeEngine() {
    NullOutput::Options o;
    o.manualClock = true;  // nothing renders: only the queue side is measured
    return SoundEngine::create({defaultSoundsDirectory(), std::make_unique<NullOutput>(o), {}});
}

void BM_KeyHandlerMuted(benchmark::State& state) {
    auto engine = makeEngine();
    engine->state().with([](Playback& p) { p.muted = true; });
    auto key = AppState::makeKeyHandler(engine);
    for (auto _ : state) key(30);
    benchmark::DoNotOptimize(engine->state().get().playInvocations);
}
BENCHMARK(BM_KeyHandlerMuted);

void BM_KeyHandlerPlaying(benchmark::State& state) {
    auto engine = makeEngine();
    engine->state().with([](Playback& p) { p.muted = false; });
    auto key = AppState::makeKeyHandler(engine);
    for (auto _ : state) key(30);  // the queue thread plays them meanwhile
    engine->queue().sync([] {});
}
BENCHMARK(BM_KeyHandlerPlaying);

}  // namespace

BENCHMARK_MAIN();
