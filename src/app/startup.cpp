#include "app/startup.h"

#include "app/window_managers.h"
#include "core/scheduler.h"
#include "platform/accessibility_service.h"
#include "platform/defaults_store.h"

namespace joyvane::app {

std::shared_ptr<ScheduledTask> runStartupSequence(AccessibilityService& accessibility,
                                                  Scheduler& scheduler, DefaultsStore& defaults,
                                                  std::function<void()> showOnboarding) {
    accessibility.requestTrustWithPrompt();
    return scheduler.runAfter(kOnboardingDelay, [&defaults, show = std::move(showOnboarding)] {
        if (!defaults.boolForKey(OnboardingWindowManager::kSeenKey)) {
            show();
        }
    });
}

}  // namespace joyvane::app
