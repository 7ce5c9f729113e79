#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/manual_scheduler.h"
#include "info/firmware_reader.h"

namespace joyvane {
namespace {

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
