#include "platform/sim/sim_services.h"

namespace joyvane::sim {

namespace {

class SimKeyboardPanel final : public KeyboardPanel {
public:
    explicit SimKeyboardPanel(CallLog& log) : log_(log) {}
    void orderFrontRegardless() override { log_.record(PanelCall{PanelAction::front}); }
    void orderOut() override { log_.record(PanelCall{PanelAction::out}); }

private:
    CallLog& log_;
};

}  // namespace

bool SimEventPoster::consumeFailure() {
    if (failures_ > 0) {
        --failures_;
        return true;
    }
    return false;
}

void SimEventPoster::warp(Point position) {
    log_.record(WarpCall{position});
    screens_.setPointer(position);
}

bool SimEventPoster::post(const MouseEvent& event) {
    if (consumeFailure()) {
        return false;
    }
    log_.record(event);
    return true;
}

bool SimEventPoster::post(const ScrollEvent& event) {
    if (consumeFailure()) {
        return false;
    }
    log_.record(event);
    return true;
}

bool SimEventPoster::post(const KeyEvent& event) {
    if (consumeFailure()) {
        return false;
    }
    log_.record(event);
    return true;
}

std::optional<Screen> SimScreens::mainScreen() const {
    if (mainSet_) {
        return main_;
    }
    if (screens_.empty()) {
        return std::nullopt;
    }
    return screens_.front();
}

void SimScreens::setPointer(Point p) {
    // Global display space flips y about the primary screen's height.
    double height = screens_.empty() ? 0.0 : screens_.front().frame.height;
    mouse_ = {p.x, height - p.y};
}

Point SimScreens::pointer() const {
    double height = screens_.empty() ? 0.0 : screens_.front().frame.height;
    return {mouse_.x, height - mouse_.y};
}

std::optional<FocusedElement> SimAccessibility::focusedElement(int) const {
    ++focusQueries_;
    return focused_;
}

std::unique_ptr<KeyboardPanel> SimKeyboardPanelFactory::makePanel(PSKeyboardController&) {
    ++built_;
    log_.record(PanelCall{PanelAction::build});
    return std::make_unique<SimKeyboardPanel>(log_);
}

bool SimDefaultsStore::boolForKey(const std::string& key) const {
    auto it = values_.find(key);
    return it != values_.end() && it->second;
}

std::vector<HidDevice> SimHidRegistry::devicesOfVendor(std::uint16_t vendorId) const {
    std::vector<HidDevice> out;
    for (const auto& [vendor, device] : devices_) {
        if (vendor == vendorId) {
            out.push_back(device);
        }
    }
    return out;
}

}  // namespace joyvane::sim
