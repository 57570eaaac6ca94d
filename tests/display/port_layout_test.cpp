#include "display/port_layout.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

// Owner 360 x 255 (a framed three-letter caption), one port of one, port
// 120 x 225. The spread of several ports is pinned by the redraw tests.
TEST(PortOffset, SideFollowsCaptionAndDirection) {
    const struct {
        const char* caption;
        bool output, junction;
        double h, v;
    } cases[] = {
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
    for (const auto& c : cases) {
        const PortOffset o =
            port_offset({c.caption, c.output, 1, 1, 360, 255, 120, 225, c.junction});
        EXPECT_DOUBLE_EQ(o.h, c.h) << c.caption << c.output << c.junction;
        EXPECT_DOUBLE_EQ(o.v, c.v) << c.caption << c.output << c.junction;
    }
}

}  // namespace
}  // namespace vantor
