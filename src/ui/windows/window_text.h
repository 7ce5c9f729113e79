#pragma once

#include <QString>
#include <string_view>

#include "core/language.h"

namespace joyvane::ui {

// The text of the interface language.
inline QString uiText(bool hebrew, const char* english, const char* hebrewText) {
    return QString::fromUtf8(localized(hebrew, english, hebrewText));
}

inline QString qstr(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace joyvane::ui
