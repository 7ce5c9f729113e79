#include "app/app_icon.h"

namespace joyvane::app {

QIcon applicationIcon() {
    static const QIcon icon(QStringLiteral(":/icons/io.github.joyvane.Joyvane.svg"));
    return icon;
}

}  // namespace joyvane::app
