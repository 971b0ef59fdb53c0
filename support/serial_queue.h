#pragma once
// A serial work queue on one named thread: tasks run one at a time in
// submission order; delayed tasks run once their time has come, in order of
// due time (ties in submission order).

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tocko {

class SerialQueue {
public:
    using Task = std::function<void()>;
    using Clock = std::chrono::steady_clock;

    enum class Priority { Default, UserInteractive };
    // `label` names the thread; Linux keeps only its first 15 bytes. A
    // user-interactive queue asks for a low real-time priority and, when the
    // system refuses, for a raised nice level; without either it runs as is.
    explicit SerialQueue(std::string label, Priority priority = Priority::Default);
    ~SerialQueue();  // runs nothing further; waits for the running task
    SerialQueue(const SerialQueue&) = delete;
    SerialQueue& operator=(const SerialQueue&) = delete;

    void async(Task task);
    void asyncAfter(Clock::duration delay, Task task);
    // Runs `task` on the queue and waits for it. Must not be called from the queue.
    void sync(const Task& task);
    bool isCurrent() const { return std::this_thread::get_id() == thread_.get_id(); }
    const std::string& label() const { return label_; }

private:
    struct Entry {
        Clock::time_point due;
        uint64_t seq;
        Task task;
    };
    // Shared with the thread, so a queue may be destroyed from one of its own
    // tasks (the thread then finishes that task and exits on its own).
    struct State {
        std::mutex mutex;
        std::condition_variable cv;
        std::vector<Entry> heap;  // min-heap by (due, seq)
        uint64_t nextSeq = 0;
        bool stopping = false;
    };
    static void run(std::shared_ptr<State> state, std::string label, Priority priority);

    std::string label_;
    std::shared_ptr<State> state_;
    std::thread thread_;
};

// How the operating system names a thread and raises its scheduling
// priority, for the threads that must not wait behind a busy desktop (the
// tap, the render side, the sound queue). The platform installs it once,
// before those threads start; until then both calls below do nothing.
struct ThreadControl {
    void (*name)(const std::string& name) = nullptr;
    void (*raisePriority)() = nullptr;
};
void setThreadControl(ThreadControl control);

// Names the calling thread, through the installed control.
void setCurrentThreadName(const std::string& name);
// Raises the calling thread's priority, through the installed control.
void raiseCurrentThreadPriority();

}  // namespace tocko
