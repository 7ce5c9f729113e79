#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/event_poster.h"
#include "platform/linux/wayland/evdev_translator.h"
#include "platform/linux/wayland/pointer_space.h"

namespace joyvane::wayland {

// Posts the engine's events through the virtual uinput devices (EvdevTranslator) and keeps
// the pointer position in the pointer space. Without a sink (no access to /dev/uinput) every
// post fails, and the position is still kept so the engine's pointer stays coherent.
class WaylandEventPoster final : public EventPoster {
  public:
    // Delivers text the keymap cannot type (ClipboardTyping).
    using TypeText = std::function<void(const std::u16string&)>;

    WaylandEventPoster(std::unique_ptr<EvdevSink> sink, PointerSpace& space,
                       std::shared_ptr<const KeymapLookup> keymap,
                       std::shared_ptr<const KeymapLookup> shortcuts);
    ~WaylandEventPoster() override;

    void setTypeText(TypeText typeText) { typeText_ = std::move(typeText); }
    void setKeymap(std::shared_ptr<const KeymapLookup> keymap);
    bool canPost() const { return sink_ != nullptr; }

    void warp(Point position) override;
    bool post(const MouseEvent& event) override;
    bool post(const ScrollEvent& event) override;
    bool post(const KeyEvent& event) override;
    void releaseAll() override;

  private:
    // Follows the screens: the pointer's axes are made again when their bounding box changed.
    void followArea();

    std::unique_ptr<EvdevSink> sink_;
    PointerSpace& space_;
    std::optional<EvdevTranslator> translator_;
    TypeText typeText_;
};

}  // namespace joyvane::wayland
