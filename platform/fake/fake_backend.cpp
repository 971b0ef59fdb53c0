#include "platform/fake/fake_backend.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include "input/run_loop.h"

namespace tocko {

FakeTap::FakeTap(TapCallback callback) : callback_(std::move(callback)) {
    fd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
}

FakeTap::~FakeTap() {
    if (fd_ >= 0) close(fd_);
}

void FakeTap::inject(const TapEvent& event) {
    {
        std::lock_guard lock(mutex_);
        pending_.push_back(event);
    }
    const uint64_t one = 1;
    [[maybe_unused]] ssize_t n = write(fd_, &one, sizeof one);
}

void FakeTap::addTo(RunLoop& loop) {
    if (loop.addFd(fd_, [this](uint32_t) { deliverPending(); })) scheduled_.store(true);
    deliverPending();
}

void FakeTap::removeFrom(RunLoop& loop) {
    loop.removeFd(fd_);
    scheduled_.store(false);
}

void FakeTap::deliverPending() {
    uint64_t count;
    [[maybe_unused]] ssize_t n = read(fd_, &count, sizeof count);
    for (;;) {
        TapEvent event;
        {
            std::lock_guard lock(mutex_);
            if (pending_.empty()) return;
            event = pending_.front();
            pending_.pop_front();
        }
        if (event.type == TapEventType::TapDisabledByTimeout) {
            enabled_.store(false);
            callback_(event);
        } else if (enabled_.load()) {
            callback_(event);
        }
    }
}

std::shared_ptr<EventTap> FakeTapFactory::createTap(TapCallback callback) {
    std::unique_lock lock(mutex_);
    threads_.push_back(std::this_thread::get_id());
    cv_.notify_all();
    cv_.wait(lock, [&] { return !held_; });
    std::shared_ptr<FakeTap> tap;
    if (!failCreate.load()) tap = std::make_shared<FakeTap>(std::move(callback));
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
