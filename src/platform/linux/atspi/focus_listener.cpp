#include "platform/linux/atspi/focus_listener.h"

#include <atspi/atspi.h>
#include <dbus/dbus.h>
#include <gio/gio.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <deque>
#include <memory>
#include <string>

#include "platform/linux/atspi/role_mapping.h"

namespace joyvane::atspi {

namespace {

constexpr int kChildrenReported = 30;
// Bounds of one look for the focused element, whatever the application claims to hold:
// elements visited, children read of one element, calls made in all, and time taken.
constexpr int kDiscoveryBudget = 400;
constexpr int kChildrenPerElement = 200;
constexpr int kCallsPerSearch = 2000;
constexpr auto kSearchTime = std::chrono::milliseconds(1000);
// A newly started application may take longer for its first answers.
constexpr int kStartupTimeoutMs = 1000;

constexpr const char* kFocusEvent = "object:state-changed:focused";
constexpr const char* kActivateEvent = "window:activate";
// Applications leaving the accessibility bus.
constexpr const char* kLeaveRule =
    "type='signal',sender='org.freedesktop.DBus',interface='org.freedesktop.DBus',"
    "member='NameOwnerChanged'";

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

}  // namespace

// What one search may still spend; it ends early when the listener is cancelled.
class FocusListener::Budget {
  public:
    Budget(const std::atomic<bool>& cancelled, int calls, std::chrono::milliseconds time)
        : cancelled_(cancelled),
          calls_(calls),
          deadline_(std::chrono::steady_clock::now() + time) {}
    // Takes one call from the budget; false when none is left.
    bool spend() {
        return !cancelled_ && calls_-- > 0 && std::chrono::steady_clock::now() < deadline_;
    }

  private:
    const std::atomic<bool>& cancelled_;
    int calls_;
    std::chrono::steady_clock::time_point deadline_;
};

namespace {

FocusedElement describe(AtspiAccessible* element, FocusListener::Budget& budget) {
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
    for (int i = 0; !slot.failed() && i < count && budget.spend(); ++i) {
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

// The first children of an element, as many as the budget allows.
std::vector<Ref<AtspiAccessible>> childrenOf(AtspiAccessible* element,
                                             FocusListener::Budget& budget) {
    std::vector<Ref<AtspiAccessible>> children;
    if (!budget.spend()) {
        return children;
    }
    ErrorSlot slot;
    int count =
        std::min(atspi_accessible_get_child_count(element, &slot.error), kChildrenPerElement);
    for (int i = 0; !slot.failed() && i < count && budget.spend(); ++i) {
        if (auto* child = atspi_accessible_get_child_at_index(element, i, &slot.error)) {
            children.emplace_back(child);
        }
    }
    return children;
}

// The focused element below an application, searching its active windows breadth first and
// descending only into shown elements.
Ref<AtspiAccessible> findFocused(AtspiAccessible* application, FocusListener::Budget& budget) {
    std::deque<Ref<AtspiAccessible>> queue;
    auto windows = childrenOf(application, budget);
    for (auto& window : windows) {
        if (budget.spend() && hasState(window.get(), ATSPI_STATE_ACTIVE)) {
            queue.push_back(std::move(window));
        }
    }
    for (int visited = 0; !queue.empty() && visited < kDiscoveryBudget && budget.spend();
         ++visited) {
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
            for (auto& child : childrenOf(element.get(), budget)) {
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

// Tells the listener of every connection that leaves the accessibility bus.
DBusHandlerResult onBusMessage(DBusConnection*, DBusMessage* message, void* self) {
    const char* name = nullptr;
    const char* oldOwner = nullptr;
    const char* newOwner = nullptr;
    if (dbus_message_is_signal(message, DBUS_INTERFACE_DBUS, "NameOwnerChanged") &&
        dbus_message_get_args(message, nullptr, DBUS_TYPE_STRING, &name, DBUS_TYPE_STRING,
                              &oldOwner, DBUS_TYPE_STRING, &newOwner, DBUS_TYPE_INVALID) &&
        name[0] == ':' && newOwner[0] == '\0') {
        static_cast<FocusListener*>(self)->left(name);
    }
    return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
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

    cancelled_ = false;
    listener_ = atspi_event_listener_new(&FocusListener::onEvent, this, nullptr);
    ErrorSlot slot;
    if (!atspi_event_listener_register(listener_, kFocusEvent, &slot.error) ||
        !atspi_event_listener_register(listener_, kActivateEvent, &slot.error)) {
        stop();
        return false;
    }
    if (DBusConnection* bus = atspi_get_a11y_bus()) {
        dbus_bus_add_match(bus, kLeaveRule, nullptr);  // without an error: does not wait
        dbus_connection_add_filter(bus, &onBusMessage, this, nullptr);
        bus_ = bus;
    }
    return true;
}

void FocusListener::left(const std::string& busName) {
    auto it = applications_.find(busName);
    if (it == applications_.end()) {
        return;
    }
    int processId = it->second.processId;
    applications_.erase(it);
    bool stillThere =
        std::any_of(applications_.begin(), applications_.end(),
                    [&](const auto& entry) { return entry.second.processId == processId; });
    if (processId > 0 && !stillThere) {
        cache_.forget(processId);
    }
}

void FocusListener::stop() {
    if (bus_) {
        dbus_connection_remove_filter(bus_, &onBusMessage, this);
        dbus_bus_remove_match(bus_, kLeaveRule, nullptr);
        bus_ = nullptr;
    }
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
    Budget budget(cancelled_, kCallsPerSearch, kSearchTime);
    for (auto& application : childrenOf(desktop.get(), budget)) {
        if (!budget.spend()) {
            return;
        }
        auto* app = applicationOf(application.get(), false);
        if (!app || app->processId != processId) {
            continue;
        }
        app = applicationOf(application.get(), true);
        if (auto focused = findFocused(application.get(), budget)) {
            cache_.focusGained(processId, app->name, keyOf(focused.get()),
                               describe(focused.get(), budget));
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
        Budget budget(cancelled_, kChildrenReported, kSearchTime);
        cache_.focusGained(app->processId, app->name, keyOf(event.source),
                           describe(event.source, budget));
    } else {
        cache_.focusLost(app->processId, keyOf(event.source));
    }
}

}  // namespace joyvane::atspi
