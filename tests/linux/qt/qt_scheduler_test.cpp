#include "platform/linux/qt/qt_scheduler.h"

#include <gtest/gtest.h>

#include <QTimer>
#include <thread>
#include <vector>

#include "support/qt_loop.h"

namespace joyvane {
namespace {

class QtSchedulerTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureApplication(); }

    template <typename Done>
    bool runUntil(Done done, double limit = 2.0) {
        return testing::runUntil(done, limit);
    }
    void runFor(double seconds) {
        testing::runUntil([] { return false; }, seconds);
    }

    QtScheduler scheduler;
};

TEST_F(QtSchedulerTest, PostedJobsRunInOrderOnTheMainThreadIncludingThoseFromOtherThreads) {
    std::vector<int> order;
    std::thread::id ranOn;
    scheduler.post([&] {
        order.push_back(1);
        scheduler.post([&] { order.push_back(4); });
    });
    scheduler.post([&] { order.push_back(2); });
    std::thread worker([&] {
        scheduler.post([&] {
            order.push_back(3);
            ranOn = std::this_thread::get_id();
        });
    });
    worker.join();
    ASSERT_TRUE(runUntil([&] { return order.size() == 4; }));
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST_F(QtSchedulerTest, RunAfterFiresOnceNeverEarlyAndEndsInactive) {
    Time started = scheduler.now();
    Time firedAt = 0;
    int count = 0;
    auto task = scheduler.runAfter(0.03, [&] {
        firedAt = scheduler.now();
        ++count;
    });
    EXPECT_TRUE(task->isActive());
    ASSERT_TRUE(runUntil([&] { return count > 0; }));
    runFor(0.05);
    EXPECT_EQ(count, 1);
    EXPECT_GE(firedAt - started, 0.03);
    EXPECT_FALSE(task->isActive());
}

TEST_F(QtSchedulerTest, CancelledJobsNeverRun) {
    int count = 0;
    auto once = scheduler.runAfter(0.01, [&] { ++count; });
    auto every = scheduler.runEvery(0.01, [&] { ++count; });
    once->cancel();
    every->cancel();
    every->cancel();
    runFor(0.05);
    EXPECT_EQ(count, 0);
    EXPECT_FALSE(once->isActive());
    EXPECT_FALSE(every->isActive());
}

TEST_F(QtSchedulerTest, RepeatingTimerKeepsItsRateAndStopsFromItsOwnJob) {
    std::shared_ptr<ScheduledTask> task;
    std::vector<Time> firings;
    Time started = scheduler.now();
    task = scheduler.runEvery(1.0 / 60.0, [&] {
        firings.push_back(scheduler.now());
        if (firings.size() == 12) {
            task->cancel();
        }
    });
    ASSERT_TRUE(runUntil([&] { return firings.size() >= 12; }));
    runFor(0.05);
    EXPECT_EQ(firings.size(), 12u);
    EXPECT_FALSE(task->isActive());
    // Never early: the n-th firing comes at or after n/60 s.
    for (std::size_t i = 0; i < firings.size(); ++i) {
        EXPECT_GE(firings[i] - started, static_cast<double>(i + 1) / 60.0 - 1e-6) << i;
    }
}

TEST_F(QtSchedulerTest, DroppingTheHandleKeepsTheTimerRunning) {
    int count = 0;
    scheduler.runEvery(0.005, [&] { ++count; });
    EXPECT_TRUE(runUntil([&] { return count >= 3; }));
}

TEST_F(QtSchedulerTest, TasksOutliveTheirSchedulerSafely) {
    std::shared_ptr<ScheduledTask> task;
    {
        QtScheduler local;
        task = local.runEvery(0.01, [] {});
        EXPECT_TRUE(task->isActive());
    }
    EXPECT_FALSE(task->isActive());
    task->cancel();
}

}  // namespace
}  // namespace joyvane
