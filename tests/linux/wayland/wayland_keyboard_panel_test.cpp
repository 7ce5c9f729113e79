// On a Wayland compositor (scripts/with-wayland.sh): the focus monitor fed by AT-SPI alone opens
// the real keyboard panel when a Wayland Qt application's text field gets focus and closes it
// when focus leaves. Where the compositor has a layer shell (sway) the application keeps its
// focus while the panel is shown and clicked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <cstdio>
#include <optional>

#include "core/language.h"
#include "keyboard/ps_keyboard_controller.h"
#include "platform/linux/atspi/atspi_accessibility.h"
#include "platform/linux/qt/qt_scheduler.h"
#include "platform/linux/wayland/compositor_keymap.h"
#include "platform/linux/wayland/qt_screen_service.h"
#include "platform/linux/wayland/wl_clipboard.h"
#include "platform/sim/sim_platform.h"
#include "support/qt_loop.h"
#include "support/x_probe.h"
#include "ui/keyboard_panel/keyboard_panel_window.h"
#include "ui/keyboard_panel/ps_keyboard_view.h"
#include "virtual_pointer.h"

namespace joyvane::wayland {
namespace {

using testing::runUntil;

constexpr int kOutputWidth = 1440;
constexpr int kOutputHeight = 900;

// The headless sway's pointer; absent on Weston, whose seat is the X display's.
testing::VirtualPointer* virtualPointer() {
    static std::unique_ptr<testing::VirtualPointer> pointer =
        testing::VirtualPointer::connect(kOutputWidth, kOutputHeight);
    return pointer.get();
}

void clickAt(int x, int y) {
    if (virtualPointer()) {
        virtualPointer()->drag(x, y, x, y);
    } else {
        testing::clickAt(std::getenv("DISPLAY"), x, y);
    }
}

// The text application in its own process; its reports ("active", "inactive") are collected as
// they arrive, and `active` follows the last one.
class TextApp {
  public:
    TextApp() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        process_.setProcessEnvironment(env);
        QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] {
            while (process_.canReadLine()) {
                reports.push_back(process_.readLine().trimmed().toStdString());
                active = reports.back() == "active" || (active && reports.back() != "inactive");
            }
        });
        process_.start(QStringLiteral(JOYVANE_FOCUS_WINDOW), {QStringLiteral("--start-on-button")});
        process_.waitForStarted();
    }
    ~TextApp() {
        process_.kill();
        process_.waitForFinished();
    }
    int pid() const { return static_cast<int>(process_.processId()); }
    void command(const char* line) {
        process_.write(QByteArray(line) + '\n');
        process_.waitForBytesWritten();
    }
    std::vector<std::string> reports;
    bool active = false;

  private:
    QProcess process_;
};

// Clicks the text application where no other window can be (it fills the screen; the panel is
// narrower than half of it).
bool clickTextApp(TextApp& app) {
    for (int x : {kOutputWidth - 5, 5}) {
        clickAt(x, kOutputHeight - 5);
        if (runUntil([&] { return app.active; }, 3)) {
            return true;
        }
    }
    return false;
}

class WaylandKeyboardPanel : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("wayland")) {
            GTEST_SKIP() << "needs a Wayland compositor (scripts/with-wayland.sh)";
        }
        options.followActiveX11Window = false;
        // Stands in for a writable /dev/uinput, which these machines lack.
        options.canPostEvents = [] { return true; };
        accessibility.emplace(options);
        ASSERT_TRUE(runUntil([&] { return accessibility->isProcessTrusted(); }, 5))
            << "the accessibility bus is not on";
        keyboard.emplace(scheduler, sim.poster, *accessibility, panels);
        keyboard->controllerConnected = true;
        keyboard->controllerEnabled = true;
        keyboard->featureEnabled = true;
        keyboard->startFocusMonitoring();
        app.emplace();
        ASSERT_TRUE(runUntil([&] { return app->active; }, 10))
            << "the compositor never activated the text application";
        ASSERT_TRUE(runUntil(
            [&] {
                auto front = accessibility->frontmostApplication();
                return front && front->processId == app->pid();
            },
            10))
            << "AT-SPI never named the text application as the front one";
        EXPECT_FALSE(keyboard->isVisible) << "opened on a button";
    }

    // Moves the focus into the text field; whether the panel came up. Prints how long it took,
    // the text application's own reaction included.
    bool focusLine() {
        QElapsedTimer clock;
        clock.start();
        app->command("line");
        bool shown = runUntil(
            [&] {
                return keyboard->isVisible && panels.lastPanel() && panels.lastPanel()->isVisible();
            },
            5);
        std::printf("focus to keyboard panel: %lld ms\n", static_cast<long long>(clock.elapsed()));
        return shown;
    }

    QtScheduler scheduler;
    atspi::AtspiAccessibility::Options options;
    std::optional<atspi::AtspiAccessibility> accessibility;
    QtScreenService screens;
    FixedLanguages languages{{"en-US"}};
    ui::QtKeyboardPanelFactory panels{screens, languages};
    sim::SimPlatform sim;  // its poster records what the keyboard would type
    std::optional<PSKeyboardController> keyboard;
    std::optional<TextApp> app;
};

// Presses the panel's Shift button where the overlay shows it (centred on the output's bottom
// edge, as high above it as the window was placed) and lets go there, or off the panel.
void pressShift(const ui::KeyboardPanelWindow& window, bool releaseOffThePanel) {
    QWidget* shift = window.view()->shiftButton();
    QPoint inPanel = shift->mapTo(&window, shift->rect().center());
    int x = (kOutputWidth - window.width()) / 2 + inPanel.x();
    int y = window.y() + inPanel.y();
    virtualPointer()->drag(x, y, releaseOffThePanel ? 5 : x, releaseOffThePanel ? 5 : y);
}

// Weston activates every toplevel it maps, whatever Qt::WindowDoesNotAcceptFocus asks, and has
// no layer shell: there the test gives the application its focus back as the user would, with a
// click. With a layer shell the panel is an overlay that the focus never goes to.
TEST_F(WaylandKeyboardPanel, OpensInATextFieldAndClosesWhenFocusLeaves) {
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(focusLine()) << "the keyboard did not open in the text field";
        QTest::qWait(500);
        if (panels.lastPanel()->testAttribute(Qt::WA_DontShowOnScreen)) {
            EXPECT_TRUE(app->active) << "the panel took the focus when shown";
            // The first round clicks Shift; the second lets go off the panel, which clicks nothing.
            bool uppercase = keyboard->isUppercase;
            pressShift(*panels.lastPanel(), round == 1);
            EXPECT_EQ(runUntil([&] { return keyboard->isUppercase != uppercase; }, 3), round == 0)
                << "a click on Shift must reach the panel, a press let go elsewhere must not";
            EXPECT_TRUE(app->active) << "the panel took the focus when clicked";
        }
        if (!app->active && !clickTextApp(*app)) {
            // The panel took the focus (see above) and the compositor would not hand it back
            // to a click: the closing half cannot be shown on this run.
            GTEST_SKIP() << "the text application could not be activated again after the panel "
                            "took the focus";
        }
        app->command("button");
        ASSERT_TRUE(runUntil([&] { return !keyboard->isVisible; }, 5))
            << "the keyboard stayed open on a button; the application reported "
            << ::testing::PrintToString(app->reports);
        EXPECT_FALSE(panels.lastPanel()->isVisible());
    }
}

TEST(CompositorKeymap, ArrivesFromTheCompositorAndPlacesKeys) {
    if (QGuiApplication::platformName() != QLatin1String("wayland")) {
        GTEST_SKIP() << "needs a Wayland compositor (scripts/with-wayland.sh)";
    }
    if (virtualPointer()) {
        GTEST_SKIP() << "a headless sway has no keyboard, so no keymap; the run on Weston has one";
    }
    std::shared_ptr<const KeymapLookup> keymap;
    auto follower = CompositorKeymap::follow([&](auto k) { keymap = std::move(k); });
    ASSERT_TRUE(follower);
    ASSERT_TRUE(runUntil([&] { return keymap != nullptr; }, 5)) << "no keymap from the compositor";
    // Weston's default keymap, US; placing on other keymaps is the evdev tests' table.
    EXPECT_EQ(keymap->locate('A'), (KeyPlacement{30, {42}}));
}

// The clipboard that carries the characters a keymap lacks, reached without keyboard focus: it
// needs the data-control protocol, which wlroots compositors have and Weston lacks.
TEST(WlClipboard, CarriesTextWithoutFocusWhereTheCompositorHasDataControl) {
    if (qEnvironmentVariableIsEmpty("SWAYSOCK")) {
        GTEST_SKIP() << "needs a compositor with data control (sway)";
    }
    WlClipboard clipboard;
    ASSERT_TRUE(clipboard.write("שלום — €"));
    EXPECT_EQ(clipboard.read(), "שלום — €");
    clipboard.clear();
    EXPECT_NE(clipboard.read(), "שלום — €");
}

}  // namespace
}  // namespace joyvane::wayland

// A Qt application on the compositor, or offscreen (and the test skipped) without one.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        joyvane::wayland::virtualPointer();  // before any client looks at the seat
    }
    return RUN_ALL_TESTS();
}
