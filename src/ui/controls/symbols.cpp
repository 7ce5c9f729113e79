#include "ui/controls/symbols.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QStandardPaths>
#include <algorithm>
#include <array>

namespace joyvane::ui {
namespace {

using D = DrawnShape;
using Deco = SymbolDecoration;

constexpr DrawnSymbol glyph(const char* text) {
    return {D::glyph, text, 0, true, false};
}
constexpr DrawnSymbol keycap(const char* text) {
    return {D::keycap, text, 0, true, false};
}
constexpr DrawnSymbol shape(D s) {
    return {s, "", 0, true, false};
}
constexpr DrawnSymbol battery(int level, bool bolt) {
    return {D::battery, "", level, true, bolt};
}

// The one table from system symbol names to icon-theme names (Adwaita's symbolic icons, which
// most freedesktop themes also provide) and drawn stand-ins.
constexpr std::array kSymbols = {
    // Controller and status
    // Themes have one controller glyph; the filled and the outlined one are drawn as a pair.
    SymbolEntry{"gamecontroller.fill", "", Deco::none, shape(D::controller)},
    SymbolEntry{"gamecontroller", "", Deco::none, {D::controller, "", 0, false, false}},
    SymbolEntry{"checkmark.circle.fill", "", Deco::none, shape(D::checkCircle)},
    SymbolEntry{"circle.slash", "", Deco::none, shape(D::circleSlash)},
    SymbolEntry{"play.circle.fill", "", Deco::none, shape(D::playCircle)},
    SymbolEntry{"pause.circle.fill", "", Deco::none, shape(D::pauseCircle)},
    SymbolEntry{"power", "system-shutdown-symbolic", Deco::none, glyph("\u23FB")},
    SymbolEntry{"power.circle", "system-shutdown-symbolic", Deco::none, glyph("\u23FB")},
    SymbolEntry{"arrow.clockwise", "view-refresh-symbolic", Deco::none, glyph("\u21BB")},
    SymbolEntry{"arrow.counterclockwise", "object-rotate-left-symbolic", Deco::none,
                glyph("\u21BA")},
    // Battery
    SymbolEntry{"battery.100", "battery-level-100-symbolic", Deco::none, battery(100, false)},
    SymbolEntry{"battery.75", "battery-level-70-symbolic", Deco::none, battery(75, false)},
    SymbolEntry{"battery.50", "battery-level-50-symbolic", Deco::none, battery(50, false)},
    SymbolEntry{"battery.25", "battery-level-20-symbolic", Deco::none, battery(25, false)},
    SymbolEntry{"battery.0", "battery-level-0-symbolic", Deco::none, battery(0, false)},
    SymbolEntry{"battery.100.bolt", "battery-level-100-charged-symbolic", Deco::none,
                battery(100, true)},
    SymbolEntry{"battery.75.bolt", "battery-level-70-charging-symbolic", Deco::none,
                battery(75, true)},
    SymbolEntry{"battery.50.bolt", "battery-level-50-charging-symbolic", Deco::none,
                battery(50, true)},
    SymbolEntry{"battery.25.bolt", "battery-level-20-charging-symbolic", Deco::none,
                battery(25, true)},
    SymbolEntry{"bolt.fill", "", Deco::none, shape(D::bolt)},
    // Sticks, pointer and scrolling
    SymbolEntry{"computermouse.fill", "input-mouse-symbolic", Deco::none, glyph("\u2B2D")},
    SymbolEntry{"computermouse", "input-mouse-symbolic", Deco::none, glyph("\u2B2D")},
    SymbolEntry{"arrow.up.and.down.and.arrow.left.and.right", "", Deco::none, shape(D::fourArrows)},
    SymbolEntry{"cursorarrow.motionlines", "", Deco::none, shape(D::cursor)},
    SymbolEntry{"cursorarrow.click", "", Deco::none, shape(D::cursor)},
    SymbolEntry{"cursorarrow.click.2", "", Deco::none, shape(D::cursor)},
    SymbolEntry{"scroll.fill", "view-continuous-symbolic", Deco::none, glyph("\u2195")},
    SymbolEntry{"target", "find-location-symbolic", Deco::none, glyph("\u25CE")},
    SymbolEntry{"hare.fill", "power-profile-performance-symbolic", Deco::none, glyph("\u00BB")},
    SymbolEntry{"arrow.up.arrow.down", "", Deco::none, glyph("\u21C5")},
    SymbolEntry{"slider.horizontal.3", "", Deco::none, shape(D::sliders)},
    // Behaviour, touchpad, keyboard
    SymbolEntry{"gear", "emblem-system-symbolic", Deco::none, glyph("\u2699")},
    SymbolEntry{"gearshape.2", "preferences-system-symbolic", Deco::none, glyph("\u2699")},
    SymbolEntry{"cable.connector", "network-wired-symbolic", Deco::none, glyph("\u2301")},
    SymbolEntry{"keyboard", "input-keyboard-symbolic", Deco::none, glyph("\u2328")},
    SymbolEntry{"keyboard.fill", "input-keyboard-symbolic", Deco::none, glyph("\u2328")},
    SymbolEntry{"keyboard.chevron.compact.down.fill", "input-keyboard-symbolic", Deco::chevronBelow,
                glyph("\u2328")},
    SymbolEntry{"rectangle.roundedtop.fill", "input-touchpad-symbolic", Deco::none,
                glyph("\u25AD")},
    SymbolEntry{"hand.point.up.left.fill", "input-tablet-symbolic", Deco::none, glyph("\u261D")},
    SymbolEntry{"hand.tap", "input-touchpad-symbolic", Deco::none, glyph("\u261D")},
    SymbolEntry{"hand.tap.fill", "input-touchpad-symbolic", Deco::none, glyph("\u261D")},
    SymbolEntry{"globe", "preferences-desktop-locale-symbolic", Deco::none, glyph("\u2641")},
    SymbolEntry{"space", "", Deco::none, glyph("\u2423")},
    // Accessibility banner, onboarding, hint
    SymbolEntry{"hand.raised.fill", "preferences-desktop-accessibility-symbolic", Deco::none,
                glyph("\u270B")},
    SymbolEntry{"checkmark.shield.fill", "security-high-symbolic", Deco::none, glyph("\u2713")},
    SymbolEntry{"menubar.rectangle", "focus-top-bar-symbolic", Deco::none, glyph("\u25A4")},
    // Drawn, never themed: a theme's launcher icon is often a distribution's logo.
    SymbolEntry{"square.grid.3x3.fill", "", Deco::none, shape(D::appGrid)},
    SymbolEntry{"wifi", "network-wireless-signal-excellent-symbolic", Deco::none, glyph("\u25E0")},
    SymbolEntry{"arrow.up", "go-up-symbolic", Deco::none, glyph("\u2191")},
    SymbolEntry{"chevron.right", "go-next-symbolic", Deco::none, glyph("\u203A")},
    SymbolEntry{"xmark", "window-close-symbolic", Deco::none, glyph("\u2715")},
    SymbolEntry{"xmark.circle.fill", "window-close-symbolic", Deco::none, glyph("\u2297")},
    // Controller information
    SymbolEntry{"info.circle", "dialog-information-symbolic", Deco::none, glyph("\u24D8")},
    SymbolEntry{"clock", "preferences-system-time-symbolic", Deco::none, glyph("\u231A")},
    SymbolEntry{"arrow.down.circle", "software-update-available-symbolic", Deco::none,
                glyph("\u21E9")},
    // Buttons
    SymbolEntry{"cross.fill", "", Deco::none, shape(D::psCross)},
    SymbolEntry{"circle", "", Deco::none, shape(D::psCircle)},
    SymbolEntry{"square", "", Deco::none, shape(D::psSquare)},
    SymbolEntry{"triangle", "", Deco::none, shape(D::psTriangle)},
    SymbolEntry{"l1.button.roundedbottom.horizontal.fill", "", Deco::none, keycap("L1")},
    SymbolEntry{"r1.button.roundedbottom.horizontal.fill", "", Deco::none, keycap("R1")},
    SymbolEntry{"l2.button.angledtop.vertical.left.fill", "", Deco::none, keycap("L2")},
    SymbolEntry{"r2.button.angledtop.vertical.right.fill", "", Deco::none, keycap("R2")},
    SymbolEntry{"ellipsis.circle", "view-more-horizontal-symbolic", Deco::none, glyph("\u22EF")},
    SymbolEntry{"square.and.arrow.up", "emblem-shared-symbolic", Deco::none, glyph("\u21EA")},
    // Actions
    SymbolEntry{"minus", "list-remove-symbolic", Deco::none, glyph("\u2212")},
    SymbolEntry{"escape", "", Deco::none, keycap("esc")},
    SymbolEntry{"return", "", Deco::none, glyph("\u23CE")},
    SymbolEntry{"arrow.right.to.line", "go-last-symbolic", Deco::none, glyph("\u21E5")},
    SymbolEntry{"delete.backward", "edit-clear-symbolic", Deco::none, glyph("\u232B")},
    SymbolEntry{"doc.on.doc", "edit-copy-symbolic", Deco::none, glyph("\u2398")},
    SymbolEntry{"clipboard", "edit-paste-symbolic", Deco::none, glyph("\u2399")},
    SymbolEntry{"arrow.uturn.backward", "edit-undo-symbolic", Deco::none, glyph("\u21B6")},
    SymbolEntry{"scissors", "edit-cut-symbolic", Deco::none, glyph("\u2702")},
    SymbolEntry{"checkmark.rectangle", "edit-select-all-symbolic", Deco::none, glyph("\u2611")},
    SymbolEntry{"rectangle.2.swap", "view-dual-symbolic", Deco::none, glyph("\u21C6")},
    SymbolEntry{"arrow.left.to.line.compact", "go-first-symbolic", Deco::none, glyph("\u21E4")},
    SymbolEntry{"arrow.right.to.line.compact", "go-last-symbolic", Deco::none, glyph("\u21E5")},
    SymbolEntry{"rectangle.3.group", "view-grid-symbolic", Deco::none, glyph("\u25A6")},
    SymbolEntry{"camera.fill", "camera-photo-symbolic", Deco::none, glyph("\u25C9")},
};

// The theme that ships the symbolic icons above, used when the desktop's own theme lacks them.
constexpr const char* kSymbolTheme = "Adwaita";

void ensureSymbolTheme() {
    static const bool done = [] {
        // Platforms without a desktop theme (offscreen, minimal) search no system folders.
        QStringList paths = QIcon::themeSearchPaths();
        for (const QString& data :
             QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
            const QString icons = data + QStringLiteral("/icons");
            if (!paths.contains(icons)) {
                paths << icons;
            }
        }
        QIcon::setThemeSearchPaths(paths);
        if (!QIcon::hasThemeIcon(QStringLiteral("input-keyboard-symbolic"))) {
            QIcon::setThemeName(QString::fromLatin1(kSymbolTheme));
        }
        return true;
    }();
    (void)done;
}

QImage blankImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage tinted(QImage image, const QColor& color) {
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
    return image;
}

QImage themeImage(const SymbolEntry& entry, int size) {
    QIcon icon = QIcon::fromTheme(QString::fromLatin1(entry.themeIcon));
    QImage image = blankImage(size);
    QPainter painter(&image);
    QRect box(0, 0, size, size);
    if (entry.decoration == SymbolDecoration::chevronBelow) {
        const int inner = size * 3 / 4;
        icon.paint(&painter, QRect((size - inner) / 2, 0, inner, inner));
        drawChevronDown(painter, box, Qt::black);
    } else {
        icon.paint(&painter, box);
    }
    painter.end();
    return image;
}

QImage drawnImage(const DrawnSymbol& drawn, int size, const QColor& color) {
    QImage image = blankImage(size);
    QPainter painter(&image);
    drawSymbol(painter, QRectF(0, 0, size, size), drawn, color);
    return image;
}

}  // namespace

std::span<const SymbolEntry> symbolTable() {
    return kSymbols;
}

const SymbolEntry* findSymbol(std::string_view name) {
    auto it = std::find_if(kSymbols.begin(), kSymbols.end(),
                           [name](const SymbolEntry& e) { return e.name == name; });
    return it == kSymbols.end() ? nullptr : &*it;
}

bool symbolFromTheme(std::string_view name) {
    ensureSymbolTheme();
    const SymbolEntry* entry = findSymbol(name);
    return entry && *entry->themeIcon && QIcon::hasThemeIcon(QString::fromLatin1(entry->themeIcon));
}

QPixmap symbolPixmap(std::string_view name, int size, const QColor& color) {
    const double ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const int pixels = std::max(1, static_cast<int>(size * ratio));
    const QString key = QStringLiteral("joyvane-symbol|%1|%2|%3")
                            .arg(QString::fromUtf8(name.data(), static_cast<int>(name.size())))
                            .arg(pixels)
                            .arg(color.rgba(), 0, 16);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) {
        return pixmap;
    }
    QImage image;
    const SymbolEntry* entry = findSymbol(name);
    if (entry && symbolFromTheme(name)) {
        image = tinted(themeImage(*entry, pixels), color);
    } else if (entry) {
        image = drawnImage(entry->drawn, pixels, color);
    } else {
        image = drawnImage(glyph("?"), pixels, color);
    }
    pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QIcon symbolIcon(std::string_view name, int size, const QColor& color) {
    return QIcon(symbolPixmap(name, size, color));
}

}  // namespace joyvane::ui
