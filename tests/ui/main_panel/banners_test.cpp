// The banners of a machine that keeps input from the program: controllers whose hidraw node is
// out of reach, and a Wayland session without a usable /dev/uinput.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollArea>

#include "../ui_fixture.h"
#include "ui/main_panel/device_access_banner.h"
#include "ui/main_panel/uinput_banner.h"

namespace joyvane::ui::test {
namespace {

using BannersTest = UiTest;

const QString kCommand = QStringLiteral("/usr/bin/joyvane --udev-rules | sudo tee x && trigger");

// Each device out of reach on a line of its own; in Hebrew each line ends with a left-to-right
// mark so that the node's brackets stay with it. The command is never translated or mirrored.
TEST_F(BannersTest, DeviceAccessNamesEachControllerAndTheCommandThatFixesIt) {
    startPanel();
    int checks = 0;
    auto* banner = new DeviceAccessBanner([&] { ++checks; });
    addToPanel(*view, banner);
    EXPECT_TRUE(banner->isHidden());
    banner->setNotice(DeviceAccessNotice{{}, kCommand});  // nothing blocked: nothing to say
    EXPECT_TRUE(banner->isHidden());
    const DeviceAccessNotice notice{
        {{"DualSense", "USB", "/dev/hidraw3"}, {"DualShock 4", "Bluetooth", "/dev/hidraw5"}},
        kCommand};
    for (const bool hebrew : {false, true}) {
        sim.languages.setLanguages({hebrew ? "he" : "en"});
        view->refresh();
        banner->setNotice(notice);
        settle();
        const QString mark = hebrew ? QStringLiteral("\u200E") : QString();
        const QString explanation = banner->explanation()->text();
        EXPECT_TRUE(explanation.contains("USB (/dev/hidraw3)" + mark + "\n")) << hebrew;
        EXPECT_TRUE(explanation.endsWith("Bluetooth (/dev/hidraw5)" + mark)) << hebrew;
        EXPECT_EQ(banner->command()->text(), kCommand);
        EXPECT_EQ(banner->command()->layoutDirection(), Qt::LeftToRight);
    }
    EXPECT_EQ(view->scrollArea()->widget()->layout()->itemAt(0)->widget(), banner)
        << "above every other banner";
    banner->checkAgainButton()->click();
    EXPECT_EQ(checks, 1);
    banner->copyButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kCommand);
    banner->setNotice(std::nullopt);
    EXPECT_TRUE(banner->isHidden());
}

TEST_F(BannersTest, UinputNamesWhatIsMissingAndTheCommandThatFixesIt) {
    startPanel();
    EXPECT_EQ(view->uinputBanner(), nullptr) << "shown where input can be posted";
    const struct {
        UinputProblem problem;
        const char* command;
        const char* hebrewWord;
    } cases[] = {{UinputProblem::missing, "sudo modprobe uinput", "uinput"},
                 {UinputProblem::notWritable, "udevadm trigger", "udev"}};
    for (const auto& c : cases) {
        actions.uinputProblem = c.problem;
        for (const char* language : {"en", "he"}) {
            sim.languages.setLanguages({language});
            startPanel();
            UinputBanner* banner = view->uinputBanner();
            ASSERT_NE(banner, nullptr);
            EXPECT_TRUE(banner->command()->text().contains(c.command)) << language;
            EXPECT_TRUE(banner->explanation()->text().contains(language[0] == 'h' ? c.hebrewWord
                                                                                  : "/dev/uinput"));
        }
    }
}

}  // namespace
}  // namespace joyvane::ui::test
