#include "platform/linux/atspi/focus_listener.h"

#include <atspi/atspi.h>
#include <gio/gio.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <memory>
#include <string>

#include "platform/linux/atspi/role_mapping.h"

namespace joyvane::atspi {

namespace {

constexpr int kChildrenReported = 30;
// Elements visited at most when looking for the focused one.
constexpr int kDiscoveryBudget = 400;
// A newly started application may take longer for its first answers.
constexpr int kStartupTimeoutMs = 1000;

constexpr const char* kFocusEvent = "object:state-changed:focused";
constexpr const char* kActivateEvent = "window:activate";

struct ErrorSlot {
    GError* error = nullptr;
    ~ErrorSlot() { g_clear_error(&error); }
    bool failed() const { return error != nullptr; }
};

struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using Ref = std::unique_ptr<T, Unref>;

// Role and states of one element; nothing when its application does not answer.
std::optional<ElementTraits> traitsOf(AtspiAccessible* element) {
    ErrorSlot slot;
    AtspiRole role = atspi_accessible_get_role(element, &slot.error);
    if (slot.failed()) {
        return std::nullopt;
    }
    Ref<AtspiStateSet> states(atspi_accessible_get_state_set(element));
    ElementTraits traits;
    traits.role = role;
    if (states) {
        traits.editable = atspi_state_set_contains(states.get(), ATSPI_STATE_EDITABLE);
        traits.multiLine = atspi_state_set_contains(states.get(), ATSPI_STATE_MULTI_LINE);
        traits.readOnly = atspi_state_set_contains(states.get(), ATSPI_STATE_READ_ONLY);
    }
    return traits;
}

FocusedElement describe(AtspiAccessible* element) {
    FocusedElement out;
    auto traits = traitsOf(element);
    if (!traits) {
        return out;  // role unreadable: not a text field
    }
    out.role = axRoleName(*traits);
    if (!isContainerRole(traits->role)) {
        return out;
    }
    ErrorSlot slot;
    int count = std::min(atspi_accessible_get_child_count(element, &slot.error), kChildrenReported);
    for (int i = 0; !slot.failed() && i < count; ++i) {
        Ref<AtspiAccessible> child(atspi_accessible_get_child_at_index(element, i, &slot.error));
        if (!child) {
            break;
        }
        auto childTraits = traitsOf(child.get());
        if (!childTraits) {
            break;
        }
        out.childRoles.push_back(axRoleName(*childTraits));
    }
    return out;
}

std::string keyOf(AtspiAccessible* element) {
    auto* object = ATSPI_OBJECT(element);
    std::string key = object->app && object->app->bus_name ? object->app->bus_name : "";
    return key + ":" + (object->path ? object->path : "");
}

std::optional<std::string> applicationName(AtspiAccessible* element) {
    ErrorSlot slot;
    Ref<AtspiAccessible> app(atspi_accessible_get_application(element, &slot.error));
    if (!app) {
        return std::nullopt;
    }
    gchar* name = atspi_accessible_get_name(app.get(), &slot.error);
    if (!name) {
        return std::nullopt;
    }
    std::string text = name;
    g_free(name);
    return text;
}

bool hasState(AtspiAccessible* element, AtspiStateType state) {
    Ref<AtspiStateSet> states(atspi_accessible_get_state_set(element));
    return states && atspi_state_set_contains(states.get(), state);
}

std::vector<Ref<AtspiAccessible>> childrenOf(AtspiAccessible* element) {
    std::vector<Ref<AtspiAccessible>> children;
    ErrorSlot slot;
    int count = atspi_accessible_get_child_count(element, &slot.error);
    for (int i = 0; !slot.failed() && i < count; ++i) {
        if (auto* child = atspi_accessible_get_child_at_index(element, i, &slot.error)) {
            children.emplace_back(child);
        }
    }
    return children;
}

// The focused element below an application, searching its active windows breadth first and
// descending only into shown elements.
Ref<AtspiAccessible> findFocused(AtspiAccessible* application) {
    std::deque<Ref<AtspiAccessible>> queue;
    auto windows = childrenOf(application);
    for (auto& window : windows) {
        if (hasState(window.get(), ATSPI_STATE_ACTIVE)) {
            queue.push_back(std::move(window));
        }
    }
    for (int visited = 0; !queue.empty() && visited < kDiscoveryBudget; ++visited) {
        Ref<AtspiAccessible> element = std::move(queue.front());
        queue.pop_front();
        Ref<AtspiStateSet> states(atspi_accessible_get_state_set(element.get()));
        if (!states) {
            continue;
        }
        if (atspi_state_set_contains(states.get(), ATSPI_STATE_FOCUSED)) {
            return element;
        }
        if (atspi_state_set_contains(states.get(), ATSPI_STATE_SHOWING)) {
            for (auto& child : childrenOf(element.get())) {
                queue.push_back(std::move(child));
            }
        }
    }
    return nullptr;
}

bool a11yBusAnswers() {
    GDBusConnection* session = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (!session) {
        return false;
    }
    GVariant* reply = g_dbus_connection_call_sync(
        session, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", nullptr,
        G_VARIANT_TYPE("(s)"), G_DBUS_CALL_FLAGS_NONE, 1000, nullptr, nullptr);
    g_object_unref(session);
    if (!reply) {
        return false;
    }
    g_variant_unref(reply);
    return true;
}

}  // namespace

bool FocusListener::start(GMainContext* context, int callTimeoutMs) {
    // libatspi is process-wide: it is initialised once, and its connection follows the
    // context of whichever listener runs now.
    static bool initialised = false;
    if (!initialised) {
        if (!a11yBusAnswers()) {
            return false;
        }
        int result = atspi_init();
        if (result != 0 && result != 1) {
            return false;
        }
        initialised = true;
    }
    atspi_set_main_context(context);
    atspi_set_timeout(callTimeoutMs, kStartupTimeoutMs);

    listener_ = atspi_event_listener_new(&FocusListener::onEvent, this, nullptr);
    ErrorSlot slot;
    if (!atspi_event_listener_register(listener_, kFocusEvent, &slot.error) ||
        !atspi_event_listener_register(listener_, kActivateEvent, &slot.error)) {
        stop();
        return false;
    }
    return true;
}

void FocusListener::stop() {
    if (!listener_) {
        return;
    }
    atspi_event_listener_deregister(listener_, kFocusEvent, nullptr);
    atspi_event_listener_deregister(listener_, kActivateEvent, nullptr);
    g_object_unref(listener_);
    listener_ = nullptr;
}

void FocusListener::onEvent(AtspiEvent* event, void* self) {
    // The listener owns the event it is handed.
    static_cast<FocusListener*>(self)->handle(*event);
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

FocusListener::Application* FocusListener::applicationOf(AtspiAccessible* element, bool withName) {
    auto* object = ATSPI_OBJECT(element);
    if (!object->app || !object->app->bus_name) {
        return nullptr;
    }
    Application& app = applications_[object->app->bus_name];
    if (app.processId <= 0) {  // asked of the bus, which always answers; asked again if it failed
        ErrorSlot slot;
        app.processId = static_cast<int>(atspi_accessible_get_process_id(element, &slot.error));
    }
    if (app.processId <= 0) {
        return nullptr;
    }
    if (withName && !app.nameAsked) {
        app.nameAsked = true;
        app.name = applicationName(element);
    }
    return &app;
}

void FocusListener::discover(int processId) {
    if (!listener_ || cache_.hasReported(processId)) {
        return;
    }
    Ref<AtspiAccessible> desktop(atspi_get_desktop(0));
    if (!desktop) {
        return;
    }
    for (auto& application : childrenOf(desktop.get())) {
        auto* app = applicationOf(application.get(), false);
        if (!app || app->processId != processId) {
            continue;
        }
        app = applicationOf(application.get(), true);
        if (auto focused = findFocused(application.get())) {
            cache_.focusGained(processId, app->name, keyOf(focused.get()), describe(focused.get()));
        }
        return;
    }
}

void FocusListener::handle(const AtspiEvent& event) {
    if (!event.source || !event.type) {
        return;
    }
    auto* app = applicationOf(event.source, true);
    if (!app) {
        return;
    }
    if (std::strcmp(event.type, kActivateEvent) == 0) {
        cache_.applicationActivated(app->processId, app->name);
    } else if (event.detail1 == 1) {
        cache_.focusGained(app->processId, app->name, keyOf(event.source), describe(event.source));
    } else {
        cache_.focusLost(app->processId, keyOf(event.source));
    }
}

}  // namespace joyvane::atspi
