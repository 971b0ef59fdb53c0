#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <mutex>
#include <set>

#include "context/mic_monitor.h"
#include "context/secure_input_monitor.h"
#include "context/workspace_monitor.h"
#include "platform/fake/fake_platform.h"
#include "tests/common/test_support.h"

using namespace tocko;
using namespace std::chrono_literals;
using tocko::test::LogCapture;
using tocko::test::waitUntil;

using Opt = std::optional<std::string>;

TEST(WorkspaceMonitor, ReportsAtStartAndOnActivationPassingOverItsOwnWindowsAndAMomentWithoutOne) {
    // The panel was open at start.
    auto source =
        std::make_unique<FakeFrontmostSource>(FrontmostApp{"com.pollix.Tocko", "Tocko", std::nullopt});
    FakeFrontmostSource* fake = source.get();
    using R = std::pair<Opt, Opt>;
    std::vector<R> seen;
    WorkspaceMonitor monitor([&](const Opt& id, const Opt& name) { seen.emplace_back(id, name); },
                             std::move(source));
    EXPECT_TRUE(seen.empty());  // nothing before start()
    LogCapture logs;
    monitor.start();
    ASSERT_EQ(seen, (std::vector<R>{{std::nullopt, std::nullopt}}));
    EXPECT_EQ(logs.messages("WorkspaceMonitor"),
              std::vector<std::string>{"Workspace observer active; initial frontmost = <private>"});
    EXPECT_EQ(logs.traces(),
              std::vector<std::string>{"[Tocko] WorkspaceMonitor: observer active, initial frontmost = nil"});

    fake->activate({std::nullopt, "No Identity", std::nullopt});
    const FrontmostApp editor{"org.tocko.Editor", "Editor", 4242};
    const FrontmostApp ownByPid{"some.Window", "Panel", int64_t(getpid())};
    fake->activate(editor);
    fake->activate(editor);  // the same application twice is two reports
    // Tocko's panel and Settings, known by process or by id: the editor stays.
    fake->activate(ownByPid);
    fake->activate({"tocko", "tocko", std::nullopt});
    // A window manager clearing the active window between two windows.
    fake->activate({});
    fake->activate({"org.tocko.Mail", "Mail", std::nullopt});
    // The same, with Tocko's panel as the next window.
    fake->activate({});
    fake->activate(ownByPid);
    waitUntil([] { return false; }, WorkspaceMonitor::kEmptySettleTime * 3);
    EXPECT_EQ(seen, (std::vector<R>{{std::nullopt, std::nullopt},
                                    {std::nullopt, "No Identity"},
                                    {"org.tocko.Editor", "Editor"},
                                    {"org.tocko.Editor", "Editor"},
                                    {"org.tocko.Mail", "Mail"}}));
    // Nothing in front for good: reported once it has lasted.
    fake->activate({});
    fake->activate({});
    EXPECT_EQ(seen.size(), 5u);
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 6; }));
    EXPECT_EQ(seen.back(), (R{std::nullopt, std::nullopt}));
    waitUntil([] { return false; }, WorkspaceMonitor::kEmptySettleTime * 2);
    EXPECT_EQ(seen.size(), 6u);
}

// --- secure input --------------------------------------------------------------

namespace {

struct FakeProbe : SecureInputProbe {
    bool enabled = false;
    std::optional<int32_t> pid;
    std::map<int32_t, std::string> names;
    bool isSecureInputEnabled() override { return enabled; }
    std::optional<int32_t> holderPID() override { return pid; }
    std::optional<std::string> applicationName(int32_t p) override {
        auto it = names.find(p);
        return it == names.end() ? std::nullopt : std::optional(it->second);
    }
};

struct SecureReports {
    std::vector<std::pair<bool, Opt>> seen;
    SecureInputMonitor::OnChange callback() {
        return [this](bool active, const Opt& holder) { seen.emplace_back(active, holder); };
    }
};

}  // namespace

TEST(SecureInputMonitor, RecordsTheInitialStateSilentlyThenReportsChangesOfStateAndHolderOnly) {
    auto probe = std::make_unique<FakeProbe>();
    FakeProbe* p = probe.get();
    p->enabled = true;
    p->pid = 123;
    p->names = {{10, "Passwords"}, {11, "Terminal"}};
    SecureReports r;
    SecureInputMonitor monitor(r.callback(), std::move(probe));
    monitor.start();
    EXPECT_TRUE(r.seen.empty());
    EXPECT_TRUE(monitor.isActive());
    EXPECT_EQ(monitor.holderName(), "pid 123");
    p->enabled = false;
    monitor.poll(true);

    // On and off again between two polls: nothing to report.
    p->enabled = true;
    p->enabled = false;
    monitor.poll(true);

    p->enabled = true;
    p->pid = 10;
    monitor.poll(true);
    monitor.poll(true);
    p->pid = 11;
    monitor.poll(true);
    p->pid = std::nullopt;  // no console entry names the holder
    monitor.poll(true);
    p->enabled = false;
    monitor.poll(true);
    EXPECT_EQ(r.seen, (std::vector<std::pair<bool, Opt>>{{false, std::nullopt},
                                                         {true, "Passwords"},
                                                         {true, "Terminal"},
                                                         {true, std::nullopt},
                                                         {false, std::nullopt}}));
    EXPECT_FALSE(monitor.isActive());
    EXPECT_EQ(monitor.holderName(), std::nullopt);
}

TEST(SecureInputMonitor, PollsOnTheMainThreadTimer) {
    auto probe = std::make_unique<FakeProbe>();
    FakeProbe* p = probe.get();
    SecureReports r;
    SecureInputMonitor monitor(r.callback(), std::move(probe));
    monitor.setPollIntervalForTesting(5ms);
    monitor.start();
    monitor.start();
    p->enabled = true;
    p->pid = 4242;
    ASSERT_TRUE(waitUntil([&] { return !r.seen.empty(); }));
    EXPECT_EQ(r.seen.front(), (std::pair<bool, Opt>{true, "pid 4242"}));
}

TEST(SecureInputMonitor, AWatchingProbeReportsAtOnceAndIsNeverPolled) {
    struct WatchingProbe : FakeProbe {
        std::function<void()> changed;
        std::optional<std::string> name;
        std::vector<std::pair<Opt, Opt>> fronts;
        std::optional<std::string> holderName() override { return name; }
        bool watch(std::function<void()> c) override {
            changed = std::move(c);
            return true;
        }
        void frontmostChanged(const Opt& id, const Opt& n) override { fronts.emplace_back(id, n); }
    };
    auto probe = std::make_unique<WatchingProbe>();
    WatchingProbe* p = probe.get();
    SecureReports r;
    SecureInputMonitor monitor(r.callback(), std::move(probe));
    monitor.setPollIntervalForTesting(1ms);
    monitor.start();
    EXPECT_TRUE(monitor.isStarted());
    EXPECT_FALSE(monitor.isPolling());
    p->enabled = true;
    p->name = "Firefox";
    p->pid = 5;  // the probe's own name comes first
    p->changed();
    EXPECT_EQ(r.seen, (std::vector<std::pair<bool, Opt>>{{true, "Firefox"}}));
    p->changed();  // no change, no report
    EXPECT_EQ(r.seen.size(), 1u);
    monitor.setFrontmostApp("pinentry-qt", std::nullopt);
    EXPECT_EQ(p->fronts, (std::vector<std::pair<Opt, Opt>>{{"pinentry-qt", std::nullopt}}));
}

// --- microphone ------------------------------------------------------------------

namespace {

// Thread-safe: the monitor reads it from its listener queue too. Listeners
// for the default device are kept as those of device 0.
class ScriptedInputDevices : public InputDeviceSystem {
public:
    DeviceID defaultInputDevice() override {
        std::lock_guard lock(mutex_);
        return defaultDevice_;
    }
    std::optional<bool> deviceIsRunning(DeviceID device) override {
        std::lock_guard lock(mutex_);
        auto it = running_.find(device);
        return it == running_.end() ? std::nullopt : std::optional(it->second);
    }
    ListenerID addRunningListener(DeviceID device, SerialQueue& queue, Listener listener) override {
        std::lock_guard lock(mutex_);
        ++registrations;
        regs_[next_] = {device, &queue, std::move(listener)};
        return next_++;
    }
    void removeRunningListener(DeviceID device, ListenerID id) override {
        std::lock_guard lock(mutex_);
        if (regs_.count(id) && regs_[id].device == device) regs_.erase(id);
    }
    ListenerID addDefaultInputListener(SerialQueue& queue, Listener listener) override {
        return addRunningListener(0, queue, std::move(listener));
    }
    void removeDefaultInputListener(ListenerID id) override { removeRunningListener(0, id); }

    void setDefault(DeviceID d) {
        std::lock_guard lock(mutex_);
        defaultDevice_ = d;
        fire(0);
    }
    void setRunning(DeviceID d, bool running) {
        std::lock_guard lock(mutex_);
        running_[d] = running;
        fire(d);
    }
    std::set<DeviceID> watchedDevices() {
        std::lock_guard lock(mutex_);
        std::set<DeviceID> out;
        for (auto& [id, r] : regs_)
            if (r.device) out.insert(r.device);
        return out;
    }
    int registrations = 0;

private:
    struct Reg {
        DeviceID device;
        SerialQueue* queue;
        Listener listener;
    };
    void fire(DeviceID device) {
        for (auto& [id, r] : regs_)
            if (r.device == device) r.queue->async(r.listener);
    }
    std::mutex mutex_;
    DeviceID defaultDevice_ = 0;
    std::map<DeviceID, bool> running_;
    std::map<ListenerID, Reg> regs_;
    ListenerID next_ = 1;
};

}  // namespace

TEST(MicMonitor, ReportsRunningChangesOnTheMainThreadAndFollowsTheDefaultDevice) {
    auto system = std::make_unique<ScriptedInputDevices>();
    ScriptedInputDevices* fake = system.get();
    fake->setRunning(5, true);
    fake->setRunning(7, false);
    fake->setDefault(5);
    std::vector<bool> seen;
    const auto mainThread = std::this_thread::get_id();
    bool offMain = false;
    MicMonitor monitor(
        [&](bool a) {
            offMain |= std::this_thread::get_id() != mainThread;
            seen.push_back(a);
        },
        std::move(system));
    EXPECT_EQ(fake->registrations, 0);
    LogCapture logs;
    monitor.start();
    monitor.start();
    EXPECT_EQ(seen, std::vector<bool>{true});
    EXPECT_EQ(fake->registrations, 2);  // the default device and device 5, once
    EXPECT_EQ(logs.messages("MicMonitor"),
              std::vector<std::string>{"Mic listener installed; device=5, initial micActive=true"});
    EXPECT_EQ(logs.traces(), std::vector<std::string>{
                                 "[Tocko] MicMonitor: listener installed, device=5, initial micActive=true"});

    fake->setRunning(5, false);
    fake->setRunning(5, false);  // two callbacks, two reports
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 3; }));
    EXPECT_EQ(seen, (std::vector<bool>{true, false, false}));

    // Switch while the old device is busy: the new one is read and reported.
    fake->setRunning(5, true);
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 4; }));
    fake->setDefault(7);
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 5; }));
    EXPECT_FALSE(seen.back());
    EXPECT_EQ(monitor.currentDevice(), 7u);
    EXPECT_EQ(fake->watchedDevices(), std::set<MicMonitor::DeviceID>{7});
    EXPECT_EQ(logs.messages("MicMonitor").back(), "Default input device changed; device=7, micActive=false");
    fake->setRunning(5, false);  // no longer watched
    fake->setRunning(7, true);
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 6; }));
    EXPECT_TRUE(seen.back());
    EXPECT_FALSE(offMain);
    EXPECT_EQ(logs.traces().size(), 1u);  // a device change writes no trace line

    // Losing the default device: device 0, nothing watched.
    fake->setDefault(0);
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 7; }));
    EXPECT_FALSE(seen.back());
    EXPECT_TRUE(fake->watchedDevices().empty());
    EXPECT_EQ(monitor.currentDevice(), 0u);
    EXPECT_FALSE(monitor.hasRunningListener());
}

TEST(MicMonitor, DestroyedWithReportsStillQueued) {
    auto system = std::make_unique<ScriptedInputDevices>();
    ScriptedInputDevices* fake = system.get();
    fake->setRunning(1, false);
    fake->setDefault(1);
    int reports = 0;
    {
        MicMonitor monitor([&](bool) { ++reports; }, std::move(system));
        monitor.start();
        for (int i = 0; i < 50; ++i) fake->setRunning(1, i % 2 == 0);
    }
    waitUntil([] { return false; }, 50ms);
    EXPECT_GE(reports, 1);  // the initial one; queued reports died with the monitor
}
