#pragma once
// The event loop of the Linux input taps: one epoll set for the tap's
// descriptors plus an eventfd through which another thread stops it. Each tap
// owns one and runs it on the tap thread.

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace tocko {

class RunLoop {
public:
    using FdHandler = std::function<void(uint32_t epollEvents)>;

    RunLoop();
    ~RunLoop();
    RunLoop(const RunLoop&) = delete;
    RunLoop& operator=(const RunLoop&) = delete;

    // False when the kernel refused the epoll set or the eventfd.
    bool valid() const { return epollFd_ >= 0 && wakeFd_ >= 0; }

    // On the thread that runs (or will run) the loop only. The handler is
    // called on it whenever `fd` is readable or hung up, until removeFd. A
    // handler may remove its own or other fds.
    bool addFd(int fd, FdHandler handler);
    void removeFd(int fd);

    // Runs handlers on the calling thread until stop().
    void run();
    // Makes run() return after the current handler. A stop before run()
    // makes run() return at once. Any thread.
    void stop();

private:
    int epollFd_ = -1;
    int wakeFd_ = -1;
    std::atomic<bool> stopped_{false};
    struct Watch {
        int fd;
        std::shared_ptr<FdHandler> handler;
    };
    std::map<uint64_t, Watch> watches_;  // key = epoll token
    uint64_t nextToken_ = 1;             // 0 is the wake eventfd
};

}  // namespace tocko
