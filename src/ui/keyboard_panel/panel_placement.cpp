#include "ui/keyboard_panel/panel_placement.h"

#include "ui/keyboard_panel/keyboard_metrics.h"

namespace joyvane::ui {

namespace km = keyboard_metrics;

std::optional<Rect> keyboardPanelContentRect(const ScreenService& screens) {
    std::optional<Screen> screen = screens.mainScreen();
    if (!screen) {
        auto all = screens.screens();
        if (all.empty()) {
            return std::nullopt;
        }
        screen = all.front();
    }
    const Rect& visible = screen->visibleFrame;
    double middleX = visible.x + visible.width / 2.0;
    return Rect{middleX - km::kPanelWidth / 2.0, visible.minY() + km::kPanelBottomMargin,
                static_cast<double>(km::kPanelWidth), static_cast<double>(km::kPanelHeight)};
}

Rect toGlobalDisplay(const Rect& rect, const ScreenService& screens) {
    auto all = screens.screens();
    double primaryHeight = all.empty() ? 0.0 : all.front().frame.height;
    return Rect{rect.x, primaryHeight - rect.maxY(), rect.width, rect.height};
}

}  // namespace joyvane::ui
