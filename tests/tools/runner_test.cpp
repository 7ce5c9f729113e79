#include "simtool/runner.h"

#include <gtest/gtest.h>

#include <sstream>

#include "simtool/reader.h"

namespace joyvane::simtool {
namespace {

TEST(Runner, EveryFieldHasAPrintedValue) {
    std::string names;
    for (const FieldInfo& info : allFields()) {
        names += " " + std::string(info.name);
    }
    ReadResult read = readScenario(
        "controller pad category DualSense touchpad\npresent pad\n"
        "start\nat 5.5\nprint" +
        names + "\n");
    ASSERT_FALSE(read.error) << read.error->message;
    std::ostringstream out;
    ScenarioRunner(out).run(read.commands);
    for (const FieldInfo& info : allFields()) {
        EXPECT_NE(out.str().find(" " + std::string(info.name) + "="), std::string::npos)
            << info.name;
    }
    EXPECT_EQ(out.str().find("=?"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find(" comboMap={l2+r2:screenshot} "), std::string::npos);
}

}  // namespace
}  // namespace joyvane::simtool
