#pragma once
// Shared helpers of the input tests: log capture and waiting for conditions
// that another thread brings about.

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/log.h"

namespace tocko::testing {

using namespace std::chrono_literals;

// Polls `condition` until it holds or `timeout` passes.
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

    std::vector<LogRecord> records() const {
        std::lock_guard lock(mutex_);
        return records_;
    }
    int count(const std::string& message, LogRecord::Kind kind = LogRecord::Kind::System) const {
        std::lock_guard lock(mutex_);
        return static_cast<int>(std::count_if(records_.begin(), records_.end(), [&](const LogRecord& r) {
            return r.kind == kind && r.message == message;
        }));
    }
    int countContaining(const std::string& part) const {
        std::lock_guard lock(mutex_);
        return static_cast<int>(std::count_if(records_.begin(), records_.end(), [&](const LogRecord& r) {
            return r.message.find(part) != std::string::npos;
        }));
    }
    bool waitFor(const std::string& message, int times = 1,
                 std::chrono::milliseconds timeout = 3000ms) const {
        return eventually([&] { return count(message) >= times; }, timeout);
    }
    bool waitForContaining(const std::string& part, std::chrono::milliseconds timeout = 3000ms) const {
        return eventually([&] { return countContaining(part) > 0; }, timeout);
    }

private:
    mutable std::mutex mutex_;
    std::vector<LogRecord> records_;
};

// What the tap's callbacks saw, and on which thread.
struct CallbackLog {
    mutable std::mutex mutex;
    std::vector<uint16_t> keys;
    int mouseDowns = 0;
    std::vector<bool> activations;
    std::vector<std::thread::id> threads;

    void key(uint16_t code) {
        std::lock_guard lock(mutex);
        keys.push_back(code);
        threads.push_back(std::this_thread::get_id());
    }
    void mouse() {
        std::lock_guard lock(mutex);
        ++mouseDowns;
        threads.push_back(std::this_thread::get_id());
    }
    void activation(bool ok) {
        std::lock_guard lock(mutex);
        activations.push_back(ok);
        threads.push_back(std::this_thread::get_id());
    }
    std::vector<uint16_t> keysSeen() const {
        std::lock_guard lock(mutex);
        return keys;
    }
    int mouseSeen() const {
        std::lock_guard lock(mutex);
        return mouseDowns;
    }
    std::vector<bool> activationsSeen() const {
        std::lock_guard lock(mutex);
        return activations;
    }
    std::vector<std::thread::id> threadsSeen() const {
        std::lock_guard lock(mutex);
        return threads;
    }
};

}  // namespace tocko::testing
