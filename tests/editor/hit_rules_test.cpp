// The boundaries of what the pointer reaches: the element a bond may join,
// the bond a click finds, the scroll that keeps the rubber band in view, and
// where a click places the entry that waits for one.
#include <gtest/gtest.h>

#include "editor/click_to_place.h"
#include "editor/connect.h"
#include "editor/hit_tests.h"
#include "editor_fixtures.h"

namespace vantor {
namespace {

using test::element;

class HitRules : public test::EditorTest {};
struct Hit {
    float x, y;
    int found;
};

TEST_F(HitRules, ABondJoinsTheFirstElementWithAFreeSlotWithinItsGlyphSize) {
    ObjRecord full = element("C__", "CC", 1);
    full.numlin = 1;
    add(full, 1000, 1000);                                // 1: no free bond slot
    add(element("Tex", "note", 5), 1000, 1000);           // 2: notes never take bonds
    const int r = add(element("R__", "RR"), 1000, 1000);  // 3: 240 x 225, centre (1120, 1112.5)
    add(element("I__", "II"), 1000, 1000);                // 4: same place, later
    const Hit cases[] = {{1120 - 239, 1112.5f, r},
                         {1120 + 240, 1112.5f, 0},
                         {1120, 1112.5f + 224, r},
                         {1120, 1112.5f + 225, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(busca_objeto(window, c.x, c.y), c.found) << c.x << ", " << c.y;
}

TEST_F(HitRules, AClickFindsTheLastBondPassingWithin40TwipsBetweenItsEnds) {
    add_bond(0, 0, 1000, 1000, 2000, 1000);  // 1
    add_bond(0, 0, 1500, 500, 1500, 1500);   // 2: crosses bond 1 at (1500, 1000)
    add_bond(0, 0, 3000, 3000, 3000, 3000);  // 3: no length
    add_bond(0, 0, 0, 0, 1091, 2955);        // 4
    const Hit cases[] = {
        {1200, 1039, 1},
        {1200, 1040, 0},
        {999, 1000, 0},
        {1001, 1000, 1},
        {1500, 1000, 2},  // both hit: the last one counts
        {3000, 3000, 0},
        // Rounding makes the squared distance slightly negative here; the
        // point is on the line all the same.
        {327.3f, 886.5f, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(busca_linea(window, c.x, c.y), c.found) << c.x << ", " << c.y;
}

TEST_F(HitRules, TheWindowScrollsToKeepTheRubberBandsEndInView) {
    const int one = add(element("111", "1", 10), 1000, 1000);
    window.viewport.width = 7335;
    window.viewport.height = 3810;
    // clang-format off
    const struct { int h0, v0; float x, y; int h, v; } cases[] = {  // h0, v0: before the step
        {0, 0, 5000, 2000, 0, 0},        {0, 0, 5000, 2400, 0, 90},
        {0, 0, 7000, 1000, 1165, 0},     {3000, 3000, 3500, 2900.5f, 3000, 2800},
        {3000, 3000, 50, 3500, 0, 3000}, {0, 0, 40000, 40000, 20000, 20000},
    };
    // clang-format on
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.x << ", " << k.y);
        window.viewport.HScroll1.value = k.h0;
        window.viewport.VScroll1.value = k.v0;
        window.Line1.visible = true;
        window.model.nlin = 1;
        window.model.lines[1] = {0, static_cast<std::int16_t>(one), 0, 0};
        bond_drawing_step(window, app, k.x, k.y);
        EXPECT_EQ(window.viewport.HScroll1.value, k.h);
        EXPECT_EQ(window.viewport.VScroll1.value, k.v);
        // The band's end keeps its place on the screen.
        EXPECT_EQ(window.Line1.x2, k.x + static_cast<float>(k.h - k.h0));
        EXPECT_EQ(window.Line1.y2, k.y + static_cast<float>(k.v - k.v0));
    }
}

// Only a plain left click where a click selects nothing places the waiting
// entry; every other press keeps its meaning.
TEST_F(HitRules, OnlyALeftPressOnEmptyCanvasPlacesTheWaitingEntry) {
    add(element("R__", "RRRR"), 1000, 1000);  // 480 x 225
    add_bond(0, 0, 3000, 500, 3000, 2500);
    TextBox& box = window.Text1;
    box.left = box.top = 4000;
    box.width = box.height = 600;
    box.visible = true;
    // clang-format off
    const struct { const char* where; int button, held; float x, y; ArmedPress expected; } cases[] = {
        {"empty canvas", 1, 0, 200, 200, ArmedPress::kPlace},
        {"beside a glyph", 1, 0, 1000 + 480 + 60, 1000, ArmedPress::kPlace},
        {"on a glyph", 1, 0, 1100, 1100, ArmedPress::kDisarm},
        {"on a glyph's last twip", 1, 0, 1479, 1224, ArmedPress::kDisarm},
        {"within reach of a bond", 1, 0, 3030, 1500, ArmedPress::kDisarm},
        {"past a bond's reach", 1, 0, 3050, 1500, ArmedPress::kPlace},
        {"in the caption box", 1, 0, 4100, 4100, ArmedPress::kDisarm},
        {"right button", 2, 0, 200, 200, ArmedPress::kDisarm},
        {"middle button", 4, 0, 200, 200, ArmedPress::kDisarm},
        {"left while right is held", 1, 2, 200, 200, ArmedPress::kDisarm},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(armed_press(window, c.button, c.held, c.x, c.y), c.expected) << c.where;
    }
    // A hidden caption box takes nothing.
    box.visible = false;
    EXPECT_EQ(armed_press(window, 1, 0, 4100, 4100), ArmedPress::kPlace);
}

}  // namespace
}  // namespace vantor
