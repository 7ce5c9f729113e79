#include "app/startup.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_platform.h"

namespace joyvane::app {
namespace {

// Trust is asked for at once; onboarding shows half a second later unless the flag says it was
// seen by then (the flag is read when the check runs, not at launch).
TEST(Startup, AsksForTrustAtOnceAndShowsOnboardingHalfASecondLater) {
    for (const bool seenMeanwhile : {false, true}) {
        SCOPED_TRACE(seenMeanwhile);
        sim::SimPlatform sim;
        int onboardingShown = 0;
        const auto check = runStartupSequence(sim.accessibility, sim.scheduler, sim.defaults,
                                              [&] { ++onboardingShown; });
        EXPECT_EQ(sim.log.all<sim::PromptCall>().size(), 1u);
        sim.scheduler.advanceTo(0.499);
        EXPECT_EQ(onboardingShown, 0);
        sim.defaults.setBool("hasSeenOnboarding", seenMeanwhile);
        sim.scheduler.advanceTo(0.5);
        EXPECT_EQ(onboardingShown, seenMeanwhile ? 0 : 1);
        sim.scheduler.advanceBy(10);
        EXPECT_EQ(onboardingShown, seenMeanwhile ? 0 : 1);
    }
}

}  // namespace
}  // namespace joyvane::app
