#pragma once

#include <chrono>
#include <memory>
#include <optional>

#include "platform/linux/x11/screen_layout.h"
#include "platform/linux/x11/x11_connection.h"
#include "platform/screen_service.h"

namespace joyvane::x11 {

// Screens from the monitors RandR reports, visible frames from the desktop's work area, and
// the pointer. The X pointer sits on whole pixels while the engine moves it by fractions; the
// poster records where it really meant to go, and as long as nobody else moved the pointer the
// mouse location reports that fractional point, so slow motion adds up instead of being lost.
class X11ScreenService final : public ScreenService {
  public:
    explicit X11ScreenService(std::shared_ptr<X11Connection> connection);

    std::vector<Screen> screens() const override { return layout().screens(); }
    // The screen under the pointer.
    std::optional<Screen> mainScreen() const override;
    Point mouseLocation() const override;

    // The monitors, read again at most once a second (so monitor changes are seen soon
    // without asking the server on every tick of the input loop).
    const ScreenLayout& layout() const;
    void refresh() const;
    // The point, in root-window pixels, the pointer was last sent to.
    void rememberWarp(Point root) { warped_ = root; }

  private:
    std::optional<Point> pointerRoot() const;

    std::shared_ptr<X11Connection> connection_;
    mutable ScreenLayout layout_;
    mutable std::chrono::steady_clock::time_point readAt_;
    mutable bool read_ = false;
    mutable Point lastPointer_;
    std::optional<Point> warped_;
};

}  // namespace joyvane::x11
