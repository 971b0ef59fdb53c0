#include "platform/fake/fake_backend.h"

namespace tocko {

void FakeTap::inject(const TapEvent& event) {
    {
        std::lock_guard lock(mutex_);
        pending_.push_back(event);
    }
    wake_.notify_all();
}

void FakeTap::stop() {
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    wake_.notify_all();
}

void FakeTap::run(TapCallback callback) {
    scheduled_.store(true);
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [&] { return stopped_ || !pending_.empty(); });
        if (stopped_) break;
        const TapEvent event = pending_.front();
        pending_.pop_front();
        lock.unlock();
        if (event.type == TapEventType::TapDisabledByTimeout) {
            enabled_.store(false);
            callback(event);
        } else if (enabled_.load()) {
            callback(event);
        }
        lock.lock();
    }
    scheduled_.store(false);
}

std::shared_ptr<EventTap> FakeTapFactory::createTap() {
    std::unique_lock lock(mutex_);
    threads_.push_back(std::this_thread::get_id());
    cv_.notify_all();
    cv_.wait(lock, [&] { return !held_; });
    std::shared_ptr<FakeTap> tap;
    if (!failCreate.load()) tap = std::make_shared<FakeTap>();
    taps_.push_back(tap);
    cv_.notify_all();
    return tap;
}

void FakeTapFactory::holdCreate() {
    std::lock_guard lock(mutex_);
    held_ = true;
}

void FakeTapFactory::releaseCreate() {
    {
        std::lock_guard lock(mutex_);
        held_ = false;
    }
    cv_.notify_all();
}

int FakeTapFactory::createCalls() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(threads_.size());
}

std::vector<std::thread::id> FakeTapFactory::createThreads() const {
    std::lock_guard lock(mutex_);
    return threads_;
}

std::shared_ptr<FakeTap> FakeTapFactory::tap(size_t index) const {
    std::lock_guard lock(mutex_);
    return index < taps_.size() ? taps_[index] : nullptr;
}

bool FakeTapFactory::waitForCreateCalls(int count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return cv_.wait_for(lock, timeout, [&] { return static_cast<int>(threads_.size()) >= count; });
}

bool FakeTapFactory::waitForLive(size_t index, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (auto t = tap(index); t && t->isScheduled() && t->isEnabled()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

}  // namespace tocko
