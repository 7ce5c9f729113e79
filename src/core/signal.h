#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace joyvane {

// Keeps an observer connected for as long as it lives; dropping it disconnects.
class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> disconnect) : disconnect_(std::move(disconnect)) {}
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    Subscription(Subscription&& other) noexcept : disconnect_(std::exchange(other.disconnect_, {})) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            disconnect_ = std::exchange(other.disconnect_, {});
        }
        return *this;
    }
    ~Subscription() { reset(); }

    void reset() {
        if (auto d = std::exchange(disconnect_, {})) {
            d();
        }
    }

private:
    std::function<void()> disconnect_;
};

// A list of observers called in the order they connected. Observers may disconnect (or connect
// others) while being called; a signal may be destroyed before its subscriptions.
template <typename... Args>
class Signal {
public:
    using Slot = std::function<void(Args...)>;

    Signal() : slots_(std::make_shared<std::vector<Entry>>()) {}
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    [[nodiscard]] Subscription connect(Slot slot) {
        std::uint64_t id = nextId_++;
        slots_->push_back({id, std::make_shared<Slot>(std::move(slot))});
        std::weak_ptr<std::vector<Entry>> weak = slots_;
        return Subscription([weak, id] {
            if (auto slots = weak.lock()) {
                std::erase_if(*slots, [id](const Entry& e) { return e.id == id; });
            }
        });
    }

    void emit(Args... args) const {
        // Copy: observers may change the list while it is being walked.
        auto snapshot = *slots_;
        for (const auto& entry : snapshot) {
            (*entry.slot)(args...);
        }
    }

    std::size_t observerCount() const { return slots_->size(); }

private:
    struct Entry {
        std::uint64_t id;
        std::shared_ptr<Slot> slot;
    };
    std::shared_ptr<std::vector<Entry>> slots_;
    std::uint64_t nextId_ = 0;
};

}  // namespace joyvane
