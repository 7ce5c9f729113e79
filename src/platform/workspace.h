#pragma once

#include <string>

namespace joyvane {

// Desktop services that leave the program: the browser, the file viewer, the login session.
// None of them blocks; only the launch-at-login registration reports failure.
class Workspace {
public:
    virtual ~Workspace() = default;
    virtual void openURL(const std::string& url) = 0;
    // Show the file selected in a file-viewer window of its folder.
    virtual void revealFile(const std::string& path) = 0;
    // Where the platform has a login-items settings pane, open it; where the program registers
    // itself (an autostart entry), register or unregister it. False when that could not be
    // done (the entry could not be written or removed).
    virtual bool setLaunchAtLogin(bool enabled) = 0;
    // Whether the program is registered to start at login now (false where nothing tells).
    virtual bool isLaunchAtLoginRegistered() const = 0;
};

}  // namespace joyvane
