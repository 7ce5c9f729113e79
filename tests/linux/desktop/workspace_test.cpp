#include <gio/gio.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/linux/desktop/atomic_file.h"
#include "platform/linux/desktop/xdg_workspace.h"
#include "support/child_process.h"
#include "temp_folder.h"

namespace joyvane::linux_desktop {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

template <typename Done>
bool waitFor(Done done) {
    return testing::pollUntil(done, std::chrono::seconds(5));
}

// A stand-in for xdg-open that records its argument after an optional pause.
struct RecordingOpener {
    explicit RecordingOpener(double pauseSeconds = 0) {
        script = folder.write("open.sh", "#!/bin/sh\nsleep " + std::to_string(pauseSeconds) +
                                             "\necho \"$1\" >> '" + log().string() + "'\n");
        ::chmod(script.c_str(), 0755);
    }
    fs::path log() const { return folder.path() / "opened.log"; }
    std::string opened() const { return readWholeFile(log()).value_or(""); }

    TempFolder folder;
    fs::path script;
};

XdgWorkspace workspaceWith(const RecordingOpener& opener, bool askFileManager) {
    XdgWorkspace::Options options;
    options.opener = opener.script;
    options.useFileManagerService = askFileManager;
    return XdgWorkspace(options);
}

TEST(XdgWorkspace, OpensAddressesWithoutBlockingOrLeavingZombies) {
    RecordingOpener opener(0.5);
    auto workspace = workspaceWith(opener, false);

    auto start = std::chrono::steady_clock::now();
    workspace.openURL("https://example.org/a?b=c&d");
    auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::milliseconds(400)) << "openURL waited for the opener";

    ASSERT_TRUE(waitFor([&] { return !opener.opened().empty(); }));
    EXPECT_EQ(opener.opened(), "https://example.org/a?b=c&d\n");
    EXPECT_TRUE(waitFor([] { return testing::zombieChildren() == 0; }));

    XdgWorkspace::Options missing;
    missing.opener = "/nonexistent/opener";
    XdgWorkspace(missing).openURL("https://example.org");  // fails quietly
}

// A file manager on the session bus that records the calls it answers, as GVariant text. Its
// name and its calls arrive through the default main context, which the test runs while it waits.
struct FakeFileManager {
    FakeFileManager() {
        static const GDBusInterfaceVTable vtable = {&FakeFileManager::onCall, nullptr, nullptr, {}};
        object =
            g_dbus_connection_register_object(bus, "/org/freedesktop/FileManager1",
                                              node->interfaces[0], &vtable, this, nullptr, nullptr);
        name = g_bus_own_name_on_connection(
            bus, "org.freedesktop.FileManager1", G_BUS_NAME_OWNER_FLAGS_DO_NOT_QUEUE,
            [](GDBusConnection*, const gchar*, gpointer self) {
                static_cast<FakeFileManager*>(self)->owned = true;
            },
            nullptr, this, nullptr);
    }
    ~FakeFileManager() {
        g_bus_unown_name(name);
        g_dbus_connection_unregister_object(bus, object);
        g_dbus_node_info_unref(node);
        g_object_unref(bus);
    }
    template <typename Done>
    bool runUntil(Done done) {
        return waitFor([&] {
            g_main_context_iteration(nullptr, FALSE);
            return done();
        });
    }
    static void onCall(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                       GVariant* parameters, GDBusMethodInvocation* invocation, gpointer self) {
        gchar* call = g_variant_print(parameters, FALSE);
        static_cast<FakeFileManager*>(self)->calls.push_back(call);
        g_free(call);
        g_dbus_method_invocation_return_value(invocation, nullptr);
    }

    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(
        "<node><interface name='org.freedesktop.FileManager1'><method name='ShowItems'>"
        "<arg type='as' direction='in'/><arg type='s' direction='in'/></method></interface></node>",
        nullptr);
    guint object = 0;
    guint name = 0;
    bool owned = false;
    std::vector<std::string> calls;
};

TEST(XdgWorkspace, RevealAsksTheFileManagerOnTheSessionBus) {
    ASSERT_TRUE(std::getenv("DBUS_SESSION_BUS_ADDRESS")) << "run inside scripts/with-desktop.sh";
    RecordingOpener opener;
    TempFolder files;
    auto file = files.write("a b/report 1.txt", "x");
    {
        FakeFileManager manager;
        ASSERT_TRUE(manager.runUntil([&] { return manager.owned; }));
        workspaceWith(opener, true).revealFile(file.string());
        ASSERT_TRUE(manager.runUntil([&] { return !manager.calls.empty(); }));
        EXPECT_EQ(manager.calls, std::vector<std::string>{"(['file://" + files.path().string() +
                                                          "/a%20b/report%201.txt'], '')"});
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(opener.opened(), "") << "the folder was opened although the file manager answered";

    // Without a file manager on the bus, the folder opens instead.
    workspaceWith(opener, true).revealFile(file.string());
    ASSERT_TRUE(waitFor([&] { return !opener.opened().empty(); }));
    EXPECT_EQ(opener.opened(), (files.path() / "a b").string() + "\n");
}

}  // namespace
}  // namespace joyvane::linux_desktop
