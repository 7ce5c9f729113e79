#include "ui/windows/symbol.h"

#include <cmath>

#include "ui/controls/symbols.h"

namespace joyvane::ui {

QSizeF symbolSize(std::string_view, double pointSize) {
    return {pointSize, pointSize};
}

void paintSymbol(QPainter& painter, const QRectF& rect, std::string_view name, const QColor& color,
                 double pointSize) {
    int size = static_cast<int>(std::lround(pointSize));
    QRectF box(0, 0, size, size);
    box.moveCenter(rect.center());
    painter.drawPixmap(box.toRect(), symbolPixmap(name, size, color));
}

}  // namespace joyvane::ui
