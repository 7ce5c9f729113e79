#include "ui/controls/thin_scroll_bars.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

#include "ui/controls/style.h"

namespace joyvane::ui {

void applyThinScrollBars(QAbstractScrollArea* area) {
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->verticalScrollBar()->setStyleSheet(
        QStringLiteral("QScrollBar:vertical { background: transparent; width: 8px; margin: 0; }"
                       "QScrollBar::handle:vertical { background: %1; border-radius: 3px;"
                       " min-height: 28px; margin: 2px 2px 2px 0; }"
                       "QScrollBar::handle:vertical:hover { background: %2; }"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical"
                       " { height: 0; border: none; background: none; }"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical"
                       " { background: none; }")
            .arg(colors::css(QColor(0, 0, 0, 70)), colors::css(QColor(0, 0, 0, 120))));
}

}  // namespace joyvane::ui
