#include "platform/linux/evdev_backend.h"

#include <dirent.h>
#include <fcntl.h>
#include <libevdev/libevdev.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace tocko {

namespace {

std::string errnoText(int err) { return err == 0 ? std::string("end of stream") : std::strerror(err); }

std::vector<std::string> eventNodes(const std::string& directory) {
    std::vector<std::string> names;
    DIR* dir = opendir(directory.c_str());
    if (!dir) return names;
    while (dirent* entry = readdir(dir)) {
        if (isEventNodeName(entry->d_name)) names.emplace_back(entry->d_name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

int openNode(const std::string& path) { return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); }

}  // namespace

bool isEventNodeName(const char* name) {
    if (std::strncmp(name, "event", 5) != 0 || name[5] == '\0') return false;
    for (const char* p = name + 5; *p; ++p) {
        if (*p < '0' || *p > '9') return false;
    }
    return true;
}

std::optional<EvdevCapabilities> probeWithLibevdev(int fd, std::string* error) {
    libevdev* dev = nullptr;
    const int rc = libevdev_new_from_fd(fd, &dev);
    if (rc < 0) {
        if (error) *error = std::strerror(-rc);
        return std::nullopt;
    }
    EvdevCapabilities caps;
    if (const char* name = libevdev_get_name(dev)) caps.name = name;
    if (libevdev_has_event_type(dev, EV_KEY)) {
        for (unsigned code = KEY_1; code <= KEY_SPACE && !caps.keyboard; ++code)
            caps.keyboard = libevdev_has_event_code(dev, EV_KEY, code);
        caps.keys = caps.keyboard;
        for (unsigned code = 1; code <= KEY_MAX && !caps.keys; ++code)
            caps.keys = isEvdevKeyCode(code) && libevdev_has_event_code(dev, EV_KEY, code);
        caps.pointerButtons =
            libevdev_has_event_code(dev, EV_KEY, BTN_LEFT) || libevdev_has_event_code(dev, EV_KEY, BTN_RIGHT);
    }
    libevdev_free(dev);  // leaves the descriptor open
    return caps;
}

EvdevTap::EvdevTap(EvdevOptions options) : options_(std::move(options)) {}

std::shared_ptr<EvdevTap> EvdevTap::open(EvdevOptions options) {
    auto tap = std::make_shared<EvdevTap>(std::move(options));
    if (!tap->loop_.valid()) return nullptr;  // the kernel refused an epoll set
    tap->startWatching();                     // before the scan, so no device slips in between
    tap->scan(true);
    const bool anyKeyboard = std::any_of(tap->devices_.begin(), tap->devices_.end(),
                                         [](const auto& entry) { return entry.second->keyboard; });
    if (!anyKeyboard) return nullptr;
    tap->log_.info("Listening to {} input devices", {pub(static_cast<long long>(tap->devices_.size()))});
    return tap;
}

EvdevTap::~EvdevTap() {
    for (auto& [path, device] : devices_) close(device->fd);
    if (inotifyFd_ >= 0) close(inotifyFd_);
}

void EvdevTap::startWatching() {
    inotifyFd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotifyFd_ < 0) {
        log_.error("Cannot watch {} for new input devices: {}",
                   {pub(options_.directory), pub(errnoText(errno))});
        return;
    }
    if (inotify_add_watch(inotifyFd_, options_.directory.c_str(), IN_CREATE | IN_ATTRIB | IN_MOVED_TO) < 0) {
        log_.error("Cannot watch {} for new input devices: {}",
                   {pub(options_.directory), pub(errnoText(errno))});
        close(inotifyFd_);
        inotifyFd_ = -1;
        return;
    }
    if (!loop_.addFd(inotifyFd_, [this](uint32_t) { onDirectoryChanged(); })) {
        log_.error("Cannot watch {} for new input devices: {}", {pub(options_.directory), pub("epoll")});
        close(inotifyFd_);
        inotifyFd_ = -1;
    }
}

void EvdevTap::scan(bool reportFailures) {
    for (const auto& name : eventNodes(options_.directory)) {
        if (!devices_.count(pathOf(name))) openDevice(name, reportFailures);
    }
}

EvdevTap::OpenResult EvdevTap::openDevice(const std::string& nodeName, bool reportFailures) {
    const std::string path = pathOf(nodeName);
    auto fail = [&](const std::string& reason) {
        // A node often turns readable only once udev has set its access, so a
        // failure is logged once per node until it has been opened.
        if (reportFailures || !reportedFailures_.count(path)) {
            log_.error("Input device {} skipped: {}", {pub(path), pub(reason)});
            reportedFailures_.insert(path);
        }
        return OpenResult::Failed;
    };

    const int fd = openNode(path);
    if (fd < 0) return fail(errnoText(errno));
    std::string error = "not an input device";
    const auto caps = options_.probe(fd, &error);
    if (!caps) {
        close(fd);
        return fail(error);
    }
    if (!caps->keys && !caps->pointerButtons) {
        close(fd);
        return OpenResult::NotInteresting;
    }

    auto device = std::make_unique<Device>();
    device->path = path;
    device->name = caps->name;
    device->fd = fd;
    device->keyboard = caps->keyboard;
    Device* raw = device.get();
    if (!loop_.addFd(fd, [this, raw](uint32_t) { onDeviceReadable(*raw); })) {
        close(fd);
        return fail("cannot watch the descriptor");
    }
    devices_[path] = std::move(device);
    reportedFailures_.erase(path);
    deviceCount_.store(devices_.size());
    return OpenResult::Opened;
}

void EvdevTap::closeDevice(std::string path, const std::string& reason) {
    auto it = devices_.find(path);
    if (it == devices_.end()) return;
    log_.error("Input device {} removed: {}", {pub(path), pub(reason)});
    loop_.removeFd(it->second->fd);
    close(it->second->fd);
    devices_.erase(it);
    deviceCount_.store(devices_.size());
}

void EvdevTap::run(TapCallback callback) {
    callback_ = std::move(callback);
    // Devices that appeared since the tap was opened.
    scan(false);
    loop_.run();
    callback_ = nullptr;
}

void EvdevTap::deliver(const TapEvent& event) {
    if (event.type == TapEventType::TapDisabledByTimeout) {
        enabled_.store(false);
        callback_(event);
    } else if (enabled_.load(std::memory_order_relaxed)) {
        callback_(event);
    }
}

void EvdevTap::onDeviceReadable(Device& device) {
    int error = 0;
    const auto status = device.reader.readAvailable(
        device.fd, [this](const TapEvent& event) { deliver(event); }, &error);
    if (status == EvdevReader::Result::Gone) closeDevice(device.path, errnoText(error));
}

void EvdevTap::onDirectoryChanged() {
    alignas(inotify_event) char buffer[4096];
    bool rescan = false;
    for (;;) {
        const ssize_t n = read(inotifyFd_, buffer, sizeof buffer);
        if (n <= 0) break;
        for (ssize_t offset = 0; offset < n;) {
            const auto* ev = reinterpret_cast<const inotify_event*>(buffer + offset);
            offset += static_cast<ssize_t>(sizeof(inotify_event) + ev->len);
            if (ev->mask & IN_Q_OVERFLOW) rescan = true;
            if (ev->mask & IN_IGNORED) {
                log_.error("Stopped watching {} for new input devices", {pub(options_.directory)});
                loop_.removeFd(inotifyFd_);
                close(inotifyFd_);
                inotifyFd_ = -1;
                return;
            }
            if (ev->len == 0 || !isEventNodeName(ev->name)) continue;
            const std::string name = ev->name;
            const std::string path = pathOf(name);
            if (ev->mask & (IN_CREATE | IN_MOVED_TO)) {
                // A new node under a known name is a new device.
                if (devices_.count(path)) closeDevice(path, "replaced by a new device node");
                if (openDevice(name, false) == OpenResult::Opened)
                    log_.info("Input device {} added", {pub(path)});
            } else if ((ev->mask & IN_ATTRIB) && !devices_.count(path)) {
                if (openDevice(name, false) == OpenResult::Opened)
                    log_.info("Input device {} added", {pub(path)});
            }
        }
    }
    if (rescan) scan(false);
}

bool EvdevTapFactory::canListen() {
    for (const auto& name : eventNodes(options_.directory)) {
        const int fd = openNode(options_.directory + "/" + name);
        if (fd < 0) continue;
        std::string error;
        const auto caps = options_.probe(fd, &error);
        close(fd);
        if (caps && caps->keyboard) return true;
    }
    return false;
}

std::shared_ptr<EventTap> EvdevTapFactory::createTap() { return EvdevTap::open(options_); }

}  // namespace tocko
