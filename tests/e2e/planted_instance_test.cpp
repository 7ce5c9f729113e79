// The real program's single-instance check against what others leave in its way: a lock left
// empty, and a lock and an answering socket planted by another user, in the runtime folder or
// in the shared temporary folder when there is no runtime folder.
#include <fcntl.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>

#include "support/child_process.h"
#include "support/private_desktop.h"
#include "support/x_probe.h"

namespace joyvane::testing {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

constexpr uid_t kOtherUser = 12345;

// Another user's process in `folder`: it owns the folders `ownFolders`, a lock file and a
// socket named like the program's, and answers "ok" to whoever connects. Needs root.
class PlantedListener {
  public:
    PlantedListener(const fs::path& folder, const std::vector<fs::path>& ownFolders) {
        int ready[2];
        if (::pipe(ready) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            serve(folder, ownFolders, ready[1]);
            ::_exit(0);
        }
        ::close(ready[1]);
        char byte = 0;
        ok_ = ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
    }
    ~PlantedListener() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    bool ok() const { return ok_; }

  private:
    static void serve(const fs::path& folder, const std::vector<fs::path>& ownFolders, int ready) {
        // Made as root (the folder may be root's alone), then owned and served by the other user.
        auto giveAway = [](const fs::path& path) {
            if (::chown(path.c_str(), kOtherUser, kOtherUser) != 0) {
                ::_exit(1);
            }
        };
        for (const fs::path& own : ownFolders) {
            ::mkdir(own.c_str(), 0700);
            giveAway(own);
        }
        ::close(::open((folder / "joyvane.lock").c_str(), O_CREAT | O_WRONLY, 0644));
        giveAway(folder / "joyvane.lock");
        const fs::path socketPath = folder / "joyvane.socket";
        int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
        if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            ::_exit(1);
        }
        giveAway(socketPath);
        if (::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0) {
            ::_exit(1);
        }
        ::listen(listener, 8);  // the socket's peer is now the other user
        [[maybe_unused]] auto n = ::write(ready, "r", 1);
        for (;;) {
            int client = ::accept(listener, nullptr, nullptr);
            [[maybe_unused]] auto w = ::write(client, "ok\n", 3);
            ::close(client);
        }
    }

    pid_t pid_ = -1;
    bool ok_ = false;
};

class PlantedInstance : public ::testing::Test {
  protected:
    PrivateDesktop desktop;

    fs::path runtime() const { return desktop.environment().at("XDG_RUNTIME_DIR"); }

    // Starts the program and expects it to run (its icon in the tray) rather than to leave.
    std::unique_ptr<ChildProcess> expectItRuns(const Environment& env) {
        auto program = std::make_unique<ChildProcess>(std::vector<std::string>{JOYVANE_PROGRAM},
                                                      env, desktop.folder() / "joyvane.log");
        bool docked = pollUntil(
            [&] {
                for (const XWindowInfo& icon : trayIcons(desktop.display())) {
                    if (icon.pid == program->pid()) {
                        return true;
                    }
                }
                return !program->running();
            },
            seconds(20));
        EXPECT_TRUE(docked && program->running())
            << "it left: " << describeStatus(program->waitForExit(seconds(1)).value_or(-1)) << "\n"
            << program->output();
        return program;
    }
};

TEST_F(PlantedInstance, AnEmptyLockIsTakenOver) {
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(desktop);
    fs::create_directories(runtime());
    std::ofstream(runtime() / "joyvane.lock").close();
    auto program = expectItRuns(desktop.environment());
}

TEST_F(PlantedInstance, ALockAndSocketOfAnotherUserInTheRuntimeFolderAreIgnored) {
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(desktop);
    if (::getuid() != 0) {
        GTEST_SKIP() << "needs root to act as another user";
    }
    fs::create_directories(runtime());
    ::chmod(runtime().c_str(), 0700);
    PlantedListener planted(runtime(), {});
    ASSERT_TRUE(planted.ok());
    auto program = expectItRuns(desktop.environment());
}

TEST_F(PlantedInstance, WithoutARuntimeFolderTheSharedTemporaryFolderIsNotUsed) {
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(desktop);
    if (::getuid() != 0) {
        GTEST_SKIP() << "needs root to act as another user";
    }
    const fs::path shared = desktop.folder() / "tmp";
    fs::create_directories(shared);
    ::chmod(shared.c_str(), 01777);
    // The other user takes every private folder name the program might choose in there.
    const std::string user = ::getpwuid(::getuid())->pw_name;
    PlantedListener planted(
        shared, {shared / ("runtime-" + user), shared / ("joyvane-" + std::to_string(::getuid()))});
    ASSERT_TRUE(planted.ok());
    Environment env = desktop.environment();
    env.erase("XDG_RUNTIME_DIR");
    env["TMPDIR"] = shared.string();
    auto program = expectItRuns(env);
    EXPECT_NE(program->output().find("running without the check"), std::string::npos)
        << program->output();
}

}  // namespace
}  // namespace joyvane::testing
