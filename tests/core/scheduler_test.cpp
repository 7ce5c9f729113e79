#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/manual_scheduler.h"

namespace joyvane {
namespace {

TEST(ManualScheduler, JobQueuedFromAJobRunsAfterTheJobsQueuedBeforeIt) {
    ManualScheduler s;
    std::vector<std::string> order;
    s.post([&] {
        order.push_back("a");
        s.post([&] { order.push_back("a2"); });
    });
    s.post([&] { order.push_back("b"); });
    EXPECT_EQ(s.runOneTurn(), 2u);
    EXPECT_EQ(order, (std::vector<std::string>{"a", "b"}));
    s.runQueued();
    EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "a2"}));
}

TEST(ManualScheduler, TimersFireInDueOrderAndDrainTheQueueBetweenFirings) {
    ManualScheduler s;
    std::vector<std::string> order;
    s.runAfter(0.5, [&] {
        order.push_back("late");
    });
    s.runAfter(0.2, [&] {
        order.push_back("early");
        s.post([&] { order.push_back("queued by early"); });
    });
    s.advanceTo(1.0);
    EXPECT_EQ(order, (std::vector<std::string>{"early", "queued by early", "late"}));
    EXPECT_DOUBLE_EQ(s.now(), 1.0);
}

TEST(ManualScheduler, TimeDuringAFiringIsItsDueTime) {
    ManualScheduler s;
    double seen = -1;
    s.runAfter(0.35, [&] { seen = s.now(); });
    s.advanceTo(2.0);
    EXPECT_DOUBLE_EQ(seen, 0.35);
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
}

TEST(ManualScheduler, SixtyTicksASecondGiveExactlySixtyFirings) {
    ManualScheduler s;
    int ticks = 0;
    s.runEvery(1.0 / 60.0, [&] { ++ticks; });
    s.advanceTo(1.0 + 1e-9);
    EXPECT_EQ(ticks, 60);
}

TEST(ManualScheduler, TimerCancellingItselfFromItsJobFiresOnce) {
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
}

TEST(ManualScheduler, CancelledDelayedJobNeverRuns) {
    ManualScheduler s;
    bool ran = false;
    auto task = s.runAfter(0.35, [&] { ran = true; });
    s.advanceTo(0.3);
    task->cancel();
    s.advanceTo(1.0);
    EXPECT_FALSE(ran);
}

TEST(ManualScheduler, TiesRunInTheOrderScheduled) {
    ManualScheduler s;
    std::string order;
    s.runAfter(0.5, [&] { order += "1"; });
    s.runAfter(0.5, [&] { order += "2"; });
    s.advanceTo(0.5);
    EXPECT_EQ(order, "12");
    // A negative delay means now, so it ties with a job due now and runs after it.
    s.runAfter(0, [&] { order += "3"; });
    s.runAfter(-1, [&] { order += "4"; });
    s.advanceTo(0.5);
    EXPECT_EQ(order, "1234");
}

}  // namespace
}  // namespace joyvane
