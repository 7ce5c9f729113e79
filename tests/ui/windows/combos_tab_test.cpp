#include "ui/windows/combos_tab.h"
#include "ui/controls/reading_direction.h"
#include "ui/controls/symbol_button.h"
#include "ui/windows/action_picker.h"
#include "ui/windows/advanced_view.h"
#include "ui/windows/controller_info_tab.h"
#include "window_test_support.h"

#include <QLabel>

namespace joyvane::ui {
namespace {

class CombosTest : public test::WindowTest {
  protected:
    std::shared_ptr<sim::SimHidRegistry> hid = std::make_shared<sim::SimHidRegistry>();

    std::unique_ptr<AdvancedView> openAdvanced() {
        return std::make_unique<AdvancedView>(
            AdvancedContext{mgr, sim.languages, sim.workspace, hid, sim.scheduler});
    }
    static CombosTab* combos(AdvancedView& view) {
        return dynamic_cast<CombosTab*>(view.content());
    }
    static ComboID combo(int index) { return ControllerManager::availableCombos().at(index); }
};

TEST_F(CombosTest, OffersTheSixCombosAndWritesEachChoiceAtOnce) {
    CombosTab tab(mgr, sim.languages);
    for (const ComboID& c : ControllerManager::availableCombos()) {
        EXPECT_EQ(tab.row(c)->picker()->action(), actionFor(mgr.comboMap.get(), c));
    }
    tab.row(combo(1))->picker()->pick(ButtonAction::cmdUndo);
    EXPECT_EQ(mgr.comboMap->at(combo(1)), ButtonAction::cmdUndo);
}

TEST_F(CombosTest, MissingComboShowsNoneAndExplicitNoneIsStored) {
    ComboMap map = mgr.comboMap;
    map.erase(combo(0));
    mgr.comboMap = map;
    CombosTab tab(mgr, sim.languages);
    EXPECT_EQ(tab.row(combo(0))->picker()->action(), ButtonAction::none);
    EXPECT_FALSE(mgr.comboMap->contains(combo(0)));
    tab.row(combo(0))->picker()->pick(ButtonAction::none);
    ASSERT_TRUE(mgr.comboMap->contains(combo(0)));
    EXPECT_EQ(mgr.comboMap->at(combo(0)), ButtonAction::none);
}

TEST_F(CombosTest, ResetDefaultsReplacesTheWholeMapAndRowsFollow) {
    CombosTab tab(mgr, sim.languages);
    tab.row(combo(2))->picker()->pick(ButtonAction::rightClick);
    mgr.comboMap = ComboMap{};  // changed elsewhere: the rows follow
    settle();
    EXPECT_EQ(tab.row(combo(2))->picker()->action(), ButtonAction::none);
    tab.resetButton()->click();
    settle();
    EXPECT_EQ(mgr.comboMap.get(), ControllerManager::defaultComboMap());
    for (const ComboID& c : ControllerManager::availableCombos()) {
        EXPECT_EQ(tab.row(c)->picker()->action(),
                  actionFor(ControllerManager::defaultComboMap(), c));
    }
}

TEST_F(CombosTest, SwitchingTabsKeepsTheCombos) {
    auto view = openAdvanced();
    EXPECT_EQ(view->tab(), 0);
    combos(*view)->row(combo(3))->picker()->pick(ButtonAction::showKeyboard);
    view->tabButton(1)->click();
    settle();
    EXPECT_EQ(view->tab(), 1);
    EXPECT_NE(dynamic_cast<ControllerInfoTab*>(view->content()), nullptr);
    view->tabButton(0)->click();
    settle();
    ASSERT_NE(combos(*view), nullptr);
    EXPECT_EQ(combos(*view)->row(combo(3))->picker()->action(), ButtonAction::showKeyboard);
    EXPECT_EQ(mgr.comboMap->at(combo(3)), ButtonAction::showKeyboard);
}

TEST_F(CombosTest, HebrewTabsAndPickerEntries) {
    hebrew();
    auto view = openAdvanced();
    auto caption = [&](int i) {
        return static_cast<SymbolButton*>(view->tabButton(i))->caption()->text();
    };
    EXPECT_EQ(caption(0), rightToLeft(QString::fromUtf8("מחוות")));
    EXPECT_EQ(caption(1), rightToLeft(QString::fromUtf8("שלט")));
    ActionPicker* picker = combos(*view)->row(combo(0))->picker();
    EXPECT_EQ(picker->itemText(0).toStdString(),
              std::string(displayName(ButtonAction::none, true)));
    EXPECT_EQ(picker->currentText().toStdString(),
              std::string(displayName(actionFor(mgr.comboMap.get(), combo(0)), true)));
    EXPECT_EQ(combos(*view)->resetButton()->toolTip(),
              rightToLeft(QString::fromUtf8("אפס ברירות מחדל")));
}

}  // namespace
}  // namespace joyvane::ui
