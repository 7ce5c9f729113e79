#include "app/controller_devices.h"

#include <QCoreApplication>

#include "ui/main_panel/content_view.h"
#include "ui/main_panel/device_access_banner.h"

namespace joyvane::app {
namespace {

std::optional<ui::DeviceAccessNotice> noticeOf(const linux_desktop::DeviceAccessReport& report,
                                               const std::string& command) {
    ui::DeviceAccessNotice notice;
    for (const auto* controller : report.blocked()) {
        notice.controllers.push_back({QString::fromStdString(controller->model),
                                      QString::fromUtf8(linux_desktop::busName(controller->bus)),
                                      QString::fromStdString(controller->node)});
    }
    if (notice.controllers.isEmpty()) {
        return std::nullopt;
    }
    notice.command = QString::fromStdString(command);
    return notice;
}

}  // namespace

ControllerDevices::ControllerDevices(ControllerManager& manager, ControllerService& controllers,
                                     Scheduler& scheduler,
                                     std::shared_ptr<x11::X11Connection> connection,
                                     ui::ContentView& panel, DeviceAccessMonitor::Say say)
    : inputDevices_(std::move(connection)),
      touchpadOwner_(inputDevices_, x11::defaultTouchpadRecoveryFile()),
      ownership_(manager, scheduler, touchpadOwner_),
      access_(
          controllers, [] { return linux_desktop::probeDeviceAccess(); }, std::move(say),
          QCoreApplication::applicationFilePath().toStdString()),
      banner_(new ui::DeviceAccessBanner([this] { access_.checkAgain(); })) {
    // Before the first decision on the touchpads, which comes on the next turn of the loop.
    touchpadOwner_.recover();
    ui::addToPanel(panel, banner_);
    banner_->setNotice(noticeOf(access_.report.get(), access_.fixCommand(access_.report.get())));
    reportSubscription_ =
        access_.report.willChange.connect([this](const linux_desktop::DeviceAccessReport& report) {
            banner_->setNotice(noticeOf(report, access_.fixCommand(report)));
        });
}

ControllerDevices::~ControllerDevices() {
    giveBackTouchpads();
}

void ControllerDevices::giveBackTouchpads() {
    touchpadOwner_.giveBack();
}

}  // namespace joyvane::app
