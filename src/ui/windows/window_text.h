#pragma once

#include <QString>
#include <string_view>

#include "ui/controls/reading_direction.h"

namespace joyvane::ui {

// The text of the interface language, Hebrew marked right to left.
inline QString uiText(bool hebrew, const char* english, const char* hebrewText) {
    return interfaceText(hebrew, english, hebrewText);
}

inline QString qstr(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace joyvane::ui
