#include <QLabel>
#include <QPushButton>

#include "panel_fixture.h"
#include "ui/controls/reading_direction.h"
#include "ui/controls/symbol_button.h"
#include "ui/main_panel/accessibility_banner.h"

namespace joyvane::ui::test {
namespace {

class BannerTest : public PanelTest {
  protected:
    void SetUp() override { sim.accessibility.setTrusted(false); }

    void setTrusted(bool trusted) {
        sim.accessibility.setTrusted(trusted);
        sim.scheduler.advanceBy(2.0);  // the engine's 2-second refresh
        settle();
    }
    bool stepsState() const {
        AccessibilityBanner* b = view->banner();
        return !b->steps()->isHidden() && !b->grantButton()->isHidden() &&
               b->waitingRow()->isHidden() && b->revealButton()->isHidden();
    }
    bool waitingState() const {
        AccessibilityBanner* b = view->banner();
        return b->steps()->isHidden() && b->grantButton()->isHidden() &&
               !b->waitingRow()->isHidden() && !b->revealButton()->isHidden();
    }
};

TEST_F(BannerTest, StepsStateNamesTheLinuxSettings) {
    startPanel();
    EXPECT_TRUE(stepsState());
    EXPECT_EQ(view->banner()->stepText(1)->text(),
              "The desktop's Accessibility Settings will open automatically");
}

TEST_F(BannerTest, GrantAccessAsksWithThePromptAndWaits) {
    startPanel();
    sim.log.clear();
    view->banner()->grantButton()->click();
    EXPECT_TRUE(view->accessibilityRequested());
    EXPECT_TRUE(waitingState());
    EXPECT_EQ(sim.log.all<sim::PromptCall>().size(), 1u);
    EXPECT_EQ(view->banner()->waitingText()->text(),
              QString::fromUtf8("Waiting for approval in the desktop settings…"));
    EXPECT_EQ(view->banner()->revealButton()->text(), "App not showing? Show in File Manager");
}

TEST_F(BannerTest, RevealShowsTheProgramsOwnFile) {
    startPanel();
    view->banner()->grantButton()->click();
    view->banner()->revealButton()->click();
    EXPECT_EQ(sim.log.all<sim::RevealCall>(),
              std::vector<sim::RevealCall>{{"/opt/joyvane/bin/joyvane"}});
}

TEST_F(BannerTest, GrantedWhileWaitingHidesItAndARevocationBringsBackTheSteps) {
    startPanel();
    view->banner()->grantButton()->click();
    setTrusted(false);  // still waiting: a refresh that stays false changes nothing
    EXPECT_TRUE(waitingState());
    setTrusted(true);
    EXPECT_TRUE(view->banner()->isHidden());
    EXPECT_FALSE(view->accessibilityRequested());
    setTrusted(false);
    EXPECT_FALSE(view->banner()->isHidden());
    EXPECT_TRUE(stepsState());
}

TEST_F(BannerTest, HebrewTextsReadRightToLeft) {
    sim.languages.setLanguages({"he"});
    startPanel();
    view->banner()->grantButton()->click();
    EXPECT_EQ(view->banner()->revealButton()->text(),
              rightToLeft(QString::fromUtf8("האפליקציה לא מופיעה? הראה במנהל הקבצים")));
}

}  // namespace
}  // namespace joyvane::ui::test
