// Key tap latency benchmarks.
//   EvdevRecordToHandler: time from a key-press record entering the evdev
//     backend's device descriptor (a FIFO standing in for /dev/input/eventN)
//     to the key handler running on the tap thread: the wake-up of the tap
//     thread, the read, the decoding and the tap callback (target: p99 under
//     0.2 ms).
//   XTestPressToHandler: the same through the X11 backend, from an XTEST
//     press sent by another client, so the X server's own work is included
//     (an upper bound for the backend; skipped without an X server).
// Both report p50, p99 and max over all iterations as counters, in microseconds.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include "input/key_tap.h"
#include "platform/linux/evdev_backend.h"
#include "platform/linux/x11_backend.h"

// After the project's headers: Xlib's macros clash with names used there.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

using namespace tocko;
using Clock = std::chrono::steady_clock;

namespace {

// What the handler saw: a count and the time of the last call.
struct Arrivals {
    std::atomic<uint64_t> count{0};
    std::atomic<int64_t> lastNs{0};
    void mark() {
        lastNs.store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
        count.fetch_add(1, std::memory_order_release);
    }
};

bool spinUntil(const std::atomic<uint64_t>& count, uint64_t target, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (count.load(std::memory_order_acquire) < target) {
        if (Clock::now() > deadline) return false;
    }
    return true;
}

void reportPercentiles(benchmark::State& state, std::vector<double>& us) {
    if (us.empty()) return;
    std::sort(us.begin(), us.end());
    auto at = [&](double q) {
        return us[std::min(us.size() - 1, static_cast<size_t>(q * double(us.size())))];
    };
    state.counters["p50_us"] = at(0.50);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = us.back();
}

std::shared_ptr<KeyTap> startTap(std::shared_ptr<TapBackendFactory> factory, Arrivals& arrivals) {
    auto tap = std::make_shared<KeyTap>([&arrivals](uint16_t) { arrivals.mark(); }, std::move(factory));
    std::atomic<int> result{-1};
    tap->onActivationResult = [&result](bool ok) { result = ok ? 1 : 0; };
    tap->start();
    const auto deadline = Clock::now() + std::chrono::seconds(3);
    while (result.load() < 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (result.load() != 1) return nullptr;
    return tap;
}

void stopTap(const std::shared_ptr<KeyTap>& tap) {
    auto th = tap->thread();
    tap->stop();
    if (th) th->waitUntilFinished(std::chrono::seconds(3));
}

}  // namespace

static void EvdevRecordToHandler(benchmark::State& state) {
    char pattern[] = "/tmp/tocko-bench-input-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    const std::string node = dir + "/event0";
    mkfifo(node.c_str(), 0600);
    const int writer = open(node.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);

    EvdevOptions options;
    options.directory = dir;
    options.probe = [](int, std::string*) {
        return std::optional<EvdevCapabilities>({true, true, false, "bench"});
    };
    Arrivals arrivals;
    auto tap = startTap(std::make_shared<EvdevTapFactory>(options), arrivals);
    if (!tap) {
        state.SkipWithError("evdev tap did not come up");
        close(writer);
        std::filesystem::remove_all(dir);
        return;
    }

    input_event records[2] = {};
    records[0].type = EV_KEY;
    records[0].value = 1;
    records[1].type = EV_SYN;
    records[1].code = SYN_REPORT;
    std::vector<double> us;
    us.reserve(100000);
    uint64_t expected = 0;
    for (auto _ : state) {
        records[0].code = static_cast<uint16_t>(KEY_Q + (expected % 10));
        const auto t0 = Clock::now();
        if (write(writer, records, sizeof records) != static_cast<ssize_t>(sizeof records)) {
            state.SkipWithError("write failed");
            break;
        }
        if (!spinUntil(arrivals.count, ++expected, std::chrono::seconds(1))) {
            state.SkipWithError("press never reached the handler");
            break;
        }
        const double seconds = double(arrivals.lastNs.load() - t0.time_since_epoch().count()) * 1e-9;
        state.SetIterationTime(seconds);
        us.push_back(seconds * 1e6);
    }
    reportPercentiles(state, us);
    stopTap(tap);
    close(writer);
    std::filesystem::remove_all(dir);
}
BENCHMARK(EvdevRecordToHandler)->UseManualTime()->Iterations(20000)->Unit(benchmark::kMicrosecond);

static void XTestPressToHandler(benchmark::State& state) {
    Display* injector = XOpenDisplay(nullptr);
    if (!injector) {
        state.SkipWithError("no X server (DISPLAY)");
        return;
    }
    Arrivals arrivals;
    auto tap = startTap(std::make_shared<X11TapFactory>(), arrivals);
    if (!tap) {
        state.SkipWithError("X11 tap did not come up");
        XCloseDisplay(injector);
        return;
    }
    const unsigned keycode = KEY_Q + 8;
    std::vector<double> us;
    uint64_t expected = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        XTestFakeKeyEvent(injector, keycode, True, CurrentTime);
        XFlush(injector);
        if (!spinUntil(arrivals.count, ++expected, std::chrono::seconds(1))) {
            state.SkipWithError("press never reached the handler");
            break;
        }
        const double seconds = double(arrivals.lastNs.load() - t0.time_since_epoch().count()) * 1e-9;
        state.SetIterationTime(seconds);
        us.push_back(seconds * 1e6);
        XTestFakeKeyEvent(injector, keycode, False, CurrentTime);
        XFlush(injector);
    }
    XSync(injector, False);
    reportPercentiles(state, us);
    stopTap(tap);
    XCloseDisplay(injector);
}
BENCHMARK(XTestPressToHandler)->UseManualTime()->Iterations(5000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
