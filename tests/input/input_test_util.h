#pragma once
// Shared helpers of the input tests: log capture, waiting for what another
// thread brings about, and a KeyTap wired to record its callbacks.

#include <pthread.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "input/key_tap.h"
#include "support/log.h"

namespace tocko::testing {

using namespace std::chrono_literals;

inline bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 3000ms) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

// Collects every log entry while alive.
class LogCapture {
public:
    LogCapture() {
        setLogObserver([this](const LogRecord& r) {
            std::lock_guard lock(mutex_);
            records_.push_back(r);
        });
    }
    ~LogCapture() { setLogObserver(nullptr); }

    size_t size() const {
        std::lock_guard lock(mutex_);
        return records_.size();
    }
    int count(const std::string& message, LogRecord::Kind kind = LogRecord::Kind::System) const {
        return countIf([&](const LogRecord& r) { return r.kind == kind && r.message == message; });
    }
    int countContaining(const std::string& part) const {
        return countIf([&](const LogRecord& r) { return r.message.find(part) != std::string::npos; });
    }
    bool waitFor(const std::string& message, int times = 1) const {
        return eventually([&] { return count(message) >= times; });
    }

private:
    int countIf(const std::function<bool(const LogRecord&)>& pred) const {
        std::lock_guard lock(mutex_);
        return static_cast<int>(std::count_if(records_.begin(), records_.end(), pred));
    }
    mutable std::mutex mutex_;
    std::vector<LogRecord> records_;
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
        const int traces = logs.count(kLiveTrace, LogRecord::Kind::Trace);
        tap->start();
        return eventually([&] {
                   return get(activations).size() > reports &&
                          logs.count(kLiveTrace, LogRecord::Kind::Trace) > traces;
               }) &&
               get(activations).back();
    }
    template <class T>
    T get(const T& field) const {
        std::lock_guard lock(mutex);
        return field;
    }

    LogCapture logs;
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
        char name[32] = {};
        pthread_getname_np(pthread_self(), name, sizeof name);
        std::lock_guard lock(mutex);
        f();
        threadNames.emplace_back(name);
        threads.push_back(std::this_thread::get_id());
    }
};

}  // namespace tocko::testing
