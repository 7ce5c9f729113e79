#include "platform/linux/x11/screen_layout.h"

#include <algorithm>

namespace joyvane::x11 {

namespace {

std::optional<Monitor> intersection(const Monitor& a, const Monitor& b) {
    int left = std::max(a.x, b.x);
    int top = std::max(a.y, b.y);
    int right = std::min(a.x + a.width, b.x + b.width);
    int bottom = std::min(a.y + a.height, b.y + b.height);
    if (right <= left || bottom <= top) {
        return std::nullopt;
    }
    return Monitor{left, top, right - left, bottom - top, false};
}

}  // namespace

ScreenLayout::ScreenLayout(std::vector<Monitor> monitors, std::optional<Monitor> workArea)
    : workArea_(workArea) {
    std::erase_if(monitors, [](const Monitor& m) { return m.width <= 0 || m.height <= 0; });
    auto primary =
        std::find_if(monitors.begin(), monitors.end(), [](const Monitor& m) { return m.primary; });
    if (primary != monitors.end()) {
        std::rotate(monitors.begin(), primary, primary + 1);
    }
    monitors_ = std::move(monitors);
    if (!monitors_.empty()) {
        primary_ = monitors_.front();
    }
}

Rect ScreenLayout::serviceRect(const Monitor& area) const {
    double bottom = static_cast<double>(area.y) + area.height;
    return {static_cast<double>(area.x - primary_.x),
            static_cast<double>(primary_.y + primary_.height) - bottom,
            static_cast<double>(area.width), static_cast<double>(area.height)};
}

std::vector<Screen> ScreenLayout::screens() const {
    std::vector<Screen> result;
    for (const Monitor& m : monitors_) {
        Screen screen;
        screen.frame = serviceRect(m);
        auto visible = workArea_ ? intersection(m, *workArea_) : std::optional<Monitor>(m);
        screen.visibleFrame = serviceRect(visible.value_or(m));
        result.push_back(screen);
    }
    return result;
}

std::optional<Screen> ScreenLayout::screenAt(double rootX, double rootY) const {
    std::vector<Screen> all = screens();
    if (all.empty()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < monitors_.size(); ++i) {
        const Monitor& m = monitors_[i];
        if (rootX >= m.x && rootX < m.x + m.width && rootY >= m.y && rootY < m.y + m.height) {
            return all[i];
        }
    }
    return all.front();
}

Point ScreenLayout::serviceFromRoot(double rootX, double rootY) const {
    return {rootX - primary_.x, static_cast<double>(primary_.y + primary_.height) - rootY};
}

Point ScreenLayout::rootFromGlobal(Point global) const {
    return {global.x + primary_.x, global.y + primary_.y};
}

Point ScreenLayout::globalFromRoot(double rootX, double rootY) const {
    return {rootX - primary_.x, rootY - primary_.y};
}

}  // namespace joyvane::x11
