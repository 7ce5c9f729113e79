#include <cmath>
#include <limits>

#include "mouse_fixture.h"

namespace joyvane::test {
namespace {

// Where the pointer is in global display coordinates (origin top-left of the primary screen).
TEST_F(MouseTest, CurrentPositionFlipsAboutThePrimaryScreen) {
    sim.screens.setMouseLocation({100, 800});
    EXPECT_EQ(mouse.currentCGPosition(), (Point{100, 100}));

    // The first screen of the list decides, even when another one is the main screen.
    sim.screens.addScreen({1440, 0, 1920, 1080});
    sim.screens.setMainScreen(sim.screens.screens()[1]);
    EXPECT_EQ(mouse.currentCGPosition(), (Point{100, 100}));

    // With an empty list the main screen is used, and without any screen y is only negated.
    sim.screens.setScreens({});
    sim.screens.setMainScreen(Screen{{0, 0, 1024, 768}, {0, 0, 1024, 768}});
    EXPECT_EQ(mouse.currentCGPosition(), (Point{100, -32}));
    sim.screens.setMainScreen(std::nullopt);
    EXPECT_EQ(mouse.currentCGPosition(), (Point{100, -800}));
}

// Moves from a pointer position; the event carries the clamped position and the requested
// deltas, truncated towards zero (the pointer_and_scroll scenario pushes into the right edge and
// the top-left corner). With a taller 1920 x 1080 screen to the right of the primary, bottoms
// aligned in the screen service's space, the clamp uses the union flipped like the pointer,
// about the primary's height (x 0..3359, y -180..899).
TEST_F(MouseTest, MovesAreClampedToTheUnionOfTheScreensAndKeepTheRequestedDeltas) {
    struct Case {
        bool secondScreen;
        Point from;
        double dx;
        double dy;
        Point to;
    };
    const Case cases[] = {
        {false, {720, 895}, 0, 50, {720, 899}},
        {false, {720, 450}, 0.4, -0.7, {720.4, 449.3}},
        {false, {720, 450}, -1.9, 2.9, {718.1, 452.9}},
        {true, {1435, 450}, 10, 0, {1445, 450}},
        {true, {2000, 100}, 0, -500, {2000, -180}},
        {true, {2000, 100}, 0, 5000, {2000, 899}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.from.x << "," << c.from.y << " by " << c.dx << "," << c.dy);
        sim.screens.setScreens({Screen{{0, 0, 1440, 900}, {0, 0, 1440, 900}}});
        if (c.secondScreen) {
            sim.screens.addScreen({1440, 0, 1920, 1080});
        }
        sim.screens.setPointer(c.from);
        sim.log.clear();
        mouse.move(c.dx, c.dy);
        MouseEvent event = onlyMouseEvent();
        EXPECT_NEAR(event.position.x, c.to.x, 1e-9);
        EXPECT_NEAR(event.position.y, c.to.y, 1e-9);
        EXPECT_EQ(event.deltaX, static_cast<std::int64_t>(c.dx));
        EXPECT_EQ(event.deltaY, static_cast<std::int64_t>(c.dy));
    }
}

// A screen 0.5 points wide: the lower limit (0) passes the upper one (-0.5), which wins.
TEST_F(MouseTest, ARangeNarrowerThanOnePointLetsTheUpperLimitWin) {
    sim.screens.setScreens({Screen{{0, 0, 0.5, 900}, {0, 0, 0.5, 900}}});
    sim.screens.setPointer({0, 450});
    mouse.move(0, 0);
    EXPECT_EQ(onlyMouseEvent().position, (Point{-0.5, 450}));
}

TEST_F(MouseTest, WithoutAnyScreenTheMoveIsNotClamped) {
    sim.screens.setScreens({});
    sim.screens.setMouseLocation({10, -20});
    mouse.move(5, 5);
    EXPECT_EQ(onlyMouseEvent().position, (Point{15, 25}));
}

TEST_F(MouseTest, NonFiniteAndHugeRequestsStayDefined) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    mouse.move(nan, inf);
    MouseEvent event = onlyMouseEvent();
    EXPECT_EQ(event.position, (Point{720, 899}));  // NaN moves nothing; infinity hits the edge
    EXPECT_EQ(event.deltaX, 0);
    EXPECT_EQ(event.deltaY, std::numeric_limits<std::int64_t>::max());

    sim.log.clear();
    mouse.move(-1e300, -inf);
    event = onlyMouseEvent();
    EXPECT_EQ(event.position, (Point{0, 0}));
    EXPECT_EQ(event.deltaX, std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(event.deltaY, std::numeric_limits<std::int64_t>::min());
}

TEST_F(MouseTest, AMotionEventThatCannotBeMadeSkipsOnlyThatEvent) {
    sim.poster.failNextEvents(1);
    mouse.move(10, 0);
    EXPECT_EQ(warps().size(), 1u);  // the pointer still moves
    EXPECT_TRUE(mouseEvents().empty());
    mouse.move(10, 0);
    EXPECT_EQ(onlyMouseEvent().position, (Point{740, 450}));
}

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
