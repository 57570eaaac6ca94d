#include "display/bond_geometry.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

// A glyph of no size: its circle is its centre, so the line runs between the
// two points given.
GlyphBox point(double x, double y) {
    return {x, y, 0, 0};
}

struct SnapCase {
    double bx, by;  // the obj2 end; the obj1 end is at (0, 0)
    float x2, y2;   // where the obj2 end ends up
};

TEST(BondLine, SnapsWithinThirtyTwipsByMovingTheObj2End) {
    const SnapCase cases[] = {
        {1000, 29, 1000, 0}, {1000, 30, 1000, 30}, {1000, -29, 1000, 0}, {1000, -30, 1000, -30},
        {29, 1000, 0, 1000}, {30, 1000, 30, 1000}, {29.5, 29.5, 0, 0},   {-29.9, 500, 0, 500},
    };
    for (const SnapCase& c : cases) {
        const Segment line = bond_line(point(0, 0), point(c.bx, c.by), false);
        EXPECT_EQ(line.x1, 0);
        EXPECT_EQ(line.y1, 0);
        EXPECT_EQ(line.x2, c.x2) << c.bx << "," << c.by;
        EXPECT_EQ(line.y2, c.y2) << c.bx << "," << c.by;
    }
}

// Glyphs 240 x 225 side by side: centres 1000 apart at y 112.5, both circles
// of radius sqrt(120^2 + 112.5^2) = 164.48784.
TEST(BondLine, RunsBetweenTheCirclesThroughTheGlyphCorners) {
    const Segment line = bond_line({0, 0, 240, 225}, {1000, 0, 240, 225}, false);
    EXPECT_NEAR(line.x1, 284.48784, 1e-3);
    EXPECT_NEAR(line.x2, 955.51216, 1e-3);
    EXPECT_EQ(line.y1, 112.5f);
    EXPECT_EQ(line.y2, 112.5f);
}

TEST(BondLine, CoincidingCentresStayFinite) {
    const Segment line = bond_line({100, 100, 240, 225}, {100, 100, 240, 225}, false);
    EXPECT_EQ(line, (Segment{220, 212.5f, 220, 212.5f}));
    const BondDirection d = bond_direction(line);
    EXPECT_EQ(d.theta, 0);
    EXPECT_EQ(d.sign, 1);  // the guard stands in for a zero horizontal extent
}

// The barb: 150 twips at theta + 9.42477/4, cos and sin of which are
// -0.7071054 and 0.7071082 for a horizontal line.
TEST(Barb, LiesAboveWhenPowerGoesRightAndBelowWhenItGoesLeft) {
    const Segment right{0, 0, 1000, 0};
    const Segment barb_r = barb_segment(right, bond_direction(right));
    EXPECT_EQ(barb_r.x2, 1000);
    EXPECT_EQ(barb_r.y2, 0);
    EXPECT_NEAR(barb_r.x1, 893.9342, 1e-3);
    EXPECT_NEAR(barb_r.y1, -106.0662, 1e-3);  // above: screen y grows downwards

    const Segment left{1000, 0, 0, 0};
    const Segment barb_l = barb_segment(left, bond_direction(left));
    EXPECT_EQ(barb_l.x2, 0);
    EXPECT_NEAR(barb_l.x1, 106.0658, 1e-3);
    EXPECT_NEAR(barb_l.y1, 106.0662, 1e-3);  // below
}

TEST(Barb, DownwardBondHasItsBarbOnTheRight) {
    const Segment down{0, 0, 0, 1000};
    const BondDirection d = bond_direction(down);
    EXPECT_DOUBLE_EQ(d.theta, -1.570795);
    const Segment barb = barb_segment(down, d);
    EXPECT_NEAR(barb.x1, 106.0661, 1e-3);
    EXPECT_NEAR(barb.y1, 893.9341, 1e-3);
}

TEST(Stroke, CrossesTheObj2EndForCausaOneAndTheObj1EndForCausaTwo) {
    const Segment line{0, 0, 1000, 0};
    const BondDirection d = bond_direction(line);
    const Segment at_obj2 = stroke_segment(line, d, 1);
    EXPECT_NEAR(at_obj2.x1, 1000.0002, 1e-4);
    EXPECT_NEAR(at_obj2.y1, -120, 1e-4);
    EXPECT_NEAR(at_obj2.x2, 999.9998, 1e-4);
    EXPECT_NEAR(at_obj2.y2, 120, 1e-4);
    const Segment at_obj1 = stroke_segment(line, d, 2);
    EXPECT_NEAR(at_obj1.x1, 0.0002, 1e-4);
    EXPECT_NEAR(at_obj1.y1, -120, 1e-4);
    EXPECT_NEAR(at_obj1.y2, 120, 1e-4);
}

}  // namespace
}  // namespace vantor
