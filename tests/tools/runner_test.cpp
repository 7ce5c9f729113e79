#include "simtool/runner.h"

#include <gtest/gtest.h>

#include <sstream>

#include "simtool/reader.h"

namespace joyvane::simtool {
namespace {

std::string run(const std::string& scenario) {
    ReadResult read = readScenario(scenario);
    EXPECT_FALSE(read.error) << read.error->line << ": " << read.error->message;
    std::ostringstream out;
    {
        ScenarioRunner runner(out);
        runner.run(read.commands);
    }
    return out.str();
}

const std::string kPad =
    "controller pad category DualSense touchpad\n"
    "present pad\n";

TEST(Runner, PrintsNothingForAScenarioThatMakesNoCalls) {
    EXPECT_EQ(run(kPad + "start\nat 10\n"), "");
}

TEST(Runner, PointerGivenBeforeTheScreensIsPlacedOnThem) {
    EXPECT_EQ(
        run("pointer 100 100\nscreen 0 0 800 600\n" + kPad + "start\nstick left 0 -1\nat 0.02\n"),
        "0.0167 warp 100.00 110.00\n"
        "0.0167 mouse moved x=100.00 y=110.00 button=0 dx=0 dy=10\n");
}

TEST(Runner, LanguagesAndTrustAreReadWhenTheEngineIsCreated) {
    EXPECT_EQ(run("languages he-IL,en-US\ntrusted no\nstart\n"
                  "print controllerName accessibility\n"
                  "trusted yes\nat 2.1\nprint accessibility\n"),
              "0.0000 print controllerName=\"אין שלט מחובר\" accessibility=false\n"
              "2.1000 print accessibility=true\n");
    EXPECT_EQ(run("languages\nstart\nprint controllerName\n"),
              "0.0000 print controllerName=\"No controller connected\"\n");
}

TEST(Runner, EveryFieldHasAPrintedValue) {
    std::string names;
    for (const FieldInfo& info : allFields()) {
        names += " " + std::string(info.name);
    }
    std::string out = run(kPad + "start\nat 5.5\nprint" + names + "\n");
    for (const FieldInfo& info : allFields()) {
        EXPECT_NE(out.find(" " + std::string(info.name) + "="), std::string::npos) << info.name;
    }
    EXPECT_EQ(out.find("=?"), std::string::npos) << out;
    EXPECT_NE(out.find(" batteryLevel=nil "), std::string::npos) << "no battery: nil";
    EXPECT_NE(out.find(" layout=latin "), std::string::npos);
    EXPECT_NE(out.find(" heldButtons=[] "), std::string::npos);
    EXPECT_NE(out.find(" comboMap={l2+r2:screenshot} "), std::string::npos);
}

}  // namespace
}  // namespace joyvane::simtool
