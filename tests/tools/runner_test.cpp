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

TEST(Runner, DefaultPointerIsTheMiddleOfTheGivenPrimaryScreen) {
    EXPECT_EQ(run("screen 0 0 800 600\nscreen 800 0 1024 768\n" + kPad +
                  "start\nstick left 1 0\nat 0.02\n"),
              "0.0167 warp 410.00 300.00\n"
              "0.0167 mouse moved x=410.00 y=300.00 button=0 dx=10 dy=0\n");
}

TEST(Runner, PointerGivenBeforeTheScreensIsPlacedOnThem) {
    EXPECT_EQ(
        run("pointer 100 100\nscreen 0 0 800 600\n" + kPad + "start\nstick left 0 -1\nat 0.02\n"),
        "0.0167 warp 100.00 110.00\n"
        "0.0167 mouse moved x=100.00 y=110.00 button=0 dx=0 dy=10\n");
}

TEST(Runner, SettingsGoThroughTheSettersTheInterfaceUses) {
    EXPECT_EQ(run(kPad + "start\nwait 0\n"
                         "set isEnabled false\nprint isEnabled controllerEnabled\n"
                         "toggle-keyboard\n"
                         "set keyboardFeatureEnabled false\nprint featureEnabled isVisible\n"
                         "set launchAtLogin true\nprint launchAtLogin\n"),
              "0.0000 print isEnabled=false controllerEnabled=false\n"
              "0.0000 panel build\n"
              "0.0000 panel front\n"
              "0.0000 panel out\n"
              "0.0000 print featureEnabled=false isVisible=false\n"
              "0.0000 open login-items\n"
              "0.0000 print launchAtLogin=true\n");
}

TEST(Runner, ResetRestoresTheSettingsAndLeavesTheMaps) {
    EXPECT_EQ(run("start\nset sensitivity 3\nset deadzone 0.4\nunmap cross\nreset-settings\n"
                  "print sensitivity deadzone\n"),
              "0.0000 print sensitivity=10 deadzone=0.12\n");
    std::string out = run("start\nunmap cross\nreset-settings\nprint buttonMap\n");
    EXPECT_EQ(out.find("cross:"), std::string::npos) << out;
}

TEST(Runner, MappingAButtonChangesWhatItsPressPosts) {
    EXPECT_EQ(run(kPad + "start\nmap cross escape\npress buttonA\nrelease buttonA\n"
                         "unmap cross\npress buttonA\nrelease buttonA\n"),
              "0.0000 key down 53 flags=0x0\n"
              "0.0000 key up 53 flags=0x0\n");
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

TEST(Runner, ReconnectAttachesTheFirstConnectedController) {
    EXPECT_EQ(run("controller pad category Gamepad vendor Acme\nstart\npresent pad\nwait 0\n"
                  "print isConnected\nreconnect\nwait 0\nprint isConnected controllerName\n"),
              "0.0000 print isConnected=false\n"
              "0.0000 print isConnected=true controllerName=\"Acme\"\n");
}

TEST(Runner, AControllerWithoutAProfileIsIgnored) {
    EXPECT_EQ(run("controller bare category Gamepad no-profile\nstart\nconnect bare\nwait 1\n"
                  "print isConnected controllerType\n"),
              "1.0000 print isConnected=false controllerType=none\n");
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
