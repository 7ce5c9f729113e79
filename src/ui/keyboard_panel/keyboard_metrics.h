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
// The clear margin around the sheet that its floating-window shadow fades out in; with it the
// sheet is exactly as wide as the key grid and its padding inside the 586-point panel.
inline constexpr int kShadowMargin = 15;
inline constexpr int kShadowOpacityPercent = 50;
// The key grid's width; the control row is as wide, aligned with it.
inline constexpr int kGridWidth = kCharCols * kKeyWidth + (kCharCols - 1) * kGap;
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
