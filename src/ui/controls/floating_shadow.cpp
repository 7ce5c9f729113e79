#include "ui/controls/floating_shadow.h"

#include <QPainter>
#include <QPainterPath>

namespace joyvane::ui {

QPixmap floatingShadow(QSize size, const QRectF& sheet, double radius, int spread, double opacity) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    if (spread <= 0) {
        return pixmap;
    }
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QPainterPath inside;
    inside.addRoundedRect(sheet, radius, radius);
    QPainterPath everything;
    everything.addRect(QRectF(QPointF(0, 0), QSizeF(size)));
    p.setClipPath(everything.subtracted(inside));
    // Nested rings from the outside in; each adds a little black, so the shade deepens towards
    // the sheet along a smooth (quadratic) fall-off.
    double previous = 0;
    for (int ring = spread; ring >= 1; --ring) {
        const double t = 1.0 - static_cast<double>(ring - 1) / spread;
        const double target = opacity * t * t;
        // The alpha that composes with what is already there to reach `target`.
        const double step = (target - previous) / (1.0 - previous);
        previous = target;
        QPainterPath band;
        band.addRoundedRect(sheet.adjusted(-ring, -ring, ring, ring), radius + ring, radius + ring);
        p.setBrush(QColor(0, 0, 0, static_cast<int>(step * 255.0 + 0.5)));
        p.drawPath(band);
    }
    return pixmap;
}

}  // namespace joyvane::ui
