#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <functional>

class QWindow;

namespace joyvane::ui {

// Tells when a window on an X11 desktop without a compositor becomes wholly covered by other
// windows, and when it shows again (the X server's visibility notices). Elsewhere a window is
// never reported covered.
class ObscuredWatch : public QObject, public QAbstractNativeEventFilter {
  public:
    explicit ObscuredWatch(std::function<void()> changed, QObject* parent = nullptr);
    ~ObscuredWatch() override;

    // Starts watching `window` (and stops watching the one before).
    void watch(QWindow* window);
    bool isObscured() const { return obscured_; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    std::function<void()> changed_;
    unsigned int window_ = 0;  // the X window watched, 0 for none
    bool obscured_ = false;
    bool installed_ = false;
};

}  // namespace joyvane::ui
