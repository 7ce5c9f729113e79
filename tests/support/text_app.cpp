#include "support/text_app.h"

#include "support/x_probe.h"

#include <signal.h>

#include <fstream>
#include <sstream>
#include <thread>

namespace joyvane::testing {
namespace {

Box parseBox(const std::string& text) {
    Box box;
    std::istringstream in(text);
    in >> box.x >> box.y >> box.width >> box.height;
    return box;
}

}  // namespace

TextApp::TextApp(const PrivateDesktop& desktop)
    : display_(desktop.display()), stateFile_(desktop.folder() / "text-app.state") {
    Environment environment = desktop.environment();
    environment["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1";
    process_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{JOYVANE_E2E_TEXT_APP, stateFile_.string()}, environment,
        desktop.folder() / "text-app.log");
}

std::optional<TextAppState> TextApp::state() const {
    std::ifstream in(stateFile_);
    if (!in) {
        return std::nullopt;
    }
    TextAppState state;
    std::string line;
    bool complete = false;
    while (std::getline(in, line)) {
        auto equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        std::string key = line.substr(0, equals);
        std::string value = line.substr(equals + 1);
        if (key == "text") {
            state.text = value;
        } else if (key == "focus") {
            state.focus = value;
        } else if (key == "field") {
            state.field = parseBox(value);
        } else if (key == "button") {
            state.button = parseBox(value);
            complete = true;
        }
    }
    if (!complete) {
        return std::nullopt;
    }
    return state;
}

std::optional<TextAppState> TextApp::settledState(std::chrono::milliseconds limit) const {
    using Clock = std::chrono::steady_clock;
    auto deadline = Clock::now() + limit;
    std::optional<TextAppState> last;
    auto lastChange = Clock::now();
    while (Clock::now() < deadline) {
        auto now = state();
        bool same = now && last && now->field.x == last->field.x && now->field.y == last->field.y &&
                    now->button.y == last->button.y;
        if (!same) {
            last = now;
            lastChange = Clock::now();
        } else if (Clock::now() - lastChange > std::chrono::milliseconds(500)) {
            return last;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

}  // namespace joyvane::testing

namespace joyvane::testing {

std::optional<TextAppState> TextApp::readyState(std::string* why) const {
    std::optional<TextAppState> placed = settledState();
    if (!placed) {
        *why = "the application's window never settled: " + output();
        return std::nullopt;
    }
    if (!pollUntil([&] { return state() && state()->focus == "button"; },
                   std::chrono::seconds(10))) {
        *why =
            "the application's window did not become active; X focus: " + focusedWindow(display_);
        return std::nullopt;
    }
    return placed;
}

}  // namespace joyvane::testing
