#include <gtest/gtest.h>

#include <algorithm>

#include "keyboard_test_support.h"

namespace joyvane {
namespace {

using sim::PanelAction;

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
    long outCalls() const {
        auto calls = f.panelCalls();
        return std::count(calls.begin(), calls.end(), PanelAction::out);
    }
    long frontCalls() const {
        auto calls = f.panelCalls();
        return std::count(calls.begin(), calls.end(), PanelAction::front);
    }

    test::KeyboardFixture f;
};

TEST_F(FocusMonitorTest, OpensAtTheFirstCheckInAFieldWithTheCursorReset) {
    f.kb.cursorRow = 3;
    f.kb.cursorCol = 0;
    focusOn("AXSearchField");
    at(0.2499);
    EXPECT_FALSE(f.kb.isVisible);
    EXPECT_EQ(f.sim.accessibility.focusQueries(), 0);  // no check at once
    at(0.25);
    EXPECT_TRUE(f.kb.isVisible);
    EXPECT_TRUE(f.kb.wasInTextField);
    EXPECT_EQ(f.kb.cursorRow.get(), 1);
    EXPECT_EQ(f.kb.cursorCol.get(), 4);
}

TEST_F(FocusMonitorTest, FieldToFieldKeepsTheCursorAndTheUsersChoice) {
    focusOn("AXTextField");
    at(0.25);
    f.kb.moveCursor(1, 1);
    focusOn("AXTextArea");
    at(1.0);
    EXPECT_TRUE(f.kb.isVisible);
    EXPECT_EQ(f.kb.cursorRow.get(), 2);
    EXPECT_EQ(f.kb.cursorCol.get(), 5);

    f.kb.dismiss();
    focusOn("AXSecureTextField");
    at(2.0);
    EXPECT_FALSE(f.kb.isVisible);
    EXPECT_TRUE(f.kb.userDismissed);
}

TEST_F(FocusMonitorTest, BriefVisitElsewhereDoesNotClose) {
    focusOn("AXComboBox");
    at(0.25);
    f.kb.moveCursor(0, 1);
    focusOn("AXButton");
    at(0.5);  // this check sees the button
    EXPECT_TRUE(f.kb.hasPendingHide());
    focusOn("AXComboBox");
    at(0.6);
    at(3.0);
    EXPECT_TRUE(f.kb.isVisible);
    EXPECT_FALSE(f.kb.hasPendingHide());
    EXPECT_EQ(outCalls(), 0);
    EXPECT_EQ(f.kb.cursorRow.get(), 2);
}

TEST_F(FocusMonitorTest, ClosesAfterTheDelayAndReopensInTheNextField) {
    focusOn("AXTextField");
    at(0.25);
    f.kb.dismiss();  // the user closed it in this field
    focusOn("AXButton");
    at(0.5);  // first check without a field
    at(0.8499);
    EXPECT_TRUE(f.kb.wasInTextField);
    at(0.85);
    EXPECT_FALSE(f.kb.wasInTextField);
    EXPECT_FALSE(f.kb.userDismissed);
    EXPECT_FALSE(f.kb.isVisible);

    focusOn("AXTextField");
    at(1.25);
    EXPECT_TRUE(f.kb.isVisible);
}

TEST_F(FocusMonitorTest, ClosedKeyboardStaysClosedInTheSameField) {
    focusOn("AXTextField");
    at(0.25);
    f.kb.dismiss();
    at(2.0);
    EXPECT_FALSE(f.kb.isVisible);
    EXPECT_EQ(frontCalls(), 1);  // only the opening
}

TEST_F(FocusMonitorTest, ReordersTheVisibleKeyboardAtEveryCheck) {
    focusOn("AXTextField");
    at(0.25);
    EXPECT_EQ(frontCalls(), 1);
    at(1.0);
    EXPECT_EQ(frontCalls(), 4);
}

TEST_F(FocusMonitorTest, OwnApplicationInFrontChangesNothing) {
    focusOn("AXTextField");
    at(0.25);
    focusOn("AXButton");
    at(0.5);  // a hide is now pending
    f.sim.accessibility.setFront(RunningApplication{"org.joyvane.Joyvane", 7});
    int queries = f.sim.accessibility.focusQueries();
    long fronts = frontCalls();
    at(0.75);
    EXPECT_EQ(f.sim.accessibility.focusQueries(), queries);
    EXPECT_EQ(frontCalls(), fronts);
    EXPECT_TRUE(f.kb.isVisible);
    at(0.85);  // the pending hide still runs
    EXPECT_FALSE(f.kb.isVisible);

    // Our own windows open nothing either, even on a text field.
    focusOn("AXTextField");
    at(2.0);
    EXPECT_FALSE(f.kb.isVisible);
}

TEST_F(FocusMonitorTest, TwoUnknownIdentifiersCountAsTheProgramItself) {
    f.sim.accessibility.setOwnIdentifier(std::nullopt);
    f.sim.accessibility.setFront(RunningApplication{std::nullopt, 9});
    focusOn("AXTextField");
    at(1.0);
    EXPECT_FALSE(f.kb.isVisible);
    EXPECT_EQ(f.sim.accessibility.focusQueries(), 0);

    f.sim.accessibility.setFront(RunningApplication{"org.example.Editor", 42});
    at(1.25);
    EXPECT_TRUE(f.kb.isVisible);
}

TEST_F(FocusMonitorTest, NoFrontApplicationDoesNothing) {
    focusOn("AXTextField");
    at(0.25);
    f.sim.accessibility.setFront(std::nullopt);
    focusOn("AXButton");
    at(2.0);
    EXPECT_TRUE(f.kb.isVisible);
    EXPECT_FALSE(f.kb.hasPendingHide());
}

TEST_F(FocusMonitorTest, UnreadableFocusOrRoleIsNotAField) {
    focusOn("AXTextField");
    at(0.25);
    f.sim.accessibility.setFocusedElement(std::nullopt);
    at(0.5);
    EXPECT_TRUE(f.kb.hasPendingHide());
    at(0.85);
    EXPECT_FALSE(f.kb.isVisible);

    f.sim.accessibility.setFocusedElement(FocusedElement{std::nullopt, {"AXTextField"}});
    at(2.0);
    EXPECT_FALSE(f.kb.isVisible);
}

TEST_F(FocusMonitorTest, FailedConditionsCloseAsTheUserWouldAtTheNextCheck) {
    focusOn("AXTextField");
    at(0.25);
    f.kb.controllerEnabled = false;  // control switched off
    at(0.4999);
    EXPECT_TRUE(f.kb.isVisible);
    int queries = f.sim.accessibility.focusQueries();
    at(0.5);
    EXPECT_FALSE(f.kb.isVisible);
    EXPECT_TRUE(f.kb.userDismissed);
    EXPECT_TRUE(f.kb.wasInTextField);  // left as it was
    EXPECT_EQ(f.sim.accessibility.focusQueries(), queries);

    // Back on, still in the same field: the user's close is respected.
    f.kb.controllerEnabled = true;
    at(1.0);
    EXPECT_FALSE(f.kb.isVisible);
}

TEST_F(FocusMonitorTest, LostPermissionOrFeatureAlsoCloses) {
    focusOn("AXTextField");
    at(0.25);
    f.sim.accessibility.setTrusted(false);
    at(0.5);
    EXPECT_FALSE(f.kb.isVisible);
    EXPECT_TRUE(f.kb.userDismissed);

    f.sim.accessibility.setTrusted(true);
    f.kb.toggle();
    EXPECT_TRUE(f.kb.isVisible);
    f.kb.featureEnabled = false;
    at(0.75);
    EXPECT_FALSE(f.kb.isVisible);
}

TEST_F(FocusMonitorTest, StoppingHidesAtOnceAndEndsTheChecks) {
    focusOn("AXTextField");
    at(0.25);
    f.kb.dismiss();
    f.kb.toggle();
    ASSERT_TRUE(f.kb.isVisible);
    f.kb.stopFocusMonitoring();
    EXPECT_FALSE(f.kb.isVisible);
    EXPECT_FALSE(f.kb.wasInTextField);
    EXPECT_FALSE(f.kb.userDismissed);
    EXPECT_FALSE(f.kb.isMonitoringFocus());
    EXPECT_EQ(f.panelCalls().back(), PanelAction::out);
    int queries = f.sim.accessibility.focusQueries();
    at(3.0);
    EXPECT_EQ(f.sim.accessibility.focusQueries(), queries);

    // Restarting resumes checking; the first check comes one interval later.
    f.kb.startFocusMonitoring();
    at(3.2);
    EXPECT_FALSE(f.kb.isVisible);
    at(3.25);
    EXPECT_TRUE(f.kb.isVisible);
}

TEST_F(FocusMonitorTest, RestartingReplacesTheTimer) {
    f.kb.startFocusMonitoring();
    f.kb.startFocusMonitoring();
    at(1.0);
    EXPECT_EQ(f.sim.accessibility.focusQueries(), 4);
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

}  // namespace
}  // namespace joyvane
