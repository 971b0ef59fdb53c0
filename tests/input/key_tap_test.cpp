// KeyTap's start/stop state machine against the scripted backend.

#include "input/key_tap.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <future>
#include <set>

#include "input/fake_backend.h"
#include "input_test_util.h"

namespace tocko {
namespace {

using namespace tocko::testing;

const std::string kLive = "Event tap live on dedicated background run loop";
const std::string kLiveTrace = "[Tocko] KeyTap: listenOnly CGEventTap live on background run loop";
const std::string kExited = "KeyTap run loop exited";
const std::string kStopDuringSetup = "KeyTap: stop() during setup; tap released without entering run loop";
const std::string kNotGranted = "start() ignored: Input Monitoring not granted";
const std::string kCreateFailed = "CGEvent.tapCreate failed (permission missing or revoked)";
const std::string kReEnabled = "Tap was disabled by the system; re-enabled";

TapEvent key(uint16_t code, bool repeat = false) { return {TapEventType::KeyDown, code, repeat}; }

class KeyTapTest : public ::testing::Test {
protected:
    std::shared_ptr<KeyTap> makeTap() {
        auto t = std::make_shared<KeyTap>([this](uint16_t code) { seen.key(code); }, factory);
        t->onMouseDown = [this] { seen.mouse(); };
        t->onActivationResult = [this](bool ok) { seen.activation(ok); };
        return t;
    }
    // Stops the tap and waits until every thread it started has returned.
    void stopAndJoin(const std::shared_ptr<KeyTap>& t) {
        auto th = t->thread();
        t->stop();
        if (th) {
            ASSERT_TRUE(th->waitUntilFinished(3000ms));
        }
    }

    LogCapture logs;
    CallbackLog seen;
    std::shared_ptr<FakeTapFactory> factory = std::make_shared<FakeTapFactory>();
};

TEST_F(KeyTapTest, DeliversPressesOnItsOwnThreadAndDropsRepeats) {
    std::string handlerThreadName;
    auto named = std::make_shared<KeyTap>(
        [&](uint16_t code) {
            char name[32] = {};
            pthread_getname_np(pthread_self(), name, sizeof name);
            handlerThreadName = name;
            seen.key(code);
        },
        factory);
    named->onMouseDown = [this] { seen.mouse(); };
    named->onActivationResult = [this](bool ok) { seen.activation(ok); };

    named->start();
    ASSERT_TRUE(factory->waitForLive(0, 3000ms));
    ASSERT_TRUE(eventually([&] { return logs.count(kLiveTrace, LogRecord::Kind::Trace) == 1; }));
    EXPECT_EQ(logs.count(kLive), 1);
    EXPECT_TRUE(named->isListening());
    EXPECT_TRUE(named->isTapEnabled());
    EXPECT_EQ(seen.activationsSeen(), std::vector<bool>{true});

    const size_t logsBefore = logs.records().size();
    auto fake = factory->tap(0);
    fake->inject(key(30));
    fake->inject(key(30, true));  // held: auto-repeats
    fake->inject(key(30, true));
    fake->inject({TapEventType::LeftMouseDown});
    fake->inject({TapEventType::RightMouseDown});
    fake->inject(key(57));
    ASSERT_TRUE(eventually([&] { return seen.keysSeen().size() == 2 && seen.mouseSeen() == 2; }));

    EXPECT_EQ(seen.keysSeen(), (std::vector<uint16_t>{30, 57}));
    EXPECT_EQ(handlerThreadName, "com.tocko.keyta");  // "com.tocko.keytap" cut to 15 bytes
    const auto threads = seen.threadsSeen();
    EXPECT_EQ(std::set<std::thread::id>(threads.begin(), threads.end()).size(), 1u);
    EXPECT_NE(threads.front(), std::this_thread::get_id());
    EXPECT_EQ(threads.front(), named->thread()->id());
    // Nothing about the keys is logged.
    EXPECT_EQ(logs.records().size(), logsBefore);

    stopAndJoin(named);
    EXPECT_EQ(logs.count(kExited), 1);
    EXPECT_FALSE(named->isListening());
    EXPECT_FALSE(named->isTapEnabled());
    EXPECT_FALSE(fake->isScheduled());
    EXPECT_EQ(named->thread(), nullptr);
}

TEST_F(KeyTapTest, WithoutPermissionStartDoesNothingAndCanBeRetried) {
    factory->listenGranted = false;
    auto tap = makeTap();
    tap->start();
    EXPECT_EQ(logs.count(kNotGranted), 1);
    EXPECT_EQ(logs.records().back().level, LogLevel::Error);
    EXPECT_FALSE(tap->isListening());
    EXPECT_EQ(tap->thread(), nullptr);
    EXPECT_EQ(factory->createCalls(), 0);
    tap->stop();  // nothing to stop

    factory->listenGranted = true;
    tap->start();
    ASSERT_TRUE(factory->waitForLive(0, 3000ms));
    EXPECT_TRUE(tap->isListening());
    stopAndJoin(tap);
    EXPECT_EQ(seen.activationsSeen(), std::vector<bool>{true});
}

TEST_F(KeyTapTest, FailedTapCreationReportsFalseAndClearsTheFlag) {
    factory->failCreate = true;
    auto tap = makeTap();
    tap->start();
    auto th = tap->thread();
    ASSERT_NE(th, nullptr);
    ASSERT_TRUE(th->waitUntilFinished(3000ms));
    EXPECT_EQ(logs.count(kCreateFailed), 1);
    EXPECT_EQ(seen.activationsSeen(), std::vector<bool>{false});
    EXPECT_NE(seen.threadsSeen().front(), std::this_thread::get_id());
    EXPECT_FALSE(tap->isListening());
    EXPECT_FALSE(tap->isTapEnabled());
    EXPECT_EQ(logs.count(kLive), 0);

    factory->failCreate = false;
    tap->start();
    ASSERT_TRUE(factory->waitForLive(1, 3000ms));
    EXPECT_EQ(seen.activationsSeen(), (std::vector<bool>{false, true}));
    stopAndJoin(tap);
}

TEST_F(KeyTapTest, StartTwiceMakesOneThread) {
    auto tap = makeTap();
    tap->start();
    auto first = tap->thread();
    tap->start();
    EXPECT_EQ(tap->thread(), first);
    ASSERT_TRUE(factory->waitForLive(0, 3000ms));
    tap->start();
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(factory->createCalls(), 1);
    EXPECT_EQ(seen.activationsSeen(), std::vector<bool>{true});
    stopAndJoin(tap);
    tap->stop();  // a second stop does nothing
    EXPECT_EQ(logs.count(kExited), 1);
}

TEST_F(KeyTapTest, StopBeforeTheRunLoopEndsTheThreadQuietly) {
    factory->holdCreate();
    auto tap = makeTap();
    tap->start();
    ASSERT_TRUE(factory->waitForCreateCalls(1, 3000ms));  // the thread is inside tap creation
    auto th = tap->thread();
    tap->stop();
    EXPECT_FALSE(tap->isListening());
    EXPECT_EQ(tap->thread(), nullptr);
    factory->releaseCreate();

    ASSERT_TRUE(th->waitUntilFinished(3000ms));
    EXPECT_EQ(logs.count(kStopDuringSetup), 1);
    EXPECT_EQ(logs.count(kLive), 0);
    EXPECT_EQ(logs.count(kExited), 0);
    EXPECT_TRUE(seen.activationsSeen().empty());
    auto fake = factory->tap(0);
    ASSERT_NE(fake, nullptr);
    EXPECT_FALSE(fake->isScheduled());
    EXPECT_FALSE(fake->isEnabled());
    EXPECT_FALSE(tap->isTapEnabled());
}

TEST_F(KeyTapTest, LateCleanupOfTheOldTapLeavesTheNewTapIntact) {
    // The old tap thread is kept busy in a handler so that its clean-up block
    // only runs after the new tap has stored its fields.
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> inHandler{false};
    auto tap = std::make_shared<KeyTap>(
        [&](uint16_t code) {
            if (code == 1) {
                inHandler = true;
                released.wait();
            }
            seen.key(code);
        },
        factory);
    tap->onActivationResult = [this](bool ok) { seen.activation(ok); };

    tap->start();
    ASSERT_TRUE(factory->waitForLive(0, 3000ms));
    auto oldThread = tap->thread();
    factory->tap(0)->inject(key(1));
    ASSERT_TRUE(eventually([&] { return inHandler.load(); }));

    tap->stop();
    tap->start();
    ASSERT_TRUE(factory->waitForLive(1, 3000ms));
    auto newThread = tap->thread();
    ASSERT_NE(newThread, oldThread);

    release.set_value();
    ASSERT_TRUE(oldThread->waitUntilFinished(3000ms));
    EXPECT_FALSE(factory->tap(0)->isScheduled());
    EXPECT_TRUE(tap->isListening());
    EXPECT_TRUE(tap->isTapEnabled());  // the field still holds the new tap

    factory->tap(1)->inject(key(2));
    ASSERT_TRUE(eventually([&] { return seen.keysSeen().size() == 2; }));
    EXPECT_EQ(seen.keysSeen(), (std::vector<uint16_t>{1, 2}));

    // The new tap's fields were kept, so stop() still reaches its loop.
    stopAndJoin(tap);
    EXPECT_FALSE(factory->tap(1)->isScheduled());
    EXPECT_EQ(logs.count(kExited), 2);
}

TEST_F(KeyTapTest, ThreadOvertakenByStopAndStartDuringSetupStepsAside) {
    factory->holdCreate();
    auto tap = makeTap();
    tap->start();
    ASSERT_TRUE(factory->waitForCreateCalls(1, 3000ms));
    auto first = tap->thread();
    tap->stop();
    tap->start();  // running is true again before the first thread looks
    ASSERT_TRUE(factory->waitForCreateCalls(2, 3000ms));
    auto second = tap->thread();
    factory->releaseCreate();

    ASSERT_TRUE(first->waitUntilFinished(3000ms));
    ASSERT_TRUE(logs.waitFor(kLive));
    EXPECT_EQ(logs.count(kStopDuringSetup), 1);
    EXPECT_EQ(seen.activationsSeen(), std::vector<bool>{true});
    const int scheduled = (factory->tap(0)->isScheduled() ? 1 : 0) + (factory->tap(1)->isScheduled() ? 1 : 0);
    EXPECT_EQ(scheduled, 1);

    stopAndJoin(tap);
    EXPECT_TRUE(second->isFinished());
    EXPECT_FALSE(factory->tap(0)->isScheduled() || factory->tap(1)->isScheduled());
}

TEST_F(KeyTapTest, DisabledTapIsReEnabledAndLoggedOncePerNotice) {
    auto tap = makeTap();
    tap->start();
    ASSERT_TRUE(factory->waitForLive(0, 3000ms));
    auto fake = factory->tap(0);
    fake->inject({TapEventType::TapDisabledByTimeout});
    ASSERT_TRUE(logs.waitFor(kReEnabled));
    fake->inject({TapEventType::TapDisabledByTimeout});
    ASSERT_TRUE(logs.waitFor(kReEnabled, 2));
    fake->inject(key(44));
    ASSERT_TRUE(eventually([&] { return seen.keysSeen().size() == 1; }));
    EXPECT_TRUE(fake->isEnabled());
    EXPECT_EQ(logs.count(kReEnabled), 2);
    stopAndJoin(tap);
}

TEST_F(KeyTapTest, RapidStartStopCyclesLeaveNothingRunning) {
    auto tap = makeTap();
    std::vector<std::shared_ptr<TapThread>> threads;
    for (int i = 0; i < 50; ++i) {
        tap->start();
        if (auto th = tap->thread()) threads.push_back(th);
        if (i % 3 == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
        tap->stop();
    }
    for (auto& th : threads) ASSERT_TRUE(th->waitUntilFinished(3000ms));
    EXPECT_EQ(threads.size(), 50u);
    for (int i = 0; i < factory->createCalls(); ++i) {
        if (auto fake = factory->tap(static_cast<size_t>(i))) {
            EXPECT_FALSE(fake->isScheduled()) << i;
        }
    }
    EXPECT_FALSE(tap->isListening());
    EXPECT_FALSE(tap->isTapEnabled());
    // Every started thread either went live and exited its loop or stepped aside.
    EXPECT_EQ(logs.count(kExited) + logs.count(kStopDuringSetup), factory->createCalls());
}

}  // namespace
}  // namespace tocko
