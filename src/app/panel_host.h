#pragma once

#include <QElapsedTimer>
#include <QRect>
#include <QWidget>

namespace joyvane::app {

// Where the drop-down panel goes: under an anchor in the top half of the screen, above it in
// the bottom half, centred on it horizontally, and always wholly inside `screen`.
QRect dropDownGeometry(const QRect& anchor, const QRect& screen, const QSize& panel);

// The window around the main panel. Normally a frameless drop-down that a click elsewhere hides
// and that has no taskbar entry; without a tray it is an ordinary window instead.
class PanelHost : public QWidget {
    Q_OBJECT
  public:
    explicit PanelHost(QWidget* panel);

    // Shows the drop-down at `anchor` (global coordinates), or hides it when it is shown. A click
    // on the icon that just closed the drop-down does not open it again.
    void toggleAt(const QRect& anchor);
    void showDropDownAt(const QRect& anchor);

    // Switches to an ordinary titled window and shows it, or back to the drop-down (hidden).
    void setWindowMode(bool window);
    bool isWindowMode() const { return windowMode_; }
    void showWindow();

    QWidget* panel() const { return panel_; }

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    QWidget* panel_;
    bool windowMode_ = false;
    QElapsedTimer sinceHidden_;
};

}  // namespace joyvane::app
