#include "platform/linux/atspi/role_mapping.h"

#include <gtest/gtest.h>

namespace joyvane::atspi {
namespace {

// Only what takes typing gets a text role: the editable state makes text, entries (Qt's
// QLineEdit and GTK's GtkEntry report TEXT), password fields, spin buttons and combo boxes
// fields; read-only wins over editable; a terminal counts unless it is read-only.
TEST(RoleMapping, OnlyElementsThatTakeTypingGetATextRole) {
    struct Case {
        ElementTraits element;  // role, editable, multi-line, read-only
        const char* name;
    };
    const Case cases[] = {
        {{ATSPI_ROLE_TEXT, true, false, false}, "AXTextField"},
        {{ATSPI_ROLE_ENTRY, true, false, false}, "AXTextField"},
        {{ATSPI_ROLE_TEXT, true, true, false}, "AXTextArea"},
        {{ATSPI_ROLE_DOCUMENT_TEXT, true, true, false}, "AXTextArea"},
        {{ATSPI_ROLE_PASSWORD_TEXT, true, false, false}, "AXSecureTextField"},
        {{ATSPI_ROLE_SPIN_BUTTON, true, false, false}, "AXTextField"},
        {{ATSPI_ROLE_COMBO_BOX, true, false, false}, "AXComboBox"},
        {{ATSPI_ROLE_TEXT, false, true, false}, "AXStaticText"},  // a read-only text view
        {{ATSPI_ROLE_PARAGRAPH, false, false, false}, "AXStaticText"},
        {{ATSPI_ROLE_PASSWORD_TEXT, false, false, false}, "AXStaticText"},
        {{ATSPI_ROLE_TEXT, true, false, true}, "AXStaticText"},  // a field switched read-only
        {{ATSPI_ROLE_SPIN_BUTTON, false, false, false}, "AXIncrementor"},
        {{ATSPI_ROLE_COMBO_BOX, true, false, true}, "AXPopUpButton"},
        {{ATSPI_ROLE_LABEL, true, false, false}, "AXStaticText"},
        {{ATSPI_ROLE_PUSH_BUTTON, true, false, false}, "AXButton"},
        {{ATSPI_ROLE_INVALID, false, false, false}, "AXUnknown"},
        {{ATSPI_ROLE_TERMINAL, false, false, false}, "AXTextArea"},
        {{ATSPI_ROLE_TERMINAL, false, true, true}, "AXStaticText"},
        {{ATSPI_ROLE_DOCUMENT_WEB, false, false, false}, "AXWebArea"},
        {{ATSPI_ROLE_SECTION, false, false, false}, "AXGroup"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(axRoleName(c.element), c.name)
            << c.element.role << " editable " << c.element.editable << " multi-line "
            << c.element.multiLine << " read-only " << c.element.readOnly;
    }
    for (AtspiRole role :
         {ATSPI_ROLE_PANEL, ATSPI_ROLE_SECTION, ATSPI_ROLE_FILLER, ATSPI_ROLE_DOCUMENT_WEB}) {
        EXPECT_TRUE(isContainerRole(role)) << role;
    }
    EXPECT_FALSE(isContainerRole(ATSPI_ROLE_TEXT));
    EXPECT_FALSE(isContainerRole(ATSPI_ROLE_FRAME));
}

}  // namespace
}  // namespace joyvane::atspi
