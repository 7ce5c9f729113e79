#pragma once

class QAbstractScrollArea;

namespace joyvane::ui {

// Vertical scrolling in the thin style of current desktops: a slim rounded handle without arrow
// buttons or a gutter, shown only while the content is taller than the area. Never horizontal.
void applyThinScrollBars(QAbstractScrollArea* area);

}  // namespace joyvane::ui
