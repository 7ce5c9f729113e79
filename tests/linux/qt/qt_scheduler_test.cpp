#include "platform/linux/qt/qt_scheduler.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "support/qt_loop.h"

namespace joyvane {
namespace {

using testing::runUntil;

// Posted jobs run in order on the main thread, also those posted from other threads. A one-shot
// and a 60 Hz timer fire never early, the repeating one until its own job cancels it; cancelled
// jobs never run, and a task outlives its scheduler safely.
TEST(QtScheduler, JobsRunInOrderOnTheMainThreadAndTimersNeverEarly) {
    testing::ensureApplication();
    auto scheduler = std::make_unique<QtScheduler>();
    std::vector<int> order;
    std::thread::id ranOn;
    scheduler->post([&] {
        order.push_back(1);
        scheduler->post([&] { order.push_back(4); });
    });
    scheduler->post([&] { order.push_back(2); });
    std::thread worker([&] {
        scheduler->post([&] {
            order.push_back(3);
            ranOn = std::this_thread::get_id();
        });
    });
    worker.join();
    ASSERT_TRUE(runUntil([&] { return order.size() == 4; }));
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(ranOn, std::this_thread::get_id());

    const Time started = scheduler->now();
    std::vector<Time> once;
    std::vector<Time> every;
    int cancelledRuns = 0;
    auto oneShot = scheduler->runAfter(0.03, [&] { once.push_back(scheduler->now()); });
    std::shared_ptr<ScheduledTask> repeating;
    repeating = scheduler->runEvery(1.0 / 60.0, [&] {
        every.push_back(scheduler->now());
        if (every.size() == 12) {
            repeating->cancel();
        }
    });
    scheduler->runAfter(0.01, [&] { ++cancelledRuns; })->cancel();
    scheduler->runEvery(0.01, [&] { ++cancelledRuns; })->cancel();
    EXPECT_TRUE(oneShot->isActive());
    ASSERT_TRUE(runUntil([&] { return every.size() >= 12; }));
    runUntil([] { return false; }, 0.05);  // time for a late firing
    ASSERT_EQ(once.size(), 1u);
    EXPECT_GE(once[0] - started, 0.03);
    EXPECT_FALSE(oneShot->isActive());
    EXPECT_EQ(every.size(), 12u);
    for (std::size_t i = 0; i < every.size(); ++i) {
        EXPECT_GE(every[i] - started, static_cast<double>(i + 1) / 60.0 - 1e-6) << i;
    }
    EXPECT_EQ(cancelledRuns, 0);

    // Dropping the handle keeps a timer running.
    int count = 0;
    scheduler->runEvery(0.005, [&] { ++count; });
    EXPECT_TRUE(runUntil([&] { return count >= 3; }));
    auto task = scheduler->runEvery(0.01, [] {});
    scheduler.reset();
    EXPECT_FALSE(task->isActive());
    task->cancel();
}

}  // namespace
}  // namespace joyvane
