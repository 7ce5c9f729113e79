#pragma once

#include <QString>

#include "core/language.h"

namespace joyvane::ui {

// U+200F RIGHT-TO-LEFT MARK.
inline constexpr char16_t kRightToLeftMark = u'\u200F';

// Qt lays a plain text out in the direction of its first strong letter, so a Hebrew sentence
// that opens with a Latin word ("Joyvane פועלת") would read left to right. A leading
// right-to-left mark gives every Hebrew text a right-to-left base direction, in labels, buttons,
// links and tooltips alike.
inline QString rightToLeft(QString text) {
    if (!text.startsWith(QChar(kRightToLeftMark))) {
        text.prepend(QChar(kRightToLeftMark));
    }
    return text;
}

// The text of the interface language, Hebrew marked right to left.
inline QString interfaceText(bool hebrew, const char* english, const char* hebrewText) {
    QString text = QString::fromUtf8(localized(hebrew, english, hebrewText));
    return hebrew ? rightToLeft(std::move(text)) : text;
}

}  // namespace joyvane::ui
