#include "input/key_tap.h"

#include <system_error>

#include "support/serial_queue.h"

namespace tocko {

std::thread::id TapThread::id() const {
    std::lock_guard lock(mutex_);
    return id_;
}

bool TapThread::isFinished() const {
    std::lock_guard lock(mutex_);
    return finished_;
}

bool TapThread::waitUntilFinished(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return cv_.wait_for(lock, timeout, [&] { return finished_; });
}

void TapThread::markStarted() {
    std::lock_guard lock(mutex_);
    id_ = std::this_thread::get_id();
}

void TapThread::markFinished() {
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    cv_.notify_all();
}

KeyTap::KeyTap(Handler handler, std::shared_ptr<TapBackendFactory> backends)
    : handler_(std::move(handler)), backends_(std::move(backends)) {}

bool KeyTap::isListening() const {
    return runLock_.with([](const TapState& s) { return s.running; });
}

bool KeyTap::isTapEnabled() const {
    auto tap = runLock_.with([](const TapState& s) { return s.eventTap; });
    return tap && tap->isEnabled();
}

std::shared_ptr<TapThread> KeyTap::thread() const {
    return runLock_.with([](const TapState& s) { return s.thread; });
}

void KeyTap::start() {
    uint64_t generation = 0;
    const bool alreadyRunning = runLock_.with([&](TapState& s) {
        if (s.running) return true;
        s.running = true;
        generation = ++s.generation;
        return false;
    });
    if (alreadyRunning) return;

    if (!backends_->canListen()) {
        log_.error("start() ignored: input access not granted");
        runLock_.with([](TapState& s) { s.running = false; });
        return;
    }

    std::weak_ptr<KeyTap> weak = weak_from_this();
    if (weak.expired()) {
        // The thread could not hold on to a tap that no shared_ptr owns.
        log_.error("start() ignored: KeyTap not created with std::make_shared");
        runLock_.with([](TapState& s) { s.running = false; });
        return;
    }
    auto handle = std::make_shared<TapThread>();
    runLock_.with([&](TapState& s) { s.thread = handle; });
    try {
        std::thread([weak, handle, generation] {
            setCurrentThreadName("com.tocko.keytap");
            raiseCurrentThreadPriority();  // a busy desktop must not delay the click
            handle->markStarted();
            if (auto self = weak.lock()) self->run(generation);
            handle->markFinished();
        }).detach();
    } catch (const std::system_error& e) {
        log_.error("KeyTap thread could not be started: {}", {pub(e.what())});
        runLock_.with([&](TapState& s) {
            if (s.generation == generation) s.running = false;
            if (s.thread == handle) s.thread.reset();
        });
    }
}

void KeyTap::run(uint64_t generation) {
    std::shared_ptr<EventTap> tap = backends_->createTap();

    if (!tap) {
        log_.error("Input tap creation failed (permission missing or revoked)");
        // Only the current start() owns the running flag and the report; a
        // thread overtaken by stop() (and maybe a newer start) stays quiet.
        const bool current = runLock_.with([&](TapState& s) {
            if (s.generation != generation) return false;
            s.running = false;
            return true;
        });
        if (current && onActivationResult) onActivationResult(false);
        return;
    }

    // Storing the tap and reading the flag happen in one step, so a stale
    // thread can never overwrite the tap of a newer start().
    const bool current = runLock_.with([&](TapState& s) {
        if (!s.running || s.generation != generation) return false;
        s.eventTap = tap;
        return true;
    });
    if (!current) {
        tap->setEnabled(false);
        log_.info("KeyTap: stop() during setup; tap released without entering run loop");
        return;
    }

    // A stop() from here on reaches the tap, whose run() then returns at once.
    tap->setEnabled(true);
    if (onActivationResult) onActivationResult(true);
    log_.info("Event tap live on dedicated background run loop");
    trace("KeyTap", "listenOnly input tap live on background run loop");

    tap->run([this](const TapEvent& e) { tapCallback(e); });

    tap->setEnabled(false);
    // Normally stop() has already let go of it; a newer start() may have
    // stored its own tap meanwhile.
    runLock_.with([&](TapState& s) {
        if (s.eventTap == tap) s.eventTap.reset();
    });
    log_.info("KeyTap run loop exited");
}

void KeyTap::stop() {
    std::shared_ptr<EventTap> tap;
    const bool wasRunning = runLock_.with([&](TapState& s) {
        if (!s.running) return false;
        s.running = false;
        ++s.generation;
        tap = std::move(s.eventTap);
        s.eventTap.reset();
        s.thread.reset();
        return true;
    });
    // Without a recorded tap the thread is still setting up (or failed): it
    // sees it was overtaken and cleans up by itself.
    if (!wasRunning || !tap) return;
    tap->setEnabled(false);
    tap->stop();
}

void KeyTap::tapCallback(const TapEvent& event) {
    switch (event.type) {
        case TapEventType::LeftMouseDown:
        case TapEventType::RightMouseDown:
            if (onMouseDown) onMouseDown();
            break;
        case TapEventType::KeyDown:
            if (event.autorepeat || !handler_) break;
            handler_(event.keyCode);
            break;
        case TapEventType::KeyUp:
            if (keyUpsWanted() && onKeyUp) onKeyUp(event.keyCode);
            break;
        case TapEventType::TapDisabledByTimeout: {
            auto tap = runLock_.with([](const TapState& s) { return s.eventTap; });
            if (tap) tap->setEnabled(true);
            log_.info("Tap was disabled by the system; re-enabled");
            break;
        }
    }
}

}  // namespace tocko
