#pragma once

#include <string>
#include <vector>

namespace joyvane {

// The user's preferred interface languages, most preferred first (BCP 47 tags such as "he-IL").
class LanguageSource {
public:
    virtual ~LanguageSource() = default;
    virtual std::vector<std::string> preferredLanguages() const = 0;
};

// The interface is Hebrew exactly when the first preferred language begins with "he" (a plain,
// case-sensitive prefix test); an empty list counts as "en".
bool isHebrew(const std::vector<std::string>& preferredLanguages);
bool isHebrew(const LanguageSource& languages);

// Picks the text of the current interface language.
inline const char* localized(bool hebrew, const char* english, const char* hebrewText) {
    return hebrew ? hebrewText : english;
}

// A fixed list: for tests, the simulator, and a program that has read the system's list once.
class FixedLanguages final : public LanguageSource {
public:
    explicit FixedLanguages(std::vector<std::string> languages) : languages_(std::move(languages)) {}
    std::vector<std::string> preferredLanguages() const override { return languages_; }
    void setLanguages(std::vector<std::string> languages) { languages_ = std::move(languages); }

private:
    std::vector<std::string> languages_;
};

}  // namespace joyvane
