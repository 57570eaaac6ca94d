// The boundaries of what the pointer reaches: the element a bond may join,
// the bond a click finds, the scroll that keeps the rubber band in view, and
// what a press or a click on each kind of glyph selects.
#include <gtest/gtest.h>

#include "editor/connect.h"
#include "editor/glyph_mouse.h"
#include "editor/hit_tests.h"
#include "editor_fixtures.h"
#include "window/selection.h"

namespace vantor {
namespace {

using test::con;
using test::element;
using test::signal_block;

class HitRules : public test::EditorTest {};

TEST_F(HitRules, ABondJoinsTheFirstElementWithAFreeSlotWithinItsGlyphSize) {
    ObjRecord full = element("C__", "CC", 1);
    full.numlin = 1;
    add(full, 1000, 1000);                                // 1: no free bond slot
    add(element("Tex", "note", 5), 1000, 1000);           // 2: notes never take bonds
    const int r = add(element("R__", "RR"), 1000, 1000);  // 3: 240 x 225, centre (1120, 1112.5)
    add(element("I__", "II"), 1000, 1000);                // 4: same place, later
    const struct {
        float x, y;
        int found;
    } cases[] = {{1120 - 239, 1112.5f, r},
                 {1120 + 240, 1112.5f, 0},
                 {1120, 1112.5f + 224, r},
                 {1120, 1112.5f + 225, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(busca_objeto(window, c.x, c.y), c.found) << c.x << ", " << c.y;
    }
}

TEST_F(HitRules, AClickFindsTheLastBondPassingWithin40TwipsBetweenItsEnds) {
    add_bond(0, 0, 1000, 1000, 2000, 1000);  // 1
    add_bond(0, 0, 1500, 500, 1500, 1500);   // 2: crosses bond 1 at (1500, 1000)
    add_bond(0, 0, 3000, 3000, 3000, 3000);  // 3: no length
    add_bond(0, 0, 0, 0, 1091, 2955);        // 4
    const struct {
        float x, y;
        int found;
    } cases[] = {
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
    for (const auto& c : cases) {
        EXPECT_EQ(busca_linea(window, c.x, c.y), c.found) << c.x << ", " << c.y;
    }
}

TEST_F(HitRules, TheWindowScrollsToKeepTheRubberBandsEndInView) {
    const int one = add(element("111", "1", 10), 1000, 1000);
    window.viewport.width = 7335;
    window.viewport.height = 3810;
    const struct {
        int h0, v0;  // scroll values before the step
        float x, y;
        int h, v;
    } cases[] = {
        {0, 0, 5000, 2000, 0, 0},        {0, 0, 5000, 2400, 0, 90},
        {0, 0, 7000, 1000, 1165, 0},     {3000, 3000, 3500, 2900.5f, 3000, 2800},
        {3000, 3000, 50, 3500, 0, 3000}, {0, 0, 40000, 40000, 20000, 20000},
    };
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

// A sum block with one input and one output port, a connection point after
// the output, two plain elements, and points whose chain was not copied with
// them (ports of no block).
class GlyphRules : public test::EditorTest {
  protected:
    void reset() override {
        EditorTest::reset();
        block = add(signal_block("sum", 1, 1), 1000, 1000);
        input = add(con(block, 0), 880, 1000);
        output = add(con(block, -1), 1360, 1000);
        point = add(con(output, -1), 2000, 1000);
        r = add(element("R__", "R"), 3000, 3000);
        c = add(element("C__", "C"), 4000, 3000);
        lone_output = add(con(0, -1), 5000, 1000);
        lone_input = add(con(-32768, 0), 5000, 2000);
    }
    int block = 0, input = 0, output = 0, point = 0, r = 0, c = 0, lone_output = 0, lone_input = 0;
};

// A press is the first move with a button: it selects the pressed element
// (a block with its ports) unless it is selected already, and starts a drag.
TEST_F(GlyphRules, APressSelectsByKindAndStartsADrag) {
    const struct {
        const char* name;
        int glyph, button;
        bool pre_selected;
        std::vector<int> selection;
        bool dragging;
    } cases[] = {
        {"unselected block", block, 1, false, {block, input, output}, true},
        {"selected element keeps the group", r, 2, true, {r, c}, true},
        {"output port", output, 1, false, {}, true},
        {"selected connection point", point, 2, true, {point}, true},
        {"input port", input, 1, false, {r}, false},
        {"output port of no block", lone_output, 1, false, {}, true},
        {"input port of no block", lone_input, 2, false, {r}, false},
        {"no button", r, 0, false, {c}, false},
        {"middle button", r, 4, false, {c}, false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        deselecciona(window, app);
        window.mouse.dragging = kFalse;
        window.mouse.linking = kTrue;
        select_element(window, app, k.glyph == r ? c : r);
        if (k.pre_selected) select_element(window, app, k.glyph);
        image1_MouseMove(window, app, k.glyph, k.button, 0, 30, 40);
        EXPECT_EQ(selection(), k.selection);
        EXPECT_EQ(window.mouse.dragging != 0, k.dragging);
        EXPECT_EQ(window.mouse.linking == 0, k.dragging);
    }
}

TEST_F(GlyphRules, AClickSelectsByKindAndClosesTheCaptionBox) {
    const struct {
        const char* name;
        int glyph;
        std::vector<int> selection;
    } cases[] = {
        {"signal block", block, {block, input, output}},
        {"input port", input, {}},
        {"output port", output, {}},
        {"connection point", point, {point}},
        {"port of no block", lone_output, {}},
        {"plain element", r, {r}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        select_element(window, app, c);
        window.Text1.visible = true;
        image1_Click(window, app, k.glyph);
        EXPECT_EQ(selection(), k.selection);
        EXPECT_TRUE(window.menus.copy);  // even when nothing is selected
        EXPECT_FALSE(window.Text1.visible);
    }
}

}  // namespace
}  // namespace vantor
