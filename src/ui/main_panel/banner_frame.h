#pragma once

#include <QColor>
#include <QString>

class QFrame;
class QLabel;
class QVBoxLayout;

namespace joyvane::ui {

// Dresses a banner of the main panel as a rounded card tinted with `tint` (its background and
// border at the given opacities) and returns its column, with the banners' margins.
QVBoxLayout* dressBanner(QFrame* banner, const QString& objectName, const QColor& tint,
                         double backgroundOpacity, double borderOpacity, int spacing);

// A banner's centred title.
QLabel* makeBannerTitle();

}  // namespace joyvane::ui
