#include "simtool/reader.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "simtool/numbers.h"
#include "simtool/text_format.h"
#include "simtool/tokenizer.h"
#include "simtool/word_values.h"

namespace joyvane::simtool {

namespace {

using Words = std::vector<std::string>;

// Reads the lines in order, keeping what the lines before have set up, so that a line that
// cannot work where it stands is reported before anything runs.
class Reader {
  public:
    CommandBody parse(Words w);

  private:
    struct Syntax {
        std::string_view usage;
        bool needsEngine;
        CommandBody (Reader::*parse)(const Words&);
    };
    static const std::map<std::string, Syntax, std::less<>>& syntaxes();

    void arity(const Words& w, std::initializer_list<std::size_t> counts) const;
    std::string definedController(const std::string& id) const;
    // Marks the controller the command names as connected; connecting it twice is an error.
    std::string newlyConnected(const Words& w);
    // Strips a trailing "on ID" and returns the controller the input goes to.
    std::string inputTarget(Words& w) const;
    void advanceTo(Time time);

    CommandBody screen(const Words& w);
    CommandBody pointer(const Words& w);
    CommandBody languages(const Words& w);
    CommandBody trusted(const Words& w);
    CommandBody controller(const Words& w);
    CommandBody present(const Words& w);
    CommandBody start(const Words& w);
    CommandBody connect(const Words& w);
    CommandBody disconnect(const Words& w);
    CommandBody stick(const Words& w);
    CommandBody pad(const Words& w);
    CommandBody pressOrRelease(const Words& w);
    CommandBody battery(const Words& w);
    CommandBody front(const Words& w);
    CommandBody set(const Words& w);
    CommandBody map(const Words& w);
    CommandBody unmap(const Words& w);
    CommandBody combo(const Words& w);
    CommandBody interfaceAction(const Words& w);
    CommandBody launchAtLogin(const Words& w);
    CommandBody at(const Words& w);
    CommandBody wait(const Words& w);
    CommandBody print(const Words& w);

    std::string_view usage_;
    std::set<std::string, std::less<>> defined_;
    std::vector<std::string> connected_;  // oldest first
    bool started_ = false;
    Time now_ = 0.0;
};

const std::map<std::string, Reader::Syntax, std::less<>>& Reader::syntaxes() {
    static const std::map<std::string, Syntax, std::less<>> table = {
        {"screen", {"screen X Y W H [visible VX VY VW VH]", false, &Reader::screen}},
        {"pointer", {"pointer X Y", false, &Reader::pointer}},
        {"languages", {"languages [TAG,TAG,...]", false, &Reader::languages}},
        {"trusted", {"trusted yes|no", false, &Reader::trusted}},
        {"controller",
         {"controller ID category TEXT [vendor TEXT] [touchpad] [no-profile] "
          "[no-options-button] [no-stick-buttons] [battery LEVEL STATE]",
          false, &Reader::controller}},
        {"present", {"present ID", false, &Reader::present}},
        {"start", {"start", false, &Reader::start}},
        {"connect", {"connect ID", false, &Reader::connect}},
        {"disconnect", {"disconnect ID", false, &Reader::disconnect}},
        {"stick", {"stick left|right X Y [on ID]", false, &Reader::stick}},
        {"dpad", {"dpad X Y [on ID]", false, &Reader::pad}},
        {"touch", {"touch X Y [on ID]", false, &Reader::pad}},
        {"press", {"press ELEMENT [on ID]", false, &Reader::pressOrRelease}},
        {"release", {"release ELEMENT [on ID]", false, &Reader::pressOrRelease}},
        {"battery",
         {"battery LEVEL STATE [on ID] | battery none [on ID]", false, &Reader::battery}},
        {"front",
         {"front APP PID ROLE [children ROLE,ROLE,...] | front none", false, &Reader::front}},
        {"set", {"set FIELD VALUE", true, &Reader::set}},
        {"map", {"map BUTTON ACTION", true, &Reader::map}},
        {"unmap", {"unmap BUTTON", true, &Reader::unmap}},
        {"combo", {"combo BUTTON BUTTON ACTION", true, &Reader::combo}},
        {"reset-settings", {"reset-settings", true, &Reader::interfaceAction}},
        {"refresh-battery", {"refresh-battery", true, &Reader::interfaceAction}},
        {"toggle-keyboard", {"toggle-keyboard", true, &Reader::interfaceAction}},
        {"reconnect", {"reconnect", true, &Reader::interfaceAction}},
        {"launch-at-login", {"launch-at-login true|false", true, &Reader::launchAtLogin}},
        {"at", {"at T", false, &Reader::at}},
        {"wait", {"wait D", false, &Reader::wait}},
        {"print", {"print NAME...", true, &Reader::print}},
    };
    return table;
}

CommandBody Reader::parse(Words w) {
    auto it = syntaxes().find(w.front());
    if (it == syntaxes().end()) {
        fail("unknown command " + quoted(w.front()));
    }
    const Syntax& syntax = it->second;
    if (syntax.needsEngine && !started_) {
        fail(w.front() + " needs the engine: put it after start");
    }
    usage_ = syntax.usage;
    return (this->*syntax.parse)(w);
}

void Reader::arity(const Words& w, std::initializer_list<std::size_t> counts) const {
    if (std::find(counts.begin(), counts.end(), w.size()) == counts.end()) {
        fail("wrong number of words (" + std::string(usage_) + ")");
    }
}

std::string Reader::definedController(const std::string& id) const {
    if (!defined_.contains(id)) {
        fail("unknown controller " + quoted(id));
    }
    return id;
}

std::string Reader::inputTarget(Words& w) const {
    if (w.size() >= 3 && w[w.size() - 2] == "on") {
        std::string id = definedController(w.back());
        w.resize(w.size() - 2);
        return id;
    }
    if (connected_.empty()) {
        fail("no controller is connected (name one with: on ID)");
    }
    return connected_.back();
}

void Reader::advanceTo(Time time) {
    if (time < now_) {
        fail("time " + shortestText(time) + " is before the current time " + shortestText(now_));
    }
    if (time > kLatestTime) {
        fail("time " + shortestText(time) + " is beyond the last allowed time " +
             shortestText(kLatestTime));
    }
    now_ = time;
}

CommandBody Reader::screen(const Words& w) {
    arity(w, {5, 10});
    Rect frame{number(w[1]), number(w[2]), number(w[3]), number(w[4])};
    Rect visible = frame;
    if (w.size() == 10) {
        if (w[5] != "visible") {
            fail("expected visible, not " + quoted(w[5]));
        }
        visible = {number(w[6]), number(w[7]), number(w[8]), number(w[9])};
    }
    if (frame.width <= 0 || frame.height <= 0 || visible.width <= 0 || visible.height <= 0) {
        fail("a screen needs a positive width and height");
    }
    return ScreenCommand{frame, visible};
}

CommandBody Reader::pointer(const Words& w) {
    arity(w, {3});
    return PointerCommand{{number(w[1]), number(w[2])}};
}

CommandBody Reader::languages(const Words& w) {
    arity(w, {1, 2});
    if (w.size() == 1) {
        return LanguagesCommand{};
    }
    return LanguagesCommand{commaList(w[1], "language")};
}

CommandBody Reader::trusted(const Words& w) {
    arity(w, {2});
    if (w[1] != "yes" && w[1] != "no") {
        fail("expected yes or no, not " + quoted(w[1]));
    }
    return TrustedCommand{w[1] == "yes"};
}

CommandBody Reader::controller(const Words& w) {
    if (w.size() < 4) {
        arity(w, {});
    }
    if (w[2] != "category") {
        fail("expected category, not " + quoted(w[2]));
    }
    const std::string& id = w[1];
    if (defined_.contains(id)) {
        fail("controller " + quoted(id) + " is already defined");
    }
    ControllerCommand command{id, {}};
    sim::SimControllerSpec& spec = command.spec;
    spec.category = w[3];
    bool touchpad = false;
    for (std::size_t i = 4; i < w.size(); ++i) {
        const std::string& option = w[i];
        if (option == "vendor" && i + 1 < w.size()) {
            spec.vendor = w[++i];
        } else if (option == "battery" && i + 2 < w.size()) {
            spec.battery = batteryReading(w[i + 1], w[i + 2]);
            i += 2;
        } else if (option == "touchpad") {
            touchpad = true;
        } else if (option == "no-profile") {
            spec.hasProfile = false;
        } else if (option == "no-options-button") {
            spec.hasOptionsButton = false;
        } else if (option == "no-stick-buttons") {
            spec.hasStickButtons = false;
        } else if (option == "vendor" || option == "battery") {
            arity(w, {});
        } else {
            fail("unknown controller option " + quoted(option));
        }
    }
    if (touchpad) {
        // The touchpad comes with the PlayStation profiles; the category picks which one.
        std::string lower = spec.category;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        bool shock = lower.find("dualshock") != std::string::npos ||
                     lower.find("dual shock") != std::string::npos;
        spec.physical = shock ? PhysicalProfile::dualShock : PhysicalProfile::dualSense;
    }
    defined_.insert(id);
    return command;
}

std::string Reader::newlyConnected(const Words& w) {
    arity(w, {2});
    std::string id = definedController(w[1]);
    if (std::find(connected_.begin(), connected_.end(), id) != connected_.end()) {
        fail("controller " + quoted(id) + " is already connected");
    }
    connected_.push_back(id);
    return id;
}

CommandBody Reader::present(const Words& w) {
    return PresentCommand{newlyConnected(w)};
}

CommandBody Reader::start(const Words& w) {
    arity(w, {1});
    if (started_) {
        fail("the engine has already started");
    }
    started_ = true;
    return StartCommand{};
}

CommandBody Reader::connect(const Words& w) {
    return ConnectCommand{newlyConnected(w)};
}

CommandBody Reader::disconnect(const Words& w) {
    arity(w, {2});
    std::string id = definedController(w[1]);
    auto it = std::find(connected_.begin(), connected_.end(), id);
    if (it == connected_.end()) {
        fail("controller " + quoted(id) + " is not connected");
    }
    connected_.erase(it);
    return DisconnectCommand{id};
}

CommandBody Reader::stick(const Words& words) {
    Words w = words;
    std::string target = inputTarget(w);
    arity(w, {4});
    if (w[1] != "left" && w[1] != "right") {
        fail("expected left or right, not " + quoted(w[1]));
    }
    Pad pad = w[1] == "left" ? Pad::leftStick : Pad::rightStick;
    return PadCommand{target, pad, padValue(w[2]), padValue(w[3])};
}

CommandBody Reader::pad(const Words& words) {
    Words w = words;
    std::string target = inputTarget(w);
    arity(w, {3});
    Pad pad = w[0] == "dpad" ? Pad::dpad : Pad::touchpad;
    return PadCommand{target, pad, padValue(w[1]), padValue(w[2])};
}

CommandBody Reader::pressOrRelease(const Words& words) {
    Words w = words;
    std::string target = inputTarget(w);
    arity(w, {2});
    return ButtonCommand{target, element(w[1]), w[0] == "press"};
}

CommandBody Reader::battery(const Words& words) {
    Words w = words;
    std::string target = inputTarget(w);
    if (w.size() == 2 && w[1] == "none") {
        return BatteryCommand{target, std::nullopt};
    }
    arity(w, {3});
    return BatteryCommand{target, batteryReading(w[1], w[2])};
}

CommandBody Reader::front(const Words& w) {
    if (w.size() == 2 && w[1] == "none") {
        return FrontCommand{};
    }
    arity(w, {4, 6});
    FrontCommand::App app;
    app.isSelf = w[1] == "self";
    app.identifier = w[1];
    auto pid = parseInt(w[2]);
    if (!pid) {
        fail(quoted(w[2]) + " is not a whole number");
    }
    app.processId = *pid;
    std::vector<std::string> children;
    if (w.size() == 6) {
        if (w[4] != "children") {
            fail("expected children, not " + quoted(w[4]));
        }
        children = commaList(w[5], "role");
    }
    const std::string& role = w[3];
    if (role == "error") {
        if (!children.empty()) {
            fail("a failed focus read has no children");
        }
    } else if (role == "none") {
        app.focused = FocusedElement{std::nullopt, children};
    } else {
        app.focused = FocusedElement{role, children};
    }
    return FrontCommand{app};
}

CommandBody Reader::set(const Words& w) {
    arity(w, {3});
    Field which = field(w[1]);
    switch (fieldInfo(which).setting) {
        case SettingKind::boolean:
            return SetCommand{which, boolean(w[2])};
        case SettingKind::number:
            return SetCommand{which, number(w[2])};
        case SettingKind::notSetting:
            break;
    }
    fail(w[1] + " is not a setting");
}

CommandBody Reader::map(const Words& w) {
    arity(w, {3});
    return MapCommand{button(w[1]), action(w[2])};
}

CommandBody Reader::unmap(const Words& w) {
    arity(w, {2});
    return MapCommand{button(w[1]), std::nullopt};
}

CommandBody Reader::combo(const Words& w) {
    arity(w, {4});
    return ComboCommand{{button(w[1]), button(w[2])}, action(w[3])};
}

CommandBody Reader::interfaceAction(const Words& w) {
    arity(w, {1});
    static const std::map<std::string, InterfaceAction, std::less<>> actions = {
        {"reset-settings", InterfaceAction::resetSettings},
        {"refresh-battery", InterfaceAction::refreshBattery},
        {"toggle-keyboard", InterfaceAction::toggleKeyboard},
        {"reconnect", InterfaceAction::reconnect}};
    return InterfaceCommand{actions.at(w[0])};
}

CommandBody Reader::launchAtLogin(const Words& w) {
    arity(w, {2});
    return LaunchAtLoginCommand{boolean(w[1])};
}

CommandBody Reader::at(const Words& w) {
    arity(w, {2});
    Time time = number(w[1]);
    advanceTo(time);
    return AtCommand{time};
}

CommandBody Reader::wait(const Words& w) {
    arity(w, {2});
    double seconds = number(w[1]);
    if (seconds < 0) {
        fail("a wait cannot be negative");
    }
    advanceTo(now_ + seconds);
    return WaitCommand{seconds};
}

CommandBody Reader::print(const Words& w) {
    if (w.size() < 2) {
        arity(w, {});
    }
    PrintCommand command;
    for (std::size_t i = 1; i < w.size(); ++i) {
        command.fields.push_back(field(w[i]));
    }
    return command;
}

}  // namespace

ReadResult readScenario(std::istream& in) {
    ReadResult result;
    Reader reader;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (number == 1 && line.starts_with("\xEF\xBB\xBF")) {
            line.erase(0, 3);  // a byte-order mark some editors write
        }
        LineWords words = splitWords(line);
        try {
            if (!words.ok()) {
                fail(words.error);
            }
            if (words.words.empty()) {
                continue;
            }
            result.commands.push_back({number, reader.parse(std::move(words.words))});
        } catch (const LineError& e) {
            result.commands.clear();
            result.error = ReadError{number, e.message};
            return result;
        }
    }
    return result;
}

ReadResult readScenario(std::string_view text) {
    std::istringstream in{std::string(text)};
    return readScenario(in);
}

}  // namespace joyvane::simtool
