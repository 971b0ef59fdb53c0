// The evdev backend fed crafted input_event records through real
// descriptors: pipes for the reader, FIFOs in a scratch directory standing in
// for /dev/input for the whole tap (hot-plug through inotify included).

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "input/key_tap.h"
#include "input/linux/evdev_backend.h"
#include "input/linux/evdev_reader.h"
#include "input_test_util.h"

namespace tocko {
namespace {

using namespace tocko::testing;

input_event record(uint16_t type, uint16_t code, int32_t value) {
    input_event e{};
    e.type = type;
    e.code = code;
    e.value = value;
    return e;
}
input_event syn() { return record(EV_SYN, SYN_REPORT, 0); }

void writeRecords(int fd, const std::vector<input_event>& records) {
    const auto* bytes = reinterpret_cast<const char*>(records.data());
    const ssize_t size = static_cast<ssize_t>(records.size() * sizeof(input_event));
    ASSERT_EQ(write(fd, bytes, static_cast<size_t>(size)), size);
}

// ---- the reader on a pipe ----

class EvdevReaderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(pipe2(fds, O_NONBLOCK | O_CLOEXEC), 0); }
    void TearDown() override {
        if (fds[0] >= 0) close(fds[0]);
        if (fds[1] >= 0) close(fds[1]);
    }
    EvdevReader::Result drain() {
        return reader.readAvailable(
            fds[0], [this](const TapEvent& e) { events.push_back(e); }, &error);
    }
    int fds[2] = {-1, -1};
    EvdevReader reader;
    std::vector<TapEvent> events;
    int error = -1;
};

TEST_F(EvdevReaderTest, OnlyPressesOfKeysAndLeftRightButtonsCount) {
    writeRecords(fds[1], {
                             record(EV_MSC, MSC_SCAN, 0x70004),
                             record(EV_KEY, KEY_A, 1),
                             syn(),
                             record(EV_KEY, KEY_A, 2),
                             syn(),  // auto-repeat of the held key
                             record(EV_KEY, KEY_A, 0),
                             syn(),  // release
                             record(EV_KEY, KEY_LEFTSHIFT, 1),
                             record(EV_KEY, KEY_LEFTSHIFT, 0),
                             record(EV_KEY, KEY_CAPSLOCK, 1),
                             record(EV_LED, LED_CAPSL, 1),
                             record(EV_KEY, KEY_RIGHTMETA, 1),
                             record(EV_KEY, KEY_VOLUMEUP, 1),
                             syn(),
                             record(EV_KEY, BTN_LEFT, 1),
                             record(EV_KEY, BTN_LEFT, 0),
                             record(EV_KEY, BTN_RIGHT, 1),
                             record(EV_KEY, BTN_MIDDLE, 1),
                             record(EV_KEY, BTN_SIDE, 1),
                             record(EV_KEY, BTN_TOUCH, 1),
                             record(EV_KEY, BTN_SOUTH, 1),
                             record(EV_REL, REL_X, 5),
                             record(EV_REL, REL_WHEEL, -1),
                             record(EV_ABS, ABS_X, 100),
                             syn(),
                         });
    EXPECT_EQ(drain(), EvdevReader::Result::Drained);

    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].type, TapEventType::KeyDown);
    EXPECT_EQ(events[0].keyCode, KEY_A);
    EXPECT_FALSE(events[0].autorepeat);
    EXPECT_EQ(events[1].type, TapEventType::KeyDown);
    EXPECT_TRUE(events[1].autorepeat);
    EXPECT_EQ(events[2].keyCode, KEY_VOLUMEUP);
    EXPECT_EQ(events[3].type, TapEventType::LeftMouseDown);
    EXPECT_EQ(events[4].type, TapEventType::RightMouseDown);
}

TEST_F(EvdevReaderTest, AfterSynDroppedEverythingUpToTheNextReportIsDiscarded) {
    writeRecords(fds[1], {
                             record(EV_KEY, KEY_B, 1),
                             syn(),
                             record(EV_SYN, SYN_DROPPED, 0),
                             record(EV_KEY, KEY_C, 1),  // state of unknown age
                             record(EV_KEY, BTN_LEFT, 1),
                             syn(),
                             record(EV_KEY, KEY_D, 1),
                             syn(),
                         });
    drain();
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].keyCode, KEY_B);
    EXPECT_EQ(events[1].type, TapEventType::TapDisabledByTimeout);
    EXPECT_EQ(events[2].keyCode, KEY_D);
    EXPECT_FALSE(reader.decoder().isResyncing());
}

TEST_F(EvdevReaderTest, RecordsSplitAcrossReadsAreReassembled) {
    const auto press = record(EV_KEY, KEY_E, 1);
    const auto* bytes = reinterpret_cast<const char*>(&press);
    ASSERT_EQ(write(fds[1], bytes, 10), 10);
    drain();
    EXPECT_TRUE(events.empty());
    ASSERT_EQ(write(fds[1], bytes + 10, sizeof press - 10), static_cast<ssize_t>(sizeof press - 10));
    drain();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].keyCode, KEY_E);
}

TEST_F(EvdevReaderTest, EndOfStreamAndReadErrorsMeanTheDeviceIsGone) {
    writeRecords(fds[1], {record(EV_KEY, KEY_F, 1)});
    close(fds[1]);
    fds[1] = -1;
    EXPECT_EQ(drain(), EvdevReader::Result::Gone);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(events.size(), 1u);  // what was written before still counts

    EvdevReader other;
    int err = 0;
    EXPECT_EQ(other.readAvailable(
                  -1, [](const TapEvent&) {}, &err),
              EvdevReader::Result::Gone);
    EXPECT_EQ(err, EBADF);
}

// ---- the whole tap over FIFOs ----

// A scratch stand-in for /dev/input. Each FIFO is held open read-write by the
// test so that the tap's reader sees no hang-up until the test "unplugs" it.
class FakeInputDir {
public:
    FakeInputDir() {
        char pattern[] = "/tmp/tocko-input-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~FakeInputDir() {
        for (auto& [name, fd] : writers)
            if (fd >= 0) close(fd);
        std::filesystem::remove_all(path);
    }
    std::string node(const std::string& name) const { return path + "/" + name; }
    // Creates the node and keeps a writer on it.
    int plug(const std::string& name, EvdevCapabilities caps) {
        capabilities[node(name)] = caps;
        EXPECT_EQ(mkfifo(node(name).c_str(), 0600), 0);
        const int fd = open(node(name).c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        writers[name] = fd;
        return fd;
    }
    void unplug(const std::string& name) {
        close(writers[name]);
        writers[name] = -1;
        unlink(node(name).c_str());
    }
    EvdevOptions options() {
        EvdevOptions o;
        o.directory = path;
        o.probe = [this](int fd, std::string* error) -> std::optional<EvdevCapabilities> {
            char target[512] = {};
            const std::string link = "/proc/self/fd/" + std::to_string(fd);
            if (readlink(link.c_str(), target, sizeof target - 1) < 0) return std::nullopt;
            auto it = capabilities.find(target);
            if (it == capabilities.end()) {
                *error = "Inappropriate ioctl for device";
                return std::nullopt;
            }
            return it->second;
        };
        return o;
    }

    std::string path;
    std::map<std::string, EvdevCapabilities> capabilities;  // by node path; absent = no evdev node
    std::map<std::string, int> writers;
};

const EvdevCapabilities kKeyboard{true, true, false, "Test Keyboard"};
const EvdevCapabilities kMouse{false, false, true, "Test Mouse"};
const EvdevCapabilities kJoystick{false, false, false, "Test Joystick"};

class EvdevTapTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (tap) {
            auto th = tap->thread();
            tap->stop();
            if (th) {
                EXPECT_TRUE(th->waitUntilFinished(3000ms));
            }
        }
    }
    void startTap() {
        tap = std::make_shared<KeyTap>([this](uint16_t code) { seen.key(code); },
                                       std::make_shared<EvdevTapFactory>(dir.options()));
        tap->onMouseDown = [this] { seen.mouse(); };
        tap->onActivationResult = [this](bool ok) { seen.activation(ok); };
        tap->start();
    }
    // Activation reported and the setup's last log line written.
    bool live() {
        return eventually([&] {
                   return !seen.activationsSeen().empty() &&
                          logs.count("[Tocko] KeyTap: listenOnly CGEventTap live on background run loop",
                                     LogRecord::Kind::Trace) > 0;
               }) &&
               seen.activationsSeen().front();
    }

    LogCapture logs;
    FakeInputDir dir;
    CallbackLog seen;
    std::shared_ptr<KeyTap> tap;
};

TEST_F(EvdevTapTest, PressesFromEveryDeviceReachTheCallbacksAndRepeatsDoNot) {
    const int kbd = dir.plug("event0", kKeyboard);
    const int mouse = dir.plug("event1", kMouse);
    dir.plug("event2", kJoystick);                           // no keys, no buttons: left alone
    ASSERT_EQ(mkfifo(dir.node("event3").c_str(), 0600), 0);  // not an evdev node
    ASSERT_EQ(mkfifo(dir.node("mouse0").c_str(), 0600), 0);  // legacy node: never looked at

    startTap();
    ASSERT_TRUE(live());
    EXPECT_EQ(logs.count("Input device " + dir.node("event3") + " skipped: Inappropriate ioctl for device"),
              1);
    EXPECT_EQ(logs.countContaining("event2"), 0);
    EXPECT_EQ(logs.countContaining("mouse0"), 0);

    const size_t logsBefore = logs.records().size();
    writeRecords(kbd, {record(EV_KEY, KEY_H, 1), syn()});
    for (int i = 0; i < 5; ++i) writeRecords(kbd, {record(EV_KEY, KEY_H, 2), syn()});
    writeRecords(kbd, {record(EV_KEY, KEY_H, 0), syn(), record(EV_KEY, KEY_I, 1), syn()});
    writeRecords(mouse, {record(EV_KEY, BTN_LEFT, 1), syn(), record(EV_KEY, BTN_LEFT, 0), syn(),
                         record(EV_REL, REL_WHEEL, 1), syn(), record(EV_KEY, BTN_RIGHT, 1), syn()});
    ASSERT_TRUE(eventually([&] { return seen.keysSeen().size() == 2 && seen.mouseSeen() == 2; }));
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(seen.keysSeen(), (std::vector<uint16_t>{KEY_H, KEY_I}));
    EXPECT_EQ(seen.mouseSeen(), 2);
    EXPECT_EQ(logs.records().size(), logsBefore);  // no key ever reaches the log
}

TEST_F(EvdevTapTest, SynDroppedIsReportedAsDisableAndReEnabled) {
    const int kbd = dir.plug("event0", kKeyboard);
    startTap();
    ASSERT_TRUE(live());
    writeRecords(kbd, {record(EV_SYN, SYN_DROPPED, 0), record(EV_KEY, KEY_J, 1), syn(),
                       record(EV_KEY, KEY_K, 1), syn()});
    ASSERT_TRUE(eventually([&] { return seen.keysSeen().size() == 1; }));
    EXPECT_EQ(seen.keysSeen(), std::vector<uint16_t>{KEY_K});
    EXPECT_EQ(logs.count("Tap was disabled by the system; re-enabled"), 1);
    EXPECT_TRUE(tap->isTapEnabled());
}

TEST_F(EvdevTapTest, RemovedDeviceIsDroppedWhileTheOthersGoOn) {
    dir.plug("event0", kKeyboard);
    const int second = dir.plug("event1", kKeyboard);
    startTap();
    ASSERT_TRUE(live());

    dir.unplug("event0");
    ASSERT_TRUE(logs.waitFor("Input device " + dir.node("event0") + " removed: end of stream"));
    EXPECT_TRUE(tap->isListening());
    writeRecords(second, {record(EV_KEY, KEY_L, 1), syn()});
    ASSERT_TRUE(eventually([&] { return seen.keysSeen().size() == 1; }));

    dir.unplug("event1");  // the last one: the tap keeps waiting for new devices
    ASSERT_TRUE(logs.waitFor("Input device " + dir.node("event1") + " removed: end of stream"));
    EXPECT_TRUE(tap->isListening());
}

TEST_F(EvdevTapTest, HotPluggedDeviceIsPickedUp) {
    dir.plug("event0", kKeyboard);
    startTap();
    ASSERT_TRUE(live());

    dir.capabilities[dir.node("event5")] = kMouse;
    ASSERT_EQ(mkfifo(dir.node("event5").c_str(), 0600), 0);
    ASSERT_TRUE(logs.waitFor("Input device " + dir.node("event5") + " added"));
    // The tap holds the read end now, so a non-blocking writer can open.
    const int fd = open(dir.node("event5").c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    dir.writers["event5"] = fd;
    writeRecords(fd, {record(EV_KEY, BTN_RIGHT, 1), syn()});
    ASSERT_TRUE(eventually([&] { return seen.mouseSeen() == 1; }));

    // A node that turns out to be no input device is skipped with a log.
    ASSERT_EQ(mkfifo(dir.node("event6").c_str(), 0600), 0);
    ASSERT_TRUE(logs.waitForContaining(dir.node("event6") + " skipped"));
    EXPECT_TRUE(tap->isListening());
}

TEST_F(EvdevTapTest, NoReadableKeyboardMeansNoAccessAndNoTap) {
    EvdevTapFactory none(dir.options());
    EXPECT_FALSE(none.canListen());  // empty directory

    dir.plug("event0", kMouse);
    EXPECT_FALSE(none.canListen());  // a mouse alone does not make a keyboard tap
    startTap();
    EXPECT_EQ(logs.count("start() ignored: Input Monitoring not granted"), 1);
    EXPECT_FALSE(tap->isListening());

    // Seen as readable, but gone by the time the tap opens it.
    dir.plug("event1", kKeyboard);
    EXPECT_TRUE(none.canListen());
    auto factory = std::make_shared<EvdevTapFactory>(dir.options());
    auto created = factory->createTap([](const TapEvent&) {});
    EXPECT_NE(created, nullptr);
    dir.capabilities.erase(dir.node("event1"));
    EXPECT_EQ(factory->createTap([](const TapEvent&) {}), nullptr);

    EvdevOptions missing;
    missing.directory = dir.path + "/absent";
    EXPECT_FALSE(EvdevTapFactory(missing).canListen());
    EXPECT_EQ(EvdevTap::open([](const TapEvent&) {}, missing), nullptr);
}

TEST(EvdevNodeNames, OnlyEventNodesCount) {
    EXPECT_TRUE(isEventNodeName("event0"));
    EXPECT_TRUE(isEventNodeName("event17"));
    EXPECT_FALSE(isEventNodeName("event"));
    EXPECT_FALSE(isEventNodeName("mouse0"));
    EXPECT_FALSE(isEventNodeName("event1.bak"));
    EXPECT_FALSE(isEventNodeName("by-id"));
}

}  // namespace
}  // namespace tocko
