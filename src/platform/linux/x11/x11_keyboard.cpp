#include "platform/linux/x11/x11_keyboard.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>

namespace joyvane::x11 {

namespace {

// The keyboard's active layout group: 0 for the first layout, 1 for the second, ...
int activeGroup(Display* display) {
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success) {
        return 0;
    }
    return state.group;
}

// Whether Shift must be held for `code` to type `keysym` with the modifiers that are locked
// now (Caps Lock, Num Lock): with Caps Lock on a letter's other case needs Shift. Nothing when
// neither state gives the keysym.
std::optional<bool> shiftFor(Display* display, KeyCode code, KeySym keysym) {
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success) {
        return std::nullopt;
    }
    unsigned int locked = state.locked_mods & ~static_cast<unsigned int>(ShiftMask);
    for (bool shift : {false, true}) {
        unsigned int mods = locked | (shift ? ShiftMask : 0);
        unsigned int consumed = 0;
        KeySym typed = NoSymbol;
        if (XkbLookupKeySym(display, code, XkbBuildCoreState(mods, state.group), &consumed,
                            &typed) &&
            typed == keysym) {
            return shift;
        }
    }
    return std::nullopt;
}

}  // namespace

X11Keyboard::X11Keyboard(std::shared_ptr<X11Connection> connection, Scheduler& scheduler)
    : connection_(std::move(connection)), scheduler_(scheduler) {}

X11Keyboard::~X11Keyboard() {
    releaseAll();
    restoreAll();
}

void X11Keyboard::restoreAll() {
    restoreIdleBindings(true);
    if (restoreTimer_) {
        restoreTimer_->cancel();
    }
}

std::optional<X11Keyboard::Resolved> X11Keyboard::resolve(Display* display, Keysym keysym) {
    int min = 0;
    int max = 0;
    XDisplayKeycodes(display, &min, &max);
    int perCode = 0;
    KeySym* raw = XGetKeyboardMapping(display, static_cast<KeyCode>(min), max - min + 1, &perCode);
    if (raw == nullptr) {
        return std::nullopt;
    }
    std::vector<KeySym> map(raw, raw + static_cast<std::size_t>(max - min + 1) * perCode);
    XFree(raw);
    // Read fresh each time: the keymap may have changed since, by us or by anyone else.
    // Function and modifier keys mean the same in every layout group, so their first group
    // will do. A character must come from the active group, or with a Latin and a Hebrew layout
    // an "a" would type the Hebrew letter on the same key; a character the active group lacks
    // gets a spare keycode, whose single group serves every active group.
    bool layoutIndependent = keysym >= 0xfe00 && keysym <= 0xffff;
    int group = layoutIndependent ? 0 : activeGroup(display);
    int firstColumn = 2 * group;
    if (group <= 1 && firstColumn < perCode) {
        for (int level = 0; level < 2 && firstColumn + level < perCode; ++level) {
            for (int code = min; code <= max; ++code) {
                std::size_t index =
                    static_cast<std::size_t>((code - min) * perCode + firstColumn + level);
                if (map[index] == keysym) {
                    auto key = static_cast<KeyCode>(code);
                    return Resolved{key, shiftFor(display, key, keysym).value_or(level == 1)};
                }
            }
        }
    }
    if (auto code = bindSpare(display, keysym, map, min, perCode)) {
        return Resolved{*code, shiftFor(display, *code, keysym).value_or(false)};
    }
    return std::nullopt;
}

std::optional<std::uint8_t> X11Keyboard::bindSpare(Display* display, Keysym keysym,
                                                   const std::vector<KeySym>& map, int min,
                                                   int perCode) {
    std::optional<std::uint8_t> spare;
    for (std::size_t i = map.size() / static_cast<std::size_t>(perCode); i-- > 0 && !spare;) {
        auto first = map.begin() + static_cast<std::ptrdiff_t>(i) * perCode;
        if (std::all_of(first, first + perCode, [](KeySym s) { return s == NoSymbol; })) {
            spare = static_cast<KeyCode>(min + static_cast<int>(i));
        }
    }
    if (!spare) {
        // None left: take back the binding released longest ago.
        auto oldest = bindings_.end();
        for (auto it = bindings_.begin(); it != bindings_.end(); ++it) {
            if (it->held == 0 &&
                (oldest == bindings_.end() || it->releasedAt < oldest->releasedAt)) {
                oldest = it;
            }
        }
        if (oldest == bindings_.end()) {
            return std::nullopt;
        }
        spare = oldest->code;
        bindings_.erase(oldest);
    }
    setSymbol(display, *spare, keysym, perCode);
    bindings_.push_back({*spare, keysym, 0, 0});
    return spare;
}

void X11Keyboard::setSymbol(Display* display, KeyCode code, Keysym keysym, int perCode) {
    // The same symbol on both levels, so Shift cannot change what is typed. A letter with two
    // cases gets both, as a letter key has, so that with Caps Lock on Shift gives it back.
    std::vector<KeySym> symbols(static_cast<std::size_t>(perCode), NoSymbol);
    KeySym lower = keysym;
    KeySym upper = keysym;
    XConvertCase(keysym, &lower, &upper);
    bool cased = lower != upper;
    symbols[0] = cased ? lower : keysym;
    if (perCode > 1) {
        symbols[1] = cased ? upper : keysym;
    }
    if (keysym == NoSymbol) {
        symbols[1] = NoSymbol;
    }
    XChangeKeyboardMapping(display, code, perCode, symbols.data(), 1);
    XSync(display, False);
}

bool X11Keyboard::stroke(Keysym keysym, bool down) {
    Display* display = connection_->display();
    if (display == nullptr) {
        return false;
    }
    KeyCode shift = XKeysymToKeycode(display, XK_Shift_L);
    if (down) {
        auto resolved = resolve(display, keysym);
        if (!resolved || (resolved->shift && shift == 0)) {
            return false;
        }
        if (resolved->shift) {
            XTestFakeKeyEvent(display, shift, True, CurrentTime);
        }
        XTestFakeKeyEvent(display, resolved->code, True, CurrentTime);
        pressed_[keysym] = *resolved;
        for (Binding& b : bindings_) {
            b.held += b.code == resolved->code ? 1 : 0;
        }
    } else {
        auto it = pressed_.find(keysym);
        if (it == pressed_.end()) {
            return true;  // not down: nothing to release
        }
        Resolved resolved = it->second;
        pressed_.erase(it);
        XTestFakeKeyEvent(display, resolved.code, False, CurrentTime);
        if (resolved.shift) {
            XTestFakeKeyEvent(display, shift, False, CurrentTime);
        }
        for (Binding& b : bindings_) {
            if (b.code == resolved.code && b.held > 0) {
                --b.held;
                b.releasedAt = scheduler_.now();
            }
        }
        if (!bindings_.empty()) {
            scheduleRestore();
        }
    }
    XFlush(display);
    return true;
}

void X11Keyboard::releaseAll() {
    while (!pressed_.empty()) {
        Keysym keysym = pressed_.begin()->first;
        if (!stroke(keysym, false)) {
            pressed_.clear();
        }
    }
}

void X11Keyboard::scheduleRestore() {
    if (restoreTimer_ && restoreTimer_->isActive()) {
        return;
    }
    std::weak_ptr<bool> alive = alive_;
    restoreTimer_ = scheduler_.runAfter(kRestoreAfter, [this, alive] {
        if (alive.expired()) {
            return;
        }
        restoreIdleBindings(false);
        if (!bindings_.empty()) {
            scheduleRestore();
        }
    });
}

void X11Keyboard::restoreIdleBindings(bool all) {
    Display* display = connection_->display();
    if (display == nullptr) {
        bindings_.clear();
        return;
    }
    int min = 0;
    int max = 0;
    XDisplayKeycodes(display, &min, &max);
    int perCode = 0;
    if (KeySym* raw = XGetKeyboardMapping(display, static_cast<KeyCode>(min), 1, &perCode)) {
        XFree(raw);
    }
    joyvane::Time now = scheduler_.now();
    std::erase_if(bindings_, [&](const Binding& b) {
        bool idle = b.held == 0 && now - b.releasedAt >= kRestoreAfter - 1e-3;
        if (!(all || idle) || perCode <= 0) {
            return false;
        }
        setSymbol(display, b.code, NoSymbol, perCode);
        return true;
    });
}

}  // namespace joyvane::x11
