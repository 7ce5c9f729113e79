#include <gtest/gtest.h>

#include <functional>

#include "keyboard_test_support.h"

namespace joyvane {
namespace {

// Monitoring starts at t = 0, so the checks run at 0.25, 0.5, 0.75, ...
class FocusMonitorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        f.sim.accessibility.setFront(RunningApplication{"org.example.Editor", 42});
        focusOn("AXButton");
        f.kb.startFocusMonitoring();
    }
    void focusOn(std::string role) {
        f.sim.accessibility.setFocusedElement(FocusedElement{std::move(role), {}});
    }
    void at(double time) { f.sim.scheduler.advanceTo(time); }
    int queries() const { return f.sim.accessibility.focusQueries(); }

    test::KeyboardFixture f;
};

// The focus_timeline and focus_field_to_field scenarios show the opening, the delayed close, the
// user's choice and a move from field to field.
TEST_F(FocusMonitorTest, FailedConditionClosesAsTheUserWouldAtTheNextCheck) {
    const std::function<void(bool)> conditions[] = {
        [this](bool on) { f.kb.controllerEnabled = on; },
        [this](bool on) { f.kb.controllerConnected = on; },
        [this](bool on) { f.kb.featureEnabled = on; },
        [this](bool on) { f.sim.accessibility.setTrusted(on); },
    };
    focusOn("AXTextField");
    double check = 0.25;
    at(check);
    for (const auto& setCondition : conditions) {
        if (!f.kb.isVisible) {
            f.kb.toggle();  // the user opens it again
        }
        ASSERT_TRUE(f.kb.isVisible);
        setCondition(false);
        int before = queries();
        at(check + 0.2499);
        EXPECT_TRUE(f.kb.isVisible);
        check += 0.25;
        at(check);
        EXPECT_FALSE(f.kb.isVisible);
        EXPECT_TRUE(f.kb.userDismissed);
        EXPECT_TRUE(f.kb.wasInTextField);  // left as it was
        EXPECT_EQ(queries(), before);

        // Back on, still in the same field: the close is respected.
        setCondition(true);
        check += 0.25;
        at(check);
        EXPECT_FALSE(f.kb.isVisible);
    }
}

TEST_F(FocusMonitorTest, StoppingEndsTheChecksAndStartingTwiceKeepsOneTimer) {
    f.kb.stopFocusMonitoring();
    int before = queries();
    at(3.0);
    EXPECT_EQ(queries(), before);
    f.kb.startFocusMonitoring();
    f.kb.startFocusMonitoring();
    at(3.25);  // the first check comes one interval later
    EXPECT_EQ(queries(), before + 1);
}

TEST(FocusMonitorLifetimeTest, ClosuresDoNothingOnceTheKeyboardIsGone) {
    sim::SimPlatform sim;
    sim.accessibility.setFront(RunningApplication{"org.example.Editor", 42});
    sim.accessibility.setFocusedElement(FocusedElement{"AXTextField", {}});
    auto kb = std::make_unique<PSKeyboardController>(sim.scheduler, sim.poster, sim.accessibility,
                                                     sim.panels);
    kb->controllerConnected = true;
    kb->controllerEnabled = true;
    kb->startFocusMonitoring();
    sim.scheduler.advanceTo(0.25);
    ASSERT_TRUE(kb->isVisible);

    // A pending hide, and a close queued by a failed check, both outlive the keyboard.
    sim.accessibility.setFocusedElement(std::nullopt);
    sim.scheduler.advanceTo(0.5);
    ASSERT_TRUE(kb->hasPendingHide());
    kb->controllerEnabled = false;
    kb->checkFocusedElement();
    ASSERT_EQ(sim.scheduler.queuedJobCount(), 1u);
    kb.reset();
    EXPECT_EQ(sim.scheduler.activeTimerCount(), 0u);
    sim.scheduler.advanceTo(5.0);
    EXPECT_EQ(sim.accessibility.focusQueries(), 2);
}

// The focus_own_window scenario shows the program's own window and no application in front.
TEST_F(FocusMonitorTest, AnUnknownApplicationCountsAsThisProgramWhenItsOwnIsUnknownToo) {
    focusOn("AXTextField");
    f.sim.accessibility.setOwnIdentifier(std::nullopt);
    f.sim.accessibility.setFront(RunningApplication{std::nullopt, 9});
    at(0.5);
    EXPECT_FALSE(f.kb.isVisible);
    EXPECT_EQ(queries(), 0);
    f.sim.accessibility.setFront(RunningApplication{"org.example.Editor", 42});
    at(0.75);
    EXPECT_TRUE(f.kb.isVisible);
}

}  // namespace
}  // namespace joyvane
