#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSize>

namespace joyvane::ui {

// The soft black shadow of a floating window around a rounded `sheet`, as a transparent pixmap
// of `size`: darkest (`opacity`) at the sheet's edge, fading to nothing `spread` pixels out.
// Nothing is drawn under the sheet itself, so a translucent sheet keeps its own tint.
QPixmap floatingShadow(QSize size, const QRectF& sheet, double radius, int spread, double opacity);

}  // namespace joyvane::ui
