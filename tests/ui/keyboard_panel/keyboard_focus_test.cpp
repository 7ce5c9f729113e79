#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include "keyboard/ps_keyboard_controller.h"
#include "platform/sim/sim_platform.h"
#include "ui/keyboard_panel/keyboard_panel_window.h"
#include "ui/keyboard_panel/ps_keyboard_view.h"

namespace joyvane::ui {
namespace {

QString run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString xdotool(const QStringList& args) {
    return run(QStringLiteral("xdotool"), args);
}

std::string focusedWindow() {
    return xdotool({QStringLiteral("getwindowfocus")}).toStdString();
}

// Waits until the X keyboard focus is on `window` (a window id in decimal).
bool waitForFocus(const std::string& window) {
    for (int i = 0; i < 100; ++i) {
        if (focusedWindow() == window) {
            return true;
        }
        QTest::qWait(30);
    }
    return false;
}

TEST(KeyboardPanelFocus, ShowingAndClickingThePanelKeepsTheFocus) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        GTEST_SKIP() << "needs an X display";
    }
    if (xdotool({QStringLiteral("version")}).isEmpty()) {
        GTEST_SKIP() << "needs xdotool";
    }
    // The application being typed into: an ordinary window with a text field.
    QLineEdit editor;
    editor.setWindowTitle(QStringLiteral("Editor"));
    editor.setGeometry(100, 100, 300, 40);
    editor.show();
    std::string editorId = std::to_string(editor.winId());
    xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"),
             QString::fromStdString(editorId)});
    ASSERT_TRUE(waitForFocus(editorId)) << "focus is on " << focusedWindow();

    sim::SimPlatform sim;
    QtKeyboardPanelFactory factory(sim.screens, sim.languages);
    PSKeyboardController kb{sim.scheduler, sim.poster, sim.accessibility, factory};
    kb.controllerConnected = true;
    kb.show();
    KeyboardPanelWindow* panel = factory.lastPanel();
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel));
    QTest::qWait(300);
    EXPECT_EQ(focusedWindow(), editorId);

    // Above other windows and on every workspace (desktop 0xFFFFFFFF), as the window manager
    // records it. The sticky state is asked for too, but not every window manager keeps it.
    QString hints = run(QStringLiteral("xprop"),
                        {QStringLiteral("-id"), QString::number(panel->winId()),
                         QStringLiteral("_NET_WM_DESKTOP"), QStringLiteral("_NET_WM_STATE")});
    EXPECT_TRUE(hints.contains(QStringLiteral("4294967295"))) << hints.toStdString();
    EXPECT_TRUE(hints.contains(QStringLiteral("_NET_WM_STATE_ABOVE"))) << hints.toStdString();

    // A click on a key and one on the layout button: the button works, the focus stays.
    QPoint key = panel->view()->keyCell(2, 4)->mapToGlobal(QPoint(25, 20));
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(key.x()),
             QString::number(key.y()), QStringLiteral("click"), QStringLiteral("1")});
    QTest::qWait(300);
    EXPECT_EQ(focusedWindow(), editorId);

    QWidget* button = panel->view()->layoutButton();
    QPoint centre = button->mapToGlobal(button->rect().center());
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(centre.x()),
             QString::number(centre.y()), QStringLiteral("click"), QStringLiteral("1")});
    for (int i = 0; i < 50 && kb.layout.get() == KeyboardLayout::latin; ++i) {
        QTest::qWait(20);
    }
    EXPECT_EQ(kb.layout.get(), KeyboardLayout::hebrew);
    QTest::qWait(200);
    EXPECT_EQ(focusedWindow(), editorId);
    EXPECT_TRUE(editor.hasFocus());
}

}  // namespace
}  // namespace joyvane::ui
