#pragma once
// KeyTap observes every key press and left/right mouse press in every
// application, listen-only, on a dedicated thread "com.tocko.keytap" on which
// the backend's tap runs its own event loop, and reports them through two
// callbacks.
//
// Create it with std::make_shared (its thread holds it weakly). start() and
// stop() are called on the main thread; set onMouseDown and
// onActivationResult before the first start(). Every callback runs on the
// tap thread and must return quickly.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "input/event_tap.h"
#include "support/locked.h"
#include "support/log.h"

namespace tocko {

// The dedicated thread of one start(); a handle the tap drops on stop().
class TapThread {
public:
    std::thread::id id() const;
    bool isFinished() const;
    // Waits until the thread body has returned (tests, diagnostics).
    bool waitUntilFinished(std::chrono::milliseconds timeout) const;

private:
    friend class KeyTap;
    void markStarted();
    void markFinished();
    mutable std::mutex mutex_;
    mutable std::condition_variable cv_;
    std::thread::id id_;
    bool finished_ = false;
};

class KeyTap : public std::enable_shared_from_this<KeyTap> {
public:
    using Handler = std::function<void(uint16_t keyCode)>;

    // `handler` gets the evdev code of every accepted key-down; `backends`
    // are the platform's tap backends.
    KeyTap(Handler handler, std::shared_ptr<TapBackendFactory> backends);
    KeyTap(const KeyTap&) = delete;
    KeyTap& operator=(const KeyTap&) = delete;

    void start();
    void stop();

    // The running flag kept under runLock: true from a successful start()
    // until stop() or a failure.
    bool isListening() const;
    // Whether a live tap exists and is enabled.
    bool isTapEnabled() const;
    // The thread of the current start(), if any.
    std::shared_ptr<TapThread> thread() const;

    std::function<void()> onMouseDown;
    std::function<void(bool)> onActivationResult;
    // Called for every key-up (no key code) while key-ups are wanted; set
    // before the first start().
    // Gets the key's code only so that a pack with per-key sounds can pick one.
    std::function<void(uint16_t)> onKeyUp;
    // Whether key-ups reach onKeyUp (off by default). Safe from any thread.
    void setKeyUpsWanted(bool wanted) { keyUpsWanted_.store(wanted, std::memory_order_relaxed); }
    bool keyUpsWanted() const { return keyUpsWanted_.load(std::memory_order_relaxed); }

private:
    struct TapState {
        bool running = false;
        // Bumped by every start() and stop(), so that a thread still setting
        // up can tell it has been overtaken even if a newer start() has set
        // `running` again.
        uint64_t generation = 0;
        // The running tap, from the end of its setup until stop().
        std::shared_ptr<EventTap> eventTap;
        std::shared_ptr<TapThread> thread;
    };

    void run(uint64_t generation);
    void tapCallback(const TapEvent& event);

    const Handler handler_;
    const std::shared_ptr<TapBackendFactory> backends_;
    Logger log_{"KeyTap"};
    std::atomic<bool> keyUpsWanted_{false};
    // Held only for single field reads and writes, never across a call out.
    Locked<TapState> runLock_;
};

}  // namespace tocko
