#include "ui/controls/symbols.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <set>
#include <string>

namespace joyvane::ui {
namespace {

int inkedPixels(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 40 ? 1 : 0;
        }
    }
    return count;
}

// Every symbol the panels and windows name, so none of them falls back to the "?" stand-in.
const char* const kUsedSymbols[] = {"gamecontroller.fill",
                                    "gamecontroller",
                                    "checkmark.circle.fill",
                                    "circle.slash",
                                    "play.circle.fill",
                                    "pause.circle.fill",
                                    "power",
                                    "power.circle",
                                    "arrow.clockwise",
                                    "arrow.counterclockwise",
                                    "battery.100",
                                    "battery.75",
                                    "battery.50",
                                    "battery.25",
                                    "battery.0",
                                    "battery.100.bolt",
                                    "battery.75.bolt",
                                    "battery.50.bolt",
                                    "battery.25.bolt",
                                    "bolt.fill",
                                    "computermouse.fill",
                                    "arrow.up.and.down.and.arrow.left.and.right",
                                    "cursorarrow.motionlines",
                                    "scroll.fill",
                                    "target",
                                    "hare.fill",
                                    "arrow.up.arrow.down",
                                    "slider.horizontal.3",
                                    "gear",
                                    "gearshape.2",
                                    "cable.connector",
                                    "keyboard",
                                    "keyboard.chevron.compact.down.fill",
                                    "rectangle.roundedtop.fill",
                                    "hand.point.up.left.fill",
                                    "hand.tap",
                                    "hand.raised.fill",
                                    "checkmark.shield.fill",
                                    "menubar.rectangle",
                                    "keyboard.fill",
                                    "hand.tap.fill",
                                    "info.circle",
                                    "clock",
                                    "arrow.down.circle",
                                    "globe",
                                    "space",
                                    "xmark",
                                    "chevron.right",
                                    "arrow.up",
                                    "wifi",
                                    "apple.logo",
                                    "cross.fill",
                                    "circle",
                                    "square",
                                    "triangle",
                                    "l1.button.roundedbottom.horizontal.fill",
                                    "r1.button.roundedbottom.horizontal.fill",
                                    "l2.button.angledtop.vertical.left.fill",
                                    "r2.button.angledtop.vertical.right.fill",
                                    "ellipsis.circle",
                                    "square.and.arrow.up",
                                    "minus",
                                    "cursorarrow.click",
                                    "cursorarrow.click.2",
                                    "computermouse",
                                    "escape",
                                    "return",
                                    "arrow.right.to.line",
                                    "delete.backward",
                                    "doc.on.doc",
                                    "clipboard",
                                    "arrow.uturn.backward",
                                    "scissors",
                                    "checkmark.rectangle",
                                    "rectangle.2.swap",
                                    "arrow.left.to.line.compact",
                                    "arrow.right.to.line.compact",
                                    "rectangle.3.group",
                                    "camera.fill"};

TEST(SymbolTable, NamesEverySymbolOnceAndEachDrawsSomething) {
    std::set<std::string_view> seen;
    for (const SymbolEntry& entry : symbolTable()) {
        EXPECT_TRUE(seen.insert(entry.name).second) << "twice: " << entry.name;
    }
    for (const char* name : kUsedSymbols) {
        SCOPED_TRACE(name);
        EXPECT_NE(findSymbol(name), nullptr);
        EXPECT_GT(inkedPixels(symbolPixmap(name, 24, Qt::black)), 12);
    }
}

TEST(SymbolTable, ThemeNamesExistInTheInstalledTheme) {
    if (!QDir(QStringLiteral("/usr/share/icons/Adwaita")).exists()) {
        GTEST_SKIP() << "no Adwaita theme installed";
    }
    for (const SymbolEntry& entry : symbolTable()) {
        if (*entry.themeIcon) {
            EXPECT_TRUE(symbolFromTheme(entry.name)) << entry.name << " -> " << entry.themeIcon;
        }
    }
}

TEST(SymbolTable, OutlinedControllerIsLighterThanTheFilledOne) {
    const int filled = inkedPixels(symbolPixmap("gamecontroller.fill", 32, Qt::black));
    const int outline = inkedPixels(symbolPixmap("gamecontroller", 32, Qt::black));
    EXPECT_GT(outline, 20);
    EXPECT_LT(outline, filled * 3 / 4);
}

TEST(SymbolTable, PixmapsTakeTheAskedColourAndSize) {
    const QPixmap blue = symbolPixmap("keyboard", 18, QColor(0, 122, 255));
    EXPECT_EQ(blue.size(), QSize(18, 18));
    const QImage image = blue.toImage();
    bool found = false;
    for (int y = 0; y < image.height() && !found; ++y) {
        for (int x = 0; x < image.width() && !found; ++x) {
            const QColor c = QColor::fromRgba(image.pixel(x, y));
            found = c.alpha() == 255 && c.blue() == 255 && c.red() == 0;
        }
    }
    EXPECT_TRUE(found);
}

TEST(SymbolTable, UnknownNameStillDrawsAStandIn) {
    EXPECT_EQ(findSymbol("no.such.symbol"), nullptr);
    EXPECT_GT(inkedPixels(symbolPixmap("no.such.symbol", 24, Qt::black)), 5);
}

}  // namespace
}  // namespace joyvane::ui
