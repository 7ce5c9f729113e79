// Draws the tray icon in each of its states, with its tooltip in English and in Hebrew, on a
// strip of dark top bar, as PNG files for people to look at. The folder is the first argument.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <cstdio>

#include "app/tray_label.h"

namespace {

struct Shot {
    const char* name;
    joyvane::app::TrayState state;
};

QImage trayPicture(const joyvane::app::TrayState& state, bool hebrew) {
    const QPixmap icon = joyvane::app::renderTrayLabel(joyvane::app::trayLabelFor(state), 24);
    // The tooltip as Qt shows it, so its reading direction is what a person sees.
    QLabel tip(joyvane::app::trayToolTip(state, hebrew));
    tip.setMargin(6);
    tip.setStyleSheet(
        QStringLiteral("background: #fffff0; color: #1c1c1e; border: 1px solid #999;"));
    tip.resize(tip.sizeHint());
    const QPixmap tipImage = tip.grab();

    QImage image(std::max(260, tipImage.width() + 20), 40 + tipImage.height(),
                 QImage::Format_ARGB32);
    image.fill(QColor(246, 246, 248));
    QPainter p(&image);
    p.fillRect(QRect(0, 0, image.width(), 28), QColor(34, 34, 34));
    const int iconX = hebrew ? 8 : image.width() - 32;
    p.drawPixmap(iconX, 2, icon);
    p.drawPixmap(hebrew ? 8 : image.width() - tipImage.width() - 8, 34, tipImage);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);
    using joyvane::BatteryState;
    const Shot shots[] = {
        {"disabled-no-controller", {false, false, std::nullopt, std::nullopt}},
        {"connected-paused", {true, false, BatteryState::discharging, 0.8f}},
        {"connected", {true, true, BatteryState::discharging, 0.8f}},
        {"charging", {true, true, BatteryState::charging, 0.5f}},
        {"low-battery", {true, true, BatteryState::discharging, 0.12f}},
    };
    int failures = 0;
    for (const Shot& shot : shots) {
        for (const bool hebrew : {false, true}) {
            const QString path = QDir(folder).filePath(
                QStringLiteral("tray-%1-%2.png")
                    .arg(QString::fromLatin1(shot.name), hebrew ? "he" : "en"));
            if (!trayPicture(shot.state, hebrew).save(path)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
