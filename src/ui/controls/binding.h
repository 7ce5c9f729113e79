#pragma once

#include <functional>
#include <utility>

namespace joyvane::ui {

// A two-way connection to a value held elsewhere: the control reads through `get` when it
// refreshes and writes through `set` when the user changes it.
template <typename T>
struct Binding {
    std::function<T()> get;
    std::function<void(T)> set;
};

// A binding to a published value of an observable object (assignment notifies observers).
template <typename T, typename PublishedT>
Binding<T> bindPublished(PublishedT& published) {
    return {[&published] { return published.get(); },
            [&published](T v) { published = std::move(v); }};
}

}  // namespace joyvane::ui
