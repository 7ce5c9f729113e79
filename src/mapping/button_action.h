#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace joyvane {

// The assignable actions. The raw value is the Hebrew label (an English word for six of them).
enum class ButtonAction {
    none,
    leftClick,
    rightClick,
    middleClick,
    toggleEnable,
    escape,
    enter,
    space,
    tab,
    deleteKey,  // `delete` in the vocabulary; a C++ keyword
    cmdCopy,
    cmdPaste,
    cmdUndo,
    cmdCut,
    cmdSelectAll,
    cmdTab,
    spaceLeft,
    spaceRight,
    missionCtrl,
    showKeyboard,
    screenshot,
};

inline constexpr std::size_t kButtonActionCount = 21;
extern const std::array<ButtonAction, kButtonActionCount> allButtonActions;

// The Hebrew label of the encoded form; shortcuts in it carry the other desktop's key symbols.
std::string_view rawValue(ButtonAction action);
std::string_view englishLabel(ButtonAction action);
// The label of the interface language. Shortcuts are labelled with the chords this desktop
// receives (Ctrl+C, Alt+Tab, Ctrl+Alt+→, Super, Print); other Hebrew labels are the raw value.
std::string_view displayName(ButtonAction action, bool hebrew);
std::string_view icon(ButtonAction action);
std::string_view caseName(ButtonAction action);  // "none", ..., "delete", ..., "screenshot"
std::optional<ButtonAction> buttonActionFromRawValue(std::string_view raw);
std::optional<ButtonAction> buttonActionFromCaseName(std::string_view name);

}  // namespace joyvane
