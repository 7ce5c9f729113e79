#include "platform/linux/x11/xinput_devices.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace joyvane::x11 {

XInputDevices::XInputDevices(std::shared_ptr<X11Connection> connection)
    : connection_(std::move(connection)) {
    Display* display = connection_ ? connection_->display() : nullptr;
    if (!display) {
        return;
    }
    int opcode = 0;
    int event = 0;
    int error = 0;
    int major = 2;
    int minor = 0;
    available_ = XQueryExtension(display, "XInputExtension", &opcode, &event, &error) &&
                 XIQueryVersion(display, &major, &minor) == Success;
    enabledAtom_ = XInternAtom(display, "Device Enabled", False);
}

std::vector<InputDevice> XInputDevices::devices() {
    std::vector<InputDevice> out;
    Display* display = connection_ ? connection_->display() : nullptr;
    if (!available_ || !display) {
        return out;
    }
    int count = 0;
    XIDeviceInfo* info = XIQueryDevice(display, XIAllDevices, &count);
    for (int i = 0; info && i < count; ++i) {
        if (info[i].use == XISlavePointer || info[i].use == XIFloatingSlave) {
            out.push_back(
                {info[i].deviceid, info[i].name ? info[i].name : "", info[i].enabled != 0});
        }
    }
    if (info) {
        XIFreeDeviceInfo(info);
    }
    return out;
}

bool XInputDevices::setEnabled(int id, bool enabled) {
    Display* display = connection_ ? connection_->display() : nullptr;
    if (!available_ || !display) {
        return false;
    }
    unsigned char value = enabled ? 1 : 0;
    XIChangeProperty(display, id, enabledAtom_, XA_INTEGER, 8, PropModeReplace, &value, 1);
    XSync(display, False);
    // The server applies the change or refuses it silently (errors are ignored): read it back.
    int count = 0;
    XIDeviceInfo* info = XIQueryDevice(display, id, &count);
    const bool applied = info && count == 1 && (info[0].enabled != 0) == enabled;
    if (info) {
        XIFreeDeviceInfo(info);
    }
    return applied;
}

}  // namespace joyvane::x11
