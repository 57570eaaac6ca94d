#include "display/bond_geometry.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

// Glyphs of no size: the line runs between the two points given.
TEST(BondLine, SnapsWithinThirtyTwipsByMovingTheObj2End) {
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
}

TEST(BondLine, CoincidingCentresStayFinite) {
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
