// The evdev backend fed crafted input_event records through real
// descriptors: a pipe for the reader, FIFOs in a scratch directory standing
// in for /dev/input for the whole tap (hot-plug through inotify included).

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "input_test_util.h"
#include "platform/linux/evdev_backend.h"
#include "platform/linux/evdev_reader.h"

namespace tocko {
namespace {

using namespace tocko::testing;

input_event rec(uint16_t type, uint16_t code, int32_t value) {
    input_event e{};
    e.type = type;
    e.code = code;
    e.value = value;
    return e;
}
input_event syn() { return rec(EV_SYN, SYN_REPORT, 0); }

void send(int fd, const std::vector<input_event>& records) {
    const size_t size = records.size() * sizeof(input_event);
    ASSERT_EQ(write(fd, records.data(), size), static_cast<ssize_t>(size));
}

TEST(EvdevReader, SplitRecordsAreJoinedAndEndOfStreamMeansGone) {
    int fds[2];
    ASSERT_EQ(pipe2(fds, O_NONBLOCK | O_CLOEXEC), 0);
    EvdevReader reader;
    std::vector<TapEvent> events;
    int error = -1;
    auto drain = [&](int fd) {
        return reader.readAvailable(
            fd, [&](const TapEvent& e) { events.push_back(e); }, &error);
    };
    const auto press = rec(EV_KEY, KEY_E, 1);
    const auto* bytes = reinterpret_cast<const char*>(&press);
    ASSERT_EQ(write(fds[1], bytes, 10), 10);
    EXPECT_EQ(drain(fds[0]), EvdevReader::Result::Drained);
    EXPECT_TRUE(events.empty());
    ASSERT_EQ(write(fds[1], bytes + 10, sizeof press - 10), static_cast<ssize_t>(sizeof press - 10));
    close(fds[1]);
    EXPECT_EQ(drain(fds[0]), EvdevReader::Result::Gone);
    EXPECT_EQ(error, 0);
    ASSERT_EQ(events.size(), 1u);  // written before the end, still counted
    EXPECT_EQ(events[0].keyCode, KEY_E);
    close(fds[0]);

    EXPECT_EQ(drain(-1), EvdevReader::Result::Gone);
    EXPECT_EQ(error, EBADF);
}

// A scratch stand-in for /dev/input. The test holds each FIFO open
// read-write, so the tap's reader sees no hang-up until it is "unplugged".
// The probe answers from a table by node path (absent: no evdev node).
class FakeInputDir {
public:
    FakeInputDir() {
        char pattern[] = "/tmp/tocko-input-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~FakeInputDir() {
        for (auto& [name, fd] : writers) close(fd);
        std::filesystem::remove_all(path);
    }
    std::string node(const std::string& name) const { return path + "/" + name; }
    int plug(const std::string& name, EvdevCapabilities caps) {
        setCapabilities(name, caps);
        EXPECT_EQ(mkfifo(node(name).c_str(), 0600), 0);
        return writers[name] = open(node(name).c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    }
    void unplug(const std::string& name) {
        close(writers[name]);
        writers.erase(name);
        unlink(node(name).c_str());
    }
    void setCapabilities(const std::string& name, std::optional<EvdevCapabilities> caps) {
        std::lock_guard lock(mutex);  // the tap thread probes
        if (caps)
            capabilities[node(name)] = *caps;
        else
            capabilities.erase(node(name));
    }
    EvdevOptions options() {
        EvdevOptions o;
        o.directory = path;
        o.probe = [this](int fd, std::string* error) -> std::optional<EvdevCapabilities> {
            char target[512] = {};
            if (readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target, sizeof target - 1) < 0)
                return {};
            std::lock_guard lock(mutex);
            auto it = capabilities.find(target);
            if (it != capabilities.end()) return it->second;
            *error = "Inappropriate ioctl for device";
            return std::nullopt;
        };
        return o;
    }

    std::string path;
    std::mutex mutex;
    std::map<std::string, EvdevCapabilities> capabilities;
    std::map<std::string, int> writers;
};

const EvdevCapabilities kKeyboard{true, true, false, "Test Keyboard"};
const EvdevCapabilities kMouse{false, false, true, "Test Mouse"};

class EvdevTapTest : public ::testing::Test {
protected:
    FakeInputDir dir;  // outlives the harness, whose tap thread probes it
    TapHarness h{std::make_shared<EvdevTapFactory>(dir.options())};
    Logs& logs = h.logs;
};

TEST_F(EvdevTapTest, PressesFromEveryDeviceReachTheCallbacksAndRepeatsDoNot) {
    const int kbd = dir.plug("event0", kKeyboard);
    const int mouse = dir.plug("event1", kMouse);
    dir.plug("event2", EvdevCapabilities{false, false, false, "Joystick"});  // left alone, silently
    ASSERT_EQ(mkfifo(dir.node("event3").c_str(), 0600), 0);                  // not an evdev node
    ASSERT_EQ(mkfifo(dir.node("mouse0").c_str(), 0600), 0);                  // never looked at

    ASSERT_TRUE(h.startLive());
    EXPECT_EQ(logs.count("Input device " + dir.node("event3") + " skipped: Inappropriate ioctl for device"),
              1);
    EXPECT_EQ(logs.countContaining("event2") + logs.countContaining("mouse0"), 0);

    h.tap->setKeyUpsWanted(true);
    const size_t logsBefore = logs.size();
    // A release of a key held since before the device was opened goes unheard, so do
    // modifiers, LEDs and scan codes; the held key repeats, then goes up; a media key counts.
    send(kbd, {rec(EV_KEY, KEY_Z, 0), syn(), rec(EV_MSC, MSC_SCAN, 0x70004), rec(EV_KEY, KEY_H, 1), syn()});
    for (int i = 0; i < 5; ++i) send(kbd, {rec(EV_KEY, KEY_H, 2), syn()});
    send(kbd, {rec(EV_KEY, KEY_H, 0), syn(), rec(EV_KEY, KEY_LEFTSHIFT, 1), rec(EV_KEY, KEY_LEFTSHIFT, 0),
               rec(EV_KEY, KEY_CAPSLOCK, 1), rec(EV_LED, LED_CAPSL, 1), rec(EV_KEY, KEY_RIGHTMETA, 1),
               rec(EV_KEY, KEY_VOLUMEUP, 1), syn()});
    // The kernel dropped events: the rest of that frame is discarded, the tap re-enabled.
    send(kbd, {rec(EV_SYN, SYN_DROPPED, 0), rec(EV_KEY, KEY_J, 1), rec(EV_KEY, BTN_LEFT, 1), syn(),
               rec(EV_KEY, KEY_K, 1), syn()});
    // Left and right presses count; releases, other buttons, motion and wheels do not.
    send(mouse, {rec(EV_KEY, BTN_LEFT, 1), syn(), rec(EV_KEY, BTN_LEFT, 0), syn(), rec(EV_KEY, BTN_MIDDLE, 1),
                 rec(EV_KEY, BTN_SIDE, 1), rec(EV_KEY, BTN_TOUCH, 1), rec(EV_KEY, BTN_SOUTH, 1),
                 rec(EV_REL, REL_X, 5), rec(EV_REL, REL_WHEEL, -1), rec(EV_ABS, ABS_X, 100), syn(),
                 rec(EV_KEY, BTN_RIGHT, 1), syn()});
    ASSERT_TRUE(eventually([&] { return h.get(h.keys).size() == 3 && h.get(h.mouseDowns) == 2; }));
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(h.get(h.keys), (std::vector<uint16_t>{KEY_H, KEY_VOLUMEUP, KEY_K}));
    EXPECT_EQ(h.get(h.keyUps), 1);
    EXPECT_EQ(h.get(h.mouseDowns), 2);
    EXPECT_EQ(logs.count("Tap was disabled by the system; re-enabled"), 1);
    EXPECT_TRUE(h.tap->isTapEnabled());
    EXPECT_EQ(logs.size(), logsBefore + 1);  // no key ever reaches the log
}

TEST_F(EvdevTapTest, RemovedDevicesAreDroppedAndNewOnesPickedUp) {
    dir.plug("event0", kKeyboard);
    const int second = dir.plug("event1", kKeyboard);
    ASSERT_TRUE(h.startLive());

    dir.unplug("event0");
    ASSERT_TRUE(logs.waitFor("Input device " + dir.node("event0") + " removed: end of stream"));
    send(second, {rec(EV_KEY, KEY_L, 1), syn()});
    ASSERT_TRUE(eventually([&] { return h.get(h.keys).size() == 1; }));
    dir.unplug("event1");  // the last one: the tap waits for new devices
    ASSERT_TRUE(logs.waitFor("Input device " + dir.node("event1") + " removed: end of stream"));
    EXPECT_TRUE(h.tap->isListening());

    dir.setCapabilities("event5", kMouse);
    ASSERT_EQ(mkfifo(dir.node("event5").c_str(), 0600), 0);
    ASSERT_TRUE(logs.waitFor("Input device " + dir.node("event5") + " added"));
    // The tap holds the read end now, so a non-blocking writer can open.
    const int fd = dir.writers["event5"] =
        open(dir.node("event5").c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    send(fd, {rec(EV_KEY, BTN_RIGHT, 1), syn()});
    ASSERT_TRUE(eventually([&] { return h.get(h.mouseDowns) == 1; }));

    ASSERT_EQ(mkfifo(dir.node("event6").c_str(), 0600), 0);  // appears, but is no input device
    ASSERT_TRUE(eventually([&] { return logs.countContaining(dir.node("event6") + " skipped") == 1; }));
    EXPECT_TRUE(h.tap->isListening());
}

TEST_F(EvdevTapTest, AStopBeforeRunEndsTheRunAtOnceWithoutCallbacks) {
    // KeyTap may stop a tap between storing it and entering run().
    const int kbd = dir.plug("event0", kKeyboard);
    auto tap = EvdevTap::open(dir.options());
    ASSERT_NE(tap, nullptr);
    tap->setEnabled(true);
    send(kbd, {rec(EV_KEY, KEY_A, 1), syn()});
    tap->stop();
    int calls = 0;
    tap->run([&](const TapEvent&) { ++calls; });
    EXPECT_EQ(calls, 0);
}

TEST_F(EvdevTapTest, NoReadableKeyboardMeansNoAccessAndNoTap) {
    EvdevTapFactory factory(dir.options());
    EXPECT_FALSE(factory.canListen());  // empty directory
    dir.plug("event0", kMouse);
    EXPECT_FALSE(factory.canListen());  // a mouse alone makes no keyboard tap
    h.tap->start();
    EXPECT_EQ(logs.count("start() ignored: input access not granted"), 1);

    dir.plug("event1", kKeyboard);
    EXPECT_TRUE(factory.canListen());
    EXPECT_NE(factory.createTap(), nullptr);
    dir.setCapabilities("event1", std::nullopt);  // gone by the time the tap opens it
    EXPECT_EQ(factory.createTap(), nullptr);

    EvdevOptions missing;
    missing.directory = dir.path + "/absent";
    EXPECT_FALSE(EvdevTapFactory(missing).canListen());
    EXPECT_EQ(EvdevTap::open(missing), nullptr);
}

}  // namespace
}  // namespace tocko
