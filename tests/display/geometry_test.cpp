// Where glyphs, ports and bonds are drawn: sizes, offsets and line ends.
#include <gtest/gtest.h>

#include "display/bond_geometry.h"
#include "display/glyph_metrics.h"
#include "display/port_layout.h"

namespace vantor {
namespace {

// 120 twips a character of the longest line, 225 a line, 15 more on each
// side for a frame.
TEST(GlyphSize, CaptionsInTheGlyphFont) {
    const struct {
        const char* caption;
        bool framed;
        int width, height;
    } cases[] = {
        {"C1", false, 240, 225},        {"", false, 0, 225},
        {"R", true, 150, 255},          {"SUM", true, 390, 255},
        {"C\r:0.001", false, 720, 450},  // the longer second line decides
        {"AB\r\nC", false, 240, 450},    // CR LF is one break
        {"A\n\rB", false, 120, 675},     // LF then CR: two breaks
        {"A\r", false, 120, 450},        // a break at the end adds an empty line
        {"x\ry\rz", true, 150, 705},
    };
    for (const auto& c : cases) {
        const GlyphSize size = glyph_size(c.caption, c.framed);
        EXPECT_EQ(size.width, c.width) << c.caption;
        EXPECT_EQ(size.height, c.height) << c.caption;
    }
}

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

// Glyphs of no size: the line runs between the two points given.
TEST(BondLine, SnapsWithinThirtyTwipsByMovingTheObj2EndAndStaysFinite) {
    const struct {
        double bx, by;  // the obj2 end; obj1 is at (0, 0)
        float x2, y2;
    } cases[] = {
        {1000, 29, 1000, 0}, {1000, 30, 1000, 30}, {1000, -29, 1000, 0}, {1000, -30, 1000, -30},
        {29, 1000, 0, 1000}, {30, 1000, 30, 1000}, {29.5, 29.5, 0, 0},   {-29.9, 500, 0, 500},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(bond_line({0, 0, 0, 0}, {c.bx, c.by, 0, 0}, false), (Segment{0, 0, c.x2, c.y2}))
            << c.bx << "," << c.by;
    }
    // Coinciding centres stay finite.
    const Segment line = bond_line({100, 100, 240, 225}, {100, 100, 240, 225}, false);
    EXPECT_EQ(line, (Segment{220, 212.5f, 220, 212.5f}));
    const BondDirection d = bond_direction(line);
    EXPECT_EQ(d.theta, 0);
    EXPECT_EQ(d.sign, 1);  // the guard stands in for a zero horizontal extent
}

// 150 twips at theta + 9.42477/4: on the left of the power direction as seen
// on the screen (y grows downwards).
TEST(Barb, LiesOnTheLeftOfThePowerDirection) {
    const struct {
        Segment line;
        float x1, y1;
    } cases[] = {
        {{0, 0, 1000, 0}, 893.9342f, -106.0662f},  // right: above
        {{1000, 0, 0, 0}, 106.0658f, 106.0662f},   // left: below
        {{0, 0, 0, 1000}, 106.0661f, 893.9341f},   // down: on the right
    };
    for (const auto& c : cases) {
        const Segment barb = barb_segment(c.line, bond_direction(c.line));
        EXPECT_EQ(barb.x2, c.line.x2);
        EXPECT_EQ(barb.y2, c.line.y2);
        EXPECT_NEAR(barb.x1, c.x1, 1e-3) << c.line.x2 << "," << c.line.y2;
        EXPECT_NEAR(barb.y1, c.y1, 1e-3) << c.line.x2 << "," << c.line.y2;
    }
    EXPECT_DOUBLE_EQ(bond_direction({0, 0, 0, 1000}).theta, -1.570795);
}

TEST(Stroke, CrossesTheObj2EndForCausaOneAndTheObj1EndForCausaTwo) {
    const Segment line{0, 0, 1000, 0};
    for (const auto& [causa, x] : {std::pair{1, 1000.0f}, {2, 0.0f}}) {
        const Segment s = stroke_segment(line, bond_direction(line), causa);
        EXPECT_NEAR(s.x1, x + 0.0002, 1e-4) << causa;
        EXPECT_NEAR(s.x2, x - 0.0002, 1e-4) << causa;
        EXPECT_NEAR(s.y1, -120, 1e-4) << causa;
        EXPECT_NEAR(s.y2, 120, 1e-4) << causa;
    }
}

}  // namespace
}  // namespace vantor
