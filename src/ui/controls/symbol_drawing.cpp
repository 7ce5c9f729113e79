#include "ui/controls/symbol_drawing.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <algorithm>

namespace joyvane::ui {
namespace {

// Coordinates below are in a unit square mapped onto the box.
QPointF at(const QRectF& box, double x, double y) {
    return {box.left() + x * box.width(), box.top() + y * box.height()};
}

QRectF sub(const QRectF& box, double x, double y, double w, double h) {
    return {at(box, x, y), QSizeF(w * box.width(), h * box.height())};
}

QPen strokePen(const QColor& color, const QRectF& box, double fraction = 0.09) {
    QPen pen(color, std::max(1.0, box.width() * fraction));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void fillOrStroke(QPainter& p, const QPainterPath& path, const QColor& color, const QRectF& box,
                  bool filled) {
    if (filled) {
        p.fillPath(path, color);
    } else {
        p.strokePath(path, strokePen(color, box, 0.07));
    }
}

void drawText(QPainter& p, const QRectF& box, const char* text, double sizeFraction,
              const QColor& color) {
    QFont font = p.font();
    font.setPixelSize(std::max(6, static_cast<int>(box.height() * sizeFraction)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, QString::fromUtf8(text));
}

QPolygonF boltPolygon(const QRectF& b) {
    return QPolygonF({at(b, 0.58, 0.02), at(b, 0.18, 0.56), at(b, 0.46, 0.56), at(b, 0.38, 0.98),
                      at(b, 0.82, 0.40), at(b, 0.54, 0.40)});
}

void drawController(QPainter& p, const QRectF& b, const QColor& color, bool filled) {
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addRoundedRect(sub(b, 0.06, 0.22, 0.88, 0.40), b.width() * 0.18, b.height() * 0.18);
    body.addEllipse(sub(b, 0.04, 0.36, 0.32, 0.44));
    body.addEllipse(sub(b, 0.64, 0.36, 0.32, 0.44));
    body = body.simplified();
    QPainterPath holes;
    holes.setFillRule(Qt::WindingFill);
    holes.addRect(sub(b, 0.16, 0.385, 0.18, 0.07));
    holes.addRect(sub(b, 0.215, 0.33, 0.07, 0.18));
    holes.addEllipse(sub(b, 0.62, 0.31, 0.09, 0.09));
    holes.addEllipse(sub(b, 0.72, 0.42, 0.09, 0.09));
    holes = holes.simplified();
    if (filled) {
        p.fillPath(body.subtracted(holes), color);
    } else {
        p.strokePath(body, strokePen(color, b, 0.06));
        p.fillPath(holes, color);
    }
}

void drawBattery(QPainter& p, const QRectF& b, const QColor& color, int level, bool bolt) {
    QRectF shell = sub(b, 0.04, 0.28, 0.82, 0.44);
    QPainterPath outline;
    outline.addRoundedRect(shell, b.width() * 0.08, b.width() * 0.08);
    p.strokePath(outline, strokePen(color, b, 0.06));
    p.fillRect(sub(b, 0.88, 0.42, 0.07, 0.16), color);
    const double inset = b.width() * 0.08;
    QRectF inner = shell.adjusted(inset, inset, -inset, -inset);
    inner.setWidth(inner.width() * std::clamp(level, 0, 100) / 100.0);
    p.fillRect(inner, color);
    if (bolt) {
        QPainterPath path;
        path.addPolygon(boltPolygon(sub(b, 0.30, 0.18, 0.32, 0.64)));
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.strokePath(path, QPen(Qt::black, b.width() * 0.06));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.fillPath(path, color);
    }
}

void drawCircleWith(QPainter& p, const QRectF& b, const QColor& color, const QPainterPath& cutout) {
    QPainterPath circle;
    circle.addEllipse(b.adjusted(1, 1, -1, -1));
    p.fillPath(circle.subtracted(cutout), color);
}

void drawArrowHead(QPainterPath& path, QPointF tip, QPointF back1, QPointF back2) {
    path.moveTo(back1);
    path.lineTo(tip);
    path.lineTo(back2);
}

}  // namespace

void drawChevronDown(QPainter& p, const QRectF& b, const QColor& color) {
    QPainterPath path;
    path.moveTo(at(b, 0.32, 0.80));
    path.lineTo(at(b, 0.50, 0.93));
    path.lineTo(at(b, 0.68, 0.80));
    p.strokePath(path, strokePen(color, b, 0.08));
}

void drawSymbol(QPainter& p, const QRectF& b, const DrawnSymbol& s, const QColor& color) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    switch (s.shape) {
        case DrawnShape::glyph:
            drawText(p, b, s.text, 0.8, color);
            break;
        case DrawnShape::keycap: {
            QPainterPath key;
            key.addRoundedRect(sub(b, 0.06, 0.18, 0.88, 0.64), b.width() * 0.14, b.width() * 0.14);
            p.strokePath(key, strokePen(color, b, 0.07));
            drawText(p, sub(b, 0.06, 0.18, 0.88, 0.64), s.text, 0.36, color);
            break;
        }
        case DrawnShape::controller:
            drawController(p, b, color, s.filled);
            break;
        case DrawnShape::battery:
            drawBattery(p, b, color, s.level, s.bolt);
            break;
        case DrawnShape::bolt: {
            QPainterPath path;
            path.addPolygon(boltPolygon(b));
            path.closeSubpath();
            p.fillPath(path, color);
            break;
        }
        case DrawnShape::playCircle: {
            QPainterPath tri;
            tri.addPolygon(QPolygonF({at(b, 0.40, 0.28), at(b, 0.74, 0.50), at(b, 0.40, 0.72)}));
            tri.closeSubpath();
            drawCircleWith(p, b, color, tri);
            break;
        }
        case DrawnShape::pauseCircle: {
            QPainterPath bars;
            bars.addRect(sub(b, 0.34, 0.28, 0.11, 0.44));
            bars.addRect(sub(b, 0.55, 0.28, 0.11, 0.44));
            drawCircleWith(p, b, color, bars);
            break;
        }
        case DrawnShape::checkCircle: {
            QPainterPath tick;
            tick.moveTo(at(b, 0.28, 0.52));
            tick.lineTo(at(b, 0.44, 0.68));
            tick.lineTo(at(b, 0.73, 0.34));
            QPainterPath cut = QPainterPathStroker(strokePen(color, b, 0.11)).createStroke(tick);
            drawCircleWith(p, b, color, cut);
            break;
        }
        case DrawnShape::circleSlash: {
            QPen pen = strokePen(color, b, 0.08);
            p.setPen(pen);
            p.drawEllipse(
                b.adjusted(b.width() * 0.1, b.width() * 0.1, -b.width() * 0.1, -b.width() * 0.1));
            p.drawLine(at(b, 0.24, 0.76), at(b, 0.76, 0.24));
            break;
        }
        case DrawnShape::fourArrows: {
            QPainterPath path;
            path.moveTo(at(b, 0.5, 0.08));
            path.lineTo(at(b, 0.5, 0.92));
            path.moveTo(at(b, 0.08, 0.5));
            path.lineTo(at(b, 0.92, 0.5));
            drawArrowHead(path, at(b, 0.5, 0.08), at(b, 0.38, 0.2), at(b, 0.62, 0.2));
            drawArrowHead(path, at(b, 0.5, 0.92), at(b, 0.38, 0.8), at(b, 0.62, 0.8));
            drawArrowHead(path, at(b, 0.08, 0.5), at(b, 0.2, 0.38), at(b, 0.2, 0.62));
            drawArrowHead(path, at(b, 0.92, 0.5), at(b, 0.8, 0.38), at(b, 0.8, 0.62));
            p.strokePath(path, strokePen(color, b, 0.08));
            break;
        }
        case DrawnShape::appGrid: {
            p.setPen(Qt::NoPen);
            p.setBrush(color);
            for (double y : {0.2, 0.5, 0.8}) {
                for (double x : {0.2, 0.5, 0.8}) {
                    p.drawEllipse(at(b, x, y), b.width() * 0.1, b.width() * 0.1);
                }
            }
            break;
        }
        case DrawnShape::sliders: {
            QPen pen = strokePen(color, b, 0.07);
            p.setPen(pen);
            const double rows[] = {0.25, 0.5, 0.75};
            const double knobs[] = {0.65, 0.35, 0.55};
            for (int i = 0; i < 3; ++i) {
                p.drawLine(at(b, 0.1, rows[i]), at(b, 0.9, rows[i]));
                p.setBrush(color);
                p.drawEllipse(at(b, knobs[i], rows[i]), b.width() * 0.08, b.width() * 0.08);
            }
            break;
        }
        case DrawnShape::cursor: {
            QPainterPath arrow;
            arrow.addPolygon(QPolygonF({at(b, 0.25, 0.08), at(b, 0.25, 0.82), at(b, 0.42, 0.66),
                                        at(b, 0.55, 0.92), at(b, 0.66, 0.87), at(b, 0.54, 0.62),
                                        at(b, 0.76, 0.62)}));
            arrow.closeSubpath();
            p.fillPath(arrow, color);
            break;
        }
        case DrawnShape::psCross: {
            QPainterPath path;
            path.moveTo(at(b, 0.22, 0.22));
            path.lineTo(at(b, 0.78, 0.78));
            path.moveTo(at(b, 0.78, 0.22));
            path.lineTo(at(b, 0.22, 0.78));
            p.strokePath(path, strokePen(color, b, 0.13));
            break;
        }
        case DrawnShape::psCircle: {
            QPainterPath path;
            path.addEllipse(sub(b, 0.18, 0.18, 0.64, 0.64));
            fillOrStroke(p, path, color, b, false);
            break;
        }
        case DrawnShape::psSquare: {
            QPainterPath path;
            path.addRect(sub(b, 0.2, 0.2, 0.6, 0.6));
            fillOrStroke(p, path, color, b, false);
            break;
        }
        case DrawnShape::psTriangle: {
            QPainterPath path;
            path.addPolygon(QPolygonF({at(b, 0.5, 0.16), at(b, 0.84, 0.78), at(b, 0.16, 0.78)}));
            path.closeSubpath();
            fillOrStroke(p, path, color, b, false);
            break;
        }
    }
    p.restore();
}

}  // namespace joyvane::ui
