#include "support/serial_queue.h"

#include <pthread.h>

#include <algorithm>

namespace tocko {

namespace {
bool later(const auto& a, const auto& b) {
    return a.due != b.due ? a.due > b.due : a.seq > b.seq;
}
}  // namespace

void setCurrentThreadName(const std::string& name) {
    pthread_setname_np(pthread_self(), name.substr(0, 15).c_str());
}

SerialQueue::SerialQueue(std::string label) : label_(std::move(label)) {
    thread_ = std::thread([this] { run(); });
}

SerialQueue::~SerialQueue() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    cv_.notify_all();
    if (thread_.joinable()) {
        if (isCurrent())
            thread_.detach();
        else
            thread_.join();
    }
}

void SerialQueue::async(Task task) { asyncAfter(Clock::duration::zero(), std::move(task)); }

void SerialQueue::asyncAfter(Clock::duration delay, Task task) {
    {
        std::lock_guard lock(mutex_);
        heap_.push_back({Clock::now() + delay, nextSeq_++, std::move(task)});
        std::push_heap(heap_.begin(), heap_.end(), [](auto& a, auto& b) { return later(a, b); });
    }
    cv_.notify_one();
}

void SerialQueue::sync(const Task& task) {
    std::mutex m;
    std::condition_variable cv;
    bool done = false;
    async([&] {
        task();
        std::lock_guard lock(m);
        done = true;
        cv.notify_one();
    });
    std::unique_lock lock(m);
    cv.wait(lock, [&] { return done; });
}

void SerialQueue::run() {
    setCurrentThreadName(label_);
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (heap_.empty()) {
            cv_.wait(lock);
            continue;
        }
        auto due = heap_.front().due;
        if (due > Clock::now()) {
            cv_.wait_until(lock, due);
            continue;
        }
        std::pop_heap(heap_.begin(), heap_.end(), [](auto& a, auto& b) { return later(a, b); });
        Task task = std::move(heap_.back().task);
        heap_.pop_back();
        lock.unlock();
        task();
        lock.lock();
    }
}

}  // namespace tocko
