#include "app/managed_window.h"

#include "app/app_icon.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace joyvane::app {

ManagedWindow::ManagedWindow(const WindowSpec& spec, QWidget* content,
                             std::function<void()> willClose)
    : QWidget(nullptr), spec_(spec), content_(content), willClose_(std::move(willClose)) {
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (spec.miniaturizable) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (spec.stayOnTop) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    setWindowFlags(flags);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(spec.title);
    setWindowIcon(applicationIcon());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    setFixedSize(spec.contentSize);
}

void ManagedWindow::closeEvent(QCloseEvent* event) {
    if (auto willClose = std::exchange(willClose_, {})) {
        willClose();
    }
    event->accept();
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen) {
        return;
    }
    QRect frame(QPoint(), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace joyvane::app
