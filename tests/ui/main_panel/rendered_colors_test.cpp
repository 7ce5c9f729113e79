#include <QLabel>
#include <QPushButton>

#include "../pixel_probe.h"
#include "panel_fixture.h"
#include "ui/controls/style.h"
#include "ui/controls/symbol_button.h"
#include "ui/main_panel/accessibility_banner.h"

namespace joyvane::ui {
namespace {

using test::pixelsNear;

class PanelColorsTest : public test::PanelTest {};

// Colours set on labels inside styled buttons reach the screen: the banner's button reads white
// on blue, and after the request the link reads blue, in both languages.
TEST_F(PanelColorsTest, GrantAccessIsWhiteOnBlueAndTheLinkIsBlue) {
    for (const char* language : {"en", "he"}) {
        SCOPED_TRACE(language);
        sim.languages.setLanguages({language});
        sim.accessibility.setTrusted(false);
        startPanel();
        view->show();
        settle();
        QLabel* caption = view->banner()->grantButton()->caption();
        EXPECT_GT(pixelsNear(caption, Qt::white, 30), 15);
        EXPECT_GT(pixelsNear(view->banner()->grantButton(), colors::blue(), 10), 200);
        view->banner()->grantButton()->click();
        settle();
        EXPECT_GT(pixelsNear(view->banner()->revealButton(), colors::blue(), 50), 8);
        view.reset();
        manager.reset();
    }
}

}  // namespace
}  // namespace joyvane::ui
