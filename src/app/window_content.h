#pragma once

#include <memory>

namespace joyvane {
class DefaultsStore;
class HidRegistry;
class LanguageSource;
class Scheduler;
class Workspace;
}  // namespace joyvane

namespace joyvane::app {

struct WindowManagers;

// What the windows' views need beyond the engine.
struct WindowContentServices {
    const LanguageSource& languages;
    Workspace& workspace;
    std::shared_ptr<const HidRegistry> hid;
    Scheduler& scheduler;
    DefaultsStore& defaults;
};

// Puts the real views into the four window managers: Advanced, Button Mapping, Onboarding and
// the menu-bar hint.
void installWindowContent(WindowManagers& managers, const WindowContentServices& services);

}  // namespace joyvane::app
