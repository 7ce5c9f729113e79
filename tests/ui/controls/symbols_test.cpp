#include "ui/controls/symbols.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <set>
#include <string>

#include "mapping/button_action.h"
#include "mapping/button_id.h"

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

TEST(SymbolTable, NamesEverySymbolOnceAndEachDrawsSomething) {
    std::set<std::string_view> seen;
    for (const SymbolEntry& entry : symbolTable()) {
        SCOPED_TRACE(entry.name);
        EXPECT_TRUE(seen.insert(entry.name).second) << "twice";
        EXPECT_GT(inkedPixels(symbolPixmap(entry.name, 24, Qt::black)), 12);
    }
}

// The buttons' and actions' symbols are named in their vocabularies: none may fall back to "?".
TEST(SymbolTable, EveryButtonAndActionSymbolExists) {
    for (ButtonID id : allButtonIDs) {
        EXPECT_NE(findSymbol(icon(id)), nullptr) << icon(id);
    }
    for (ButtonAction action : allButtonActions) {
        EXPECT_NE(findSymbol(icon(action)), nullptr) << icon(action);
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

TEST(SymbolTable, UnknownNameStillDrawsAStandIn) {
    EXPECT_EQ(findSymbol("no.such.symbol"), nullptr);
    EXPECT_GT(inkedPixels(symbolPixmap("no.such.symbol", 24, Qt::black)), 5);
}

}  // namespace
}  // namespace joyvane::ui
