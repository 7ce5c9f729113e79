#include "platform/linux/atspi/role_mapping.h"

#include <gtest/gtest.h>

namespace joyvane::atspi {
namespace {

ElementTraits editable(AtspiRole role, bool multiLine = false) {
    return {role, true, multiLine, false};
}

ElementTraits readOnly(AtspiRole role) {
    return {role, false, false, false};
}

TEST(RoleMapping, EditableFieldsGetTheirTextRoles) {
    // Qt's QLineEdit and GTK's GtkEntry both report TEXT.
    EXPECT_EQ(axRoleName(editable(ATSPI_ROLE_TEXT)), "AXTextField");
    EXPECT_EQ(axRoleName(editable(ATSPI_ROLE_ENTRY)), "AXTextField");
    EXPECT_EQ(axRoleName(editable(ATSPI_ROLE_TEXT, true)), "AXTextArea");
    EXPECT_EQ(axRoleName(editable(ATSPI_ROLE_DOCUMENT_TEXT, true)), "AXTextArea");
    EXPECT_EQ(axRoleName(editable(ATSPI_ROLE_PASSWORD_TEXT)), "AXSecureTextField");
    EXPECT_EQ(axRoleName(editable(ATSPI_ROLE_SPIN_BUTTON)), "AXTextField");
    EXPECT_EQ(axRoleName(editable(ATSPI_ROLE_COMBO_BOX)), "AXComboBox");
}

TEST(RoleMapping, WithoutTheEditableStateNothingIsATextField) {
    for (AtspiRole role : {ATSPI_ROLE_TEXT, ATSPI_ROLE_ENTRY, ATSPI_ROLE_PARAGRAPH,
                           ATSPI_ROLE_DOCUMENT_TEXT, ATSPI_ROLE_PASSWORD_TEXT}) {
        EXPECT_EQ(axRoleName(readOnly(role)), "AXStaticText") << role;
        ElementTraits multiLine = readOnly(role);
        multiLine.multiLine = true;
        EXPECT_EQ(axRoleName(multiLine), "AXStaticText") << "read-only text view " << role;
    }
    EXPECT_EQ(axRoleName(readOnly(ATSPI_ROLE_SPIN_BUTTON)), "AXIncrementor");
    EXPECT_EQ(axRoleName(readOnly(ATSPI_ROLE_COMBO_BOX)), "AXPopUpButton");
    EXPECT_EQ(axRoleName(readOnly(ATSPI_ROLE_LABEL)), "AXStaticText");
    EXPECT_EQ(axRoleName(readOnly(ATSPI_ROLE_PUSH_BUTTON)), "AXButton");
    EXPECT_EQ(axRoleName(readOnly(ATSPI_ROLE_INVALID)), "AXUnknown");
    // Editable and read-only at once (a field switched read-only): read-only wins.
    EXPECT_EQ(axRoleName({ATSPI_ROLE_TEXT, true, false, true}), "AXStaticText");
    // The editable state alone does not make a label or a button a field.
    EXPECT_EQ(axRoleName(editable(ATSPI_ROLE_LABEL)), "AXStaticText");
    EXPECT_EQ(axRoleName(editable(ATSPI_ROLE_PUSH_BUTTON)), "AXButton");
}

TEST(RoleMapping, TerminalsWebAreasAndContainers) {
    EXPECT_EQ(axRoleName(readOnly(ATSPI_ROLE_TERMINAL)), "AXTextArea");
    EXPECT_EQ(axRoleName({ATSPI_ROLE_TERMINAL, false, true, true}), "AXStaticText");
    EXPECT_EQ(axRoleName(readOnly(ATSPI_ROLE_DOCUMENT_WEB)), "AXWebArea");
    for (AtspiRole role : {ATSPI_ROLE_PANEL, ATSPI_ROLE_SECTION, ATSPI_ROLE_FILLER}) {
        EXPECT_EQ(axRoleName(readOnly(role)), "AXGroup") << role;
        EXPECT_TRUE(isContainerRole(role));
    }
    EXPECT_TRUE(isContainerRole(ATSPI_ROLE_DOCUMENT_WEB));
    EXPECT_FALSE(isContainerRole(ATSPI_ROLE_TEXT));
    EXPECT_FALSE(isContainerRole(ATSPI_ROLE_FRAME));
}

}  // namespace
}  // namespace joyvane::atspi
