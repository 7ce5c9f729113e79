#pragma once

#include "core/language.h"
#include "core/scheduler.h"
#include "platform/accessibility_service.h"
#include "platform/controller_service.h"
#include "platform/event_poster.h"
#include "platform/keyboard_panel.h"
#include "platform/screen_service.h"
#include "platform/workspace.h"

namespace joyvane {

// The services the engine and the keyboard are built on. The composition root (the desktop
// program, the simulator or a test) owns them and hands out references.
struct Platform {
    Scheduler& scheduler;
    ControllerService& controllers;
    EventPoster& poster;
    ScreenService& screens;
    AccessibilityService& accessibility;
    Workspace& workspace;
    LanguageSource& languages;
    KeyboardPanelFactory& panels;
};

}  // namespace joyvane
