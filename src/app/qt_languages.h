#pragma once

#include "core/language.h"

namespace joyvane::app {

// The user's preferred interface languages as the desktop gives them (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), asked afresh each time.
class QtLanguages final : public LanguageSource {
  public:
    std::vector<std::string> preferredLanguages() const override;
};

}  // namespace joyvane::app
