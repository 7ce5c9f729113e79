#include <QLabel>

#include "panel_fixture.h"
#include "ui/main_panel/uinput_banner.h"

namespace joyvane::ui::test {
namespace {

// The panel built as the program builds it on a Wayland session without a usable /dev/uinput.
std::unique_ptr<ContentView> panelWith(PanelContext& context, UinputProblem problem) {
    PanelActions actions;
    actions.uinputProblem = problem;
    return std::make_unique<ContentView>(context, actions);
}

class UinputBannerTest : public PanelTest {};

TEST_F(UinputBannerTest, NamesWhatIsMissingAndTheCommandThatFixesIt) {
    startPanel();
    EXPECT_EQ(view->uinputBanner(), nullptr) << "shown where input can be posted";
    struct Case {
        UinputProblem problem;
        const char* command;
        const char* hebrewWord;
    };
    for (const Case& c : {Case{UinputProblem::missing, "sudo modprobe uinput", "uinput"},
                          Case{UinputProblem::notWritable, "udevadm trigger", "udev"}}) {
        auto panel = panelWith(*context, c.problem);
        ASSERT_NE(panel->uinputBanner(), nullptr);
        EXPECT_TRUE(panel->uinputBanner()->command()->text().contains(c.command));
        EXPECT_TRUE(panel->uinputBanner()->explanation()->text().contains("/dev/uinput"));
        const QString english = panel->uinputBanner()->explanation()->text();
        sim.languages.setLanguages({"he"});
        panel->refresh();
        const QString hebrew = panel->uinputBanner()->explanation()->text();
        EXPECT_NE(hebrew, english);
        EXPECT_TRUE(hebrew.contains(c.hebrewWord)) << "the Hebrew text names the same fix";
        EXPECT_TRUE(panel->uinputBanner()->command()->text().contains(c.command))
            << "the command is the same in every language";
        sim.languages.setLanguages({"en-US"});
    }
}

}  // namespace
}  // namespace joyvane::ui::test
