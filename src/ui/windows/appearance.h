#pragma once

#include <QColor>
#include <QEasingCurve>
#include <QFont>
#include <QPointF>

#include "ui/controls/style.h"

// Animation curves and a few type helpers shared by the windows and the keyboard panel.
namespace joyvane::ui::appearance {

// A monospaced face at the system size, for short codes such as the layout label.
inline QFont monospacedFont(int pixelSize, QFont::Weight weight) {
    QFont f = systemFont(pixelSize, weight);
    f.setStyleHint(QFont::Monospace);
    f.setFamily(QStringLiteral("DejaVu Sans Mono"));
    return f;
}

// The colour a fraction t of the way from `from` to `to`.
inline QColor mix(const QColor& from, const QColor& to, double t) {
    auto lerp = [t](float a, float b) { return a + static_cast<float>(t) * (b - a); };
    QColor out;
    out.setRgbF(lerp(from.redF(), to.redF()), lerp(from.greenF(), to.greenF()),
                lerp(from.blueF(), to.blueF()), lerp(from.alphaF(), to.alphaF()));
    return out;
}

// The standard timing curves: ease-out (0, 0, 0.58, 1) and ease-in-out (0.42, 0, 0.58, 1).
inline QEasingCurve easeOut() {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0, 0), QPointF(0.58, 1), QPointF(1, 1));
    return curve;
}

inline QEasingCurve easeInOut() {
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.42, 0), QPointF(0.58, 1), QPointF(1, 1));
    return curve;
}

}  // namespace joyvane::ui::appearance
