#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace joyvane::x11 {

// A pointer device as the X server's input extension lists it.
struct InputDevice {
    int id = 0;
    std::string name;
    bool enabled = true;
};

// The X server's input devices, through XInput's "Device Enabled" property (no root needed).
class InputDeviceSwitch {
  public:
    virtual ~InputDeviceSwitch() = default;
    // The physical pointer devices; empty when the server cannot be asked.
    virtual std::vector<InputDevice> devices() = 0;
    // False when the server refused or the device is gone.
    virtual bool setEnabled(int id, bool enabled) = 0;
};

// Keeps a PlayStation controller's touchpad from moving the pointer a second time: while the
// program's own touchpad pointer is in use, the kernel's touchpad device of the controller is
// switched off in the X server, and switched on again when it is not.
//
// What is switched off is written to a recovery file (one device name a line), so that a run that
// ended without giving the devices back (a crash, a kill) is undone at the next start.
class TouchpadOwner {
  public:
    TouchpadOwner(InputDeviceSwitch& devices, std::filesystem::path recoveryFile);
    // Gives back whatever it holds.
    ~TouchpadOwner();
    TouchpadOwner(const TouchpadOwner&) = delete;
    TouchpadOwner& operator=(const TouchpadOwner&) = delete;

    // Switches on the devices a previous run's recovery file names, then forgets the file.
    void recover();
    // `own`: the program's touchpad pointer is on, control is on and a controller with a
    // touchpad is attached. Takes the touchpads that appeared since the last call; gives every
    // one back when `own` is false.
    void update(bool own);
    // Switches every device it took on again. Safe to call more than once, and from the
    // program's shutdown path.
    void giveBack();

    // The names of the devices switched off now, for tests and diagnostics.
    std::vector<std::string> heldNames() const;

  private:
    struct Held {
        int id;
        std::string name;
    };
    void save() const;

    InputDeviceSwitch& devices_;
    std::filesystem::path recoveryFile_;
    std::vector<Held> held_;
};

// $XDG_RUNTIME_DIR/joyvane/touchpads-off (or a private folder under /tmp without one).
std::filesystem::path defaultTouchpadRecoveryFile();

}  // namespace joyvane::x11
