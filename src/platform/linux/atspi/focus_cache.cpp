#include "platform/linux/atspi/focus_cache.h"

namespace joyvane::atspi {

FocusCache::FocusCache(int ownProcessId, std::string ownIdentifier)
    : ownProcessId_(ownProcessId), ownIdentifier_(std::move(ownIdentifier)) {}

void FocusCache::remember(int processId, std::optional<std::string> appName) {
    auto& app = applications_[processId];
    if (appName && !appName->empty()) {
        app.name = std::move(appName);
    }
}

void FocusCache::focusGained(int processId, std::optional<std::string> appName,
                             std::string elementKey, FocusedElement element) {
    std::lock_guard lock(mutex_);
    remember(processId, std::move(appName));
    auto& app = applications_[processId];
    app.elementKey = std::move(elementKey);
    app.focused = std::move(element);
    app.reported = true;
    lastActive_ = processId;
}

void FocusCache::focusLost(int processId, const std::string& elementKey) {
    std::lock_guard lock(mutex_);
    auto it = applications_.find(processId);
    // Only the element that has focus can lose it; a late loss of an earlier one changes nothing.
    if (it != applications_.end() && it->second.elementKey == elementKey) {
        it->second.focused.reset();
        it->second.elementKey.clear();
    }
}

void FocusCache::applicationActivated(int processId, std::optional<std::string> appName) {
    std::lock_guard lock(mutex_);
    remember(processId, std::move(appName));
    lastActive_ = processId;
}

void FocusCache::forget(int processId) {
    std::lock_guard lock(mutex_);
    applications_.erase(processId);
    if (lastActive_ == processId) {
        lastActive_.reset();
    }
}

void FocusCache::setWindowSystemAvailable(bool available) {
    std::lock_guard lock(mutex_);
    windowSystem_ = available;
}

void FocusCache::setActiveWindow(std::optional<ActiveWindow> window) {
    std::lock_guard lock(mutex_);
    activeWindow_ = std::move(window);
}

std::string FocusCache::identifierOf(int processId,
                                     const std::optional<std::string>& fallback) const {
    if (processId == ownProcessId_) {
        return ownIdentifier_;
    }
    std::optional<std::string> name;
    if (auto it = applications_.find(processId); it != applications_.end()) {
        name = it->second.name;
    }
    if (!name || name->empty()) {
        name = fallback;
    }
    if (!name || name->empty()) {
        return "pid:" + std::to_string(processId);
    }
    // Another process under the program's own name (a second copy, say) is not the program.
    if (*name == ownIdentifier_) {
        return *name + " (pid " + std::to_string(processId) + ")";
    }
    return *name;
}

std::optional<RunningApplication> FocusCache::frontmostApplication() const {
    std::lock_guard lock(mutex_);
    if (windowSystem_) {
        if (!activeWindow_) {
            return std::nullopt;  // no window is active
        }
        if (activeWindow_->processId) {
            int pid = *activeWindow_->processId;
            return RunningApplication{identifierOf(pid, activeWindow_->wmClass), pid};
        }
    }
    if (!lastActive_) {
        return std::nullopt;
    }
    return RunningApplication{identifierOf(*lastActive_, std::nullopt), *lastActive_};
}

std::optional<FocusedElement> FocusCache::focusedElement(int processId) const {
    std::lock_guard lock(mutex_);
    auto it = applications_.find(processId);
    if (it == applications_.end()) {
        return std::nullopt;
    }
    return it->second.focused;
}

bool FocusCache::hasReported(int processId) const {
    std::lock_guard lock(mutex_);
    auto it = applications_.find(processId);
    return it != applications_.end() && it->second.reported;
}

}  // namespace joyvane::atspi
