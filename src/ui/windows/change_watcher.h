#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

#include "core/published.h"

namespace joyvane::ui {

// Redraws a view after values it shows changed. Published values announce a change before they
// store it, so the view is refreshed on the next turn of the event loop, once per burst of
// changes. Lives as a member of the view it refreshes.
class ChangeWatcher {
  public:
    ChangeWatcher(QObject* context, std::function<void()> refresh)
        : context_(context), refresh_(std::move(refresh)) {}
    ChangeWatcher(const ChangeWatcher&) = delete;
    ChangeWatcher& operator=(const ChangeWatcher&) = delete;

    // Every published value of the object.
    void watch(ObservableObject& object) {
        subscriptions_.push_back(object.objectWillChange.connect([this] { schedule(); }));
    }
    // One published value.
    template <typename T>
    void watch(Published<T>& value) {
        subscriptions_.push_back(value.willChange.connect([this](const T&) { schedule(); }));
    }

    void schedule() {
        if (pending_ || !context_) {
            return;
        }
        pending_ = true;
        QTimer::singleShot(0, context_.data(), [this] {
            pending_ = false;
            refresh_();
        });
    }

  private:
    QPointer<QObject> context_;
    std::function<void()> refresh_;
    bool pending_ = false;
    std::vector<Subscription> subscriptions_;
};

}  // namespace joyvane::ui
