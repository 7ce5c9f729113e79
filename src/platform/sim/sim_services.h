#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/accessibility_service.h"
#include "platform/defaults_store.h"
#include "platform/event_poster.h"
#include "platform/hid_registry.h"
#include "platform/keyboard_panel.h"
#include "platform/screen_service.h"
#include "platform/sim/call_log.h"
#include "platform/workspace.h"

namespace joyvane::sim {

// Records every event and warp; a warp moves the sim pointer, as on a real desktop.
class SimEventPoster final : public EventPoster {
public:
    SimEventPoster(CallLog& log, class SimScreens& screens) : log_(log), screens_(screens) {}
    void warp(Point position) override;
    bool post(const MouseEvent& event) override;
    bool post(const ScrollEvent& event) override;
    bool post(const KeyEvent& event) override;

    // The next `count` events cannot be made (post returns false, nothing is recorded).
    void failNextEvents(int count) { failures_ = count; }

private:
    bool consumeFailure();
    CallLog& log_;
    SimScreens& screens_;
    int failures_ = 0;
};

// Screens in the screen service's space (origin bottom-left of the primary screen, y up).
class SimScreens final : public ScreenService {
public:
    std::vector<Screen> screens() const override { return screens_; }
    std::optional<Screen> mainScreen() const override;
    Point mouseLocation() const override { return mouse_; }

    void setScreens(std::vector<Screen> screens) { screens_ = std::move(screens); }
    void addScreen(Rect frame) { screens_.push_back({frame, frame}); }
    void addScreen(Rect frame, Rect visible) { screens_.push_back({frame, visible}); }
    void setMainScreen(std::optional<Screen> main) { main_ = main; mainSet_ = true; }
    // In the screen service's space.
    void setMouseLocation(Point p) { mouse_ = p; }
    // In global display coordinates (origin top-left of the primary screen, y down).
    void setPointer(Point p);
    Point pointer() const;

private:
    std::vector<Screen> screens_;
    std::optional<Screen> main_;
    bool mainSet_ = false;
    Point mouse_;
};

class SimAccessibility final : public AccessibilityService {
public:
    explicit SimAccessibility(CallLog& log) : log_(log) {}
    bool isProcessTrusted() const override { return trusted_; }
    void requestTrustWithPrompt() override { log_.record(PromptCall{}); }
    std::optional<RunningApplication> frontmostApplication() const override { return front_; }
    std::optional<std::string> ownIdentifier() const override { return ownIdentifier_; }
    std::optional<FocusedElement> focusedElement(int processId) const override;

    void setTrusted(bool trusted) { trusted_ = trusted; }
    void setFront(std::optional<RunningApplication> app) { front_ = std::move(app); }
    void setOwnIdentifier(std::optional<std::string> id) { ownIdentifier_ = std::move(id); }
    // What the focused-element read of the front application yields; absent means the read
    // fails or yields nothing.
    void setFocusedElement(std::optional<FocusedElement> element) { focused_ = std::move(element); }
    int focusQueries() const { return focusQueries_; }

private:
    CallLog& log_;
    bool trusted_ = true;
    std::optional<RunningApplication> front_;
    std::optional<std::string> ownIdentifier_ = std::string("org.joyvane.Joyvane");
    std::optional<FocusedElement> focused_;
    mutable int focusQueries_ = 0;
};

class SimWorkspace final : public Workspace {
public:
    explicit SimWorkspace(CallLog& log) : log_(log) {}
    void openURL(const std::string& url) override { log_.record(OpenURLCall{url}); }
    void revealFile(const std::string& path) override { log_.record(RevealCall{path}); }
    bool setLaunchAtLogin(bool enabled) override {
        log_.record(LaunchAtLoginCall{enabled});
        return launchAtLoginWorks;
    }
    bool isLaunchAtLoginRegistered() const override { return false; }

    // False: the registration fails, as an autostart entry that cannot be written would.
    bool launchAtLoginWorks = true;

private:
    CallLog& log_;
};

class SimKeyboardPanelFactory final : public KeyboardPanelFactory {
public:
    explicit SimKeyboardPanelFactory(CallLog& log) : log_(log) {}
    std::unique_ptr<KeyboardPanel> makePanel(PSKeyboardController& keyboard) override;
    int panelsBuilt() const { return built_; }

private:
    CallLog& log_;
    int built_ = 0;
};

class SimDefaultsStore final : public DefaultsStore {
public:
    bool boolForKey(const std::string& key) const override;
    void setBool(const std::string& key, bool value) override { values_[key] = value; }

private:
    std::map<std::string, bool> values_;
};

class SimHidRegistry final : public HidRegistry {
public:
    std::vector<HidDevice> devicesOfVendor(std::uint16_t vendorId) const override;
    void addDevice(std::uint16_t vendorId, HidDevice device) {
        devices_.push_back({vendorId, std::move(device)});
    }

private:
    std::vector<std::pair<std::uint16_t, HidDevice>> devices_;
};

}  // namespace joyvane::sim
