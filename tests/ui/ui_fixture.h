#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/sim/sim_platform.h"
#include "ui/controls/style.h"
#include "ui/controls/symbol_button.h"
#include "ui/main_panel/accessibility_banner.h"
#include "ui/main_panel/content_view.h"

namespace joyvane::ui::test {

// The engine on the sim platform, for the panel and the windows to show and edit.
struct UiEngine {
    sim::SimPlatform sim;
    MouseController mouse{sim.poster, sim.screens};
    PSKeyboardController keyboard{sim.scheduler, sim.poster, sim.accessibility, sim.panels};
    ControllerManager manager{sim.platform(), mouse, keyboard};
    std::shared_ptr<sim::SimHidRegistry> hid = std::make_shared<sim::SimHidRegistry>();
    PanelContext context{manager, keyboard, mouse, sim.accessibility, sim.workspace, sim.languages};
    PanelActions actions;

    std::shared_ptr<sim::SimController> connect(
        PhysicalProfile profile = PhysicalProfile::dualSense,
        std::optional<BatteryReading> battery = {}) {
        sim::SimControllerSpec spec;
        spec.category = "DualSense Wireless Controller";
        spec.physical = profile;
        spec.battery = battery;
        auto controller = std::make_shared<sim::SimController>(spec);
        sim.controllers.connect(controller);
        settle();
        return controller;
    }
    // The engine runs on virtual time and the views refresh on the Qt loop: this drives both.
    void settle() {
        sim.scheduler.runQueued();
        QApplication::processEvents();
        QApplication::processEvents();
    }
};

// The main panel over the engine.
class UiTest : public ::testing::Test, public UiEngine {
  protected:
    std::unique_ptr<ContentView> view;

    void startPanel() {
        actions.executablePath = QStringLiteral("/opt/joyvane/bin/joyvane");
        view = std::make_unique<ContentView>(context, actions);
        settle();
    }
    // Trust as the engine sees it after its next two-second refresh.
    void setTrusted(bool trusted) {
        sim.accessibility.setTrusted(trusted);
        sim.scheduler.advanceBy(2.0);
        settle();
    }
};

// How many pixels of `part`, as its window draws it (style sheets of every ancestor applied),
// lie within `tolerance` of `color` in each channel: a style sheet may override the palette.
inline int pixelsNear(QWidget* part, const QColor& color, int tolerance = 40) {
    QWidget* top = part->window();
    const QImage image = top->grab().toImage().copy({part->mapTo(top, QPoint()), part->size()});
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constBits());
    return std::count_if(pixels, pixels + rgb.width() * rgb.height(), [&](QRgb c) {
        return std::abs(qRed(c) - color.red()) <= tolerance &&
               std::abs(qGreen(c) - color.green()) <= tolerance &&
               std::abs(qBlue(c) - color.blue()) <= tolerance;
    });
}

// Colours set on labels inside styled buttons reach the screen: Grant Access reads white on blue
// and, once clicked, the link that follows reads blue.
inline void clickGrantAccessCheckingItsColours(AccessibilityBanner* banner) {
    SymbolButton* grant = banner->grantButton();
    EXPECT_GT(pixelsNear(grant->caption(), Qt::white, 30), 15);
    EXPECT_GT(pixelsNear(grant, colors::blue(), 10), 200);
    grant->click();
    QApplication::processEvents();
    EXPECT_GT(pixelsNear(banner->revealButton(), colors::blue(), 50), 8);
}

}  // namespace joyvane::ui::test
