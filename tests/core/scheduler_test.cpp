#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/manual_scheduler.h"

namespace joyvane {
namespace {

TEST(ManualScheduler, JobQueuedFromAJobRunsAfterTheJobsQueuedBeforeIt) {
    ManualScheduler s;
    std::string order;
    s.post([&] {
        order += "a";
        s.post([&] { order += "c"; });
    });
    s.post([&] { order += "b"; });
    EXPECT_EQ(s.runOneTurn(), 2u);
    EXPECT_EQ(order, "ab");
    s.runQueued();
    EXPECT_EQ(order, "abc");
}

TEST(ManualScheduler, TimersFireInDueOrderAtTheirDueTimeAndDrainTheQueueBetween) {
    ManualScheduler s;
    std::vector<std::string> order;
    std::vector<double> times;
    s.runAfter(0.5, [&] { order.push_back("late"); });
    s.runAfter(0.2, [&] {
        order.push_back("early");
        times.push_back(s.now());
        s.post([&] { order.push_back("queued by early"); });
    });
    auto cancelled = s.runAfter(0.35, [&] { order.push_back("cancelled"); });
    s.advanceTo(0.3);
    cancelled->cancel();
    s.advanceTo(1.0);
    EXPECT_EQ(order, (std::vector<std::string>{"early", "queued by early", "late"}));
    EXPECT_EQ(times, std::vector{0.2});
    EXPECT_DOUBLE_EQ(s.now(), 1.0);
}

TEST(ManualScheduler, RepeatingTimerKeepsItsPhaseAndStopsWhenCancelled) {
    ManualScheduler s;
    std::vector<double> times;
    auto timer = s.runEvery(0.25, [&] { times.push_back(s.now()); });
    s.advanceTo(1.0);
    ASSERT_EQ(times.size(), 4u);
    EXPECT_DOUBLE_EQ(times[3], 1.0);
    timer->cancel();
    EXPECT_FALSE(timer->isActive());
    s.advanceTo(2.0);
    EXPECT_EQ(times.size(), 4u);

    int ticks = 0;
    s.runEvery(1.0 / 60.0, [&] { ++ticks; });
    s.advanceTo(3.0 + 1e-9);
    EXPECT_EQ(ticks, 60);
}

TEST(ManualScheduler, TimerCancellingItselfFiresOnceAndTiesRunInTheOrderScheduled) {
    ManualScheduler s;
    int firings = 0;
    std::shared_ptr<ScheduledTask> timer;
    timer = s.runEvery(0.1, [&] {
        ++firings;
        timer->cancel();
    });
    s.advanceTo(1.0);
    EXPECT_EQ(firings, 1);
    EXPECT_EQ(s.activeTimerCount(), 0u);

    std::string order;
    s.runAfter(0.5, [&] { order += "1"; });
    s.runAfter(0.5, [&] { order += "2"; });
    s.advanceTo(1.5);
    EXPECT_EQ(order, "12");
    // A negative delay means now, so it ties with a job due now and runs after it.
    s.runAfter(0, [&] { order += "3"; });
    s.runAfter(-1, [&] { order += "4"; });
    s.advanceTo(1.5);
    EXPECT_EQ(order, "1234");
}

}  // namespace
}  // namespace joyvane
