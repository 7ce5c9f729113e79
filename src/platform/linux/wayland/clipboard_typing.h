#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/scheduler.h"
#include "platform/event_poster.h"

namespace joyvane::wayland {

// The session's clipboard, as text.
class TextClipboard {
  public:
    virtual ~TextClipboard() = default;
    // The current text; absent when the clipboard holds no text.
    virtual std::optional<std::string> read() = 0;
    virtual bool write(const std::string& text) = 0;
    virtual void clear() = 0;
};

// Types characters the keymap cannot produce (Hebrew on a Latin layout, "€", "—"): puts them on
// the clipboard and presses the paste chord the application in front expects (Ctrl+Shift+V in
// a terminal, Ctrl+V elsewhere). The text the clipboard held before comes back once typing has
// paused for kRestoreAfter, so a run of such characters saves and restores it once; the
// application must have read the clipboard by then.
class ClipboardTyping {
  public:
    static constexpr double kRestoreAfter = 0.5;

    // `keys` posts the paste chord; `terminalInFront` tells which chord to use.
    ClipboardTyping(Scheduler& scheduler, TextClipboard& clipboard, EventPoster& keys,
                    std::function<bool()> terminalInFront);
    ~ClipboardTyping();  // puts a pending clipboard back at once

    bool type(const std::u16string& text);

  private:
    void restore();

    Scheduler& scheduler_;
    TextClipboard& clipboard_;
    EventPoster& keys_;
    std::function<bool()> terminalInFront_;
    bool saving_ = false;  // the previous content is held and waits to go back
    std::optional<std::string> saved_;
    std::shared_ptr<ScheduledTask> restoreTask_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// Whether an application identifier names a terminal emulator.
bool isTerminalIdentifier(const std::string& identifier);

}  // namespace joyvane::wayland
