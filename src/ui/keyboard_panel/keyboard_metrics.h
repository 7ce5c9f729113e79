#pragma once

// The on-screen keyboard's measures, in points.
namespace joyvane::ui::keyboard_metrics {

inline constexpr int kCharRows = 4;
inline constexpr int kCharCols = 10;
inline constexpr int kKeyWidth = 50;
inline constexpr int kKeyHeight = 40;
inline constexpr int kGap = 4;
inline constexpr int kKeyRadius = 8;
inline constexpr int kStackSpacing = 6;
inline constexpr int kOuterPadding = 10;
inline constexpr int kCornerRadius = 16;
inline constexpr int kControlSpacing = 5;
inline constexpr int kControlPadding = 12;
inline constexpr double kKeyCursorScale = 1.08;
inline constexpr double kControlCursorScale = 1.05;
inline constexpr int kCursorAnimationMs = 80;

// The panel's content rectangle as first built; the view may ask for more height.
inline constexpr int kPanelWidth = 586;
inline constexpr int kPanelHeight = 234;
inline constexpr int kPanelBottomMargin = 16;

}  // namespace joyvane::ui::keyboard_metrics
