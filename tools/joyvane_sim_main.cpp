// joyvane-sim: runs the engine on a scenario file and prints every desktop call it makes.

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "simtool/help.h"
#include "simtool/reader.h"
#include "simtool/runner.h"

namespace {

constexpr int kExitUnreadable = 2;

int failWith(const std::string& message) {
    std::cerr << "joyvane-sim: " << message << '\n';
    return kExitUnreadable;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace joyvane::simtool;
    std::optional<std::filesystem::path> settings;
    std::vector<const char*> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << helpText();
            return 0;
        }
        if (std::strcmp(argv[i], "--settings") == 0) {
            if (i + 1 == argc) {
                return failWith("--settings needs a FILE (see --help)");
            }
            settings = argv[++i];
        } else if (argv[i][0] == '-' && argv[i][1] != '\0') {
            return failWith(std::string("unknown option ") + argv[i] + " (see --help)");
        } else {
            files.push_back(argv[i]);
        }
    }
    if (files.size() > 1) {
        return failWith("usage: joyvane-sim [--settings FILE] [FILE] (see --help)");
    }

    ReadResult scenario;
    if (!files.empty() && std::strcmp(files.front(), "-") != 0) {
        std::ifstream file(files.front());
        if (!file) {
            return failWith(std::string("cannot open ") + files.front() + ": " +
                            std::strerror(errno));
        }
        scenario = readScenario(file);
    } else {
        scenario = readScenario(std::cin);
    }
    if (scenario.error) {
        return failWith("line " + std::to_string(scenario.error->line) + ": " +
                        scenario.error->message);
    }

    // Everything has been read; from here on nothing can fail.
    std::ios::sync_with_stdio(false);
    ScenarioRunner runner(std::cout, settings);
    runner.run(scenario.commands);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "joyvane-sim: could not write the output\n";
        return 1;
    }
    return 0;
}
