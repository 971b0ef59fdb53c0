#pragma once
// Shared helpers of the input tests: log lines counted by message, and a
// KeyTap wired to record its callbacks.

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "input/key_tap.h"
#include "tests/common/test_support.h"

namespace tocko::testing {

using namespace std::chrono_literals;
using test::eventually;

struct Logs : test::LogCapture {
    // System-log entries equal to `message`.
    int count(const std::string& message) const { return int(std::ranges::count(messages(), message)); }
    int countContaining(const std::string& part) const {
        return int(std::ranges::count_if(
            records(), [&](const LogRecord& r) { return r.message.find(part) != std::string::npos; }));
    }
    bool waitFor(const std::string& message, int times = 1) const {
        return eventually([&] { return count(message) >= times; });
    }
    size_t size() const { return records().size(); }
};

inline const std::string kLiveTrace = "[Tocko] KeyTap: listenOnly input tap live on background run loop";

// A KeyTap whose callbacks record what they saw and the thread they ran on.
// Stops the tap and waits for its thread when destroyed.
struct TapHarness {
    explicit TapHarness(std::shared_ptr<TapBackendFactory> factory) {
        tap = std::make_shared<KeyTap>([this](uint16_t code) { record([&] { keys.push_back(code); }); },
                                       std::move(factory));
        tap->onMouseDown = [this] { record([&] { ++mouseDowns; }); };
        tap->onKeyUp = [this](uint16_t) { record([&] { ++keyUps; }); };
        tap->onActivationResult = [this](bool ok) { record([&] { activations.push_back(ok); }); };
    }
    ~TapHarness() { stopAndJoin(); }

    bool stopAndJoin() {
        auto th = tap->thread();
        tap->stop();
        return !th || th->waitUntilFinished(3000ms);
    }
    // Started, reported true, and the setup's last log line is written.
    bool startLive() {
        const size_t reports = get(activations).size();
        const size_t traces = logs.countTrace(kLiveTrace);
        tap->start();
        return eventually([&] {
                   return get(activations).size() > reports && logs.countTrace(kLiveTrace) > traces;
               }) &&
               get(activations).back();
    }
    template <class T>
    T get(const T& field) const {
        std::lock_guard lock(mutex);
        return field;
    }

    Logs logs;
    std::shared_ptr<KeyTap> tap;
    mutable std::mutex mutex;
    std::vector<uint16_t> keys;
    int mouseDowns = 0;
    int keyUps = 0;
    std::vector<bool> activations;
    std::vector<std::string> threadNames;
    std::vector<std::thread::id> threads;

private:
    template <class F>
    void record(F&& f) {
        const std::string name = tocko::test::requestedThreadName();
        std::lock_guard lock(mutex);
        f();
        threadNames.emplace_back(name);
        threads.push_back(std::this_thread::get_id());
    }
};

}  // namespace tocko::testing
