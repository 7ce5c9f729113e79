#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace joyvane::ui {

// Shapes drawn with QPainter where no icon theme offers the symbol.
enum class DrawnShape {
    glyph,       // `text` in the system font, centred
    keycap,      // `text` inside a rounded key outline
    controller,  // a game controller, filled or outlined
    battery,     // a battery filled to `level` percent, with a bolt when `bolt`
    bolt,
    playCircle,
    pauseCircle,
    checkCircle,
    circleSlash,
    fourArrows,
    sliders,
    cursor,
    psCross,
    psCircle,
    psSquare,
    psTriangle,
    appGrid,  // three rows of three dots: a generic application launcher
};

struct DrawnSymbol {
    DrawnShape shape = DrawnShape::glyph;
    const char* text = "";
    int level = 0;
    bool filled = true;
    bool bolt = false;
};

// Draws the shape into `box` (a square) in `color`.
void drawSymbol(QPainter& painter, const QRectF& box, const DrawnSymbol& symbol,
                const QColor& color);

// A downward chevron across the bottom of `box`.
void drawChevronDown(QPainter& painter, const QRectF& box, const QColor& color);

}  // namespace joyvane::ui
