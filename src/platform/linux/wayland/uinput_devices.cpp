#include "platform/linux/wayland/uinput_devices.h"

#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace joyvane::wayland {

namespace {

constexpr int kVendor = 0x1209;  // pid.codes, for open-source hardware and software
constexpr int kProduct = 0x4a56;

EvdevDescription describe(const char* name) {
    EvdevDescription device(libevdev_new());
    libevdev_set_name(device.get(), name);
    libevdev_set_id_bustype(device.get(), BUS_VIRTUAL);
    libevdev_set_id_vendor(device.get(), kVendor);
    libevdev_set_id_product(device.get(), kProduct);
    return device;
}

void enableAxis(libevdev* device, unsigned code, int size) {
    input_absinfo info{};
    info.minimum = 0;
    info.maximum = size > 1 ? size - 1 : 1;
    info.resolution = 0;
    libevdev_enable_event_code(device, EV_ABS, code, &info);
}

libevdev_uinput* create(const EvdevDescription& description, std::string* error) {
    libevdev_uinput* device = nullptr;
    int rc = libevdev_uinput_create_from_device(description.get(), LIBEVDEV_UINPUT_OPEN_MANAGED,
                                                &device);
    if (rc != 0) {
        if (error) {
            *error = std::string("cannot create a virtual input device: ") + std::strerror(-rc);
        }
        return nullptr;
    }
    return device;
}

}  // namespace

void EvdevDeleter::operator()(libevdev* device) const {
    libevdev_free(device);
}

EvdevDescription describePointer(const PointerArea& area) {
    EvdevDescription device = describe("Joyvane pointer");
    libevdev* d = device.get();
    libevdev_enable_property(d, INPUT_PROP_POINTER);
    libevdev_enable_event_type(d, EV_ABS);
    enableAxis(d, ABS_X, area.width);
    enableAxis(d, ABS_Y, area.height);
    libevdev_enable_event_type(d, EV_KEY);
    for (unsigned code = BTN_LEFT; code <= BTN_TASK; ++code) {
        libevdev_enable_event_code(d, EV_KEY, code, nullptr);
    }
    libevdev_enable_event_type(d, EV_REL);
    for (unsigned code : {REL_WHEEL, REL_HWHEEL, REL_WHEEL_HI_RES, REL_HWHEEL_HI_RES}) {
        libevdev_enable_event_code(d, EV_REL, code, nullptr);
    }
    return device;
}

EvdevDescription describeKeyboard() {
    EvdevDescription device = describe("Joyvane keyboard");
    libevdev* d = device.get();
    libevdev_enable_event_type(d, EV_KEY);
    // The keys of a full keyboard, below the mouse and joystick buttons.
    for (unsigned code = KEY_ESC; code < BTN_MISC; ++code) {
        libevdev_enable_event_code(d, EV_KEY, code, nullptr);
    }
    return device;
}

UinputAccess uinputAccess(const char* path) {
    if (::access(path, W_OK) == 0) {
        return UinputAccess::ready;
    }
    return errno == ENOENT ? UinputAccess::missing : UinputAccess::notWritable;
}

std::string uinputProblem(UinputAccess access) {
    switch (access) {
        case UinputAccess::ready:
            return {};
        case UinputAccess::missing:
            return "/dev/uinput does not exist, so the pointer and keys cannot be moved on this "
                   "Wayland session; load it with \"sudo modprobe uinput\".";
        case UinputAccess::notWritable:
            return "/dev/uinput is not writable, so the pointer and keys cannot be moved on this "
                   "Wayland session; install Joyvane's udev rule (or the joyvane package), then "
                   "run \"sudo udevadm control --reload-rules && sudo udevadm trigger\".";
    }
    return {};
}

std::unique_ptr<UinputSink> UinputSink::open(const PointerArea& area, std::string* error) {
    std::unique_ptr<UinputSink> sink(new UinputSink);
    sink->keyboard_ = create(describeKeyboard(), error);
    if (!sink->keyboard_ || !sink->setPointerArea(area)) {
        return nullptr;
    }
    return sink;
}

UinputSink::~UinputSink() {
    if (pointer_) {
        libevdev_uinput_destroy(pointer_);
    }
    if (keyboard_) {
        libevdev_uinput_destroy(keyboard_);
    }
}

bool UinputSink::setPointerArea(const PointerArea& area) {
    libevdev_uinput* fresh = create(describePointer(area), nullptr);
    if (!fresh) {
        return false;
    }
    if (pointer_) {
        libevdev_uinput_destroy(pointer_);
    }
    pointer_ = fresh;
    return true;
}

bool UinputSink::write(VirtualDevice device, const std::vector<EvdevEvent>& frame) {
    libevdev_uinput* target = device == VirtualDevice::pointer ? pointer_ : keyboard_;
    if (!target) {
        return false;
    }
    for (const EvdevEvent& event : frame) {
        if (libevdev_uinput_write_event(target, event.type, event.code, event.value) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace joyvane::wayland
