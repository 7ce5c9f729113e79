#include "platform/linux/desktop/settings_storage.h"

#include <cstdio>
#include <string>
#include <utility>

#include "engine/settings_document.h"
#include "platform/linux/desktop/atomic_file.h"
#include "platform/linux/desktop/xdg_paths.h"

namespace joyvane::linux_desktop {

namespace {

void tell(const std::filesystem::path& file, const std::string& what) {
    std::fprintf(stderr, "joyvane: %s: %s\n", file.c_str(), what.c_str());
}

std::string joined(const std::vector<std::string>& faults) {
    std::string out;
    for (const std::string& fault : faults) {
        out += (out.empty() ? "" : "; ") + fault;
    }
    return out;
}

}  // namespace

std::filesystem::path defaultSettingsFile() {
    return configHome() / "joyvane" / "settings.json";
}

SettingsStorage::SettingsStorage(std::filesystem::path file, ControllerManager& manager,
                                 Scheduler& scheduler)
    : file_(std::move(file)) {
    writer_ = std::thread([this] { writeLoop(); });
    removeLeftoverTemporaries(file_);
    bool repair = load(manager);
    keeper_.emplace(manager, scheduler,
                    [this](std::string document) { enqueue(std::move(document)); });
    if (repair) {
        keeper_->changed();
        keeper_->flush();
    }
}

SettingsStorage::~SettingsStorage() {
    flush();
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    writer_.join();
}

bool SettingsStorage::load(ControllerManager& manager) {
    BoundedRead read = readRegularFile(file_, kMaxFileBytes);
    if (read.status == BoundedRead::Status::missing) {
        return false;
    }
    DecodedSettings decoded;
    if (read.status == BoundedRead::Status::read) {
        decoded = decodeSettings(read.contents);
    } else {
        decoded.faults.push_back(read.fault);
    }
    apply(decoded.record, manager);
    if (decoded.faults.empty()) {
        return false;
    }
    // Keep the original for the person to look at, then store what is in use.
    std::filesystem::path bad = file_;
    bad += ".bad";
    std::error_code error;
    std::filesystem::rename(file_, bad, error);
    tell(file_,
         joined(decoded.faults) + (error ? "" : "; the original is kept as " + bad.string()));
    return true;
}

void SettingsStorage::flush() {
    if (keeper_) {
        keeper_->flush();
    }
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return !queued_ && !writing_; });
}

void SettingsStorage::enqueue(std::string document) {
    {
        std::lock_guard lock(mutex_);
        queued_ = std::move(document);  // a newer document replaces one not yet written
    }
    wake_.notify_all();
}

void SettingsStorage::writeLoop() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return queued_ || stopping_; });
        if (!queued_) {
            return;
        }
        std::string document = std::move(*queued_);
        queued_.reset();
        writing_ = true;
        lock.unlock();
        if (!writeFileAtomically(file_, document, 0600)) {
            tell(file_, "could not be written; the previous file is unchanged");
        }
        lock.lock();
        writing_ = false;
        wake_.notify_all();
    }
}

}  // namespace joyvane::linux_desktop
