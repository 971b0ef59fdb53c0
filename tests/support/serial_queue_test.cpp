#include "support/serial_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <memory>
#include <thread>
#include <vector>

#include "tests/common/test_support.h"

using namespace tocko;
using namespace std::chrono_literals;

TEST(SerialQueue, RunsTasksInOrderOnOneNamedThreadWhereItIsCurrent) {
    SerialQueue q("com.tocko.sound.extra");
    std::vector<int> order;
    std::string name;
    bool inside = false;
    for (int i = 0; i < 100; ++i) q.async([&, i] { order.push_back(i); });
    q.sync([&] {
        name = tocko::test::requestedThreadName();
        inside = q.isCurrent();
    });
    ASSERT_EQ(order.size(), 100u);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(order[size_t(i)], i);
    EXPECT_EQ(name, "com.tocko.sound.extra");
    EXPECT_TRUE(inside);
    EXPECT_FALSE(q.isCurrent());
}

TEST(SerialQueue, DelayedTasksRunByDueTimeAndDoNotBlockLaterWork) {
    SerialQueue q("test.queue");
    std::vector<std::string> order;
    std::promise<void> done;
    const auto start = SerialQueue::Clock::now();  // before posting: due times count from the post
    q.asyncAfter(60ms, [&] {
        order.push_back("late");
        done.set_value();
    });
    q.asyncAfter(20ms, [&] { order.push_back("early"); });
    q.async([&] { order.push_back("now"); });
    done.get_future().wait();
    EXPECT_GE(SerialQueue::Clock::now() - start, 60ms);
    EXPECT_EQ(order, (std::vector<std::string>{"now", "early", "late"}));
}

TEST(SerialQueue, MayBeDestroyedFromOneOfItsOwnTasks) {
    auto q = std::make_shared<SerialQueue>("test.queue");
    std::promise<void> ran;
    auto* raw = q.get();
    raw->async([q = std::move(q), &ran]() mutable {
        q.reset();  // last owner: the queue goes away under its own thread
        ran.set_value();
    });
    ran.get_future().wait();
    std::this_thread::sleep_for(20ms);  // the thread winds down on its own
}

TEST(SerialQueue, MayBeDestroyedByATaskPostedFromAnotherThread) {
    // The posting thread must not touch the queue once the task may run;
    // ThreadSanitizer and AddressSanitizer builds catch it when it does.
    for (int i = 0; i < 200; ++i) {
        auto* q = new SerialQueue("test.queue");
        std::promise<void> ran;
        q->async([] {});  // keeps the thread busy and awake
        std::thread poster([&] {
            q->async([q, &ran] {
                delete q;
                ran.set_value();
            });
        });
        ran.get_future().wait();
        poster.join();
    }
}
