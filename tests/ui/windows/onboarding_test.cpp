#include <QLabel>
#include <QTest>

#include "platform/sim/sim_services.h"
#include "ui/controls/reading_direction.h"
#include "ui/controls/style.h"
#include "ui/windows/menu_bar_hint_view.h"
#include "ui/windows/mock_menu_bar_strip.h"
#include "ui/windows/onboarding_parts.h"
#include "ui/windows/onboarding_view.h"
#include "window_test_support.h"

namespace joyvane::ui {
namespace {

class OnboardingTest : public ::testing::Test {
  protected:
    sim::SimDefaultsStore defaults;
    int closes = 0;
    bool seenWhenClosed = false;

    std::unique_ptr<OnboardingView> make(bool hebrew = false) {
        return std::make_unique<OnboardingView>(defaults, hebrew, [this] {
            ++closes;
            seenWhenClosed = defaults.boolForKey("hasSeenOnboarding");
        });
    }
    static bool shown(QWidget* part, QWidget* view) { return part->isVisibleTo(view); }
};

TEST_F(OnboardingTest, NavigatesThroughTheFourPages) {
    auto view = make();
    EXPECT_EQ(view->page(), 0);
    EXPECT_FALSE(shown(view->backButton(), view.get()));
    EXPECT_TRUE(shown(view->nextButton(), view.get()));
    EXPECT_EQ(view->nextButton()->text(), "Next ›");
    for (int i = 0; i < 3; ++i) {
        view->nextButton()->click();
    }
    EXPECT_EQ(view->page(), 3);
    EXPECT_FALSE(shown(view->nextButton(), view.get()));
    EXPECT_TRUE(shown(view->getStartedButton(), view.get()));
    view->backButton()->click();
    EXPECT_EQ(view->page(), 2);
    EXPECT_EQ(view->dots()->dotColor(2), colors::blue());
    EXPECT_NE(view->dots()->dotColor(3), colors::blue());
    EXPECT_TRUE(shown(view->backButton(), view.get()));
    EXPECT_EQ(closes, 0);
}

TEST_F(OnboardingTest, GetStartedStoresTheFlagBeforeClosing) {
    auto view = make();
    view->setPage(3);
    EXPECT_FALSE(defaults.boolForKey("hasSeenOnboarding"));
    view->getStartedButton()->click();
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(seenWhenClosed);
}

TEST_F(OnboardingTest, HebrewPagesReadRightToLeft) {
    auto hebrew = make(true);
    EXPECT_EQ(hebrew->pageTitle(0)->text(),
              rightToLeft(QString::fromUtf8("האפליקציה במגש המערכת")));
}

TEST(MenuBarHint, GotItClosesTheWindow) {
    int closes = 0;
    MenuBarHintView hint(true, [&closes] { ++closes; });
    EXPECT_EQ(hint.gotItButton()->text(), rightToLeft(QString::fromUtf8("הבנתי")));
    hint.gotItButton()->click();
    EXPECT_EQ(closes, 1);
}

}  // namespace
}  // namespace joyvane::ui
