#include "app/joyvane_app.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>

#include "app/app_icon.h"
#include "app/controller_devices.h"
#include "app/desktop_backend.h"
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
#include "platform/linux/desktop/settings_storage.h"
#include "platform/linux/desktop/sysfs_hid_registry.h"
#include "platform/linux/desktop/xdg_workspace.h"
#include "platform/linux/qt/qt_scheduler.h"
#include "platform/linux/sdl/sdl_controller_service.h"
#include "ui/keyboard_panel/keyboard_panel_window.h"
#include "ui/controls/reading_direction.h"
#include "ui/main_panel/content_view.h"

namespace joyvane::app {
namespace {

void say(const std::string& sentence) {
    std::fprintf(stderr, "joyvane: %s\n", sentence.c_str());
}

}  // namespace

int runJoyvane(int argc, char** argv) {
    QtScheduler scheduler;
    std::string error;
    std::string note;
    auto desktop = DesktopBackend::open(scheduler, &error, &note);
    if (!note.empty()) {
        say(note);
    }
    if (!desktop) {
        say(error);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("joyvane"));
    QApplication::setWindowIcon(applicationIcon());
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
    ReleaseOnExit release([&desktop] { desktop->releaseAll(); });
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
    note.clear();
    desktop->startWithQt(&note);
    if (!note.empty()) {
        say(note);
    }
    QtLanguages languages;
    QApplication::setLayoutDirection(isHebrew(languages) ? Qt::RightToLeft : Qt::LeftToRight);
    atspi::AtspiAccessibility accessibility(desktop->accessibilityOptions());
    desktop->useAccessibility(accessibility);
    linux_desktop::XdgWorkspace workspace;
    linux_desktop::FileDefaultsStore defaults;
    auto hid = std::make_shared<linux_desktop::SysfsHidRegistry>();
    ui::QtKeyboardPanelFactory panels(desktop->screens(), languages);
    const Platform platform{scheduler,     *controllers, desktop->poster(), desktop->screens(),
                            accessibility, workspace,    languages,         panels};

    MouseController mouse(desktop->poster(), desktop->screens());
    PSKeyboardController keyboard(scheduler, desktop->poster(), accessibility, panels);
    ControllerManager manager(platform, mouse, keyboard);
    linux_desktop::SettingsStorage settings(linux_desktop::defaultSettingsFile(), manager,
                                            scheduler);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&settings] { settings.flush(); });

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
    actions.uinputProblem = desktop->uinputProblem();
    auto* panel = new ui::ContentView(context, actions);
    PanelHost host(panel);
    ControllerDevices devices(manager, *controllers, scheduler, desktop->x11Connection(), *panel,
                              say);

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
    defaults.onWriteFailure([&tray, &languages](const std::string&) {
        tray.icon().showMessage(
            QStringLiteral("Joyvane"),
            ui::interfaceText(isHebrew(languages),
                              "Could not save that the welcome was seen; it will show again "
                              "at the next start.",
                              "לא ניתן לשמור שמסך הפתיחה נצפה; הוא יוצג שוב בהפעלה הבאה."));
    });
    tray.start();
    auto onboardingCheck = runStartupSequence(accessibility, scheduler, defaults,
                                              [&windows] { windows.onboarding.show(); });
    return QApplication::exec();
}

}  // namespace joyvane::app
