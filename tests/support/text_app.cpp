#include "support/text_app.h"

#include <fstream>
#include <sstream>

#include "support/x_probe.h"

namespace joyvane::testing {

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
    TextAppState state;
    std::string line;
    bool complete = false;
    while (std::getline(in, line)) {
        if (line.starts_with("text=")) {
            state.text = line.substr(5);
        } else if (line.starts_with("focus=")) {
            state.focus = line.substr(6);
        } else if (line.starts_with("field=")) {
            Box& box = state.field;
            complete = bool(std::istringstream(line.substr(6)) >> box.x >> box.y >> box.width >>
                            box.height);
        }
    }
    return complete ? std::optional(state) : std::nullopt;
}

std::optional<TextAppState> TextApp::readyState(std::string* why) const {
    using Clock = std::chrono::steady_clock;
    std::optional<TextAppState> last;
    auto lastMove = Clock::now();
    bool settled = pollUntil(
        [&] {
            auto now = state();
            if (!now || !last || now->field.x != last->field.x || now->field.y != last->field.y) {
                last = now;
                lastMove = Clock::now();
            }
            return last && Clock::now() - lastMove > std::chrono::milliseconds(500);
        },
        std::chrono::seconds(15));
    if (!settled) {
        *why = "the application's window never settled: " + process_->output();
        return std::nullopt;
    }
    if (!pollUntil([&] { return state() && state()->focus == "button"; },
                   std::chrono::seconds(10))) {
        *why =
            "the application's window did not become active; X focus: " + focusedWindow(display_);
        return std::nullopt;
    }
    return last;
}

}  // namespace joyvane::testing
