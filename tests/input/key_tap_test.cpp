// KeyTap's start/stop state machine against the scripted backend.

#include "input/key_tap.h"

#include <gtest/gtest.h>

#include <future>
#include <set>

#include "input_test_util.h"
#include "platform/fake/fake_backend.h"

namespace tocko {
namespace {

using namespace tocko::testing;

const std::string kLive = "Event tap live on dedicated background run loop";
const std::string kExited = "KeyTap run loop exited";
const std::string kStopDuringSetup = "KeyTap: stop() during setup; tap released without entering run loop";

TapEvent key(uint16_t code, bool repeat = false) { return {TapEventType::KeyDown, code, repeat}; }

class KeyTapTest : public ::testing::Test {
protected:
    std::shared_ptr<FakeTapFactory> factory = std::make_shared<FakeTapFactory>();
    TapHarness h{factory};
    Logs& logs = h.logs;
};

TEST_F(KeyTapTest, DeliversPressesAndWantedKeyUpsOnItsOwnThread) {
    ASSERT_TRUE(h.startLive());
    h.tap->start();  // already running: no second thread
    EXPECT_EQ(logs.count(kLive), 1);
    EXPECT_TRUE(h.tap->isListening());
    EXPECT_TRUE(h.tap->isTapEnabled());

    const size_t logsBefore = logs.size();
    auto fake = factory->tap(0);
    // A disable notice is answered by enabling the tap again, logged once each.
    for (auto e : {key(30), key(30, true), key(30, true), TapEvent{TapEventType::LeftMouseDown},
                   TapEvent{TapEventType::TapDisabledByTimeout}, TapEvent{TapEventType::TapDisabledByTimeout},
                   TapEvent{TapEventType::RightMouseDown}, key(57)})
        fake->inject(e);
    ASSERT_TRUE(eventually([&] { return h.get(h.keys).size() == 2 && h.get(h.mouseDowns) == 2; }));

    EXPECT_EQ(h.get(h.keys), (std::vector<uint16_t>{30, 57}));
    const auto threads = h.get(h.threads);
    EXPECT_EQ(std::set<std::thread::id>(threads.begin(), threads.end()).size(), 1u);
    EXPECT_EQ(threads.front(), h.tap->thread()->id());
    EXPECT_NE(threads.front(), std::this_thread::get_id());
    EXPECT_EQ(h.get(h.threadNames).back(), "com.tocko.keytap");
    EXPECT_EQ(logs.count("Tap was disabled by the system; re-enabled"), 2);
    EXPECT_EQ(logs.size(), logsBefore + 2);  // and nothing about the keys
    EXPECT_TRUE(fake->isEnabled());
    EXPECT_EQ(factory->createCalls(), 1);

    // Key-ups reach their handler only while wanted. Each batch ends in a
    // press: once it shows up, everything before it has been handled.
    const TapEvent up{TapEventType::KeyUp, 30};
    EXPECT_FALSE(h.tap->keyUpsWanted());  // off until asked for
    for (auto e : {up, key(31)}) fake->inject(e);
    ASSERT_TRUE(eventually([&] { return h.get(h.keys).size() == 3; }));
    h.tap->setKeyUpsWanted(true);
    for (auto e : {up, key(32)}) fake->inject(e);
    ASSERT_TRUE(eventually([&] { return h.get(h.keys).size() == 4; }));
    EXPECT_EQ(h.get(h.keyUps), 1);
    h.tap->setKeyUpsWanted(false);
    for (auto e : {up, key(33)}) fake->inject(e);
    ASSERT_TRUE(eventually([&] { return h.get(h.keys).size() == 5; }));
    EXPECT_EQ(h.get(h.keyUps), 1);

    ASSERT_TRUE(h.stopAndJoin());
    h.tap->stop();  // a second stop does nothing
    EXPECT_EQ(logs.count(kExited), 1);
    EXPECT_FALSE(h.tap->isListening());
    EXPECT_FALSE(h.tap->isTapEnabled());
    EXPECT_FALSE(fake->isScheduled());
    EXPECT_EQ(h.tap->thread(), nullptr);
}

TEST_F(KeyTapTest, RefusedOrFailedStartsLeaveNoThreadAndCanBeRetried) {
    factory->listenGranted = false;
    h.tap->start();
    EXPECT_EQ(logs.count("start() ignored: input access not granted"), 1);
    EXPECT_FALSE(h.tap->isListening());
    EXPECT_EQ(h.tap->thread(), nullptr);

    KeyTap loose([](uint16_t) {}, factory);  // not owned by a shared_ptr
    factory->listenGranted = true;
    loose.start();
    EXPECT_EQ(logs.count("start() ignored: KeyTap not created with std::make_shared"), 1);
    EXPECT_FALSE(loose.isListening());
    EXPECT_EQ(factory->createCalls(), 0);

    // The tap thread cannot create its tap: it reports false and clears the flag.
    factory->failCreate = true;
    h.tap->start();
    auto th = h.tap->thread();
    ASSERT_NE(th, nullptr);
    ASSERT_TRUE(th->waitUntilFinished(3000ms));
    EXPECT_EQ(logs.count("Input tap creation failed (permission missing or revoked)"), 1);
    EXPECT_EQ(h.get(h.activations), std::vector<bool>{false});
    EXPECT_EQ(h.get(h.threads).front(), th->id());
    EXPECT_FALSE(h.tap->isListening());
    EXPECT_EQ(logs.count(kLive), 0);

    factory->failCreate = false;
    ASSERT_TRUE(h.startLive());
    EXPECT_EQ(h.get(h.activations), (std::vector<bool>{false, true}));
}

TEST_F(KeyTapTest, LateCleanupOfTheOldTapLeavesTheNewTapIntact) {
    // The old tap thread is held in a handler so that its clean-up block only
    // runs after the new tap has stored its fields.
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<int> calls{0};
    auto tap = std::make_shared<KeyTap>(
        [&](uint16_t code) {
            ++calls;
            if (code == 1) released.wait();
        },
        factory);
    tap->start();
    ASSERT_TRUE(factory->waitForLive(0, 3000ms));
    auto oldThread = tap->thread();
    factory->tap(0)->inject(key(1));
    ASSERT_TRUE(eventually([&] { return calls == 1; }));

    tap->stop();
    tap->start();
    ASSERT_TRUE(factory->waitForLive(1, 3000ms));
    release.set_value();
    ASSERT_TRUE(oldThread->waitUntilFinished(3000ms));
    EXPECT_FALSE(factory->tap(0)->isScheduled());
    EXPECT_TRUE(tap->isListening());
    EXPECT_TRUE(tap->isTapEnabled());  // the field still holds the new tap

    factory->tap(1)->inject(key(2));
    ASSERT_TRUE(eventually([&] { return calls == 2; }));
    // The new fields were kept, so stop() still reaches the new loop.
    auto newThread = tap->thread();
    tap->stop();
    ASSERT_TRUE(newThread->waitUntilFinished(3000ms));
    EXPECT_FALSE(factory->tap(1)->isScheduled());
    EXPECT_EQ(logs.count(kExited), 2);
}

TEST_F(KeyTapTest, ThreadOvertakenByStopAndStartDuringSetupStepsAside) {
    factory->holdCreate();
    h.tap->start();
    ASSERT_TRUE(factory->waitForCreateCalls(1, 3000ms));
    auto first = h.tap->thread();
    h.tap->stop();  // the thread is inside tap creation
    EXPECT_FALSE(h.tap->isListening());
    EXPECT_EQ(h.tap->thread(), nullptr);
    h.tap->start();  // running is true again before the first thread looks
    ASSERT_TRUE(factory->waitForCreateCalls(2, 3000ms));
    factory->releaseCreate();

    ASSERT_TRUE(first->waitUntilFinished(3000ms));
    ASSERT_TRUE(logs.waitFor(kLive));
    EXPECT_EQ(logs.count(kStopDuringSetup), 1);
    EXPECT_EQ(h.get(h.activations), std::vector<bool>{true});
    // "Live" is logged just before the loop starts, so give the loop a moment.
    EXPECT_TRUE(eventually([&] { return factory->tap(0)->isScheduled() != factory->tap(1)->isScheduled(); }))
        << "exactly one tap should be live";

    ASSERT_TRUE(h.stopAndJoin());
    EXPECT_FALSE(factory->tap(0)->isScheduled() || factory->tap(1)->isScheduled());
}

TEST_F(KeyTapTest, RapidStartStopCyclesLeaveNothingRunning) {
    std::vector<std::shared_ptr<TapThread>> threads;
    for (int i = 0; i < 50; ++i) {
        h.tap->start();
        threads.push_back(h.tap->thread());
        if (i % 3 == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
        h.tap->stop();
    }
    for (auto& th : threads) ASSERT_TRUE(th && th->waitUntilFinished(3000ms));
    for (int i = 0; i < factory->createCalls(); ++i)
        EXPECT_FALSE(factory->tap(size_t(i))->isScheduled()) << i;
    EXPECT_FALSE(h.tap->isTapEnabled());
    // Every thread either went live and left its loop, or stepped aside.
    EXPECT_EQ(logs.count(kExited) + logs.count(kStopDuringSetup), factory->createCalls());
}

}  // namespace
}  // namespace tocko
