#include "app/tray_label.h"

#include <QPainter>

#include "core/language.h"
#include "ui/controls/battery_format.h"
#include "ui/controls/reading_direction.h"
#include "ui/controls/symbols.h"

namespace joyvane::app {

TrayLabel trayLabelFor(const TrayState& state) {
    TrayLabel label;
    label.controllerSymbol =
        state.connected && state.enabled ? "gamecontroller.fill" : "gamecontroller";
    if (state.connected) {
        label.bolt = state.batteryState == BatteryState::charging;
        if (state.batteryLevel) {
            label.percent = ui::batteryPercentText(*state.batteryLevel);
        }
    }
    label.opacity = state.connected ? 1.0 : 0.4;
    return label;
}

namespace {
// Panels are light on some desktops and dark on others: dark ink with a light rim reads on both.
const QColor kInk(40, 44, 52);
const QColor kRim(255, 255, 255, 200);

void drawWithRim(QPainter& p, int x, int y, const std::string& symbol, int size) {
    const QPixmap rim = ui::symbolPixmap(symbol, size, kRim);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            p.drawPixmap(x + dx, y + dy, size, size, rim);
        }
    }
    p.drawPixmap(x, y, size, size, ui::symbolPixmap(symbol, size, kInk));
}
// The whole label at one opacity, as one layer (its overlapping parts do not add up).
QPixmap dimmed(const QPixmap& label, double opacity) {
    if (opacity >= 1.0) {
        return label;
    }
    QPixmap out(label.size());
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setOpacity(opacity);
    p.drawPixmap(0, 0, label);
    return out;
}
}  // namespace

QPixmap renderTrayLabel(const TrayLabel& label, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Tray icons are square, so the row of the label is folded: the symbol fills the icon while
    // there is nothing else to show and sits above the battery line otherwise.
    const bool hasBattery = label.bolt || !label.percent.empty();
    const int symbolSize = hasBattery ? size * 9 / 16 : size - 2;
    drawWithRim(p, (size - symbolSize) / 2, 1, label.controllerSymbol, symbolSize);
    if (!hasBattery) {
        p.end();
        return dimmed(pixmap, label.opacity);
    }
    const int lineTop = symbolSize + 1;
    const int lineHeight = size - lineTop;
    QFont font;
    font.setPixelSize(std::max(6, lineHeight * 9 / 10));
    font.setBold(true);
    p.setFont(font);
    const QString percent = QString::fromStdString(label.percent);
    const int textWidth = p.fontMetrics().horizontalAdvance(percent);
    const int boltSize = label.bolt ? lineHeight * 4 / 5 : 0;
    const int total = textWidth + boltSize;
    int x = std::max(0, (size - total) / 2);
    if (label.bolt) {
        drawWithRim(p, x, lineTop + (lineHeight - boltSize) / 2, "bolt.fill", boltSize);
        x += boltSize;
    }
    const QRect textBox(x, lineTop, size - x, lineHeight);
    p.setPen(kRim);
    for (const QPoint offset : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
        p.drawText(textBox.translated(offset), Qt::AlignLeft | Qt::AlignVCenter, percent);
    }
    p.setPen(kInk);
    p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, percent);
    p.end();
    return dimmed(pixmap, label.opacity);
}

QString trayToolTip(const TrayState& state, bool hebrew) {
    auto t = [hebrew](const char* en, const char* he) {
        return QString::fromUtf8(localized(hebrew, en, he));
    };
    // Hebrew reads right to left from its first line, which is the Latin product name.
    QStringList lines{hebrew ? ui::rightToLeft(QStringLiteral("Joyvane"))
                             : QStringLiteral("Joyvane")};
    if (!state.connected) {
        lines << t("No controller connected", "אין שלט מחובר");
        return lines.join(QLatin1Char('\n'));
    }
    lines << (state.enabled
                  ? t("Controller connected, control on", "שלט מחובר, השליטה פעילה")
                  : t("Controller connected, control paused", "שלט מחובר, השליטה מושהית"));
    if (state.batteryLevel || state.batteryState == BatteryState::charging) {
        QString battery = t("Battery", "סוללה");
        if (state.batteryLevel) {
            battery += QLatin1Char(' ') +
                       QString::fromStdString(ui::batteryPercentText(*state.batteryLevel));
        }
        if (state.batteryState == BatteryState::charging) {
            battery += t(", charging", ", בטעינה");
        }
        lines << battery;
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace joyvane::app
