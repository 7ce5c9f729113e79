#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <algorithm>
#include <string>

#include "mapping/button_action.h"
#include "mapping/button_id.h"
#include "ui/controls/battery_format.h"
#include "ui/controls/symbols.h"

namespace joyvane::ui {
namespace {

TEST(BatteryBadge, SymbolToneAndPercentFollowLevelAndState) {
    const struct {
        float level;
        std::optional<BatteryState> state;
        const char* symbol;
        BatteryTone tone;
        const char* percent;
    } cases[] = {
        {0.05f, BatteryState::charging, "battery.0", BatteryTone::green, "5%"},
        {0.0999f, BatteryState::discharging, "battery.0", BatteryTone::red, "9%"},
        {0.2f, std::nullopt, "battery.25", BatteryTone::red, "20%"},
        {0.21f, BatteryState::unknown, "battery.25", BatteryTone::primary, "21%"},
        {0.29f, BatteryState::discharging, "battery.25", BatteryTone::primary, "29%"},
        {0.375f, BatteryState::charging, "battery.50.bolt", BatteryTone::green, "37%"},
        {0.625f, BatteryState::discharging, "battery.75", BatteryTone::primary, "62%"},
        {0.874f, BatteryState::charging, "battery.75.bolt", BatteryTone::green, "87%"},
        {0.875f, BatteryState::discharging, "battery.100", BatteryTone::primary, "87%"},
        {0.999f, BatteryState::discharging, "battery.100", BatteryTone::primary, "99%"},
        // Full is green but shows no bolt: only charging does.
        {1.0f, BatteryState::full, "battery.100", BatteryTone::green, "100%"},
        {0.15f, BatteryState::full, "battery.25", BatteryTone::green, "15%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level);
        EXPECT_EQ(batterySymbolName(c.level, c.state), c.symbol);
        EXPECT_EQ(batteryTone(c.level, c.state), c.tone);
        EXPECT_EQ(batteryPercentText(c.level), c.percent);
    }
}

int inkedPixels(const std::string& name) {
    const QImage alpha =
        symbolPixmap(name, 24, Qt::black).toImage().convertToFormat(QImage::Format_Alpha8);
    return std::count_if(alpha.constBits(), alpha.constBits() + alpha.sizeInBytes(),
                         [](uchar a) { return a > 40; });
}

// Every symbol draws something, from the installed theme where it names a theme icon; the
// buttons' and actions' symbols all exist, and an unknown name draws a stand-in.
TEST(SymbolTable, EverySymbolDrawsAndEveryButtonAndActionHasOne) {
    const bool theme = QDir(QStringLiteral("/usr/share/icons/Adwaita")).exists();
    for (const SymbolEntry& entry : symbolTable()) {
        EXPECT_GT(inkedPixels(std::string(entry.name)), 12) << entry.name;
        EXPECT_TRUE(!theme || !*entry.themeIcon || symbolFromTheme(entry.name)) << entry.themeIcon;
    }
    for (ButtonID id : allButtonIDs) {
        EXPECT_NE(findSymbol(icon(id)), nullptr) << icon(id);
    }
    for (ButtonAction action : allButtonActions) {
        EXPECT_NE(findSymbol(icon(action)), nullptr) << icon(action);
    }
    EXPECT_EQ(findSymbol("no.such.symbol"), nullptr);
    EXPECT_GT(inkedPixels("no.such.symbol"), 5);
}

}  // namespace
}  // namespace joyvane::ui
