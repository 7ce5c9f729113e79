#pragma once

#include <filesystem>
#include <functional>
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
    // Told the key of a value that could not be stored (after the line on standard error), so
    // the person can be told as well.
    void onWriteFailure(std::function<void(const std::string& key)> handler) {
        writeFailed_ = std::move(handler);
    }

  private:
    std::map<std::string, bool> load() const;
    std::filesystem::path file_;
    std::function<void(const std::string&)> writeFailed_;
};

}  // namespace joyvane::linux_desktop
