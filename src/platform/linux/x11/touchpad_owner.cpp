#include "platform/linux/x11/touchpad_owner.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "platform/linux/desktop/atomic_file.h"
#include "platform/linux/desktop/controller_touchpad.h"

namespace joyvane::x11 {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (end > start) {
            lines.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return lines;
}

}  // namespace

TouchpadOwner::TouchpadOwner(InputDeviceSwitch& devices, fs::path recoveryFile)
    : devices_(devices), recoveryFile_(std::move(recoveryFile)) {}

TouchpadOwner::~TouchpadOwner() {
    giveBack();
}

void TouchpadOwner::recover() {
    auto text = linux_desktop::readWholeFile(recoveryFile_);
    if (!text) {
        return;
    }
    const auto names = linesOf(*text);
    for (const auto& device : devices_.devices()) {
        if (!device.enabled && std::find(names.begin(), names.end(), device.name) != names.end()) {
            devices_.setEnabled(device.id, true);
        }
    }
    std::error_code error;
    fs::remove(recoveryFile_, error);
}

void TouchpadOwner::update(bool own) {
    if (!own) {
        giveBack();
        return;
    }
    const auto devices = devices_.devices();
    const auto before = held_.size();
    // A device that left with its controller needs nothing back; an id now naming another
    // device is not ours either.
    std::erase_if(held_, [&devices](const Held& held) {
        return std::none_of(devices.begin(), devices.end(), [&held](const InputDevice& device) {
            return device.id == held.id && device.name == held.name;
        });
    });
    bool changed = held_.size() != before;
    for (const auto& device : devices) {
        if (!device.enabled || !linux_desktop::isControllerTouchpadName(device.name)) {
            continue;
        }
        // Written down before it is switched off, so a crash in between still recovers it.
        held_.push_back({device.id, device.name});
        save();
        if (!devices_.setEnabled(device.id, false)) {
            held_.pop_back();
        }
        changed = true;
    }
    if (changed) {
        save();
    }
}

void TouchpadOwner::giveBack() {
    if (held_.empty()) {
        return;
    }
    for (const auto& device : devices_.devices()) {
        for (const auto& held : held_) {
            if (device.id == held.id && device.name == held.name && !device.enabled) {
                devices_.setEnabled(device.id, true);
            }
        }
    }
    held_.clear();
    save();
}

std::vector<std::string> TouchpadOwner::heldNames() const {
    std::vector<std::string> names;
    for (const auto& held : held_) {
        names.push_back(held.name);
    }
    return names;
}

void TouchpadOwner::save() const {
    std::error_code error;
    if (held_.empty()) {
        fs::remove(recoveryFile_, error);
        return;
    }
    std::string text;
    for (const auto& held : held_) {
        text += held.name + '\n';
    }
    linux_desktop::writeFileAtomically(recoveryFile_, text);
}

fs::path defaultTouchpadRecoveryFile() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && runtime[0] == '/') {
        return fs::path(runtime) / "joyvane" / "touchpads-off";
    }
    return fs::temp_directory_path() / ("joyvane-" + std::to_string(::getuid())) / "touchpads-off";
}

}  // namespace joyvane::x11
