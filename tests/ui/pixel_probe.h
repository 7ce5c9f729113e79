#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <cstdlib>

namespace joyvane::ui::test {

// How many pixels of `part`, as its window draws it (style sheets of every ancestor applied),
// lie within `tolerance` of `color` in each channel. Tests of colour look at pixels this way,
// not at a widget's palette, which a style sheet may override.
inline int pixelsNear(QWidget* part, const QColor& color, int tolerance = 40) {
    QWidget* top = part->window();
    const QImage image = top->grab().toImage();
    const QRect area(part->mapTo(top, QPoint(0, 0)), part->size());
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - color.red()) <= tolerance &&
                std::abs(c.green() - color.green()) <= tolerance &&
                std::abs(c.blue() - color.blue()) <= tolerance) {
                ++count;
            }
        }
    }
    return count;
}

}  // namespace joyvane::ui::test
