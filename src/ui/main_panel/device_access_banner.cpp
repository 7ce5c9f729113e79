#include "ui/main_panel/device_access_banner.h"

#include <QClipboard>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/controls/style.h"
#include "ui/controls/symbol_label.h"
#include "ui/main_panel/content_view.h"
#include "ui/main_panel/panel_context.h"

namespace joyvane::ui {
namespace {

QPushButton* makeButton(const char* objectName, const QColor& background, const QColor& text) {
    auto* button = new QPushButton;
    button->setObjectName(QString::fromLatin1(objectName));
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumHeight(30);
    button->setFont(textFont(TextStyle::subheadline, QFont::DemiBold));
    button->setStyleSheet(
        QStringLiteral("#%1 { background: %2; color: %3; border: none; "
                       "border-radius: 8px; padding: 4px 12px; }")
            .arg(QString::fromLatin1(objectName), colors::css(background), colors::css(text)));
    return button;
}

QString controllerLine(const DeviceAccessNotice::Controller& controller, bool hebrew) {
    // The mark after the Latin run keeps its closing parenthesis where it belongs in Hebrew.
    return panelText(hebrew, "%1 over %2 (%3)", "%1 דרך %2 (%3)\u200E")
        .arg(controller.model, controller.bus, controller.node);
}

}  // namespace

DeviceAccessBanner::DeviceAccessBanner(std::function<void()> checkAgain, QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("deviceAccessBanner"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("#deviceAccessBanner { background: %1; border: 1px solid %2; "
                                 "border-radius: 14px; }")
                      .arg(colors::css(colors::withOpacity(colors::orange(), 0.07)),
                           colors::css(colors::withOpacity(colors::orange(), 0.25))));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 16, 16, 16);
    column->setSpacing(10);

    auto* heading = new QHBoxLayout;
    heading->setSpacing(8);
    heading->addWidget(new SymbolLabel("gamecontroller.fill", 20, colors::orange()));
    title_ = new QLabel;
    styleLabel(title_, textFont(TextStyle::subheadline, QFont::DemiBold), colors::primary());
    heading->addWidget(title_, 1);
    column->addLayout(heading);

    explanation_ = new QLabel;
    explanation_->setWordWrap(true);
    styleLabel(explanation_, textFont(TextStyle::caption), colors::secondary());
    column->addWidget(explanation_);

    commandIntro_ = new QLabel;
    commandIntro_->setWordWrap(true);
    styleLabel(commandIntro_, textFont(TextStyle::caption), colors::secondary());
    column->addWidget(commandIntro_);

    // The command reads left to right in either language, and can be selected and copied.
    command_ = new QLabel;
    command_->setObjectName(QStringLiteral("fixCommand"));
    command_->setWordWrap(true);
    command_->setLayoutDirection(Qt::LeftToRight);
    command_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    command_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPixelSize(11);
    styleLabel(command_, mono, colors::primary());
    // One rule for the colour and the box, so the label's sheet stays a valid style sheet.
    command_->setStyleSheet(
        QStringLiteral("#fixCommand { color: %1; background: %2; border-radius: 6px; "
                       "padding: 6px; }")
            .arg(colors::css(colors::primary()),
                 colors::css(colors::withOpacity(colors::primary(), 0.06))));
    column->addWidget(command_);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    copy_ =
        makeButton("copyCommand", colors::withOpacity(colors::orange(), 0.15), colors::primary());
    connect(copy_, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(command_->text()); });
    checkAgain_ = makeButton("checkAgain", colors::orange(), Qt::white);
    connect(checkAgain_, &QPushButton::clicked, this, std::move(checkAgain));
    buttons->addWidget(copy_, 1);
    buttons->addWidget(checkAgain_, 1);
    column->addLayout(buttons);
    setVisible(false);
}

void DeviceAccessBanner::setNotice(std::optional<DeviceAccessNotice> notice) {
    notice_ = std::move(notice);
    if (notice_ && notice_->controllers.isEmpty()) {
        notice_.reset();
    }
    refresh();
}

void DeviceAccessBanner::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange) {
        refresh();
    }
}

void DeviceAccessBanner::refresh() {
    setVisible(notice_.has_value());
    if (!notice_) {
        return;
    }
    const bool hebrew = layoutDirection() == Qt::RightToLeft;
    setTextIfChanged(title_, panelText(hebrew, "Controller Access Needed", "נדרשת גישה לבקר"));
    QStringList lines;
    for (const auto& controller : notice_->controllers) {
        lines << controllerLine(controller, hebrew);
    }
    setTextIfChanged(explanation_,
                     panelText(hebrew,
                               "The touchpad and the exact battery level need access to the "
                               "controller's device, which is missing for:\n%1",
                               "משטח המגע ורמת הסוללה המדויקת דורשים גישה להתקן של הבקר, "
                               "והיא חסרה עבור:\n%1")
                         .arg(lines.join(QLatin1Char('\n'))));
    setTextIfChanged(commandIntro_,
                     panelText(hebrew,
                               "Run this command in a terminal, then unplug the controller and "
                               "plug it in again:",
                               "הרץ את הפקודה הזו במסוף, ואז נתק את הבקר וחבר אותו שוב:"));
    setTextIfChanged(command_, notice_->command);
    const QString copyText = panelText(hebrew, "Copy Command", "העתק פקודה");
    if (copy_->text() != copyText) {
        copy_->setText(copyText);
    }
    const QString checkText = panelText(hebrew, "Check Again", "בדוק שוב");
    if (checkAgain_->text() != checkText) {
        checkAgain_->setText(checkText);
    }
}

void addToPanel(ContentView& panel, DeviceAccessBanner* banner) {
    auto* sections = qobject_cast<QVBoxLayout*>(panel.scrollArea()->widget()->layout());
    if (sections) {
        sections->insertWidget(0, banner);
    }
}

}  // namespace joyvane::ui
