#pragma once

#include <optional>

#include "platform/geometry.h"
#include "platform/screen_service.h"

namespace joyvane::ui {

// The keyboard panel's content rectangle in the screen service's space (origin bottom-left, y
// up): 586 x 234, centred horizontally on the main screen's visible frame (the first screen when
// there is no main screen), 16 points above its bottom edge. Absent when there is no screen.
std::optional<Rect> keyboardPanelContentRect(const ScreenService& screens);

// The same rectangle in global display coordinates (origin top-left of the primary screen, y
// down), flipped about the primary screen's height.
Rect toGlobalDisplay(const Rect& rect, const ScreenService& screens);

}  // namespace joyvane::ui
