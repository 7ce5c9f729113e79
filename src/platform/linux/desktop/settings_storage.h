#pragma once

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/scheduler.h"
#include "engine/settings_keeper.h"

namespace joyvane {
class ControllerManager;
}

namespace joyvane::linux_desktop {

// $XDG_CONFIG_HOME/joyvane/settings.json (or ~/.config/joyvane/settings.json).
std::filesystem::path defaultSettingsFile();

// Keeps the engine's settings in a file: reads it once on construction, then writes it after
// each burst of changes on a thread of its own, so the input loop never waits on the disk. A file
// with faults is moved aside as "<name>.bad" and rewritten with what could be used; faults and
// failed writes are told on standard error, one line each.
class SettingsStorage {
  public:
    static constexpr std::size_t kMaxFileBytes = 1024 * 1024;

    SettingsStorage(std::filesystem::path file, ControllerManager& manager, Scheduler& scheduler);
    // Writes what is pending and waits for it.
    ~SettingsStorage();
    SettingsStorage(const SettingsStorage&) = delete;
    SettingsStorage& operator=(const SettingsStorage&) = delete;

    // Writes what is pending now and waits until it is on disk (or has failed).
    void flush();

  private:
    // Applies what the file holds; true when the file had faults and must be rewritten.
    bool load(ControllerManager& manager);
    void enqueue(std::string document);
    void writeLoop();

    std::filesystem::path file_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<std::string> queued_;
    bool writing_ = false;
    bool stopping_ = false;
    std::thread writer_;
    std::optional<SettingsKeeper> keeper_;
};

}  // namespace joyvane::linux_desktop
