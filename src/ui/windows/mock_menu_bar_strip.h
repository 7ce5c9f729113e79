#pragma once

#include <QVariantAnimation>
#include <QWidget>

namespace joyvane::ui {

// A small picture of a desktop's menu bar with the program's icon highlighted and an arrow under
// it that bobs 3 points up and down (0.7 s each way) for as long as the strip is shown.
class MockMenuBarStrip : public QWidget {
  public:
    explicit MockMenuBarStrip(bool hebrew, QWidget* parent = nullptr);

    // 0 at rest, down to -3 at the top of the bob.
    double arrowOffset() const { return arrowOffset_; }
    bool arrowBounce() const { return arrowBounce_; }
    bool isBobbing() const { return bob_.state() == QAbstractAnimation::Running; }
    QSize sizeHint() const override { return {320, 70}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QString label_;
    bool arrowBounce_ = false;
    double arrowOffset_ = 0;
    QVariantAnimation bob_;
};

}  // namespace joyvane::ui
