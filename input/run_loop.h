#pragma once
// The tap thread's event loop: one epoll set for the tap's descriptors plus
// an eventfd through which other threads hand it tasks and wake it.

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace tocko {

class RunLoop {
public:
    using FdHandler = std::function<void(uint32_t epollEvents)>;
    using Task = std::function<void()>;

    RunLoop();
    ~RunLoop();
    RunLoop(const RunLoop&) = delete;
    RunLoop& operator=(const RunLoop&) = delete;

    // False when the kernel refused the epoll set or the eventfd.
    bool valid() const { return epollFd_ >= 0 && wakeFd_ >= 0; }

    // Loop thread only. The handler is called whenever `fd` is readable or
    // hung up, until removeFd. A handler may remove its own or other fds.
    bool addFd(int fd, FdHandler handler);
    void removeFd(int fd);

    // Runs handlers and tasks on the calling thread until stop().
    void run();
    // Makes run() return after the current handler or task. A stop before
    // run() makes run() return at once. Any thread.
    void stop();
    // Queues `task` for the loop's next turn and wakes the loop. Any thread.
    // Tasks still queued when the loop is destroyed are dropped unrun.
    void perform(Task task);

private:
    void drainTasks();

    int epollFd_ = -1;
    int wakeFd_ = -1;
    std::atomic<bool> stopped_{false};
    struct Watch {
        int fd;
        std::shared_ptr<FdHandler> handler;
    };
    std::map<uint64_t, Watch> watches_;  // key = epoll token
    uint64_t nextToken_ = 1;             // 0 is the wake eventfd
    std::mutex tasksMutex_;
    std::vector<Task> tasks_;
};

}  // namespace tocko
