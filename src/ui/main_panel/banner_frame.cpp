#include "ui/main_panel/banner_frame.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/controls/style.h"

namespace joyvane::ui {

QVBoxLayout* dressBanner(QFrame* banner, const QString& objectName, const QColor& tint,
                         double backgroundOpacity, double borderOpacity, int spacing) {
    banner->setObjectName(objectName);
    banner->setAttribute(Qt::WA_StyledBackground, true);
    banner->setStyleSheet(
        QStringLiteral("#%1 { background: %2; border: 1px solid %3; border-radius: 14px; }")
            .arg(objectName, colors::css(colors::withOpacity(tint, backgroundOpacity)),
                 colors::css(colors::withOpacity(tint, borderOpacity))));
    auto* column = new QVBoxLayout(banner);
    column->setContentsMargins(16, 16, 16, 16);
    column->setSpacing(spacing);
    return column;
}

QLabel* makeBannerTitle() {
    auto* title = new QLabel;
    title->setAlignment(Qt::AlignCenter);
    styleLabel(title, textFont(TextStyle::subheadline, QFont::DemiBold), colors::primary());
    return title;
}

}  // namespace joyvane::ui
