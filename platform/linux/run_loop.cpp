#include "platform/linux/run_loop.h"

#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>

namespace tocko {

namespace {
constexpr uint64_t kWakeToken = 0;
}

RunLoop::RunLoop() {
    epollFd_ = epoll_create1(EPOLL_CLOEXEC);
    wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (epollFd_ >= 0 && wakeFd_ >= 0) {
        epoll_event ev{};
        ev.events = EPOLLIN;
        ev.data.u64 = kWakeToken;
        if (epoll_ctl(epollFd_, EPOLL_CTL_ADD, wakeFd_, &ev) != 0) {
            close(wakeFd_);
            wakeFd_ = -1;
        }
    }
}

RunLoop::~RunLoop() {
    if (wakeFd_ >= 0) close(wakeFd_);
    if (epollFd_ >= 0) close(epollFd_);
}

bool RunLoop::addFd(int fd, FdHandler handler) {
    if (!valid() || fd < 0) return false;
    const uint64_t token = nextToken_++;
    epoll_event ev{};
    ev.events = EPOLLIN;
    ev.data.u64 = token;
    if (epoll_ctl(epollFd_, EPOLL_CTL_ADD, fd, &ev) != 0) return false;
    watches_[token] = Watch{fd, std::make_shared<FdHandler>(std::move(handler))};
    return true;
}

void RunLoop::removeFd(int fd) {
    for (auto it = watches_.begin(); it != watches_.end();) {
        if (it->second.fd == fd) {
            epoll_ctl(epollFd_, EPOLL_CTL_DEL, fd, nullptr);
            it = watches_.erase(it);
        } else {
            ++it;
        }
    }
}

void RunLoop::stop() {
    stopped_.store(true);
    if (wakeFd_ >= 0) {
        const uint64_t one = 1;
        [[maybe_unused]] ssize_t n = write(wakeFd_, &one, sizeof one);
    }
}

void RunLoop::run() {
    if (!valid()) return;
    epoll_event events[32];
    while (!stopped_.load()) {
        const int n = epoll_wait(epollFd_, events, 32, -1);
        if (n < 0) {
            if (errno == EINTR) continue;
            return;
        }
        for (int i = 0; i < n && !stopped_.load(); ++i) {
            const uint64_t token = events[i].data.u64;
            if (token == kWakeToken) continue;  // stop()
            auto it = watches_.find(token);
            if (it == watches_.end()) continue;  // removed earlier in this batch
            auto handler = it->second.handler;   // survives its own removal
            (*handler)(events[i].events);
        }
    }
}

}  // namespace tocko
