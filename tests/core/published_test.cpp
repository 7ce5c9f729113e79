#include <gtest/gtest.h>

#include <vector>

#include "core/published.h"

namespace joyvane {
namespace {

TEST(Published, ObserversAreToldBeforeEveryAssignmentEvenWithoutChange) {
    ObservableObject owner;
    Published<int> value(&owner, 1);
    std::vector<std::pair<int, int>> seen;  // (stored when told, new value)
    int objectChanges = 0;
    auto sub = value.willChange.connect([&](const int& next) { seen.push_back({value.get(), next}); });
    auto subObject = owner.objectWillChange.connect([&] { ++objectChanges; });
    value = 1;
    value = 2;
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}}));
    EXPECT_EQ(objectChanges, 2);
    EXPECT_EQ(value.get(), 2);
}

TEST(Published, DroppedSubscriptionStopsNotifications) {
    Published<bool> flag(false);
    int calls = 0;
    {
        auto sub = flag.willChange.connect([&](const bool&) { ++calls; });
        flag = true;
    }
    flag = false;
    EXPECT_EQ(calls, 1);
}

TEST(Signal, ObserverMayDisconnectItselfWhileBeingCalled) {
    Signal<> signal;
    int calls = 0;
    Subscription sub;
    sub = signal.connect([&] {
        ++calls;
        sub.reset();
    });
    signal.emit();
    signal.emit();
    EXPECT_EQ(calls, 1);
}

TEST(Signal, SubscriptionOutlivingItsSignalIsHarmless) {
    Subscription sub;
    {
        Signal<> signal;
        sub = signal.connect([] {});
    }
    sub.reset();
    SUCCEED();
}

}  // namespace
}  // namespace joyvane
