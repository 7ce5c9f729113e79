#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "ui/windows/bob_motion.h"
#include "ui/windows/obscured_watch.h"

class QWindow;

namespace joyvane::ui {

// A small picture of a desktop's top bar with the program's icon highlighted and an arrow under
// it that bobs 3 points up and down (0.7 s each way) for as long as the strip is on screen.
// The arrow is redrawn only when it moves by a whole pixel, and only its own small area; it
// rests while the strip is hidden or its window is not exposed (minimised, unmapped) or wholly
// covered by other windows.
class MockMenuBarStrip : public QWidget {
  public:
    explicit MockMenuBarStrip(bool hebrew, QWidget* parent = nullptr);

    // 0 at rest, down to -3 at the top of the bob.
    double arrowOffset() const { return arrowOffset_; }
    bool arrowBounce() const { return arrowBounce_; }
    bool isBobbing() const { return running_; }
    // The only area a step of the arrow repaints.
    QRect arrowArea() const;
    QSize sizeHint() const override { return {320, 70}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QRectF highlight() const;
    bool onScreen() const;
    void resume();
    void pause();
    void step();

    QString label_;
    bool arrowBounce_ = false;
    double arrowOffset_ = 0;
    BobMotion motion_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool running_ = false;
    qint64 pausedAt_ = 0;  // how far into the motion it was when it last rested
    QPointer<QWindow> watchedWindow_;
    ObscuredWatch covered_;
};

}  // namespace joyvane::ui
