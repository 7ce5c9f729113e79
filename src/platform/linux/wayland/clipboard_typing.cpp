#include "platform/linux/wayland/clipboard_typing.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "keyboard/utf8.h"

namespace joyvane::wayland {

namespace {

std::string utf8Of(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t unit = text[i];
        if (unit >= 0xd800 && unit <= 0xdbff && i + 1 < text.size() && text[i + 1] >= 0xdc00 &&
            text[i + 1] <= 0xdfff) {
            unit = 0x10000 + ((unit - 0xd800) << 10) + (text[++i] - 0xdc00);
        } else if (unit >= 0xd800 && unit <= 0xdfff) {
            continue;  // a lone surrogate is no character
        }
        appendUtf8(out, unit);
    }
    return out;
}

}  // namespace

bool isTerminalIdentifier(const std::string& identifier) {
    std::string name = identifier;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    static constexpr std::array kTerminals{"terminal",  "konsole",    "xterm",   "kitty",
                                           "alacritty", "foot",       "wezterm", "tilix",
                                           "urxvt",     "terminator", "ptyxis",  "console"};
    return std::any_of(kTerminals.begin(), kTerminals.end(),
                       [&name](const char* t) { return name.find(t) != std::string::npos; });
}

ClipboardTyping::ClipboardTyping(Scheduler& scheduler, TextClipboard& clipboard, EventPoster& keys,
                                 std::function<bool()> terminalInFront)
    : scheduler_(scheduler),
      clipboard_(clipboard),
      keys_(keys),
      terminalInFront_(std::move(terminalInFront)) {}

ClipboardTyping::~ClipboardTyping() {
    if (saving_) {
        restore();
    }
}

bool ClipboardTyping::type(const std::u16string& text) {
    std::string utf8 = utf8Of(text);
    if (utf8.empty()) {
        return false;
    }
    if (!saving_) {
        saved_ = clipboard_.read();
        saving_ = true;
    }
    if (!clipboard_.write(utf8)) {
        restore();
        return false;
    }
    std::uint64_t flags = modifier_flag::command;
    if (terminalInFront_ && terminalInFront_()) {
        flags |= modifier_flag::shift;
    }
    bool ok = keys_.post(KeyEvent{EventSourceState::combinedSession, key_code::v, true, flags, {}});
    ok = keys_.post(KeyEvent{EventSourceState::combinedSession, key_code::v, false, flags, {}}) &&
         ok;
    if (restoreTask_) {
        restoreTask_->cancel();
    }
    restoreTask_ = scheduler_.runAfter(kRestoreAfter, [this, alive = std::weak_ptr(alive_)] {
        if (alive.lock()) {
            restore();
        }
    });
    return ok;
}

void ClipboardTyping::restore() {
    if (restoreTask_) {
        restoreTask_->cancel();
        restoreTask_.reset();
    }
    if (saved_) {
        clipboard_.write(*saved_);
    } else {
        clipboard_.clear();
    }
    saved_.reset();
    saving_ = false;
}

}  // namespace joyvane::wayland
