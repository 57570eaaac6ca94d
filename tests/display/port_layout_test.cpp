#include "display/port_layout.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(SpreadOffset, CentresPortKOfNAtItsShareOfTheSide) {
    // Side 480, ports 225 high: centres at 60, 180, 300, 420.
    EXPECT_DOUBLE_EQ(spread_offset(480, 225, 1, 4), -52.5);
    EXPECT_DOUBLE_EQ(spread_offset(480, 225, 2, 4), 67.5);
    EXPECT_DOUBLE_EQ(spread_offset(480, 225, 4, 4), 307.5);
    EXPECT_DOUBLE_EQ(spread_offset(255, 225, 2, 3), 15);  // the middle one of three
    EXPECT_DOUBLE_EQ(spread_offset(360, 120, 1, 1), 120);
}

struct OffsetCase {
    const char* caption;
    bool output;
    bool junction;
    double h, v;
};

// Owner 360 x 255 (a framed three-letter caption), one port of one, port
// 120 x 225.
TEST(PortOffset, SideFollowsCaptionAndDirection) {
    const OffsetCase cases[] = {
        {">", true, false, 360, 15},    // output pointing away: right, centred
        {">", false, false, -120, 15},  // input pointing in: left
        {"<", false, false, 360, 15},   // input pointing in from the right
        {"<", true, false, -120, 15},   {"v", true, false, 120, 180},  // below: 255 - 225/3
        {"v", false, false, 120, -150},                                // above: -2 * 225 / 3
        {"^", false, false, 120, 225},                                 // below, plus 225/5
        {"^", true, false, 120, -105},                                 // above, plus 225/5
        {">", true, true, 200, 200},  // beside a junction, fixed offsets
        {">", false, true, -200, -200}, {"v", true, true, -200, 300}, {"^", true, true, 200, -300},
    };
    for (const OffsetCase& c : cases) {
        PortPlacement p;
        p.caption = c.caption;
        p.output = c.output;
        p.k = 1;
        p.n = 1;
        p.owner_width = 360;
        p.owner_height = 255;
        p.port_width = 120;
        p.port_height = 225;
        p.owner_is_junction = c.junction;
        const PortOffset o = port_offset(p);
        EXPECT_DOUBLE_EQ(o.h, c.h) << c.caption << c.output << c.junction;
        EXPECT_DOUBLE_EQ(o.v, c.v) << c.caption << c.output << c.junction;
    }
}

}  // namespace
}  // namespace vantor
