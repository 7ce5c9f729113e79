#include <gtest/gtest.h>

#include <vector>

#include "core/published.h"

namespace joyvane {
namespace {

TEST(Published, ObserversAreToldBeforeEveryAssignmentUntilTheirSubscriptionGoes) {
    ObservableObject owner;
    Published<int> value(&owner, 1);
    std::vector<std::pair<int, int>> seen;  // (stored when told, new value)
    int objectChanges = 0;
    auto subObject = owner.objectWillChange.connect([&] { ++objectChanges; });
    {
        auto sub = value.willChange.connect([&](const int& next) {
            seen.push_back({value.get(), next});
        });
        value = 1;
        value = 2;
    }
    value = 3;
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}}));
    EXPECT_EQ(objectChanges, 3);
    EXPECT_EQ(value.get(), 3);

    // An observer may disconnect itself, and a subscription may outlive its signal.
    Subscription outliving;
    {
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
        outliving = signal.connect([] {});
    }
    outliving.reset();  // the signal has gone: nothing to do, and no crash
}

}  // namespace
}  // namespace joyvane
