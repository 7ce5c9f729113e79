#include "app/panel_host.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_icon.h"
#include "app/managed_window.h"

namespace joyvane::app {
namespace {
// A click on the tray icon while the drop-down is open first closes it as a click elsewhere;
// the icon's own click arrives just after and must not reopen it.
constexpr qint64 kReopenGuardMs = 300;
constexpr int kGap = 4;

Qt::WindowFlags dropDownFlags() {
    // A compositor gives the drop-down the shadow of its other menus.
    return Qt::Popup | Qt::FramelessWindowHint;
}

// A hairline around the drop-down, drawn over the panel's edge, so the panel stands out from a
// desktop of any colour even where no compositor draws a shadow.
class DropDownBorder : public QWidget {
  public:
    explicit DropDownBorder(QWidget* host) : QWidget(host) {
        setObjectName(QStringLiteral("dropDownBorder"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        host->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
            setGeometry(static_cast<QWidget*>(watched)->rect());
            raise();
        }
        return false;
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QColor(0, 0, 0, 90));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};
}  // namespace

QRect dropDownGeometry(const QRect& anchor, const QRect& screen, const QSize& panel) {
    QRect frame(QPoint(), panel);
    const bool below = anchor.center().y() < screen.center().y();
    frame.moveTop(below ? anchor.bottom() + 1 + kGap : anchor.top() - kGap - panel.height());
    frame.moveLeft(anchor.center().x() - panel.width() / 2);
    // Keep it on screen; a screen smaller than the panel shows its top-left part.
    frame.moveLeft(
        std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - panel.width())));
    frame.moveTop(
        std::max(screen.top(), std::min(frame.top(), screen.bottom() + 1 - panel.height())));
    return frame;
}

PanelHost::PanelHost(QWidget* panel) : QWidget(nullptr, dropDownFlags()), panel_(panel) {
    setObjectName(QStringLiteral("panelHost"));
    setWindowTitle(QStringLiteral("Joyvane"));
    setWindowIcon(applicationIcon());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    setFixedSize(panel->size());
    new DropDownBorder(this);
}

void PanelHost::toggleAt(const QRect& anchor) {
    if (isVisible()) {
        hide();
        return;
    }
    if (sinceHidden_.isValid() && sinceHidden_.elapsed() < kReopenGuardMs) {
        return;
    }
    showDropDownAt(anchor);
}

void PanelHost::showDropDownAt(const QRect& anchor) {
    if (windowMode_) {
        showWindow();
        return;
    }
    QScreen* screen = QGuiApplication::screenAt(anchor.center());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(), size());
    setGeometry(dropDownGeometry(anchor, area, size()));
    show();
    raise();
    activateWindow();
}

void PanelHost::setWindowMode(bool window) {
    if (window == windowMode_) {
        return;
    }
    windowMode_ = window;
    hide();
    if (window) {
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
        setFixedSize(panel_->size());
        showWindow();
    } else {
        setWindowFlags(dropDownFlags());
        setFixedSize(panel_->size());
    }
}

void PanelHost::showWindow() {
    if (!isVisible()) {
        centreOnScreen(this);
    }
    showNormal();
    raise();
    activateWindow();
}

void PanelHost::hideEvent(QHideEvent* event) {
    sinceHidden_.start();
    QWidget::hideEvent(event);
}

}  // namespace joyvane::app
