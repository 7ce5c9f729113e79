#include "platform/linux/x11/x11_screen_service.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cmath>

namespace joyvane::x11 {

namespace {

std::vector<unsigned long> cardinals(Display* display, Window root, const char* name) {
    Atom property = XInternAtom(display, name, True);
    if (property == None) {
        return {};
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, root, property, 0, 1024, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) != Success ||
        data == nullptr) {
        return {};
    }
    std::vector<unsigned long> values;
    if (format == 32) {
        auto* longs = reinterpret_cast<unsigned long*>(data);  // 32-bit items arrive as longs
        values.assign(longs, longs + count);
    }
    XFree(data);
    return values;
}

std::optional<Monitor> workArea(Display* display, Window root) {
    auto areas = cardinals(display, root, "_NET_WORKAREA");
    auto current = cardinals(display, root, "_NET_CURRENT_DESKTOP");
    std::size_t desktop = current.empty() ? 0 : current[0];
    if (areas.size() < (desktop + 1) * 4) {
        desktop = 0;
    }
    if (areas.size() < 4) {
        return std::nullopt;
    }
    const unsigned long* a = &areas[desktop * 4];
    return Monitor{static_cast<int>(a[0]), static_cast<int>(a[1]), static_cast<int>(a[2]),
                   static_cast<int>(a[3]), false};
}

std::vector<Monitor> monitors(const X11Connection& connection, Display* display) {
    std::vector<Monitor> result;
    if (connection.hasRandr()) {
        int count = 0;
        if (XRRMonitorInfo* info = XRRGetMonitors(display, connection.root(), True, &count)) {
            for (int i = 0; i < count; ++i) {
                result.push_back(
                    {info[i].x, info[i].y, info[i].width, info[i].height, info[i].primary != 0});
            }
            XRRFreeMonitors(info);
        }
    }
    if (result.empty()) {
        int screen = DefaultScreen(display);
        result.push_back(
            {0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen), true});
    }
    return result;
}

}  // namespace

X11ScreenService::X11ScreenService(std::shared_ptr<X11Connection> connection)
    : connection_(std::move(connection)) {}

const ScreenLayout& X11ScreenService::layout() const {
    auto now = std::chrono::steady_clock::now();
    if (!read_ || now - readAt_ >= std::chrono::seconds(1)) {
        refresh();
    }
    return layout_;
}

void X11ScreenService::refresh() const {
    Display* display = connection_->display();
    readAt_ = std::chrono::steady_clock::now();
    if (display == nullptr) {
        return;  // keep what was last known
    }
    read_ = true;
    layout_ = ScreenLayout(monitors(*connection_, display), workArea(display, connection_->root()));
}

std::optional<Point> X11ScreenService::pointerRoot() const {
    Display* display = connection_->display();
    if (display == nullptr) {
        return std::nullopt;
    }
    Window rootReturn = None;
    Window child = None;
    int rootX = 0;
    int rootY = 0;
    int winX = 0;
    int winY = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(display, connection_->root(), &rootReturn, &child, &rootX, &rootY, &winX,
                       &winY, &mask)) {
        return std::nullopt;  // on another screen of the display
    }
    return Point{static_cast<double>(rootX), static_cast<double>(rootY)};
}

Point X11ScreenService::mouseLocation() const {
    if (auto pointer = pointerRoot()) {
        lastPointer_ = *pointer;
        if (warped_ && std::floor(warped_->x) == pointer->x &&
            std::floor(warped_->y) == pointer->y) {
            lastPointer_ = *warped_;
        }
    }
    return layout().serviceFromRoot(lastPointer_.x, lastPointer_.y);
}

std::optional<Screen> X11ScreenService::mainScreen() const {
    auto pointer = pointerRoot().value_or(lastPointer_);
    return layout().screenAt(pointer.x, pointer.y);
}

}  // namespace joyvane::x11
