#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>

#include "panel_fixture.h"
#include "ui/controls/reading_direction.h"
#include "ui/main_panel/device_access_banner.h"

namespace joyvane::ui::test {
namespace {

const QString kCommand = QStringLiteral(
    "/usr/bin/joyvane --udev-rules | sudo tee /etc/udev/rules.d/70-joyvane.rules >/dev/null && "
    "sudo udevadm control --reload-rules && sudo udevadm trigger");

DeviceAccessNotice twoControllers() {
    return {{{QStringLiteral("DualSense"), QStringLiteral("USB"), QStringLiteral("/dev/hidraw3")},
             {QStringLiteral("DualShock 4"), QStringLiteral("Bluetooth"),
              QStringLiteral("/dev/hidraw5")}},
            kCommand};
}

// The banner in the real panel, in the language the parameter names.
class DeviceAccessBannerTest : public PanelTest, public ::testing::WithParamInterface<const char*> {
  protected:
    DeviceAccessBanner* banner = nullptr;
    int checks = 0;

    void SetUp() override {
        sim.languages.setLanguages({GetParam()});
        startPanel();
        banner = new DeviceAccessBanner([this] { ++checks; });
        addToPanel(*view, banner);
        settle();
    }
    bool hebrew() const { return QString::fromLatin1(GetParam()).startsWith("he"); }
    QString text(const char* english, const char* hebrewText) const {
        return interfaceText(hebrew(), english, hebrewText);
    }
    void shoot(const QString& state) {
        view->show();
        settle();
        const QString dir = QStringLiteral(JOYVANE_SCREENSHOT_DIR);
        ASSERT_TRUE(QDir().mkpath(dir));
        const QString base = dir + QLatin1Char('/') + state + QLatin1Char('-') +
                             QString::fromLatin1(GetParam()).left(2);
        EXPECT_TRUE(view->grab().save(base + QStringLiteral(".png")));
        EXPECT_TRUE(banner->grab().save(base + QStringLiteral("-banner.png")));
    }
};

TEST_P(DeviceAccessBannerTest, HiddenUntilAControllerIsOutOfReach) {
    EXPECT_TRUE(banner->isHidden());
    banner->setNotice(DeviceAccessNotice{{}, kCommand});  // nothing blocked: nothing to say
    EXPECT_TRUE(banner->isHidden());
    banner->setNotice(twoControllers());
    EXPECT_FALSE(banner->isHidden());
    banner->setNotice(std::nullopt);
    EXPECT_TRUE(banner->isHidden());
}

// Each device out of reach on a line of its own; in Hebrew each line ends with a left-to-right
// mark so that the node's brackets stay with it. The command is never translated or mirrored.
TEST_P(DeviceAccessBannerTest, SaysWhatIsMissingAndTheCommandThatFixesIt) {
    banner->setNotice(twoControllers());
    settle();
    EXPECT_EQ(banner->title()->text(), text("Controller Access Needed", "נדרשת גישה לבקר"));
    const QString mark = hebrew() ? QStringLiteral("\u200E") : QString();
    const QString explanation = banner->explanation()->text();
    EXPECT_TRUE(explanation.contains("USB (/dev/hidraw3)" + mark + "\n"));
    EXPECT_TRUE(explanation.endsWith("Bluetooth (/dev/hidraw5)" + mark));
    EXPECT_EQ(banner->command()->text(), kCommand);
    EXPECT_EQ(banner->command()->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(banner->checkAgainButton()->text(), text("Check Again", "בדוק שוב"));
    shoot(QStringLiteral("device-access"));
}

TEST_P(DeviceAccessBannerTest, CheckAgainAndCopy) {
    banner->setNotice(twoControllers());
    banner->checkAgainButton()->click();
    EXPECT_EQ(checks, 1);
    banner->copyButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kCommand);
}

TEST_P(DeviceAccessBannerTest, SitsAboveTheAccessibilityBanner) {
    sim.accessibility.setTrusted(false);
    banner->setNotice(twoControllers());
    view->refresh();
    settle();
    view->show();
    settle();
    auto* top = view->scrollArea()->widget()->layout()->itemAt(0)->widget();
    EXPECT_EQ(top, banner);
    shoot(QStringLiteral("device-and-accessibility"));
}

TEST_P(DeviceAccessBannerTest, FollowsALanguageChange) {
    banner->setNotice(twoControllers());
    sim.languages.setLanguages({hebrew() ? "en-US" : "he-IL"});
    view->refresh();
    settle();
    EXPECT_EQ(banner->title()->text(),
              interfaceText(!hebrew(), "Controller Access Needed", "נדרשת גישה לבקר"));
}

INSTANTIATE_TEST_SUITE_P(Languages, DeviceAccessBannerTest, ::testing::Values("en-US", "he-IL"));

}  // namespace
}  // namespace joyvane::ui::test
