#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "../ui_fixture.h"
#include "ui/controls/style.h"
#include "ui/controls/symbol_button.h"
#include "ui/windows/advanced_view.h"
#include "ui/windows/bob_motion.h"
#include "ui/windows/controller_info_tab.h"

namespace joyvane::ui {
namespace {

using test::pixelsNear;

class RenderedColorsTest : public test::UiTest {
  protected:
    std::unique_ptr<AdvancedView> shownAdvanced() {
        auto view = std::make_unique<AdvancedView>(
            AdvancedContext{manager, sim.languages, sim.workspace, hid, sim.scheduler});
        view->resize(480, 480);
        view->show();
        settle();
        return view;
    }
    static QLabel* caption(AdvancedView& view, int tab) {
        return static_cast<SymbolButton*>(view.tabButton(tab))->caption();
    }
};

// The tab labels follow the selection, which is a rounded blue tint inside the bar's padding.
TEST_F(RenderedColorsTest, TabLabelsFollowTheRoundedSelection) {
    auto view = shownAdvanced();
    for (int selected : {1, 0}) {
        view->setTab(selected);
        settle();
        const int other = 1 - selected;
        EXPECT_GT(pixelsNear(caption(*view, selected), colors::blue(), 50), 8) << selected;
        EXPECT_EQ(pixelsNear(caption(*view, other), colors::blue(), 50), 0) << selected;
        EXPECT_GT(pixelsNear(caption(*view, other), QColor(110, 110, 115), 40), 8) << selected;
    }
    QWidget* tab = view->tabButton(0);
    EXPECT_GE(tab->height(), 7 + 7 + 12);  // 7 points above and below a caption line
    EXPECT_GE(tab->parentWidget()->height(), tab->height() + 12);
    const QImage image = tab->grab().toImage();
    const QColor corner = image.pixelColor(0, 0);
    const QColor inside = image.pixelColor(4, tab->height() / 2);
    EXPECT_GT(inside.blue() - inside.red(), 20);
    EXPECT_LT(corner.blue() - corner.red(), inside.blue() - inside.red() - 10);
}

TEST_F(RenderedColorsTest, RefreshAndFirmwareLinkAreBlueAndNothingScrolls) {
    manager.batteryLevel = 0.5f;
    manager.batteryLastUpdated = sim.scheduler.now();
    auto view = shownAdvanced();
    view->setTab(1);
    settle();
    auto* tab = static_cast<ControllerInfoTab*>(view->content());
    EXPECT_GT(pixelsNear(tab->refreshButton(), colors::blue(), 50), 8);
    EXPECT_GT(pixelsNear(tab->updateButton(), colors::blue(), 50), 8);
    // The cards fit: no scroll bar, no gutter.
    auto* scroll = tab->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
}

// The arrow moves only by whole device pixels, so it needs a frame only when it does.
TEST(BobMotion, StepsOnlyWhenTheArrowMovesAPixel) {
    struct Case {
        double ratio;
        std::size_t moves;  // per 1.4 s cycle
    };
    for (Case c : {Case{1, 6}, Case{2, 12}}) {
        BobMotion motion(c.ratio);
        EXPECT_EQ(motion.steps().size(), 1 + c.moves) << c.ratio;
        EXPECT_EQ(motion.offsetAt(0), 0.0);
        EXPECT_EQ(motion.offsetAt(700), -3.0);
        EXPECT_EQ(motion.offsetAt(1400 + 700), -3.0);  // forever
        for (const auto& step : motion.steps()) {
            EXPECT_GE(step.offset, -3.0);
            EXPECT_LE(step.offset, 0.0);
            EXPECT_EQ(step.offset * c.ratio, std::round(step.offset * c.ratio));
        }
        // Waiting the time to the next step lands on a new position.
        for (long long t : {0LL, 123LL, 699LL, 1399LL}) {
            const int wait = motion.msToNextStep(t);
            EXPECT_GT(wait, 0);
            EXPECT_NE(motion.offsetAt(t + wait), motion.offsetAt(t + wait - 1)) << t;
        }
    }
}

}  // namespace
}  // namespace joyvane::ui
