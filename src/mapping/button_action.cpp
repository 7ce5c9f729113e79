#include "mapping/button_action.h"

#include "core/find_by_name.h"

#include <cstddef>

namespace joyvane {

const std::array<ButtonAction, kButtonActionCount> allButtonActions = {
    ButtonAction::none,        ButtonAction::leftClick,    ButtonAction::rightClick,
    ButtonAction::middleClick, ButtonAction::toggleEnable, ButtonAction::escape,
    ButtonAction::enter,       ButtonAction::space,        ButtonAction::tab,
    ButtonAction::deleteKey,   ButtonAction::cmdCopy,      ButtonAction::cmdPaste,
    ButtonAction::cmdUndo,     ButtonAction::cmdCut,       ButtonAction::cmdSelectAll,
    ButtonAction::cmdTab,      ButtonAction::spaceLeft,    ButtonAction::spaceRight,
    ButtonAction::missionCtrl, ButtonAction::showKeyboard, ButtonAction::screenshot,
};

namespace {

struct ButtonActionInfo {
    std::string_view caseName;
    std::string_view rawValue;  // the encoded form
    std::string_view englishLabel;
    std::string_view icon;
    // The Hebrew label shown, when it differs from the raw value: shortcuts are labelled with
    // the chords this desktop receives (Ctrl+C, Alt+Tab, Ctrl+Alt+←, Super, Print).
    std::string_view hebrewLabel = {};
};

// Indexed by the enumeration's value, in the order of allButtonActions.
constexpr std::array<ButtonActionInfo, kButtonActionCount> kInfo = {{
    {"none", "ללא", "None", "minus"},
    {"leftClick", "לחיצה שמאלית", "Left Click", "cursorarrow.click"},
    {"rightClick", "לחיצה ימנית", "Right Click", "cursorarrow.click.2"},
    {"middleClick", "לחיצה אמצעית", "Middle Click", "computermouse"},
    {"toggleEnable", "הפעל / כבה", "Enable / Disable", "power"},
    {"escape", "Escape", "Escape", "escape"},
    {"enter", "Enter", "Enter", "return"},
    {"space", "Space", "Space", "space"},
    {"tab", "Tab", "Tab", "arrow.right.to.line"},
    {"delete", "Delete", "Delete", "delete.backward"},
    {"cmdCopy", "העתק ⌘C", "Copy Ctrl+C", "doc.on.doc", "העתק Ctrl+C"},
    {"cmdPaste", "הדבק ⌘V", "Paste Ctrl+V", "clipboard", "הדבק Ctrl+V"},
    {"cmdUndo", "בטל ⌘Z", "Undo Ctrl+Z", "arrow.uturn.backward", "בטל Ctrl+Z"},
    {"cmdCut", "גזור ⌘X", "Cut Ctrl+X", "scissors", "גזור Ctrl+X"},
    {"cmdSelectAll", "בחר הכל ⌘A", "Select All Ctrl+A", "checkmark.rectangle", "בחר הכל Ctrl+A"},
    {"cmdTab", "עבור אפליקציה ⌘⇥", "Switch App Alt+Tab", "rectangle.2.swap",
     "עבור אפליקציה Alt+Tab"},
    {"spaceLeft", "מרחב קודם ⌃←", "Prev Workspace Ctrl+Alt+←", "arrow.left.to.line.compact",
     "מרחב עבודה קודם Ctrl+Alt+←"},
    {"spaceRight", "מרחב הבא ⌃→", "Next Workspace Ctrl+Alt+→", "arrow.right.to.line.compact",
     "מרחב עבודה הבא Ctrl+Alt+→"},
    {"missionCtrl", "Mission Control", "Overview Super", "rectangle.3.group", "סקירה כללית Super"},
    {"showKeyboard", "מקלדת PS", "PS Keyboard", "keyboard"},
    {"screenshot", "צילום מסך ⌘⇧3", "Screenshot Print", "camera.fill", "צילום מסך Print"},
}};

const ButtonActionInfo& info(ButtonAction action) {
    return kInfo[static_cast<std::size_t>(action)];
}

}  // namespace

std::string_view rawValue(ButtonAction action) {
    return info(action).rawValue;
}
std::string_view englishLabel(ButtonAction action) {
    return info(action).englishLabel;
}
std::string_view icon(ButtonAction action) {
    return info(action).icon;
}
std::string_view caseName(ButtonAction action) {
    return info(action).caseName;
}

std::string_view displayName(ButtonAction action, bool hebrew) {
    if (!hebrew) {
        return englishLabel(action);
    }
    const ButtonActionInfo& entry = info(action);
    return entry.hebrewLabel.empty() ? entry.rawValue : entry.hebrewLabel;
}

std::optional<ButtonAction> buttonActionFromRawValue(std::string_view raw) {
    return findByName(allButtonActions, raw, [](ButtonAction v) { return rawValue(v); });
}

std::optional<ButtonAction> buttonActionFromCaseName(std::string_view name) {
    return findByName(allButtonActions, name, [](ButtonAction v) { return caseName(v); });
}

}  // namespace joyvane
