// The real focus monitor of the on-screen keyboard on the Qt main loop, fed by the AT-SPI
// backend, against a real Qt window in another process.
#include <gtest/gtest.h>
#include <QCoreApplication>

#include <algorithm>
#include <iostream>
#include <mutex>

#include "../desktop/desktop_session.h"
#include "helper_process.h"
#include "keyboard/ps_keyboard_controller.h"
#include "platform/linux/atspi/atspi_accessibility.h"
#include "platform/linux/qt/qt_scheduler.h"

namespace joyvane::atspi {
namespace {

using joyvane::testing::Clock;
using joyvane::testing::HelperProcess;
using joyvane::testing::millisecondsSince;
using joyvane::testing::pressKey;

class NoEvents final : public EventPoster {
  public:
    void warp(Point) override {}
    bool post(const MouseEvent&) override { return true; }
    bool post(const ScrollEvent&) override { return true; }
    bool post(const KeyEvent&) override { return true; }
};

// When the keyboard panel was last ordered in and out.
struct PanelRecord {
    std::optional<Clock::time_point> shown;
    std::optional<Clock::time_point> hidden;
};

class RecordingPanel final : public KeyboardPanel {
  public:
    explicit RecordingPanel(PanelRecord& record) : record_(record) {}
    void orderFrontRegardless() override {
        if (!record_.shown || (record_.hidden && *record_.hidden > *record_.shown)) {
            record_.shown = Clock::now();
        }
    }
    void orderOut() override { record_.hidden = Clock::now(); }

  private:
    PanelRecord& record_;
};

class RecordingPanels final : public KeyboardPanelFactory {
  public:
    std::unique_ptr<KeyboardPanel> makePanel(PSKeyboardController&) override {
        return std::make_unique<RecordingPanel>(record);
    }
    PanelRecord record;
};

// Forwards to the real service and measures how long each query kept the main loop.
class TimedAccessibility final : public AccessibilityService {
  public:
    explicit TimedAccessibility(AccessibilityService& real) : real_(real) {}

    template <typename F>
    auto timed(F call) const {
        auto start = Clock::now();
        auto result = call();
        worstCallMs = std::max(worstCallMs, millisecondsSince(start));
        return result;
    }
    bool isProcessTrusted() const override {
        return timed([&] { return real_.isProcessTrusted(); });
    }
    void requestTrustWithPrompt() override { real_.requestTrustWithPrompt(); }
    std::optional<RunningApplication> frontmostApplication() const override {
        lastCheck = Clock::now();
        ++checks;
        return timed([&] { return real_.frontmostApplication(); });
    }
    std::optional<std::string> ownIdentifier() const override { return real_.ownIdentifier(); }
    std::optional<FocusedElement> focusedElement(int pid) const override {
        return timed([&] { return real_.focusedElement(pid); });
    }

    mutable double worstCallMs = 0;
    mutable int checks = 0;
    mutable Clock::time_point lastCheck;

  private:
    AccessibilityService& real_;
};

// Runs the Qt loop until `done` or the time limit.
template <typename Done>
bool pumpUntil(Done done, double limitMs = 5000) {
    auto start = Clock::now();
    while (!done()) {
        if (millisecondsSince(start) > limitMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void pumpFor(double ms) {
    pumpUntil([] { return false; }, ms);
}

class KeyboardMonitor : public ::testing::Test {
  protected:
    void SetUp() override {
        JOYVANE_REQUIRE_DESKTOP(true);
        ASSERT_TRUE(pumpUntil([&] { return backend.isProcessTrusted(); }));
        keyboard.controllerConnected = true;
        keyboard.controllerEnabled = true;
        keyboard.featureEnabled = true;
        keyboard.startFocusMonitoring();
        ASSERT_GT(helper.pid(), 0);
        ASSERT_TRUE(pumpUntil(
            [&] {
                auto front = backend.frontmostApplication();
                return front && front->processId == helper.pid();
            },
            10000));
        // The window opens with its line edit focused; Tab around until the keyboard shows.
        for (int i = 0; i < 5 && !keyboard.isVisible; ++i) {
            if (!pumpUntil([&] { return bool(keyboard.isVisible); }, 2000)) {
                pressKey("Tab");
            }
        }
        ASSERT_TRUE(keyboard.isVisible) << "the keyboard never opened in the line edit";
    }

    // Presses a key; the time until the keyboard is shown (or hidden), in ms, or nothing.
    std::optional<double> pressAndWaitFor(const std::string& key, bool visible,
                                          double limitMs = 3000) {
        auto pressed = Clock::now();
        pressKey(key);
        if (!pumpUntil([&] { return keyboard.isVisible == visible; }, limitMs)) {
            return std::nullopt;
        }
        auto at = visible ? panels.record.shown : panels.record.hidden;
        return std::chrono::duration<double, std::milli>(*at - pressed).count();
    }

    static QCoreApplication& app() {
        static int argc = 1;
        static char name[] = "keyboard_monitor_test";
        static char* argv[] = {name, nullptr};
        static QCoreApplication instance(argc, argv);
        return instance;
    }

    QCoreApplication& qt = app();
    QtScheduler scheduler;
    NoEvents poster;
    AtspiAccessibility backend;
    TimedAccessibility accessibility{backend};
    RecordingPanels panels;
    PSKeyboardController keyboard{scheduler, poster, accessibility, panels};
    HelperProcess helper;
};

TEST_F(KeyboardMonitor, OpensInTheFieldAndClosesOutsideIt) {
    std::vector<double> toShown;
    std::vector<double> toHidden;
    // Each round presses at another phase of the 0.25 s focus check.
    constexpr int kRounds = 5;
    for (int round = 0; round < kRounds; ++round) {
        pumpFor(round * 50.0);
        // Line edit -> button: the keyboard closes after its delay.
        auto hidden = pressAndWaitFor("Tab", false);
        ASSERT_TRUE(hidden) << "the keyboard stayed open on the button";
        toHidden.push_back(*hidden);
        // Button -> read-only view -> label: it stays closed.
        pressKey("Tab");
        pumpFor(800);
        EXPECT_FALSE(keyboard.isVisible) << "opened in a read-only text view";
        pressKey("Tab");
        pumpFor(800);
        EXPECT_FALSE(keyboard.isVisible) << "opened in a label";
        // Label -> line edit: it opens.
        pumpFor(round * 50.0);
        auto shown = pressAndWaitFor("Tab", true);
        ASSERT_TRUE(shown) << "the keyboard did not open in the line edit";
        toShown.push_back(*shown);
    }
    std::sort(toShown.begin(), toShown.end());
    std::sort(toHidden.begin(), toHidden.end());
    std::cout << "focus change to keyboard shown (ms): median " << toShown[kRounds / 2]
              << ", worst " << toShown.back() << "\nfocus change to keyboard hidden (ms): median "
              << toHidden[kRounds / 2] << ", worst " << toHidden.back() << '\n';
    RecordProperty("shown_median_ms", static_cast<int>(toShown[kRounds / 2]));
    RecordProperty("hidden_median_ms", static_cast<int>(toHidden[kRounds / 2]));
    // Shown at the first check after the report: within a check interval and the report time.
    EXPECT_LT(toShown[kRounds / 2], 1000);
    EXPECT_GT(toHidden[0], 300) << "closed before its delay";
    EXPECT_LT(accessibility.worstCallMs, 100) << "a query waited on another application";
}

TEST_F(KeyboardMonitor, AFrozenApplicationDoesNotStallTheMonitor) {
    helper.freeze();
    pressKey("Tab");  // the frozen window cannot take it

    int checksBefore = accessibility.checks;
    double worstGap = 0;
    auto previous = accessibility.lastCheck;
    auto start = Clock::now();
    while (millisecondsSince(start) < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (accessibility.lastCheck != previous) {
            worstGap = std::max(worstGap, std::chrono::duration<double, std::milli>(
                                              accessibility.lastCheck - previous)
                                              .count());
            previous = accessibility.lastCheck;
        }
    }
    helper.thaw();
    EXPECT_GE(accessibility.checks - checksBefore, 4) << "the focus checks stopped";
    EXPECT_LT(worstGap, 1000) << "a focus check was held up";
    EXPECT_LT(accessibility.worstCallMs, 100) << "a query waited on another application";
    EXPECT_TRUE(keyboard.isVisible) << "the last report of the frozen field stands";
}

}  // namespace
}  // namespace joyvane::atspi
