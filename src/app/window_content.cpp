#include "app/window_content.h"

#include "app/window_managers.h"
#include "ui/windows/advanced_view.h"
#include "ui/windows/menu_bar_hint_view.h"
#include "ui/windows/onboarding_view.h"
#include "ui/windows/remap_sheet.h"

namespace joyvane::app {

void installWindowContent(WindowManagers& managers, const WindowContentServices& services) {
    managers.advanced.setContentFactory([services](ControllerManager& manager, CloseWindow) {
        return new ui::AdvancedView(ui::AdvancedContext{
            manager, services.languages, services.workspace, services.hid, services.scheduler});
    });
    managers.remap.setContentFactory(
        [services](const ButtonMap& initialMap, RemapWindowManager::SaveMap onSave,
                   std::function<void()> onReset, CloseWindow onClose) {
            return new ui::RemapSheet(initialMap, std::move(onSave), std::move(onReset),
                                      std::move(onClose), services.languages);
        });
    managers.onboarding.setContentFactory([services](bool isHebrew, CloseWindow close) {
        return new ui::OnboardingView(services.defaults, isHebrew, std::move(close));
    });
    managers.hint.setContentFactory([](bool isHebrew, CloseWindow close) {
        return new ui::MenuBarHintView(isHebrew, std::move(close));
    });
}

}  // namespace joyvane::app
