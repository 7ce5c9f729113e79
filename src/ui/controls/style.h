#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace joyvane::ui {

// The program's colours: a light look with the usual system accents.
namespace colors {
QColor blue();
QColor green();
QColor orange();
QColor red();
QColor purple();
QColor primary();    // body text
QColor secondary();  // captions and inactive symbols
QColor quaternaryFill();
QColor panelBackground();
QColor headerBackground();
// `color` with its alpha scaled to `opacity` (0 to 1).
QColor withOpacity(QColor color, double opacity);
// "rgba(r, g, b, a)" for style sheets.
QString css(const QColor& color);
}  // namespace colors

// Text sizes named after their role.
enum class TextStyle { title2, headline, body, callout, subheadline, caption, caption2 };

QFont textFont(TextStyle style, QFont::Weight weight = QFont::Normal);
QFont systemFont(int pixelSize, QFont::Weight weight = QFont::Normal);

// Sets the label's font and text colour in one go.
void styleLabel(QLabel* label, const QFont& font, const QColor& color);

// Sets a text only when it differs, so frequent refreshes cost nothing.
void setTextIfChanged(QLabel* label, const QString& text);
void setToolTipIfChanged(QWidget* widget, const QString& text);

}  // namespace joyvane::ui
