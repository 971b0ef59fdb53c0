#pragma once
// A scripted input backend for tests: events are injected from any thread and
// reach the tap callback on the thread running the tap, which waits for them
// on a condition variable, so KeyTap's threading is the real one.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "input/event_tap.h"

namespace tocko {

class FakeTap : public EventTap {
public:
    // Delivers `event` as the system would: dropped while disabled, except a
    // disable notice, which first disables the tap. Events injected before
    // run() are delivered once it starts.
    void inject(const TapEvent& event);
    // Inside run().
    bool isScheduled() const { return scheduled_.load(); }

    void run(TapCallback callback) override;
    void stop() override;
    void setEnabled(bool enabled) override { enabled_.store(enabled); }
    bool isEnabled() const override { return enabled_.load(); }

private:
    std::atomic<bool> enabled_{false};
    std::atomic<bool> scheduled_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopped_ = false;
    std::deque<TapEvent> pending_;
};

class FakeTapFactory : public TapBackendFactory {
public:
    std::atomic<bool> listenGranted{true};
    std::atomic<bool> failCreate{false};

    bool canListen() override { return listenGranted.load(); }
    std::shared_ptr<EventTap> createTap() override;

    // While held, createTap waits (the tap thread stays in its setup).
    void holdCreate();
    void releaseCreate();

    int createCalls() const;
    std::vector<std::thread::id> createThreads() const;
    // The tap made by the n-th createTap call (0-based), if it succeeded.
    std::shared_ptr<FakeTap> tap(size_t index) const;
    bool waitForCreateCalls(int count, std::chrono::milliseconds timeout) const;
    // Waits until the n-th tap exists and is scheduled on a loop and enabled.
    bool waitForLive(size_t index, std::chrono::milliseconds timeout) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable cv_;
    bool held_ = false;
    std::vector<std::thread::id> threads_;
    std::vector<std::shared_ptr<FakeTap>> taps_;
};

}  // namespace tocko
