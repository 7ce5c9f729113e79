#include "composed_engine.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cmath>

#include "platform/linux/atspi/atspi_accessibility.h"
#include "support/x_probe.h"

namespace joyvane::testing {

std::unique_ptr<ComposedEngine> ComposedEngine::create(
    const std::string& display, bool realAccessibility, std::string* error,
    linux_input::SdlControllerService::Options controllerOptions) {
    std::unique_ptr<ComposedEngine> engine(new ComposedEngine);
    engine->controllers =
        linux_input::SdlControllerService::create(engine->scheduler, controllerOptions, error);
    if (!engine->controllers) {
        return nullptr;
    }
    auto x = x11::openX11Backend(engine->scheduler, error, display.c_str());
    if (!x) {
        return nullptr;
    }
    engine->x = std::make_unique<x11::X11Backend>(std::move(*x));
    if (realAccessibility) {
        engine->accessibility = std::make_unique<atspi::AtspiAccessibility>();
    } else {
        engine->accessibility = std::make_unique<sim::SimAccessibility>(engine->log);
    }
    engine->mouse = std::make_unique<MouseController>(*engine->x->poster, *engine->x->screens);
    engine->keyboard = std::make_unique<PSKeyboardController>(
        engine->scheduler, *engine->x->poster, *engine->accessibility, engine->panels);
    Platform platform{engine->scheduler,   *engine->controllers,   *engine->x->poster,
                      *engine->x->screens, *engine->accessibility, engine->workspace,
                      engine->languages,   engine->panels};
    engine->manager =
        std::make_unique<ControllerManager>(platform, *engine->mouse, *engine->keyboard);
    return engine;
}

ComposedEngine::~ComposedEngine() {
    // Users before what they use; the poster before the rest of X so it can let go of held
    // buttons and keys.
    manager.reset();
    keyboard.reset();
    mouse.reset();
    accessibility.reset();
    if (x) {
        x->poster.reset();
        x.reset();
    }
    controllers.reset();
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
        run(0.02);
    }
    stick(0, 0);
    return false;
}

}  // namespace joyvane::testing
