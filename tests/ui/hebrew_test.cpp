// Qt lays a label out in the direction of its first strong letter, so every Hebrew text starts
// with a right-to-left mark: without it "Joyvane פועלת" reads left to right.
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "app/tray_label.h"
#include "ui/controls/symbol_button.h"
#include "ui/keyboard_panel/ps_keyboard_view.h"
#include "ui/main_panel/accessibility_banner.h"
#include "ui/main_panel/panel_header.h"
#include "ui/main_panel/status_card.h"
#include "ui/main_panel/uinput_banner.h"
#include "ui/windows/menu_bar_hint_view.h"
#include "ui/windows/onboarding_view.h"
#include "ui/windows/remap_sheet.h"
#include "ui_fixture.h"

namespace joyvane::ui::test {
namespace {

using HebrewTest = UiTest;

TEST_F(HebrewTest, EveryWindowReadsRightToLeftAndFollowsALanguageChange) {
    sim.languages.setLanguages({"he-IL", "en-US"});
    sim.accessibility.setTrusted(false);
    actions.uinputProblem = UinputProblem::missing;
    startPanel();
    view->banner()->grantButton()->click();
    RemapSheet remap(manager.buttonMap, {}, {}, {}, sim.languages);
    OnboardingView onboarding(sim.defaults, true, {});
    MenuBarHintView hint(true, {});
    PSKeyboardView keyboardView(keyboard, sim.languages);
    EXPECT_EQ(view->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(remap.layoutDirection(), Qt::RightToLeft);
    const QString texts[] = {
        view->statusCard()->titleLine()->text(),
        view->header()->quitButton()->toolTip(),
        view->banner()->revealButton()->text(),
        view->uinputBanner()->explanation()->text(),
        remap.closeSymbolButton()->toolTip(),
        onboarding.pageTitle(0)->text(),
        hint.gotItButton()->text(),
        keyboardView.closeButton()->toolTip(),
        app::trayToolTip({false, true, {}, {}}, true),
    };
    for (const QString& text : texts) {
        EXPECT_TRUE(text.startsWith(QChar(0x200F))) << text.toStdString();
    }
    // The choice is made again at every refresh.
    sim.languages.setLanguages({"en-US", "he-IL"});
    view->refresh();
    EXPECT_EQ(view->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(view->statusCard()->titleLine()->text(), "Waiting for controller...");
}

}  // namespace
}  // namespace joyvane::ui::test
