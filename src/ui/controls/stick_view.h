#pragma once

#include <QPointF>
#include <QWidget>
#include <string>

class QLabel;

namespace joyvane::ui {

class SymbolLabel;

// The drawn stick: a circle with a dot where the stick points.
class StickPicture : public QWidget {
    Q_OBJECT
  public:
    static constexpr double kCircle = 54;
    static constexpr double kDot = 16;
    static constexpr double kReach = 19;  // points from the centre at full deflection

    explicit StickPicture(QWidget* parent = nullptr);
    void setState(float x, float y, bool dragging);

    // The dot's centre relative to the circle's centre, in screen directions (y down).
    QPointF dotOffset() const;
    bool isDragging() const { return dragging_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    float x_ = 0;
    float y_ = 0;
    bool dragging_ = false;
};

// Live picture of one stick's position: the caption row above the drawn stick.
class StickView : public QWidget {
    Q_OBJECT
  public:
    StickView(const QString& label, const std::string& icon, QWidget* parent = nullptr);

    void setState(float x, float y, bool dragging);
    void setLabel(const QString& label);

    StickPicture* picture() const { return picture_; }
    QLabel* label() const { return label_; }
    SymbolLabel* symbol() const { return symbol_; }

  private:
    void applyCaptionColor();

    std::string icon_;
    SymbolLabel* symbol_;
    QLabel* label_;
    StickPicture* picture_;
};

}  // namespace joyvane::ui
