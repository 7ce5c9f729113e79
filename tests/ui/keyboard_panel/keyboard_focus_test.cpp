#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include <unistd.h>

#include "keyboard/ps_keyboard_controller.h"
#include "platform/sim/sim_platform.h"
#include "shown_panel.h"
#include "support/child_process.h"
#include "support/x_probe.h"
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

TEST(KeyboardPanelFocus, ShowingAndClickingThePanelKeepsTheFocus) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        GTEST_SKIP() << "needs an X display";
    }
    const std::string display = qgetenv("DISPLAY").toStdString();
    // The application being typed into: an ordinary window with a text field.
    QLineEdit editor;
    editor.setWindowTitle(QStringLiteral("Editor"));
    editor.setGeometry(100, 100, 300, 40);
    editor.show();
    run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"),
                                    QString::number(editor.winId())});
    const std::string editorFocus = "\"Editor\" of process " + std::to_string(::getpid());
    auto focusStays = [&](int ms) {
        QTest::qWait(ms);
        return testing::focusedWindow(display) == editorFocus;
    };
    ASSERT_TRUE(testing::pollUntil([&] { return focusStays(30); }, std::chrono::seconds(3)))
        << "focus is on " << testing::focusedWindow(display);

    sim::SimPlatform sim;
    test::ShownPanel shown{sim};
    KeyboardPanelWindow* panel = shown.window;
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel));
    EXPECT_TRUE(focusStays(300));

    // Above other windows and on every workspace (desktop 0xFFFFFFFF), as the window manager
    // records it. The sticky state is asked for too, but not every window manager keeps it.
    QString hints = run(QStringLiteral("xprop"),
                        {QStringLiteral("-id"), QString::number(panel->winId()),
                         QStringLiteral("_NET_WM_DESKTOP"), QStringLiteral("_NET_WM_STATE")});
    EXPECT_TRUE(hints.contains(QStringLiteral("4294967295"))) << hints.toStdString();
    EXPECT_TRUE(hints.contains(QStringLiteral("_NET_WM_STATE_ABOVE"))) << hints.toStdString();

    // A click on a key and one on the layout button: the button works, the focus stays.
    QPoint key = panel->view()->keyCell(2, 4)->mapToGlobal(QPoint(25, 20));
    testing::clickAt(display, key.x(), key.y());
    EXPECT_TRUE(focusStays(300));

    QWidget* button = panel->view()->layoutButton();
    QPoint centre = button->mapToGlobal(button->rect().center());
    testing::clickAt(display, centre.x(), centre.y());
    for (int i = 0; i < 50 && shown.keyboard.layout.get() == KeyboardLayout::latin; ++i) {
        QTest::qWait(20);
    }
    EXPECT_EQ(shown.keyboard.layout.get(), KeyboardLayout::hebrew);
    EXPECT_TRUE(focusStays(200));
    EXPECT_TRUE(editor.hasFocus());
}

}  // namespace
}  // namespace joyvane::ui
