#pragma once

#include <utility>

#include "core/signal.h"

namespace joyvane {

// An object whose published values announce every assignment through one shared signal, so a
// view can redraw on any change without subscribing to each value.
class ObservableObject {
public:
    ObservableObject() = default;
    ObservableObject(const ObservableObject&) = delete;
    ObservableObject& operator=(const ObservableObject&) = delete;

    // Emitted before every assignment to any published value of the object.
    Signal<> objectWillChange;
};

// A value whose observers are told before every assignment, whether or not the value changes.
// Observers receive the new value; reading the Published itself still gives the old one.
// Hot paths therefore assign only when the value differs.
template <typename T>
class Published {
public:
    explicit Published(T initial = T{}) : value_(std::move(initial)) {}
    Published(ObservableObject* owner, T initial) : owner_(owner), value_(std::move(initial)) {}
    Published(const Published&) = delete;
    Published& operator=(const Published&) = delete;

    const T& get() const { return value_; }
    operator const T&() const { return value_; }  // NOLINT: reads like the plain value
    const T* operator->() const { return &value_; }

    void set(T value) {
        if (owner_) {
            owner_->objectWillChange.emit();
        }
        willChange.emit(value);
        value_ = std::move(value);
    }
    Published& operator=(T value) {
        set(std::move(value));
        return *this;
    }

    // Emitted before each assignment with the value about to be stored.
    Signal<const T&> willChange;

private:
    ObservableObject* owner_ = nullptr;
    T value_;
};

}  // namespace joyvane
