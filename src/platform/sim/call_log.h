#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "core/scheduler.h"
#include "platform/event_poster.h"

namespace joyvane::sim {

// Every call the domain made to the sim platform, in order, with the virtual time it was made.
struct WarpCall {
    Point position;
    friend bool operator==(const WarpCall&, const WarpCall&) = default;
};
enum class PanelAction { build, front, out };
struct PanelCall {
    PanelAction action;
    friend bool operator==(const PanelCall&, const PanelCall&) = default;
};
struct OpenURLCall {
    std::string url;
    friend bool operator==(const OpenURLCall&, const OpenURLCall&) = default;
};
struct LaunchAtLoginCall {
    bool enabled;
    friend bool operator==(const LaunchAtLoginCall&, const LaunchAtLoginCall&) = default;
};
struct RevealCall {
    std::string path;
    friend bool operator==(const RevealCall&, const RevealCall&) = default;
};
struct PromptCall {
    friend bool operator==(const PromptCall&, const PromptCall&) = default;
};

using Call = std::variant<WarpCall, MouseEvent, ScrollEvent, KeyEvent, PanelCall, OpenURLCall,
                          LaunchAtLoginCall, RevealCall, PromptCall>;

struct LoggedCall {
    Time time;
    Call call;
};

class CallLog {
public:
    explicit CallLog(const Scheduler& clock) : clock_(clock) {}

    void record(Call call) {
        entries_.push_back({clock_.now(), std::move(call)});
        if (onRecord) {
            onRecord(entries_.back());
        }
    }
    const std::vector<LoggedCall>& entries() const { return entries_; }
    void clear() { entries_.clear(); }

    // All calls of one kind, in order.
    template <typename T>
    std::vector<T> all() const {
        std::vector<T> out;
        for (const auto& e : entries_) {
            if (const T* t = std::get_if<T>(&e.call)) {
                out.push_back(*t);
            }
        }
        return out;
    }

    // Called after each record, for a live printer.
    std::function<void(const LoggedCall&)> onRecord;

private:
    const Scheduler& clock_;
    std::vector<LoggedCall> entries_;
};

}  // namespace joyvane::sim
