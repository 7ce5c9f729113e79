#pragma once

#include <csignal>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "support/child_process.h"
#include "support/private_desktop.h"

// The test text application (e2e_text_app) in its own process, and what its state file says.
namespace joyvane::testing {

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int centreX() const { return x + width / 2; }
    int centreY() const { return y + height / 2; }
};

struct TextAppState {
    std::string text;
    std::string focus;  // "field", "button" or "none"
    Box field;
};

class TextApp {
  public:
    // Starts the application on the desktop, visible on the accessibility bus.
    explicit TextApp(const PrivateDesktop& desktop);

    pid_t pid() const { return process_->pid(); }
    void freeze() const { process_->signalGroup(SIGSTOP); }
    void thaw() const { process_->signalGroup(SIGCONT); }
    // The last state the application wrote, if any.
    std::optional<TextAppState> state() const;
    // The state once the window manager has placed the window (it stopped moving) and made it
    // active (focus on its button); absent, with the reason in `why`, when that does not happen
    // in time.
    std::optional<TextAppState> readyState(std::string* why) const;

  private:
    std::string display_;
    std::filesystem::path stateFile_;
    std::unique_ptr<ChildProcess> process_;
};

}  // namespace joyvane::testing
