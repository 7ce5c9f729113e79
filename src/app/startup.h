#pragma once

#include <functional>
#include <memory>

namespace joyvane {
class AccessibilityService;
class DefaultsStore;
class ScheduledTask;
class Scheduler;
}  // namespace joyvane

namespace joyvane::app {

// The start-up sequence once the program is up: ask for accessibility trust with the system's
// prompt (the answer is not waited for), then, half a second later, show onboarding unless it
// has been seen. Returns the pending onboarding check.
std::shared_ptr<ScheduledTask> runStartupSequence(AccessibilityService& accessibility,
                                                  Scheduler& scheduler, DefaultsStore& defaults,
                                                  std::function<void()> showOnboarding);

inline constexpr double kOnboardingDelay = 0.5;

}  // namespace joyvane::app
