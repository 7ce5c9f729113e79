#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>

#include "keyboard/ps_keyboard_controller.h"
#include "platform/sim/sim_platform.h"
#include "ui/controls/style.h"
#include "ui/keyboard_panel/ps_keyboard_view.h"

namespace joyvane::ui {
namespace {

// The keyboard is a keyboard in every interface language: keys, control row and cursor run left
// to right; only the header follows the reading direction.
struct KeyboardDirectionTest : ::testing::TestWithParam<const char*> {
    sim::SimPlatform sim;
    PSKeyboardController kb{sim.scheduler, sim.poster, sim.accessibility, sim.panels};

    std::unique_ptr<PSKeyboardView> shownView() {
        sim.languages.setLanguages({GetParam()});
        auto view = std::make_unique<PSKeyboardView>(kb, sim.languages);
        view->resize(view->sizeHint());
        view->show();
        QTest::qWait(200);  // lets the cursor's 80 ms highlight finish
        return view;
    }
    static int left(QWidget* w, QWidget* view) { return w->mapTo(view, QPoint()).x(); }
    static int right(QWidget* w, QWidget* view) { return left(w, view) + w->width(); }
};

TEST_P(KeyboardDirectionTest, KeysAndControlRowRunLeftToRightAndLineUp) {
    auto view = shownView();
    QWidget* v = view.get();
    for (int row = 0; row < 4; ++row) {
        EXPECT_LT(left(view->keyCell(row, 0), v), left(view->keyCell(row, 9), v)) << row;
    }
    EXPECT_LT(left(view->controlKey(0), v), left(view->controlKey(2), v));
    EXPECT_EQ(left(view->controlKey(0), v), left(view->keyCell(0, 0), v));
    EXPECT_EQ(right(view->controlKey(2), v), right(view->keyCell(0, 9), v));
    // The header reads in the interface direction: the layout button leads.
    const bool hebrew = std::string(GetParam()) == "he";
    EXPECT_EQ(left(view->layoutButton(), v) > left(view->closeButton(), v), hebrew);
}

TEST_P(KeyboardDirectionTest, CursorOnColumnZeroIsDrawnAtTheLeftEdge) {
    kb.cursorRow = 0;
    kb.cursorCol = 0;
    auto view = shownView();
    const QImage image = view->grab().toImage();
    const QColor blue = colors::blue();
    int blueCount = 0;
    int rightmost = 0;
    // Below the header, whose layout button is blue too.
    const int gridTop = view->keyCell(0, 0)->mapTo(view.get(), QPoint()).y() - 4;
    for (int y = gridTop; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - blue.red()) < 12 && std::abs(c.green() - blue.green()) < 12 &&
                std::abs(c.blue() - blue.blue()) < 12) {
                ++blueCount;
                rightmost = std::max(rightmost, x);
            }
        }
    }
    // Shadow margin 15 + padding 10 + one 50-point key, scaled up by 1.08 about its centre.
    EXPECT_GT(blueCount, 40 * 30);
    EXPECT_LT(rightmost, 15 + 10 + 50 + 3);
}

INSTANTIATE_TEST_SUITE_P(Languages, KeyboardDirectionTest, ::testing::Values("en", "he"));

}  // namespace
}  // namespace joyvane::ui
