#include "info/firmware_reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/manual_scheduler.h"
#include "platform/sim/sim_services.h"

namespace joyvane {
namespace {

HidDevice device(std::map<std::string, HidProperty> properties) {
    return HidDevice{std::move(properties)};
}

TEST(FirmwareReader, TakesTheFirstUsableKeyInOrder) {
    struct Case {
        const char* name;
        std::map<std::string, HidProperty> properties;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"zero version falls through to bcdDevice",
         {{"VersionNumber", std::int64_t{0}}, {"bcdDevice", std::int64_t{256}}},
         "256"},
        {"version number wins over the firmware string",
         {{"VersionNumber", std::int64_t{256}}, {"FirmwareVersion", std::string("1.2.3")}},
         "256"},
        {"firmware string unchanged",
         {{"FirmwareVersion", std::string("1.2.3")}, {"bcdDevice", std::int64_t{1}}},
         "1.2.3"},
        {"empty and zero texts are skipped",
         {{"VersionNumber", std::string("")},
          {"FirmwareVersion", std::string("0")},
          {"bcdDevice", std::int64_t{0x0100}}},
         "256"},
        {"a string 00 is not the text 0", {{"FirmwareVersion", std::string("00")}}, "00"},
        {"every key zero",
         {{"VersionNumber", std::int64_t{0}}, {"bcdDevice", std::int64_t{0}}},
         std::nullopt},
        {"other keys only", {{"ProductID", std::int64_t{3302}}}, std::nullopt},
    };
    for (const auto& c : cases) {
        sim::SimHidRegistry registry;
        registry.addDevice(kPlayStationVendorId, device(c.properties));
        EXPECT_EQ(readFirmwareVersion(registry), c.expected) << c.name;
    }
}

TEST(FirmwareReader, ReadsOnlyTheFirstDeviceOfThePlayStationVendor) {
    sim::SimHidRegistry two;
    two.addDevice(0x045E, device({{"VersionNumber", std::int64_t{9}}}));
    two.addDevice(kPlayStationVendorId, device({}));
    two.addDevice(kPlayStationVendorId, device({{"VersionNumber", std::int64_t{7}}}));
    EXPECT_EQ(readFirmwareVersion(two), std::nullopt);
}

// Runs the scheduler's queue until `done` turns true or a second has passed.
template <typename Done>
void runUntil(ManualScheduler& scheduler, Done done) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        scheduler.runQueued();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// The result comes through the main queue, and only while its receiver lives.
TEST(FetchFirmware, HandsTheResultToTheMainQueueWhileTheReceiverLives) {
    ManualScheduler scheduler;
    auto registry = std::make_shared<sim::SimHidRegistry>();
    registry->addDevice(kPlayStationVendorId, device({{"FirmwareVersion", std::string("1.2.3")}}));
    auto receiver = std::make_shared<int>(0);
    std::vector<std::optional<std::string>> delivered;
    std::thread::id deliveredOn;
    auto deliver = [&](const auto& version) {
        delivered.push_back(version);
        deliveredOn = std::this_thread::get_id();
    };
    auto read = fetchFirmwareVersion(registry, scheduler, receiver, deliver);
    EXPECT_TRUE(delivered.empty()) << "delivered before the main queue ran";
    runUntil(scheduler, [&] { return !delivered.empty(); });
    EXPECT_EQ(delivered, (std::vector<std::optional<std::string>>{"1.2.3"}));
    EXPECT_EQ(deliveredOn, std::this_thread::get_id());

    auto again = fetchFirmwareVersion(registry, scheduler, receiver, deliver);
    receiver.reset();
    runUntil(scheduler, [&] { return scheduler.queuedJobCount() > 0; });
    scheduler.runQueued();
    EXPECT_EQ(delivered.size(), 1u);
}

// A registry whose read takes a while, as a slow sysfs might.
class SlowRegistry final : public HidRegistry {
  public:
    std::vector<HidDevice> devicesOfVendor(std::uint16_t) const override {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return {};
    }
};

TEST(FetchFirmware, QuittingDuringAReadWaitsForItBeforeTheSchedulerGoes) {
    auto registry = std::make_shared<SlowRegistry>();
    auto scheduler = std::make_unique<ManualScheduler>();
    auto receiver = std::make_shared<int>(0);
    {
        auto read = fetchFirmwareVersion(registry, *scheduler, receiver, [](const auto&) {});
    }  // the way out: the tab, holding the read, goes before the scheduler
    EXPECT_EQ(scheduler->queuedJobCount(), 1u) << "the result was posted after the read was let go";
    scheduler.reset();  // a read still running would now post to a scheduler that has gone
}

}  // namespace
}  // namespace joyvane
