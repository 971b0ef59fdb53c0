#pragma once
// The evdev backend: every input device under /dev/input that has keys or a
// left/right button, opened read-only and never grabbed. Devices that appear
// later are picked up through inotify; devices that vanish or cannot be read
// are skipped with an error log. The tap waits on its descriptors with a
// RunLoop of its own, run on the tap thread.

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "input/event_tap.h"
#include "platform/linux/evdev_reader.h"
#include "platform/linux/run_loop.h"
#include "support/log.h"

namespace tocko {

struct EvdevCapabilities {
    bool keyboard = false;        // has typing keys (digits, letters, space)
    bool keys = false;            // has any key at all
    bool pointerButtons = false;  // has a left or right button
    std::string name;
};

// Tells what an opened device node offers; nullopt (with `*error`) when it is
// no evdev device.
using EvdevProbe = std::function<std::optional<EvdevCapabilities>(int fd, std::string* error)>;
std::optional<EvdevCapabilities> probeWithLibevdev(int fd, std::string* error);

struct EvdevOptions {
    std::string directory = "/dev/input";
    EvdevProbe probe = probeWithLibevdev;
};

class EvdevTap : public EventTap {
public:
    // Opens every suitable device; nullptr when no keyboard could be opened.
    static std::shared_ptr<EvdevTap> open(EvdevOptions options = {});
    ~EvdevTap() override;

    void run(TapCallback callback) override;
    void stop() override { loop_.stop(); }
    void setEnabled(bool enabled) override { enabled_.store(enabled); }
    bool isEnabled() const override { return enabled_.load(); }

    size_t deviceCount() const { return deviceCount_.load(); }

    // Use open().
    explicit EvdevTap(EvdevOptions options);

private:
    struct Device {
        std::string path;
        std::string name;
        int fd = -1;
        bool keyboard = false;
        EvdevReader reader;
    };
    enum class OpenResult { Opened, NotInteresting, Failed };

    void startWatching();
    void scan(bool reportFailures);
    OpenResult openDevice(const std::string& nodeName, bool reportFailures);
    void closeDevice(std::string path, const std::string& reason);
    void onDeviceReadable(Device& device);
    void onDirectoryChanged();
    void deliver(const TapEvent& event);
    std::string pathOf(const std::string& nodeName) const { return options_.directory + "/" + nodeName; }

    TapCallback callback_;  // while running
    const EvdevOptions options_;
    Logger log_{"KeyTap"};
    std::atomic<bool> enabled_{false};
    std::atomic<size_t> deviceCount_{0};
    std::map<std::string, std::unique_ptr<Device>> devices_;  // by path
    std::set<std::string> reportedFailures_;                  // paths whose failure was logged
    int inotifyFd_ = -1;
    RunLoop loop_;
};

class EvdevTapFactory : public TapBackendFactory {
public:
    explicit EvdevTapFactory(EvdevOptions options = {}) : options_(std::move(options)) {}
    // A keyboard device is readable.
    bool canListen() override;
    std::shared_ptr<EventTap> createTap() override;

private:
    const EvdevOptions options_;
};

// Whether an evdev node name looks like "event<N>".
bool isEventNodeName(const char* name);

}  // namespace tocko
