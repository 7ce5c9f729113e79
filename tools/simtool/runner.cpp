#include "simtool/runner.h"

#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/linux/desktop/settings_storage.h"
#include "simtool/call_printer.h"
#include "simtool/field_printer.h"

namespace joyvane::simtool {

ScenarioRunner::ScenarioRunner(std::ostream& out, std::optional<std::filesystem::path> settingsFile)
    : out_(out), settingsFile_(std::move(settingsFile)) {
    platform_.log.onRecord = [this](const sim::LoggedCall& call) {
        out_ << formatCall(call) << '\n';
    };
}

ScenarioRunner::~ScenarioRunner() {
    // Write what is pending, then tear down the engine: it refers to the keyboard, the mouse
    // and the platform.
    settings_.reset();
    engine_.reset();
    keyboard_.reset();
    mouse_.reset();
    platform_.log.onRecord = nullptr;
}

void ScenarioRunner::run(const std::vector<Command>& commands) {
    for (const Command& command : commands) {
        run(command.body);
    }
}

void ScenarioRunner::run(const CommandBody& command) {
    std::visit([this](const auto& c) { apply(c); }, command);
}

sim::SimController& ScenarioRunner::controller(const std::string& id) {
    return *controllers_.at(id);
}

void ScenarioRunner::apply(const ScreenCommand& c) {
    if (defaultScreens_) {
        platform_.screens.setScreens({});
        defaultScreens_ = false;
    }
    platform_.screens.addScreen(c.frame, c.visibleFrame);
}

void ScenarioRunner::apply(const PointerCommand& c) {
    // Before start the screens may still change, so the pointer is placed at start.
    if (engine_) {
        platform_.screens.setPointer(c.position);
    } else {
        setupPointer_ = c.position;
    }
}

void ScenarioRunner::apply(const LanguagesCommand& c) {
    platform_.languages.setLanguages(c.tags);
}

void ScenarioRunner::apply(const TrustedCommand& c) {
    platform_.accessibility.setTrusted(c.trusted);
}

void ScenarioRunner::apply(const ControllerCommand& c) {
    controllers_[c.id] = std::make_shared<sim::SimController>(c.spec);
}

void ScenarioRunner::apply(const PresentCommand& c) {
    platform_.controllers.addPresent(controllers_.at(c.id));
}

void ScenarioRunner::apply(const StartCommand&) {
    if (setupPointer_) {
        platform_.screens.setPointer(*setupPointer_);
    } else {
        // The middle of the primary screen.
        auto screens = platform_.screens.screens();
        if (!screens.empty()) {
            const Rect& f = screens.front().frame;
            platform_.screens.setMouseLocation({f.x + f.width / 2, f.y + f.height / 2});
        }
    }
    mouse_ = std::make_unique<MouseController>(platform_.poster, platform_.screens);
    keyboard_ = std::make_unique<PSKeyboardController>(platform_.scheduler, platform_.poster,
                                                       platform_.accessibility, platform_.panels);
    engine_ = std::make_unique<ControllerManager>(platform_.platform(), *mouse_, *keyboard_);
    if (settingsFile_) {
        settings_ = std::make_unique<linux_desktop::SettingsStorage>(*settingsFile_, *engine_,
                                                                     platform_.scheduler);
    }
}

void ScenarioRunner::apply(const ConnectCommand& c) {
    platform_.controllers.connect(controllers_.at(c.id));
}

void ScenarioRunner::apply(const DisconnectCommand& c) {
    platform_.controllers.disconnect(controllers_.at(c.id));
}

void ScenarioRunner::apply(const PadCommand& c) {
    sim::SimController& pad = controller(c.controller);
    switch (c.pad) {
        case Pad::leftStick:
            pad.setLeftStick(c.x, c.y);
            break;
        case Pad::rightStick:
            pad.setRightStick(c.x, c.y);
            break;
        case Pad::dpad:
            pad.setDpad(c.x, c.y);
            break;
        case Pad::touchpad:
            pad.touch(c.x, c.y);
            break;
    }
}

void ScenarioRunner::apply(const ButtonCommand& c) {
    if (c.pressed) {
        controller(c.controller).press(c.element);
    } else {
        controller(c.controller).release(c.element);
    }
}

void ScenarioRunner::apply(const BatteryCommand& c) {
    controller(c.controller).setBattery(c.reading);
}

void ScenarioRunner::apply(const FrontCommand& c) {
    if (!c.app) {
        platform_.accessibility.setFront(std::nullopt);
        return;
    }
    RunningApplication app;
    app.identifier = c.app->isSelf ? platform_.accessibility.ownIdentifier() : c.app->identifier;
    app.processId = c.app->processId;
    platform_.accessibility.setFront(app);
    platform_.accessibility.setFocusedElement(c.app->focused);
}

void ScenarioRunner::apply(const SetCommand& c) {
    ControllerManager& e = *engine_;
    auto flag = [&] { return std::get<bool>(c.value); };
    auto number = [&] { return std::get<double>(c.value); };
    switch (c.field) {
        case Field::isEnabled:
            e.setEnabled(flag());
            break;
        case Field::keyboardFeatureEnabled:
            e.setKeyboardFeatureEnabled(flag());
            break;
        case Field::launchAtLogin:
            e.setLaunchAtLogin(flag());
            break;
        case Field::naturalScrolling:
            e.naturalScrolling = flag();
            break;
        case Field::touchpadEnabled:
            e.touchpadEnabled = flag();
            break;
        case Field::autoEnableOnConnect:
            e.autoEnableOnConnect = flag();
            break;
        case Field::sensitivity:
            e.sensitivity = number();
            break;
        case Field::scrollSensitivity:
            e.scrollSensitivity = number();
            break;
        case Field::deadzone:
            e.deadzone = number();
            break;
        case Field::acceleration:
            e.acceleration = number();
            break;
        case Field::touchpadSensitivity:
            e.touchpadSensitivity = number();
            break;
        default:
            break;  // the reader lets only settings through
    }
}

void ScenarioRunner::apply(const MapCommand& c) {
    // Like the remap window: edit a copy, then write the whole map back.
    ButtonMap map = engine_->buttonMap.get();
    if (c.action) {
        map[c.button] = *c.action;
    } else {
        map.erase(c.button);
    }
    engine_->buttonMap = map;
}

void ScenarioRunner::apply(const ComboCommand& c) {
    ComboMap map = engine_->comboMap.get();
    map[c.combo] = c.action;
    engine_->comboMap = map;
}

void ScenarioRunner::apply(const InterfaceCommand& c) {
    switch (c.action) {
        case InterfaceAction::resetSettings:
            engine_->resetSettings();
            break;
        case InterfaceAction::refreshBattery:
            engine_->refreshBattery();
            break;
        case InterfaceAction::toggleKeyboard:
            keyboard_->toggle();
            break;
        case InterfaceAction::reconnect:
            if (auto first = engine_->firstConnectedController()) {
                engine_->attach(first);
            }
            break;
    }
}

void ScenarioRunner::apply(const LaunchAtLoginCommand& c) {
    engine_->setLaunchAtLogin(c.enabled);
}

void ScenarioRunner::apply(const AtCommand& c) {
    platform_.scheduler.advanceTo(c.time);
}

void ScenarioRunner::apply(const WaitCommand& c) {
    platform_.scheduler.advanceBy(c.seconds);
}

void ScenarioRunner::apply(const PrintCommand& c) {
    out_ << formatTime(platform_.scheduler.now()) << " print";
    for (Field field : c.fields) {
        out_ << ' ' << fieldInfo(field).name << '=' << formatField(field, *engine_, *keyboard_);
    }
    out_ << '\n';
}

}  // namespace joyvane::simtool
