#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <memory>

#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/sim/sim_platform.h"

namespace joyvane::ui::test {

// An engine on the sim platform for the windows to show and edit.
class WindowTest : public ::testing::Test {
  protected:
    sim::SimPlatform sim;
    MouseController mouse{sim.poster, sim.screens};
    PSKeyboardController keyboard{sim.scheduler, sim.poster, sim.accessibility, sim.panels};
    ControllerManager mgr{sim.platform(), mouse, keyboard};

    void hebrew() { sim.languages.setLanguages({"he-IL", "en-US"}); }
    // Views redraw on the next turn of the event loop.
    static void settle() {
        QApplication::processEvents();
        QApplication::processEvents();
    }
};

// The entry a picker shows.
inline QString shownText(const QComboBox* picker) {
    return picker->currentText();
}

}  // namespace joyvane::ui::test
