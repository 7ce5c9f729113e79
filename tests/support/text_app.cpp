#include "support/text_app.h"

#include <fstream>
#include <thread>

#include "support/x_probe.h"

namespace joyvane::testing {

TextApp::TextApp(const PrivateDesktop& desktop)
    : display_(desktop.display()), stateFile_(desktop.folder() / "text-app.state") {
    process_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{JOYVANE_E2E_TEXT_APP, "--start-on-button", stateFile_.string()},
        desktop.environment(), desktop.folder() / "text-app.log");
}

std::optional<TextAppState> TextApp::state() const {
    std::ifstream in(stateFile_);
    TextAppState state;
    Box& box = state.field;
    if (std::getline(in, state.text) && std::getline(in, state.focus) &&
        in >> box.x >> box.y >> box.width >> box.height) {
        return state;
    }
    return std::nullopt;
}

std::optional<TextAppState> TextApp::readyState(std::string* why) const {
    // Placed: the field has not moved for half a second. Active: the focus is on its button.
    std::optional<TextAppState> last;
    bool ready = pollUntil(
        [&] {
            auto earlier = state();
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            last = state();
            return earlier && last && last->focus == "button" &&
                   earlier->field.x == last->field.x && earlier->field.y == last->field.y;
        },
        std::chrono::seconds(20));
    if (!ready) {
        *why = "the application's window was not placed and active; X focus: " +
               focusedWindow(display_) + "\n" + process_->output();
    }
    return ready ? last : std::nullopt;
}

}  // namespace joyvane::testing
