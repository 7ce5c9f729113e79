#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/sim/sim_platform.h"

namespace joyvane::test {

// An engine on the sim platform, with helpers to plug controllers in and run the loop.
class EngineTest : public ::testing::Test {
  protected:
    sim::SimPlatform sim;
    MouseController mouse{sim.poster, sim.screens};
    PSKeyboardController keyboard{sim.scheduler, sim.poster, sim.accessibility, sim.panels};
    std::unique_ptr<ControllerManager> engine;

    void start() { engine = std::make_unique<ControllerManager>(sim.platform(), mouse, keyboard); }

    static std::shared_ptr<sim::SimController> makeController(sim::SimControllerSpec spec = {}) {
        return std::make_shared<sim::SimController>(std::move(spec));
    }
    static sim::SimControllerSpec dualSense() {
        sim::SimControllerSpec spec;
        spec.category = "DualSense Wireless Controller";
        spec.physical = PhysicalProfile::dualSense;
        return spec;
    }

    // Connects a controller and lets the queued publication run.
    std::shared_ptr<sim::SimController> connect(sim::SimControllerSpec spec = {}) {
        auto controller = makeController(std::move(spec));
        sim.controllers.connect(controller);
        sim.scheduler.runQueued();
        return controller;
    }

    // Runs `count` firings of the 60 Hz loop (a hair past the last, so rounding cannot drop it).
    void runTicks(int count) { sim.scheduler.advanceBy(count / 60.0 + 1e-7); }

    std::vector<sim::WarpCall> warps() const { return sim.log.all<sim::WarpCall>(); }
    std::vector<ScrollEvent> scrolls() const { return sim.log.all<ScrollEvent>(); }
};

}  // namespace joyvane::test
