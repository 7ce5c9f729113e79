#pragma once

#include <QColor>
#include <QTimer>
#include <QVariantAnimation>
#include <QWidget>
#include <vector>

#include "engine/controller_manager.h"

namespace joyvane::ui {

// The 240 x 16 battery level bar: a faint track with a fill in the level colour whose width
// eases to the new value over 0.4 s.
class LevelBar : public QWidget {
  public:
    explicit LevelBar(QWidget* parent = nullptr);
    void setLevel(int percent, const QColor& color);
    double targetFillWidth() const { return target_; }
    double currentFillWidth() const { return current_; }
    QColor fillColor() const { return color_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double target_ = -1;
    double current_ = 0;
    QColor color_;
    QVariantAnimation animation_;
};

// The battery history line of the last 20 readings on the fixed 0-to-1 scale.
class BatterySparkline : public QWidget {
  public:
    explicit BatterySparkline(QWidget* parent = nullptr);
    void setHistory(std::vector<BatteryHistoryEntry> history);
    const std::vector<BatteryHistoryEntry>& history() const { return history_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<BatteryHistoryEntry> history_;
};

// The small spinning progress indicator shown while a refresh runs.
class ProgressSpinner : public QWidget {
  public:
    explicit ProgressSpinner(int size, const QColor& color, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QColor color_;
    int angle_ = 0;
    QTimer timer_;
};

}  // namespace joyvane::ui
