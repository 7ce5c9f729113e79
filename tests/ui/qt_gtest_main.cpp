#include <gtest/gtest.h>

#include <QApplication>

// Runs the tests inside a QApplication. Widget tests draw offscreen unless the environment asks
// for a real display (the desktop test sets QT_QPA_PLATFORM=xcb itself).
int main(int argc, char** argv) {
    // Without an X display a desktop test falls back to offscreen and skips its X11 checks.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
