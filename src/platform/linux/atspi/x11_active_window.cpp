#include "platform/linux/atspi/x11_active_window.h"

#include <glib-unix.h>
#include <glib.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace joyvane::atspi {

namespace {

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The first 32-bit value of a window property, when it has one of that type.
std::optional<uint32_t> cardinalProperty(xcb_connection_t* connection, xcb_window_t window,
                                         xcb_atom_t property, xcb_atom_t type) {
    auto cookie = xcb_get_property(connection, 0, window, property, type, 0, 1);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    std::optional<uint32_t> value;
    if (reply && reply->type == type && reply->format == 32 &&
        xcb_get_property_value_length(reply) >= 4) {
        value = *static_cast<uint32_t*>(xcb_get_property_value(reply));
    }
    std::free(reply);
    return value;
}

// WM_CLASS holds "instance\0class\0"; the class names the application.
std::optional<std::string> windowClass(xcb_connection_t* connection, xcb_window_t window) {
    auto cookie =
        xcb_get_property(connection, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 64);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    std::optional<std::string> name;
    if (reply && reply->format == 8) {
        const char* data = static_cast<const char*>(xcb_get_property_value(reply));
        std::string text(data, static_cast<std::size_t>(xcb_get_property_value_length(reply)));
        auto split = text.find('\0');
        if (split != std::string::npos && split + 1 < text.size()) {
            name = std::string(text.c_str() + split + 1);
        }
    }
    std::free(reply);
    return name;
}

gboolean onReadable(gint, GIOCondition, gpointer self) {
    return static_cast<X11ActiveWindow*>(self)->handleReadable() ? G_SOURCE_CONTINUE
                                                                 : G_SOURCE_REMOVE;
}

}  // namespace

bool X11ActiveWindow::start(GMainContext* context, Listener listener, std::function<void()> lost) {
    if (!std::getenv("DISPLAY")) {
        return false;
    }
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_)) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
        return false;
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    root_ = screens.data->root;
    activeAtom_ = internAtom(connection_, "_NET_ACTIVE_WINDOW");
    pidAtom_ = internAtom(connection_, "_NET_WM_PID");
    uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
    listener_ = std::move(listener);
    lost_ = std::move(lost);

    source_ = g_unix_fd_source_new(xcb_get_file_descriptor(connection_), G_IO_IN);
    g_source_set_callback(source_,
                          reinterpret_cast<GSourceFunc>(reinterpret_cast<void (*)()>(&onReadable)),
                          this, nullptr);
    g_source_attach(source_, context);
    report();
    readEvents();
    return true;
}

void X11ActiveWindow::stop() {
    if (source_) {
        g_source_destroy(source_);
        g_source_unref(source_);
        source_ = nullptr;
    }
    if (connection_) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
    }
}

bool X11ActiveWindow::handleReadable() {
    if (xcb_connection_has_error(connection_)) {
        lost_();
        return false;
    }
    readEvents();
    return true;
}

// Reading properties queues events behind the replies, so the queue is drained until no change
// of the active window is left.
void X11ActiveWindow::readEvents() {
    bool changed = true;
    for (bool first = true; changed; first = false) {
        changed = false;
        while (xcb_generic_event_t* event = first ? xcb_poll_for_event(connection_)
                                                  : xcb_poll_for_queued_event(connection_)) {
            if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
                changed = changed || notify->atom == activeAtom_;
            }
            std::free(event);
        }
        if (changed) {
            report();
        }
    }
}

void X11ActiveWindow::report() {
    auto window = cardinalProperty(connection_, root_, activeAtom_, XCB_ATOM_WINDOW);
    if (!window || *window == XCB_WINDOW_NONE) {
        listener_(std::nullopt);
        return;
    }
    ActiveWindow active;
    if (auto pid = cardinalProperty(connection_, *window, pidAtom_, XCB_ATOM_CARDINAL)) {
        active.processId = static_cast<int>(*pid);
    }
    active.wmClass = windowClass(connection_, *window);
    listener_(active);
}

}  // namespace joyvane::atspi
