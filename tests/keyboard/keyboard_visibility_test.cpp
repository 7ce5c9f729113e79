#include <gtest/gtest.h>

#include "keyboard_test_support.h"

namespace joyvane {
namespace {

using sim::PanelAction;

TEST(KeyboardVisibilityTest, ShowNeedsTheFeatureAndAController) {
    test::KeyboardFixture f;
    f.kb.featureEnabled = false;
    f.kb.show();
    f.kb.featureEnabled = true;
    f.kb.controllerConnected = false;
    f.kb.show();
    EXPECT_FALSE(f.kb.isVisible);
    EXPECT_EQ(f.kb.panel(), nullptr);
    EXPECT_EQ(f.sim.panels.panelsBuilt(), 0);

    // Control off and no permission do not stop a show.
    f.kb.controllerConnected = true;
    f.kb.controllerEnabled = false;
    f.sim.accessibility.setTrusted(false);
    f.kb.show();
    EXPECT_TRUE(f.kb.isVisible);
}

TEST(KeyboardVisibilityTest, PanelIsBuiltOnceAndShowResetsCursorAndShift) {
    test::KeyboardFixture f;
    f.kb.show();
    f.kb.cursorRow = 3;
    f.kb.cursorCol = 8;
    f.kb.isUppercase = true;
    f.kb.layout = KeyboardLayout::symbols;
    f.kb.dismiss();
    f.kb.show();

    EXPECT_EQ(f.sim.panels.panelsBuilt(), 1);
    EXPECT_EQ(f.panelCalls(), (std::vector{PanelAction::build, PanelAction::front, PanelAction::out,
                                           PanelAction::front}));
    EXPECT_TRUE(f.kb.isVisible);
    EXPECT_EQ(f.kb.cursorRow.get(), 1);
    EXPECT_EQ(f.kb.cursorCol.get(), 4);
    EXPECT_FALSE(f.kb.isUppercase);
    EXPECT_EQ(f.kb.layout.get(), KeyboardLayout::symbols);
    EXPECT_EQ(f.kb.displayChar(f.kb.cursorRow, f.kb.cursorCol), "[");
}

TEST(KeyboardVisibilityTest, ToggleRecordsTheUsersChoice) {
    test::KeyboardFixture f;
    f.kb.userDismissed = true;
    f.kb.toggle();
    EXPECT_TRUE(f.kb.isVisible);
    EXPECT_FALSE(f.kb.userDismissed);

    f.kb.toggle();
    EXPECT_FALSE(f.kb.isVisible);
    EXPECT_TRUE(f.kb.userDismissed);
    EXPECT_EQ(f.panelCalls().back(), PanelAction::out);

    // With the feature off, toggling clears the choice but shows nothing.
    f.kb.featureEnabled = false;
    f.kb.toggle();
    EXPECT_FALSE(f.kb.isVisible);
    EXPECT_FALSE(f.kb.userDismissed);
}

}  // namespace
}  // namespace joyvane
