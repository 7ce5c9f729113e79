#pragma once

#include "core/language.h"
#include "core/manual_scheduler.h"
#include "platform/platform.h"
#include "platform/sim/call_log.h"
#include "platform/sim/sim_controller.h"
#include "platform/sim/sim_services.h"

namespace joyvane::sim {

// A whole platform in memory on virtual time, with every call recorded in `log`.
// Defaults: one 1440 x 900 screen at the origin, the pointer in its middle, English, trusted.
struct SimPlatform {
    ManualScheduler scheduler;
    CallLog log{scheduler};
    SimControllerService controllers;
    SimScreens screens;
    SimEventPoster poster{log, screens};
    SimAccessibility accessibility{log};
    SimWorkspace workspace{log};
    FixedLanguages languages{{"en-US"}};
    SimKeyboardPanelFactory panels{log};
    SimDefaultsStore defaults;
    SimHidRegistry hid;

    SimPlatform() {
        screens.addScreen({0, 0, 1440, 900});
        screens.setPointer({720, 450});
    }

    Platform platform() {
        return Platform{scheduler, controllers, poster, screens, accessibility,
                        workspace, languages,   panels};
    }
};

}  // namespace joyvane::sim
