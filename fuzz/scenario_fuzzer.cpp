// Feeds arbitrary text to the scenario reader and runs whatever it accepts through the real
// engine on the sim platform. Scenarios that would run for more than two virtual minutes are
// read but not run, so every input finishes quickly.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <streambuf>
#include <string_view>
#include <variant>

#include "simtool/reader.h"
#include "simtool/runner.h"

namespace {

constexpr double kLongestRun = 120.0;

class NullBuffer final : public std::streambuf {
  protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

double virtualDuration(const std::vector<joyvane::simtool::Command>& commands) {
    double now = 0;
    for (const auto& command : commands) {
        if (const auto* at = std::get_if<joyvane::simtool::AtCommand>(&command.body)) {
            now = std::max(now, at->time);
        } else if (const auto* wait = std::get_if<joyvane::simtool::WaitCommand>(&command.body)) {
            now += std::max(0.0, wait->seconds);
        }
    }
    return now;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto scenario = joyvane::simtool::readScenario(text);
    if (scenario.error || virtualDuration(scenario.commands) > kLongestRun) {
        return 0;
    }
    NullBuffer buffer;
    std::ostream out(&buffer);
    joyvane::simtool::ScenarioRunner runner(out);
    runner.run(scenario.commands);
    return 0;
}
