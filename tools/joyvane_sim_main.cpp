// joyvane-sim: runs the engine on a scenario file and prints every desktop call it makes.

#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

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
    if (argc > 2) {
        return failWith("usage: joyvane-sim [FILE] (see --help)");
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << helpText();
        return 0;
    }
    if (argc == 2 && argv[1][0] == '-' && argv[1][1] != '\0') {
        return failWith(std::string("unknown option ") + argv[1] + " (see --help)");
    }

    ReadResult scenario;
    if (argc == 2 && std::strcmp(argv[1], "-") != 0) {
        std::ifstream file(argv[1]);
        if (!file) {
            return failWith(std::string("cannot open ") + argv[1] + ": " + std::strerror(errno));
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
    ScenarioRunner runner(std::cout);
    runner.run(scenario.commands);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "joyvane-sim: could not write the output\n";
        return 1;
    }
    return 0;
}
