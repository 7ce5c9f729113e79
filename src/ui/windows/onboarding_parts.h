#pragma once

#include <QColor>
#include <QVariantAnimation>
#include <QWidget>
#include <string>

namespace joyvane::ui {

// A page's step badge: a 76-point tinted circle with the page's symbol, and a small filled circle
// with the step number at its bottom-trailing corner.
class StepBadge : public QWidget {
  public:
    StepBadge(QString number, std::string symbol, QColor color, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {76, 76}; }
    QString number() const { return number_; }
    const std::string& symbol() const { return symbol_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString number_;
    std::string symbol_;
    QColor color_;
};

// The page dots: one 7-point circle per page, the current one blue, with the colour change eased.
class PageDots : public QWidget {
  public:
    PageDots(int count, QWidget* parent = nullptr);
    void setCurrent(int page);
    int current() const { return current_; }
    QColor dotColor(int index) const;  // the colour the dot settles on
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int count_;
    int current_ = 0;
    int previous_ = 0;
    double progress_ = 1;  // 0 at the previous page, 1 at the current one
    QVariantAnimation animation_;
};

}  // namespace joyvane::ui
