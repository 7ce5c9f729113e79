// The desktop program with something unusable at its settings path: it starts all the same,
// says what was wrong, keeps the original beside as settings.json.bad and writes a good file.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "support/child_process.h"
#include "support/private_desktop.h"
#include "support/x_probe.h"

namespace joyvane::testing {
namespace {

using std::chrono::seconds;

// The program's peak resident memory in kB, from /proc.
long peakResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("VmHWM:")) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

std::string contentsOf(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Planted {
    const char* name;
    std::function<void(const std::filesystem::path&)> plant;
    const char* fault;  // in the line on standard error
};

TEST(SettingsFile, AnUnusableFileNeitherFreezesNorFloodsStartUp) {
    const Planted cases[] = {
        {"fifo", [](const auto& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0); },
         "not a regular file"},
        {"huge",
         [](const auto& at) {
             std::ofstream(at) << R"({"sensitivity": 20})";
             std::filesystem::resize_file(at, std::uintmax_t{1} << 30);
         },
         "larger than"},
        {"bad value",
         [](const auto& at) { std::ofstream(at) << R"({"sensitivity": 20, "deadzone": 9})"; },
         "deadzone"},
    };
    for (const Planted& c : cases) {
        SCOPED_TRACE(c.name);
        DesktopOptions options;
        options.tray = false;  // the program falls back to a window: no tray needed here
        PrivateDesktop desktop(options);
        JOYVANE_REQUIRE_PRIVATE_DESKTOP(desktop);
        auto folder =
            std::filesystem::path(desktop.environment().at("XDG_CONFIG_HOME")) / "joyvane";
        std::filesystem::create_directories(folder);
        auto file = folder / "settings.json";
        c.plant(file);

        ChildProcess program({JOYVANE_PROGRAM}, desktop.environment(),
                             desktop.folder() / "joyvane.log");
        // Started: the bad file is moved aside and a good one written in its place.
        auto bad = folder / "settings.json.bad";
        ASSERT_TRUE(pollUntil(
            [&] {
                return std::filesystem::exists(std::filesystem::symlink_status(bad)) &&
                       std::filesystem::is_regular_file(file);
            },
            seconds(20)))
            << program.output();
        EXPECT_TRUE(program.running());
        EXPECT_LT(peakResidentKb(program.pid()), 300 * 1024);
        std::string output = program.output();
        EXPECT_NE(output.find(file.string() + ": " + c.fault), std::string::npos) << output;
        ASSERT_TRUE(pollUntil([&] { return contentsOf(file).ends_with("}\n"); }, seconds(5)));
        std::string written = contentsOf(file);
        EXPECT_NE(written.find("\"deadzone\": 0.12"), std::string::npos) << written;
        if (std::string(c.name) == "bad value") {
            EXPECT_NE(written.find("\"sensitivity\": 20"), std::string::npos) << written;
        }
        struct stat info {};
        ::stat(file.c_str(), &info);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        program.stop();
    }
}

}  // namespace
}  // namespace joyvane::testing
