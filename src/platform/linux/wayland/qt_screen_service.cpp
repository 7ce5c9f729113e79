#include "platform/linux/wayland/qt_screen_service.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace joyvane::wayland {

namespace {

x11::Monitor monitorOf(const QRect& rect, bool primary) {
    return {rect.x(), rect.y(), rect.width(), rect.height(), primary};
}

}  // namespace

x11::ScreenLayout QtScreenService::layout() const {
    std::vector<x11::Monitor> monitors;
    std::optional<x11::Monitor> workArea;
    QScreen* primary = QGuiApplication::primaryScreen();
    for (QScreen* screen : QGuiApplication::screens()) {
        monitors.push_back(monitorOf(screen->geometry(), screen == primary));
    }
    if (primary) {
        workArea = monitorOf(primary->availableGeometry(), false);
    }
    return x11::ScreenLayout(std::move(monitors), workArea);
}

Point QtScreenService::pointer(const x11::ScreenLayout& layout) const {
    if (pointer_) {
        return *pointer_;
    }
    if (layout.monitors().empty()) {
        return {};
    }
    const x11::Monitor& primary = layout.monitors().front();
    return {primary.width / 2.0, primary.height / 2.0};
}

Point QtScreenService::mouseLocation() const {
    x11::ScreenLayout current = layout();
    Point root = current.rootFromGlobal(pointer(current));
    return current.serviceFromRoot(root.x, root.y);
}

std::optional<Screen> QtScreenService::mainScreen() const {
    x11::ScreenLayout current = layout();
    Point root = current.rootFromGlobal(pointer(current));
    return current.screenAt(root.x, root.y);
}

PointerArea QtScreenService::pointerArea() const {
    x11::ScreenLayout current = layout();
    if (current.monitors().empty()) {
        return {};
    }
    int left = current.monitors().front().x;
    int top = current.monitors().front().y;
    int right = left;
    int bottom = top;
    for (const x11::Monitor& m : current.monitors()) {
        left = std::min(left, m.x);
        top = std::min(top, m.y);
        right = std::max(right, m.x + m.width);
        bottom = std::max(bottom, m.y + m.height);
    }
    Point origin = current.globalFromRoot(left, top);
    return {origin.x, origin.y, right - left, bottom - top};
}

}  // namespace joyvane::wayland
