#pragma once

#include <memory>

namespace joyvane {

class PSKeyboardController;

// The floating window that draws the on-screen keyboard. It never takes keyboard focus.
class KeyboardPanel {
public:
    virtual ~KeyboardPanel() = default;
    // Show above other windows without activating the program.
    virtual void orderFrontRegardless() = 0;
    virtual void orderOut() = 0;
};

// Builds the panel on the keyboard's first successful show.
class KeyboardPanelFactory {
public:
    virtual ~KeyboardPanelFactory() = default;
    virtual std::unique_ptr<KeyboardPanel> makePanel(PSKeyboardController& keyboard) = 0;
};

}  // namespace joyvane
