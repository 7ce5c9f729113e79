#pragma once

#include <atomic>
#include <map>
#include <optional>
#include <string>

#include "platform/linux/atspi/focus_cache.h"

typedef struct _AtspiEventListener AtspiEventListener;
typedef struct _AtspiEvent AtspiEvent;
typedef struct _AtspiAccessible AtspiAccessible;
typedef struct _GMainContext GMainContext;
typedef struct DBusConnection DBusConnection;

namespace joyvane::atspi {

// Follows focus and window activation on the accessibility bus with libatspi, on the GLib
// thread whose context start() is given, and writes what it learns into the cache. Each event
// costs a few calls to the application that sent it (role, states, and for containers the roles
// of their first 30 children), each bounded by the call timeout; a call that fails or times out
// leaves the element without a text role. An application that leaves the bus is forgotten, so
// a later process with the same id starts afresh.
class FocusListener {
  public:
    explicit FocusListener(FocusCache& cache) : cache_(cache) {}

    // False when the accessibility bus cannot be reached; start() may be tried again later.
    bool start(GMainContext* context, int callTimeoutMs);
    void stop();
    bool isListening() const { return listener_ != nullptr; }
    // Ends the work under way soon (after the call in flight) and refuses more until the next
    // start(). Callable from any thread.
    void cancel() { cancelled_ = true; }

    // Looks up the focused element of an application that has not reported one, such as an
    // application already focused when the listener started: a search of its shown elements,
    // once per call, bounded in elements, children per element, calls and time.
    void discover(int processId);

    // Forgets the application of the connection `busName`, which has left the bus.
    void left(const std::string& busName);

    class Budget;

  private:
    // What is asked once per application connection: its process and its name.
    struct Application {
        int processId = 0;
        std::optional<std::string> name;
        bool nameAsked = false;
    };

    static void onEvent(AtspiEvent* event, void* self);
    void handle(const AtspiEvent& event);
    // The application of an element; its name is asked only when `withName` (it is the one
    // call here that goes to the application itself rather than the bus).
    Application* applicationOf(AtspiAccessible* element, bool withName);

    FocusCache& cache_;
    std::map<std::string, Application> applications_;  // by bus name, unique per connection
    AtspiEventListener* listener_ = nullptr;
    DBusConnection* bus_ = nullptr;
    std::atomic<bool> cancelled_{false};
};

}  // namespace joyvane::atspi
