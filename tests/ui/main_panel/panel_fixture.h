#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/sim/sim_platform.h"
#include "ui/main_panel/content_view.h"

namespace joyvane::ui::test {

// The main panel over an engine on the sim platform. The engine runs on virtual time; the
// panel's refreshes run on the Qt loop, so `settle()` drives both.
class PanelTest : public ::testing::Test {
  protected:
    sim::SimPlatform sim;
    MouseController mouse{sim.poster, sim.screens};
    PSKeyboardController keyboard{sim.scheduler, sim.poster, sim.accessibility, sim.panels};
    std::unique_ptr<ControllerManager> manager;
    std::unique_ptr<PanelContext> context;
    std::unique_ptr<ContentView> view;
    int quits = 0;
    int advancedOpens = 0;
    int remapOpens = 0;
    ButtonMap remapInitial;
    PanelActions::SaveMap remapSave;
    std::function<void()> remapReset;

    void startPanel() {
        manager = std::make_unique<ControllerManager>(sim.platform(), mouse, keyboard);
        context = std::make_unique<PanelContext>(PanelContext{
            *manager, keyboard, mouse, sim.accessibility, sim.workspace, sim.languages});
        PanelActions actions;
        actions.quit = [this] { ++quits; };
        actions.openAdvanced = [this] { ++advancedOpens; };
        actions.openRemap = [this](const ButtonMap& map, PanelActions::SaveMap save,
                                   std::function<void()> reset) {
            ++remapOpens;
            remapInitial = map;
            remapSave = std::move(save);
            remapReset = std::move(reset);
        };
        actions.executablePath = QStringLiteral("/opt/joyvane/bin/joyvane");
        view = std::make_unique<ContentView>(*context, actions);
        settle();
    }

    void TearDown() override {
        view.reset();
        manager.reset();
    }

    void settle() {
        sim.scheduler.runQueued();
        QCoreApplication::processEvents();
    }

    static sim::SimControllerSpec dualSense(std::optional<BatteryReading> battery = {}) {
        sim::SimControllerSpec spec;
        spec.category = "DualSense Wireless Controller";
        spec.physical = PhysicalProfile::dualSense;
        spec.battery = battery;
        return spec;
    }
    static sim::SimControllerSpec dualShock4() {
        sim::SimControllerSpec spec;
        spec.category = "DUALSHOCK 4 Wireless Controller";
        spec.physical = PhysicalProfile::dualShock;
        return spec;
    }

    std::shared_ptr<sim::SimController> connect(sim::SimControllerSpec spec) {
        auto controller = std::make_shared<sim::SimController>(std::move(spec));
        sim.controllers.connect(controller);
        settle();
        return controller;
    }
};

}  // namespace joyvane::ui::test
