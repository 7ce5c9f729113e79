#include <QTest>

#include "ui/controls/reading_direction.h"
#include "ui/windows/action_picker.h"
#include "ui/windows/remap_sheet.h"
#include "window_test_support.h"

namespace joyvane::ui {
namespace {

// The remap window as the main panel opens it: saving writes the engine's map, the reset writes
// the defaults, and closing is recorded.
class RemapSheetTest : public test::WindowTest {
  protected:
    int saves = 0;
    int closes = 0;
    std::unique_ptr<RemapSheet> sheet;

    void open(ButtonMap initial) {
        sheet = std::make_unique<RemapSheet>(
            std::move(initial),
            [this](const ButtonMap& map) {
                ++saves;
                mgr.buttonMap = map;
            },
            [this] { mgr.buttonMap = ControllerManager::defaultButtonMap(); },
            [this] {
                ++closes;
                sheet->close();
            },
            sim.languages);
    }
    ActionPicker* picker(ButtonID id) const { return sheet->row(id)->picker(); }
};

TEST_F(RemapSheetTest, TwoPickersThenReturnSavesBothAndCloses) {
    open(mgr.buttonMap);
    sheet->show();
    sheet->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(sheet.get()));
    picker(ButtonID::cross)->pick(ButtonAction::escape);
    picker(ButtonID::triangle)->pick(ButtonAction::screenshot);
    // Nothing reaches the engine before saving.
    EXPECT_EQ(actionFor(mgr.buttonMap.get(), ButtonID::cross),
              actionFor(ControllerManager::defaultButtonMap(), ButtonID::cross));

    picker(ButtonID::triangle)->setFocus();
    QTest::keyClick(picker(ButtonID::triangle), Qt::Key_Return);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(actionFor(mgr.buttonMap.get(), ButtonID::cross), ButtonAction::escape);
    EXPECT_EQ(actionFor(mgr.buttonMap.get(), ButtonID::triangle), ButtonAction::screenshot);
    EXPECT_FALSE(sheet->isVisible());
}

TEST_F(RemapSheetTest, ReturnWithAModifierDoesNotSave) {
    open(mgr.buttonMap);
    sheet->show();
    sheet->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(sheet.get()));
    QTest::keyClick(sheet.get(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(saves, 0);
}

TEST_F(RemapSheetTest, HeaderCloseSymbolAndSaveButtonSave) {
    open(mgr.buttonMap);
    picker(ButtonID::l1)->pick(ButtonAction::tab);
    sheet->closeSymbolButton()->click();
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(actionFor(mgr.buttonMap.get(), ButtonID::l1), ButtonAction::tab);

    open(mgr.buttonMap);
    picker(ButtonID::r1)->pick(ButtonAction::space);
    sheet->saveButton()->click();
    EXPECT_EQ(saves, 2);
    EXPECT_EQ(actionFor(mgr.buttonMap.get(), ButtonID::r1), ButtonAction::space);
}

TEST_F(RemapSheetTest, ResetAppliesDefaultsAtOnceAndStaysOpen) {
    ButtonMap custom = ControllerManager::defaultButtonMap();
    custom[ButtonID::cross] = ButtonAction::none;
    custom[ButtonID::options] = ButtonAction::cmdCopy;
    mgr.buttonMap = custom;
    open(custom);
    picker(ButtonID::square)->pick(ButtonAction::missionCtrl);
    sheet->resetButton()->click();
    EXPECT_EQ(mgr.buttonMap.get(), ControllerManager::defaultButtonMap());
    EXPECT_EQ(sheet->localMap(), ControllerManager::defaultButtonMap());
    for (ButtonID id : allButtonIDs) {
        EXPECT_EQ(picker(id)->action(), actionFor(ControllerManager::defaultButtonMap(), id));
    }
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(saves, 0);
}

TEST_F(RemapSheetTest, MissingEntryShowsNoneAndStaysMissing) {
    ButtonMap partial = ControllerManager::defaultButtonMap();
    partial.erase(ButtonID::touchpad);
    ButtonMap saved;
    sheet = std::make_unique<RemapSheet>(
        partial, [&saved](const ButtonMap& map) { saved = map; }, [] {}, [] {}, sim.languages);
    EXPECT_EQ(picker(ButtonID::touchpad)->action(), ButtonAction::none);
    picker(ButtonID::cross)->pick(ButtonAction::enter);
    sheet->saveButton()->click();
    EXPECT_FALSE(saved.contains(ButtonID::touchpad));
    EXPECT_EQ(saved.at(ButtonID::cross), ButtonAction::enter);
    // Picking none explicitly does add the entry.
    sheet->row(ButtonID::touchpad)->picker()->pick(ButtonAction::none);
    EXPECT_EQ(sheet->localMap().at(ButtonID::touchpad), ButtonAction::none);
}

TEST_F(RemapSheetTest, HebrewSheetReadsRightToLeft) {
    hebrew();
    open(mgr.buttonMap);
    EXPECT_EQ(sheet->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(sheet->closeSymbolButton()->toolTip(), rightToLeft(QString::fromUtf8("שמור וסגור")));
}

}  // namespace
}  // namespace joyvane::ui
