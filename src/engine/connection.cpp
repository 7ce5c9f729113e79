#include <algorithm>
#include <cctype>

#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"

namespace joyvane {

namespace {

struct Classification {
    std::string name;
    ControllerType type;
};

std::string lowerCased(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

Classification classify(const Controller& controller) {
    std::string category = lowerCased(controller.productCategory());
    auto contains = [&](const char* part) { return category.find(part) != std::string::npos; };
    if (contains("dualsense") || contains("dual sense")) {
        return {"DualSense (PS5)", ControllerType::dualSense};
    }
    if (contains("dualshock") || contains("dual shock")) {
        return {"DualShock 4 (PS4)", ControllerType::dualShock4};
    }
    return {controller.vendorName().value_or("Gamepad"), ControllerType::generic};
}

}  // namespace

std::shared_ptr<Controller> ControllerManager::firstConnectedController() const {
    auto list = platform_.controllers.controllers();
    return list.empty() ? nullptr : list.front();
}

void ControllerManager::didConnect(const std::shared_ptr<Controller>& controller) {
    if (controller) {
        attach(controller);
    }
}

void ControllerManager::attach(const std::shared_ptr<Controller>& controller) {
    if (!controller) {
        return;
    }
    ExtendedGamepad* profile = controller->extendedGamepad();
    if (!profile) {
        return;
    }
    controller_ = controller;
    gamepad_ = profile;
    Classification found = classify(*controller);

    // Published one turn later: the handlers and the loop below are live before the interface
    // shows the controller as connected. A controller that left within that turn is not
    // published: the keyboard would otherwise go on opening with no controller to close it.
    platform_.scheduler.post(weakly([found, queued = controller.get()](ControllerManager& self) {
        if (self.controller_.get() != queued) {
            return;
        }
        self.isConnected = true;
        self.controllerName = found.name;
        self.controllerType = found.type;
        if (self.autoEnableOnConnect.get()) {
            self.setEnabled(true);
        }
        self.keyboard_.controllerConnected = true;
        self.keyboard_.controllerEnabled = self.isEnabled_.get();
        if (self.keyboardFeatureEnabled_.get()) {
            self.keyboard_.startFocusMonitoring();
        }
    }));

    setupButtonHandlers(*profile);
    setupTouchpad(*controller);
    startLoop();
}

void ControllerManager::didDisconnect(const std::shared_ptr<Controller>& controller) {
    // Whatever left, a click it was holding must not stay down in the window system, and its
    // held buttons must not complete a combo later.
    releaseHeldClicks();
    // Another controller leaving does not take the attached one with it.
    if (controller && controller_ && controller != controller_) {
        return;
    }
    detach();
}

void ControllerManager::detach() {
    gamepad_ = nullptr;
    controller_.reset();
    if (timer_) {
        timer_->cancel();
        timer_.reset();
    }
    keyboard_.controllerConnected = false;
    keyboard_.stopFocusMonitoring();

    platform_.scheduler.post(weakly([](ControllerManager& self) {
        self.isConnected = false;
        self.controllerName = self.noControllerName();
        self.controllerType = ControllerType::none;
        self.hasTouchpad = false;
        self.batteryLevel = std::nullopt;
        self.batteryState = std::nullopt;
        self.leftX = 0.0f;
        self.leftY = 0.0f;
        self.rightX = 0.0f;
        self.rightY = 0.0f;
    }));
}

}  // namespace joyvane
