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
    std::string_view rawValue;  // the Hebrew label
    std::string_view englishLabel;
    std::string_view icon;
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
    {"cmdCopy", "העתק ⌘C", "Copy ⌘C", "doc.on.doc"},
    {"cmdPaste", "הדבק ⌘V", "Paste ⌘V", "clipboard"},
    {"cmdUndo", "בטל ⌘Z", "Undo ⌘Z", "arrow.uturn.backward"},
    {"cmdCut", "גזור ⌘X", "Cut ⌘X", "scissors"},
    {"cmdSelectAll", "בחר הכל ⌘A", "Select All ⌘A", "checkmark.rectangle"},
    {"cmdTab", "עבור אפליקציה ⌘⇥", "Switch App ⌘⇥", "rectangle.2.swap"},
    {"spaceLeft", "מרחב קודם ⌃←", "Prev Space ⌃←", "arrow.left.to.line.compact"},
    {"spaceRight", "מרחב הבא ⌃→", "Next Space ⌃→", "arrow.right.to.line.compact"},
    {"missionCtrl", "Mission Control", "Mission Control", "rectangle.3.group"},
    {"showKeyboard", "מקלדת PS", "PS Keyboard", "keyboard"},
    {"screenshot", "צילום מסך ⌘⇧3", "Screenshot ⌘⇧3", "camera.fill"},
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
    return hebrew ? rawValue(action) : englishLabel(action);
}

std::optional<ButtonAction> buttonActionFromRawValue(std::string_view raw) {
    return findByName(allButtonActions, raw, [](ButtonAction v) { return rawValue(v); });
}

std::optional<ButtonAction> buttonActionFromCaseName(std::string_view name) {
    return findByName(allButtonActions, name, [](ButtonAction v) { return caseName(v); });
}

}  // namespace joyvane
