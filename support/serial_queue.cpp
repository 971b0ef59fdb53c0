#include "support/serial_queue.h"

#include <algorithm>
#include <atomic>

namespace tocko {

namespace {
bool later(const auto& a, const auto& b) { return a.due != b.due ? a.due > b.due : a.seq > b.seq; }

std::atomic<void (*)(const std::string&)> gNameThread{nullptr};
std::atomic<void (*)()> gRaisePriority{nullptr};
}  // namespace

void setThreadControl(ThreadControl control) {
    gNameThread.store(control.name);
    gRaisePriority.store(control.raisePriority);
}

void setCurrentThreadName(const std::string& name) {
    if (auto f = gNameThread.load()) f(name);
}

void raiseCurrentThreadPriority() {
    if (auto f = gRaisePriority.load()) f();
}

SerialQueue::SerialQueue(std::string label, Priority priority)
    : label_(std::move(label)), state_(std::make_shared<State>()) {
    thread_ = std::thread(&SerialQueue::run, state_, label_, priority);
}

SerialQueue::~SerialQueue() {
    {
        std::lock_guard lock(state_->mutex);
        state_->stopping = true;
        state_->heap.clear();
    }
    state_->cv.notify_all();
    if (isCurrent())
        thread_.detach();
    else
        thread_.join();
}

void SerialQueue::async(Task task) { asyncAfter(Clock::duration::zero(), std::move(task)); }

void SerialQueue::asyncAfter(Clock::duration delay, Task task) {
    // Once the lock is released the task may already run and destroy this
    // queue (see the header), so nothing of `this` is touched after that:
    // the state is held through a copy of its pointer.
    const std::shared_ptr<State> s = state_;
    {
        std::lock_guard lock(s->mutex);
        if (s->stopping) return;
        s->heap.push_back({Clock::now() + delay, s->nextSeq++, std::move(task)});
        std::push_heap(s->heap.begin(), s->heap.end(), [](auto& a, auto& b) { return later(a, b); });
    }
    s->cv.notify_one();
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

void SerialQueue::run(std::shared_ptr<State> s, std::string label, Priority priority) {
    setCurrentThreadName(label);
    if (priority == Priority::UserInteractive) raiseCurrentThreadPriority();
    std::unique_lock lock(s->mutex);
    while (!s->stopping) {
        if (s->heap.empty()) {
            s->cv.wait(lock);
            continue;
        }
        auto due = s->heap.front().due;
        if (due > Clock::now()) {
            s->cv.wait_until(lock, due);
            continue;
        }
        std::pop_heap(s->heap.begin(), s->heap.end(), [](auto& a, auto& b) { return later(a, b); });
        Task task = std::move(s->heap.back().task);
        s->heap.pop_back();
        lock.unlock();
        task();
        task = nullptr;  // release captures before taking the lock again
        lock.lock();
    }
}

}  // namespace tocko
