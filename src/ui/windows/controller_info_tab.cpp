#include "ui/windows/controller_info_tab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include "engine/controller_manager.h"
#include "info/battery_format.h"
#include "info/firmware_reader.h"
#include "info/time_ago.h"
#include "ui/controls/card_section.h"
#include "ui/controls/style.h"
#include "ui/controls/symbol_label.h"
#include "ui/controls/thin_scroll_bars.h"
#include "ui/windows/battery_widgets.h"
#include "ui/windows/window_controls.h"
#include "ui/windows/window_text.h"

namespace joyvane::ui {

namespace {

QColor levelColor(int percent) {
    switch (batteryLevelColor(percent)) {
        case BatteryLevelColor::red:
            return colors::red();
        case BatteryLevelColor::orange:
            return colors::orange();
        case BatteryLevelColor::green:
            break;
    }
    return colors::green();
}

// A card's header: a caption-size symbol and title in the secondary colour.
QLabel* addCardHeader(QVBoxLayout* column, QWidget* card, const std::string& symbol) {
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(new SymbolLabel(symbol, textFont(TextStyle::caption).pixelSize() + 1,
                                   colors::secondary(), card));
    auto* title = new QLabel(card);
    styleLabel(title, textFont(TextStyle::caption), colors::secondary());
    row->addWidget(title);
    row->addStretch(1);
    column->addLayout(row);
    return title;
}

QWidget* makeCard(QWidget* parent, QVBoxLayout** column, int spacing) {
    auto* card = new QWidget(parent);
    card->setObjectName(QStringLiteral("infoCard"));
    applyCardBackground(card, 12);
    *column = new QVBoxLayout(card);
    (*column)->setContentsMargins(14, 14, 14, 14);
    (*column)->setSpacing(spacing);
    return card;
}

}  // namespace

ControllerInfoTab::ControllerInfoTab(ControllerManager& manager, const LanguageSource& languages,
                                     Workspace& workspace, std::shared_ptr<const HidRegistry> hid,
                                     Scheduler& scheduler, QWidget* parent)
    : QWidget(parent),
      mgr_(manager),
      languages_(languages),
      workspace_(workspace),
      hid_(std::move(hid)),
      scheduler_(scheduler),
      firmwareVersion_(uiText(isHebrew(languages), "Checking...", "בודק...")),
      watcher_(this, [this] { refresh(); }) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    applyThinScrollBars(scroll);
    auto* page = new QWidget(scroll);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(16, 16, 16, 16);
    column->setSpacing(14);
    column->addWidget(buildBatteryCard());
    column->addWidget(buildControllerCard());
    column->addStretch(1);
    scroll->setWidget(page);
    outer->addWidget(scroll);

    watcher_.watch(mgr_.batteryLevel);
    watcher_.watch(mgr_.batteryState);
    watcher_.watch(mgr_.batteryHistory);
    watcher_.watch(mgr_.batteryLastUpdated);
    watcher_.watch(mgr_.controllerName);
    watcher_.watch(mgr_.isConnected);
    refresh();
}

QWidget* ControllerInfoTab::buildBatteryCard() {
    QVBoxLayout* column = nullptr;
    QWidget* card = makeCard(this, &column, 12);
    batteryTitle_ = addCardHeader(column, card, "battery.100");

    noData_ = new QLabel(card);
    noData_->setAlignment(Qt::AlignCenter);
    noData_->setContentsMargins(0, 20, 0, 20);
    styleLabel(noData_, textFont(TextStyle::caption), colors::secondary());
    column->addWidget(noData_);

    levelRow_ = new QWidget(card);
    auto* levelRow = new QHBoxLayout(levelRow_);
    levelRow->setContentsMargins(0, 0, 0, 0);
    levelRow->setSpacing(16);
    auto* numbers = new QVBoxLayout;
    numbers->setSpacing(2);
    percent_ = new QLabel(levelRow_);
    percent_->setAlignment(Qt::AlignCenter);
    percent_->setFont(systemFont(42, QFont::Bold));
    state_ = new QLabel(levelRow_);
    state_->setAlignment(Qt::AlignCenter);
    styleLabel(state_, textFont(TextStyle::caption2), colors::secondary());
    numbers->addWidget(percent_);
    numbers->addWidget(state_);
    auto* bars = new QVBoxLayout;
    bars->setSpacing(6);
    levelBar_ = new LevelBar(levelRow_);
    sparkline_ = new BatterySparkline(levelRow_);
    bars->addWidget(levelBar_);
    bars->addWidget(sparkline_);
    levelRow->addLayout(numbers);
    levelRow->addLayout(bars);
    levelRow->addStretch(1);
    column->addWidget(levelRow_);

    footer_ = new QWidget(card);
    auto* footerRow = new QHBoxLayout(footer_);
    footerRow->setContentsMargins(0, 0, 0, 0);
    footerRow->setSpacing(20);
    updatedRow_ = new QWidget(footer_);
    auto* updatedRow = new QHBoxLayout(updatedRow_);
    updatedRow->setContentsMargins(0, 0, 0, 0);
    updatedRow->setSpacing(4);
    updatedRow->addWidget(new SymbolLabel("clock", textFont(TextStyle::caption2).pixelSize(),
                                          colors::secondary(), updatedRow_));
    updated_ = new QLabel(updatedRow_);
    styleLabel(updated_, textFont(TextStyle::caption2), colors::secondary());
    updatedRow->addWidget(updated_);
    footerRow->addWidget(updatedRow_);
    footerRow->addStretch(1);

    auto* refresh = new FaceButton(footer_);
    auto* face = new QHBoxLayout(refresh);
    face->setContentsMargins(4, 2, 4, 2);
    face->setSpacing(4);
    int caption = textFont(TextStyle::caption).pixelSize();
    spinner_ = new ProgressSpinner(caption + 1, colors::blue(), refresh);
    refreshSymbol_ = new SymbolLabel("arrow.clockwise", caption, colors::blue(), refresh);
    refreshText_ = new QLabel(refresh);
    styleLabel(refreshText_, textFont(TextStyle::caption), colors::blue());
    for (QWidget* part : {static_cast<QWidget*>(spinner_), static_cast<QWidget*>(refreshSymbol_),
                          static_cast<QWidget*>(refreshText_)}) {
        part->setAttribute(Qt::WA_TransparentForMouseEvents);
        face->addWidget(part);
    }
    refreshButton_ = refresh;
    QObject::connect(refresh, &QPushButton::clicked, this, [this] { startRefresh(); });
    footerRow->addWidget(refresh);
    column->addWidget(footer_);
    return card;
}

QLabel* ControllerInfoTab::addInfoRow(QWidget* card, QVBoxLayout* column, const QString& label) {
    auto* row = new QHBoxLayout;
    auto* name = new QLabel(label, card);
    name->setFixedWidth(80);
    styleLabel(name, textFont(TextStyle::caption), colors::secondary());
    auto* value = new QLabel(card);
    styleLabel(value, textFont(TextStyle::caption, QFont::Medium), colors::primary());
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(name);
    row->addWidget(value);
    row->addStretch(1);
    column->addLayout(row);
    return value;
}

QWidget* ControllerInfoTab::buildControllerCard() {
    bool he = hebrew();
    QVBoxLayout* column = nullptr;
    QWidget* card = makeCard(this, &column, 10);
    controllerTitle_ = addCardHeader(column, card, "info.circle");
    controllerTitle_->setText(uiText(he, "Controller Info", "מידע על השלט"));
    model_ = addInfoRow(card, column, uiText(he, "Model", "דגם"));
    connection_ = addInfoRow(card, column, uiText(he, "Connection", "חיבור"));
    firmware_ = addInfoRow(card, column, QStringLiteral("Firmware"));
    column->addWidget(makeDivider(card));

    auto* update = new FaceButton(card);
    update->setToolTip(uiText(he, "Opens PlayStation's official firmware update page",
                              "פותח את עמוד עדכון הקושחה של PlayStation"));
    auto* face = new QHBoxLayout(update);
    face->setContentsMargins(0, 2, 0, 2);
    face->setSpacing(6);
    auto* symbol = new SymbolLabel(
        "arrow.down.circle", textFont(TextStyle::caption).pixelSize() + 1, colors::blue(), update);
    updateText_ = new QLabel(
        uiText(he, "Update Firmware via PlayStation website", "עדכן Firmware דרך אתר PlayStation"),
        update);
    styleLabel(updateText_, textFont(TextStyle::caption), colors::blue());
    for (QWidget* part : {static_cast<QWidget*>(symbol), static_cast<QWidget*>(updateText_)}) {
        part->setAttribute(Qt::WA_TransparentForMouseEvents);
        face->addWidget(part);
    }
    QObject::connect(update, &QPushButton::clicked, this,
                     [this] { workspace_.openURL(kDualSenseFirmwareUpdateURL); });
    updateButton_ = update;
    auto* row = new QHBoxLayout;
    row->addWidget(update);
    row->addStretch(1);
    column->addLayout(row);
    return card;
}

void ControllerInfoTab::refresh() {
    bool he = hebrew();
    setTextIfChanged(batteryTitle_, uiText(he, "Battery", "סוללה"));

    const std::optional<float>& level = mgr_.batteryLevel.get();
    noData_->setVisible(!level.has_value());
    levelRow_->setVisible(level.has_value());
    footer_->setVisible(level.has_value());
    if (level) {
        int pct = batteryPercent(*level);
        QColor color = levelColor(pct);
        setTextIfChanged(percent_, QStringLiteral("%1%").arg(pct));
        if (percent_->palette().color(QPalette::WindowText) != color) {
            styleLabel(percent_, percent_->font(), color);
        }
        QString state = QString::fromStdString(batteryStateLabel(mgr_.batteryState, he));
        setTextIfChanged(state_, he ? rightToLeft(state) : state);
        levelBar_->setLevel(pct, color);
        sparkline_->setVisible(mgr_.batteryHistory->size() >= 2);
        sparkline_->setHistory(mgr_.batteryHistory);
        const std::optional<Time>& updated = mgr_.batteryLastUpdated.get();
        updatedRow_->setVisible(updated.has_value());
        if (updated) {
            std::string age = timeAgo(*updated, scheduler_.now(), he);
            setTextIfChanged(updated_, he ? rightToLeft(QStringLiteral("עודכן ") + qstr(age))
                                          : QStringLiteral("Updated ") + qstr(age));
        }
    } else {
        setTextIfChanged(noData_,
                         uiText(he, "No data — connect a controller", "אין מידע — חבר שלט"));
    }
    refreshButton_->setEnabled(!refreshing_);
    spinner_->setVisible(refreshing_);
    refreshSymbol_->setVisible(!refreshing_);
    setTextIfChanged(refreshText_, uiText(he, "Refresh", "רענן"));

    setTextIfChanged(model_, QString::fromStdString(mgr_.controllerName));
    setTextIfChanged(connection_, mgr_.isConnected ? uiText(he, "Connected", "מחובר")
                                                   : uiText(he, "Disconnected", "מנותק"));
    setTextIfChanged(firmware_, firmwareVersion_);
}

void ControllerInfoTab::startRefresh() {
    refreshing_ = true;
    refresh();
    mgr_.refreshBattery();
    std::weak_ptr<int> alive = alive_;
    scheduler_.runAfter(0.8, [this, alive] {
        if (alive.expired()) {
            return;
        }
        refreshing_ = false;
        refresh();
    });
}

void ControllerInfoTab::fetchFirmware() {
    // The answer is dropped when the tab has gone by then; a read still under way when the tab
    // goes is waited for.
    firmwareRead_ = fetchFirmwareVersion(
        hid_, scheduler_, alive_, [this](const std::optional<std::string>& version) {
            // The language is the one of the moment the answer arrives.
            firmwareVersion_ =
                version ? QString::fromStdString(*version) : uiText(hebrew(), "N/A", "לא זמין");
            refresh();
        });
}

void ControllerInfoTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        fetchFirmware();
    }
}

}  // namespace joyvane::ui
