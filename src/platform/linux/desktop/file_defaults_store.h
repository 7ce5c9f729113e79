#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "platform/defaults_store.h"

namespace joyvane::linux_desktop {

// Booleans kept in a small text file, one "key=true" or "key=false" line each, by default
// $XDG_CONFIG_HOME/joyvane/defaults (or ~/.config/joyvane/defaults). Every write replaces the
// file atomically; a file that cannot be read, or a line that is not of that form, reads as
// false.
class FileDefaultsStore final : public DefaultsStore {
  public:
    FileDefaultsStore();
    explicit FileDefaultsStore(std::filesystem::path file);

    bool boolForKey(const std::string& key) const override;
    void setBool(const std::string& key, bool value) override;

    const std::filesystem::path& file() const { return file_; }

  private:
    std::map<std::string, bool> load() const;
    std::filesystem::path file_;
};

}  // namespace joyvane::linux_desktop
