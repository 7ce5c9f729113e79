#include "composed_engine.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cmath>

#include "platform/linux/atspi/atspi_accessibility.h"
#include "support/x_probe.h"

namespace joyvane::testing {

ComposedEngine::ComposedEngine(const std::string& display, bool realAccessibility) {
    controllers = linux_input::SdlControllerService::create(scheduler, {}, &error);
    x = x11::openX11Backend(scheduler, &error, display.c_str());
    if (!controllers || !x) {
        return;
    }
    if (realAccessibility) {
        accessibility = std::make_unique<atspi::AtspiAccessibility>();
    } else {
        accessibility = std::make_unique<sim::SimAccessibility>(log);
    }
    mouse = std::make_unique<MouseController>(*x->poster, *x->screens);
    keyboard =
        std::make_unique<PSKeyboardController>(scheduler, *x->poster, *accessibility, panels);
    Platform platform{scheduler,      *controllers, *x->poster, *x->screens,
                      *accessibility, workspace,    languages,  panels};
    manager = std::make_unique<ControllerManager>(platform, *mouse, *keyboard);
}

void PadDriver::settle() {
    engine_.controllers->pump();
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

bool PadDriver::steerPointerTo(const std::string& display, int x, int y, int tolerance) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        auto pointer = pointerPosition(display);
        if (!pointer) {
            return false;
        }
        int dx = x - pointer->x;
        int dy = y - pointer->y;
        if (std::abs(dx) <= tolerance && std::abs(dy) <= tolerance) {
            stick(0, 0);
            return true;
        }
        // Full speed far away, gently near the target; a small deflection still clears the
        // dead zone.
        auto deflection = [tolerance](int distance) {
            if (std::abs(distance) <= tolerance) {
                return 0.0;
            }
            double size = std::clamp(std::abs(distance) / 150.0, 0.35, 1.0);
            return distance > 0 ? size : -size;
        };
        stick(deflection(dx), deflection(dy));  // SDL's y grows downwards, like the screen's
        runUntil([] { return false; }, 0.02);
    }
    stick(0, 0);
    return false;
}

}  // namespace joyvane::testing
