#include "platform/linux/atspi/role_mapping.h"

namespace joyvane::atspi {

namespace {

std::string editableTextRole(const ElementTraits& element, const char* editableName) {
    return element.editable && !element.readOnly ? editableName : "AXStaticText";
}

}  // namespace

bool isContainerRole(AtspiRole role) {
    switch (role) {
        case ATSPI_ROLE_DOCUMENT_WEB:
        case ATSPI_ROLE_PANEL:
        case ATSPI_ROLE_SECTION:
        case ATSPI_ROLE_FILLER:
            return true;
        default:
            return false;
    }
}

std::string axRoleName(const ElementTraits& element) {
    switch (element.role) {
        case ATSPI_ROLE_TEXT:
        case ATSPI_ROLE_ENTRY:
        case ATSPI_ROLE_PARAGRAPH:
        case ATSPI_ROLE_DOCUMENT_TEXT:
            return editableTextRole(element, element.multiLine ? "AXTextArea" : "AXTextField");
        case ATSPI_ROLE_PASSWORD_TEXT:
            return editableTextRole(element, "AXSecureTextField");
        case ATSPI_ROLE_SPIN_BUTTON:
            return element.editable && !element.readOnly ? "AXTextField" : "AXIncrementor";
        case ATSPI_ROLE_COMBO_BOX:
            return element.editable && !element.readOnly ? "AXComboBox" : "AXPopUpButton";
        case ATSPI_ROLE_TERMINAL:
            return element.readOnly ? "AXStaticText" : "AXTextArea";
        case ATSPI_ROLE_DOCUMENT_WEB:
            return "AXWebArea";
        case ATSPI_ROLE_PANEL:
        case ATSPI_ROLE_SECTION:
        case ATSPI_ROLE_FILLER:
            return "AXGroup";
        case ATSPI_ROLE_LABEL:
        case ATSPI_ROLE_STATIC:
            return "AXStaticText";
        case ATSPI_ROLE_PUSH_BUTTON:
        case ATSPI_ROLE_TOGGLE_BUTTON:
            return "AXButton";
        case ATSPI_ROLE_CHECK_BOX:
            return "AXCheckBox";
        case ATSPI_ROLE_RADIO_BUTTON:
            return "AXRadioButton";
        case ATSPI_ROLE_LIST:
        case ATSPI_ROLE_LIST_BOX:
            return "AXList";
        case ATSPI_ROLE_TABLE:
        case ATSPI_ROLE_TREE_TABLE:
            return "AXTable";
        case ATSPI_ROLE_SLIDER:
            return "AXSlider";
        case ATSPI_ROLE_MENU_ITEM:
            return "AXMenuItem";
        case ATSPI_ROLE_LINK:
            return "AXLink";
        default:
            return "AXUnknown";
    }
}

}  // namespace joyvane::atspi
