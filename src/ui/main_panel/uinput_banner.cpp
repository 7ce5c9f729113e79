#include "ui/main_panel/uinput_banner.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/controls/style.h"
#include "ui/controls/symbol_label.h"
#include "ui/main_panel/banner_frame.h"
#include "ui/main_panel/panel_context.h"

namespace joyvane::ui {

UinputBanner::UinputBanner(UinputProblem problem, QWidget* parent)
    : QFrame(parent), problem_(problem) {
    auto* column =
        dressBanner(this, QStringLiteral("uinputBanner"), colors::orange(), 0.08, 0.30, 10);
    column->addWidget(new SymbolLabel("computermouse.fill", 24, colors::orange()), 0,
                      Qt::AlignHCenter);
    title_ = makeBannerTitle();
    column->addWidget(title_);
    explanation_ = new QLabel;
    explanation_->setAlignment(Qt::AlignCenter);
    explanation_->setWordWrap(true);
    styleLabel(explanation_, textFont(TextStyle::caption), colors::secondary());
    column->addWidget(explanation_);
    command_ = new QLabel;
    command_->setObjectName(QStringLiteral("fixCommand"));
    command_->setAlignment(Qt::AlignCenter);
    command_->setWordWrap(true);
    command_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    command_->setLayoutDirection(Qt::LeftToRight);  // a command reads left to right always
    QFont mono = textFont(TextStyle::caption);
    mono.setFamily(QStringLiteral("monospace"));
    styleLabel(command_, mono, colors::primary());
    command_->setStyleSheet(command_->styleSheet() +
                            QStringLiteral("#fixCommand { background: %1; border-radius: 6px; "
                                           "padding: 6px; }")
                                .arg(colors::css(colors::quaternaryFill())));
    column->addWidget(command_);
}

void UinputBanner::refresh(bool hebrew) {
    setTextIfChanged(title_, panelText(hebrew, "Input Device Unavailable", "התקן הקלט אינו זמין"));
    if (problem_ == UinputProblem::missing) {
        setTextIfChanged(
            explanation_,
            panelText(hebrew,
                      "This Wayland session has no /dev/uinput, so the controller cannot move "
                      "the pointer, click or type. Load the uinput module:",
                      "בהפעלת Wayland זו אין /dev/uinput, ולכן השלט אינו יכול "
                      "להזיז "
                      "את "
                      "הסמן, "
                      "ללחוץ או להקליד. טען את מודול uinput:"));
        setTextIfChanged(command_, QStringLiteral("sudo modprobe uinput"));
    } else {
        setTextIfChanged(
            explanation_,
            panelText(hebrew,
                      "Joyvane cannot write to /dev/uinput, so the controller cannot move the "
                      "pointer, click or type. Install the joyvane package or its udev rule, "
                      "then run:",
                      "ל-Joyvane אין הרשאת כתיבה ל-/dev/uinput, ולכן השלט אינו "
                      "יכול "
                      "להזיז "
                      "את "
                      "הסמן, ללחוץ או להקליד. התקן את חבילת joyvane או את כלל ה-udev שלה, "
                      "ואז הרץ:"));
        setTextIfChanged(command_, QStringLiteral("sudo udevadm control --reload-rules && "
                                                  "sudo udevadm trigger"));
    }
}

}  // namespace joyvane::ui
