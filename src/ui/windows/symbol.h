#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <string_view>

namespace joyvane::ui {

// Painting a symbol of the symbol table inside custom-drawn controls: a square of `pointSize`,
// centred in `rect`, tinted in one colour.
QSizeF symbolSize(std::string_view name, double pointSize);
void paintSymbol(QPainter& painter, const QRectF& rect, std::string_view name, const QColor& color,
                 double pointSize);

}  // namespace joyvane::ui
