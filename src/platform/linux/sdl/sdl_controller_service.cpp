#include "platform/linux/sdl/sdl_controller_service.h"

#include <SDL.h>

#include <algorithm>
#include <array>

#include "platform/linux/sdl/sdl_controller.h"

namespace joyvane::linux_input {

std::unique_ptr<SdlControllerService> SdlControllerService::create(Scheduler& scheduler,
                                                                   Options options,
                                                                   std::string* error) {
    // A tray program never has a focused window: input must keep arriving regardless.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        if (error != nullptr) {
            *error = std::string("Game controllers are unavailable: ") + SDL_GetError() + ".";
        }
        return nullptr;
    }
    std::unique_ptr<SdlControllerService> service(
        new SdlControllerService(scheduler, std::move(options)));
    service->pump();  // the controllers already connected
    service->schedulePump();
    return service;
}

SdlControllerService::SdlControllerService(Scheduler& scheduler, Options options)
    : scheduler_(scheduler), options_(std::move(options)), power_(options_.sysfsRoot) {}

SdlControllerService::~SdlControllerService() {
    if (pumpTimer_) {
        pumpTimer_->cancel();
    }
    for (auto& controller : controllers_) {
        controller->close();
    }
    controllers_.clear();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlControllerService::setShouldMonitorBackgroundEvents(bool monitor) {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, monitor ? "1" : "0");
}

std::vector<std::shared_ptr<Controller>> SdlControllerService::controllers() const {
    return {controllers_.begin(), controllers_.end()};
}

Subscription SdlControllerService::onDidConnect(ConnectHandler handler) {
    return connected_.connect(std::move(handler));
}

Subscription SdlControllerService::onDidDisconnect(ConnectHandler handler) {
    return disconnected_.connect(std::move(handler));
}

void SdlControllerService::schedulePump() {
    double wanted = options_.idleInterval;
    if (!controllers_.empty()) {
        bool inUse = scheduler_.now() - lastInput_ < options_.restAfter;
        wanted = inUse ? options_.activeInterval : options_.restingInterval;
    }
    if (pumpTimer_ && pumpTimer_->isActive() && wanted == pumpInterval_) {
        return;
    }
    if (pumpTimer_) {
        pumpTimer_->cancel();
    }
    pumpInterval_ = wanted;
    pumpTimer_ = scheduler_.runEvery(wanted, [this] { pump(); });
}

void SdlControllerService::pump() {
    if (pumping_) {
        return;  // a handler that pumps again would reorder events
    }
    pumping_ = true;
    SDL_PumpEvents();
    std::array<SDL_Event, 32> events;
    int count = 0;
    while ((count = SDL_PeepEvents(events.data(), static_cast<int>(events.size()), SDL_GETEVENT,
                                   SDL_FIRSTEVENT, SDL_LASTEVENT)) > 0) {
        for (int i = 0; i < count; ++i) {
            const SDL_Event& event = events[static_cast<std::size_t>(i)];
            switch (event.type) {
                case SDL_CONTROLLERDEVICEADDED:
                    lastInput_ = scheduler_.now();
                    connect(event.cdevice.which);
                    break;
                case SDL_CONTROLLERDEVICEREMOVED:
                    disconnect(event.cdevice.which);
                    break;
                case SDL_CONTROLLERBUTTONDOWN:
                case SDL_CONTROLLERBUTTONUP:
                case SDL_CONTROLLERAXISMOTION:
                case SDL_CONTROLLERTOUCHPADDOWN:
                case SDL_CONTROLLERTOUCHPADMOTION:
                case SDL_CONTROLLERTOUCHPADUP:
                    // The member `which` sits at the same place in each of these events.
                    if (SdlController* controller = find(event.cbutton.which)) {
                        lastInput_ = scheduler_.now();
                        controller->handle(event);
                    }
                    break;
                default:
                    break;  // joystick-level duplicates and everything else
            }
        }
    }
    pumping_ = false;
    schedulePump();
}

SdlController* SdlControllerService::find(int instanceId) const {
    for (const auto& controller : controllers_) {
        if (controller->instanceId() == instanceId) {
            return controller.get();
        }
    }
    return nullptr;
}

void SdlControllerService::connect(int deviceIndex) {
    if (find(SDL_JoystickGetDeviceInstanceID(deviceIndex)) != nullptr) {
        return;  // already open
    }
    SDL_GameController* handle = SDL_GameControllerOpen(deviceIndex);
    if (handle == nullptr) {
        return;
    }
    auto controller = std::make_shared<SdlController>(handle, power_);
    controllers_.push_back(controller);
    connected_.emit(controller);
}

void SdlControllerService::disconnect(int instanceId) {
    auto it = std::find_if(controllers_.begin(), controllers_.end(),
                           [&](const auto& c) { return c->instanceId() == instanceId; });
    if (it == controllers_.end()) {
        return;
    }
    std::shared_ptr<SdlController> controller = *it;
    controllers_.erase(it);
    controller->close();
    disconnected_.emit(controller);
}

}  // namespace joyvane::linux_input
