#include "app/joyvane_app.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>

#include "app/panel_host.h"
#include "app/qt_languages.h"
#include "app/quit_signals.h"
#include "app/release_on_exit.h"
#include "app/single_instance.h"
#include "app/startup.h"
#include "app/tray_item.h"
#include "app/window_content.h"
#include "app/window_managers.h"
#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/linux/atspi/atspi_accessibility.h"
#include "platform/linux/desktop/file_defaults_store.h"
#include "platform/linux/desktop/sysfs_hid_registry.h"
#include "platform/linux/desktop/xdg_workspace.h"
#include "platform/linux/qt/qt_scheduler.h"
#include "platform/linux/sdl/sdl_controller_service.h"
#include "platform/linux/x11/x11_backend.h"
#include "ui/keyboard_panel/keyboard_panel_window.h"
#include "ui/main_panel/content_view.h"

namespace joyvane::app {
namespace {

void say(const std::string& sentence) {
    std::fprintf(stderr, "joyvane: %s\n", sentence.c_str());
}

}  // namespace

int runJoyvane(int argc, char** argv) {
    // The event poster and screens speak X11; the windows must live on the same display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QtScheduler scheduler;
    std::string error;
    std::optional<x11::X11Backend> x11 = x11::openX11Backend(scheduler, &error);
    if (!x11) {
        say(error);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("joyvane"));
    QApplication::setQuitOnLastWindowClosed(false);

    std::function<void()> reopen;
    SingleInstance instance;
    switch (instance.start([&reopen] {
        if (reopen) {
            reopen();
        }
    })) {
        case SingleInstance::Role::secondary:
            return 0;
        case SingleInstance::Role::failed:
            say(instance.error().toStdString());
            return 1;
        case SingleInstance::Role::alone:
            say(instance.error().toStdString());
            break;
        case SingleInstance::Role::primary:
            break;
    }
    // Every way out lets go of held buttons and keys first (see ReleaseOnExit).
    ReleaseOnExit release([&x11] { x11->poster->releaseAll(); });
    QuitSignals quitSignals([] { QCoreApplication::quit(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&release] {
        QuitSignals::shutdownBegun();
        release.run();
    });

    auto controllers = linux_input::SdlControllerService::create(scheduler, {}, &error);
    if (!controllers) {
        say(error);
        return 1;
    }
    QtLanguages languages;
    QApplication::setLayoutDirection(isHebrew(languages) ? Qt::RightToLeft : Qt::LeftToRight);
    atspi::AtspiAccessibility accessibility;
    linux_desktop::XdgWorkspace workspace;
    linux_desktop::FileDefaultsStore defaults;
    auto hid = std::make_shared<linux_desktop::SysfsHidRegistry>();
    ui::QtKeyboardPanelFactory panels(*x11->screens, languages);
    const Platform platform{scheduler,     *controllers, *x11->poster, *x11->screens,
                            accessibility, workspace,    languages,    panels};

    MouseController mouse(*x11->poster, *x11->screens);
    PSKeyboardController keyboard(scheduler, *x11->poster, accessibility, panels);
    ControllerManager manager(platform, mouse, keyboard);

    WindowManagers windows(languages, defaults);
    installWindowContent(windows, {languages, workspace, hid, scheduler, defaults});

    const ui::PanelContext context{manager, keyboard, mouse, accessibility, workspace, languages};
    ui::PanelActions actions;
    actions.openRemap = [&windows](const ButtonMap& map, ui::PanelActions::SaveMap onSave,
                                   std::function<void()> onReset) {
        windows.remap.open(map, std::move(onSave), std::move(onReset));
    };
    actions.openAdvanced = [&windows, &manager] { windows.advanced.open(manager); };
    actions.quit = [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); };
    actions.executablePath = QCoreApplication::applicationFilePath();
    PanelHost host(new ui::ContentView(context, actions));

    TrayItem tray(manager, languages,
                  {[&host](const QRect& anchor) { host.toggleAt(anchor); },
                   [&host] {
                       say("no system tray found; the panel is shown as a window instead.");
                       host.setWindowMode(true);
                   },
                   [&host] { host.setWindowMode(false); }});
    reopen = [&windows, &host] {
        windows.hint.show();
        // Without a tray the hint's directions lead nowhere: bring the panel back as well.
        if (host.isWindowMode()) {
            host.showWindow();
        }
    };
    tray.start();
    auto onboardingCheck = runStartupSequence(accessibility, scheduler, defaults,
                                              [&windows] { windows.onboarding.show(); });
    return QApplication::exec();
}

}  // namespace joyvane::app
