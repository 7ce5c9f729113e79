#pragma once

#include <memory>
#include <optional>
#include <set>

#include "core/scheduler.h"
#include "platform/event_poster.h"
#include "platform/linux/x11/key_translator.h"
#include "platform/linux/x11/scroll_clicks.h"
#include "platform/linux/x11/x11_connection.h"
#include "platform/linux/x11/x11_keyboard.h"
#include "platform/linux/x11/x11_screen_service.h"

namespace joyvane::x11 {

// Posts the engine's events through XTest:
//   warp plus a moved or dragged event   one absolute motion (a held button makes it a drag)
//   mouse buttons 0, 1, 2                X buttons 1, 3, 2
//   pixel scrolling                      wheel clicks, X buttons 4/5 (vertical) and 6/7
//   keys and chords                      this desktop's equivalents (KeyTranslator)
//   Unicode text                         the character's keysym (X11Keyboard)
// On destruction it lets go of every button and key it still holds.
class X11EventPoster final : public EventPoster {
  public:
    X11EventPoster(std::shared_ptr<X11Connection> connection, X11ScreenService& screens,
                   Scheduler& scheduler);
    ~X11EventPoster() override;
    X11EventPoster(const X11EventPoster&) = delete;
    X11EventPoster& operator=(const X11EventPoster&) = delete;

    void warp(Point position) override;
    bool post(const MouseEvent& event) override;
    bool post(const ScrollEvent& event) override;
    bool post(const KeyEvent& event) override;
    void releaseAll() override;

  private:
    bool moveTo(Point global);
    bool button(unsigned int xButton, bool down);
    bool clicks(int count, unsigned int positive, unsigned int negative);

    std::shared_ptr<X11Connection> connection_;
    X11ScreenService& screens_;
    KeyTranslator translator_;
    X11Keyboard keyboard_;
    ScrollClicks vertical_;
    ScrollClicks horizontal_;
    std::optional<Point> warped_;  // global coordinates of the last warp
    std::set<unsigned int> heldButtons_;
};

}  // namespace joyvane::x11
