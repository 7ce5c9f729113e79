#include "core/language.h"

namespace joyvane {

bool isHebrew(const std::vector<std::string>& preferredLanguages) {
    const std::string first = preferredLanguages.empty() ? "en" : preferredLanguages.front();
    return first.starts_with("he");
}

bool isHebrew(const LanguageSource& languages) { return isHebrew(languages.preferredLanguages()); }

}  // namespace joyvane
