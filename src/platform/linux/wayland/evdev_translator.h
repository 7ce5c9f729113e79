#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/event_poster.h"
#include "platform/linux/wayland/evdev_sink.h"
#include "platform/linux/wayland/keymap_lookup.h"
#include "platform/linux/wayland/wheel_axis.h"
#include "platform/linux/x11/key_translator.h"

namespace joyvane::wayland {

// Turns the engine's events into evdev frames for the virtual pointer and keyboard:
//   warp, moved, dragged      ABS_X / ABS_Y in the pointer area (a held button makes a drag)
//   mouse buttons 0, 1, 2     BTN_LEFT, BTN_RIGHT, BTN_MIDDLE; 3 to 7 BTN_SIDE to BTN_TASK
//   pixel scrolling           REL_WHEEL / REL_HWHEEL notches with their _HI_RES companions
//   keys and chords           the X11 chord table (x11::KeyTranslator), each keysym placed on
//                             the session's keymap with the modifiers of its level
// Every change is one frame ending with SYN_REPORT. A key press whose character the keymap
// cannot type is handed back to the caller instead.
class EvdevTranslator {
  public:
    // `keymap` is the session's; `shortcuts` (a Latin keymap) places the letters of a shortcut
    // the session's keymap lacks, as Ctrl+C on a Hebrew layout.
    EvdevTranslator(EvdevSink& sink, std::shared_ptr<const KeymapLookup> keymap,
                    std::shared_ptr<const KeymapLookup> shortcuts, PointerArea area);
    ~EvdevTranslator();  // releases whatever is still down

    void setKeymap(std::shared_ptr<const KeymapLookup> keymap) { keymap_ = std::move(keymap); }
    void setArea(PointerArea area) { area_ = area; }
    const PointerArea& area() const { return area_; }

    bool moveTo(Point global);
    bool post(const MouseEvent& event);
    bool post(const ScrollEvent& event);
    // `unplaced` receives the text of a key press the keymap cannot type (nothing is written
    // for it then); the press still counts as posted.
    bool post(const KeyEvent& event, std::u16string* unplaced);

    // Lets go of every button and key still down.
    void releaseAll();

  private:
    bool frame(VirtualDevice device, std::vector<EvdevEvent> events);
    bool button(std::uint16_t code, bool down);
    bool keyChange(std::uint16_t code, bool down);
    std::optional<KeyPlacement> place(Keysym keysym, bool typing) const;

    EvdevSink& sink_;
    std::shared_ptr<const KeymapLookup> keymap_;
    std::shared_ptr<const KeymapLookup> shortcuts_;
    PointerArea area_;
    x11::KeyTranslator keys_;
    WheelAxis vertical_;
    WheelAxis horizontal_;
    std::optional<Point> warped_;
    std::set<std::uint16_t> buttons_;
    std::map<std::uint16_t, int> keysDown_;              // key code -> strokes holding it
    std::map<Keysym, std::vector<std::uint16_t>> held_;  // keysym -> codes pressed for it
};

}  // namespace joyvane::wayland
