#include "ui/windows/obscured_watch.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>

namespace joyvane::ui {

namespace {
xcb_connection_t* x11Connection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return nullptr;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
}  // namespace

ObscuredWatch::ObscuredWatch(std::function<void()> changed, QObject* parent)
    : QObject(parent), changed_(std::move(changed)) {}

ObscuredWatch::~ObscuredWatch() {
    if (installed_) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

void ObscuredWatch::watch(QWindow* window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    if (id == window_) {
        return;
    }
    // Add visibility notices to the events this client already takes from the window.
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, id), nullptr);
    if (!attributes) {
        return;
    }
    const uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_VISIBILITY_CHANGE;
    std::free(attributes);
    xcb_change_window_attributes(connection, id, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    window_ = id;
    obscured_ = false;
    if (!installed_) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        installed_ = true;
    }
}

bool ObscuredWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (window_ == 0 || eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_VISIBILITY_NOTIFY) {
        return false;
    }
    const auto* notice = static_cast<const xcb_visibility_notify_event_t*>(message);
    if (notice->window != window_) {
        return false;
    }
    const bool obscured = notice->state == XCB_VISIBILITY_FULLY_OBSCURED;
    if (obscured != obscured_) {
        obscured_ = obscured;
        if (changed_) {
            changed_();
        }
    }
    return false;
}

}  // namespace joyvane::ui
