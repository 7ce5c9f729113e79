#include "mouse_fixture.h"

namespace joyvane::test {
namespace {

// A 1920 x 1080 monitor beside the 1440 x 900 primary, given in the screen service's space
// (y up from the primary's bottom edge). Pushing far towards it ends on its far edge; pushing
// far away ends on the primary's opposite edge.
struct Arrangement {
    const char* name;
    Rect second;
    Point towards;   // a far push in the second monitor's direction
    Point farEdge;   // where that push stops, in pointer coordinates (y down)
    Point awayEdge;  // where the opposite push stops
};

const Arrangement kArrangements[] = {
    {"above", {0, 900, 1920, 1080}, {0, -5000}, {720, -1080}, {720, 899}},
    {"below", {0, -1080, 1920, 1080}, {0, 5000}, {720, 1979}, {720, 0}},
    {"left", {-1920, 0, 1920, 1080}, {-5000, 0}, {-1920, 450}, {1439, 450}},
    {"right", {1440, 0, 1920, 1080}, {5000, 0}, {3359, 450}, {0, 450}},
};

TEST_F(MouseTest, ThePointerReachesAMonitorOnEverySideOfThePrimary) {
    for (const Arrangement& arrangement : kArrangements) {
        SCOPED_TRACE(arrangement.name);
        sim.screens.setScreens({});
        sim.screens.addScreen({0, 0, 1440, 900});
        sim.screens.addScreen(arrangement.second);

        sim.screens.setPointer({720, 450});
        mouse.move(arrangement.towards.x, arrangement.towards.y);
        EXPECT_EQ(sim.screens.pointer(), arrangement.farEdge);

        sim.screens.setPointer({720, 450});
        mouse.move(-arrangement.towards.x, -arrangement.towards.y);
        EXPECT_EQ(sim.screens.pointer(), arrangement.awayEdge);
    }
}

}  // namespace
}  // namespace joyvane::test
