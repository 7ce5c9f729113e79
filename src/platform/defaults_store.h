#pragma once

#include <string>

namespace joyvane {

// The small persistent store of the program (one boolean today: "hasSeenOnboarding").
class DefaultsStore {
public:
    virtual ~DefaultsStore() = default;
    // False when the key was never written or cannot be read.
    virtual bool boolForKey(const std::string& key) const = 0;
    virtual void setBool(const std::string& key, bool value) = 0;
};

}  // namespace joyvane
