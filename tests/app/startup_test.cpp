#include "app/startup.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_platform.h"

namespace joyvane::app {
namespace {

class StartupTest : public ::testing::Test {
  protected:
    sim::SimPlatform sim;
    int onboardingShown = 0;
    std::shared_ptr<ScheduledTask> check;

    void start() {
        check = runStartupSequence(sim.accessibility, sim.scheduler, sim.defaults,
                                   [this] { ++onboardingShown; });
    }
};

TEST_F(StartupTest, AsksForTrustAtOnceAndShowsOnboardingHalfASecondLater) {
    start();
    EXPECT_EQ(sim.log.all<sim::PromptCall>().size(), 1u);
    sim.scheduler.advanceTo(0.499);
    EXPECT_EQ(onboardingShown, 0);
    sim.scheduler.advanceTo(0.5);
    EXPECT_EQ(onboardingShown, 1);
    sim.scheduler.advanceBy(10);
    EXPECT_EQ(onboardingShown, 1);
}

TEST_F(StartupTest, SeenOnboardingShowsNothing) {
    sim.defaults.setBool("hasSeenOnboarding", true);
    start();
    sim.scheduler.advanceBy(5);
    EXPECT_EQ(onboardingShown, 0);
}

TEST_F(StartupTest, TheFlagIsReadWhenTheCheckRunsNotAtLaunch) {
    start();
    sim.defaults.setBool("hasSeenOnboarding", true);
    sim.scheduler.advanceBy(0.5);
    EXPECT_EQ(onboardingShown, 0);
}

}  // namespace
}  // namespace joyvane::app
