#include "editor/glyph_mouse.h"

#include <gtest/gtest.h>

#include "editor_fixtures.h"
#include "window/selection.h"

namespace vantor {
namespace {

using test::con;
using test::EditorTest;
using test::element;
using test::signal_block;

// A sum block with one input and one output port, a connection point after
// the output, and two plain elements.
class GlyphMouseTest : public EditorTest {
  protected:
    void reset() override {
        EditorTest::reset();
        block = add(signal_block("sum", 1, 1), 1000, 1000);
        input = add(con(block, 0), 880, 1000);
        output = add(con(block, -1), 1360, 1000);
        point = add(con(output, -1), 2000, 1000);
        r = add(element("R__", "R"), 3000, 3000);
        c = add(element("C__", "C"), 4000, 3000);
        // Points whose chain was not copied with them: ports of no block.
        lone_output = add(con(0, -1), 5000, 1000);
        lone_input = add(con(-32768, 0), 5000, 2000);
    }

    void press(int i, int button = 1) { image1_MouseMove(window, app, i, button, 0, 30, 40); }

    int block = 0, input = 0, output = 0, point = 0, r = 0, c = 0, lone_output = 0, lone_input = 0;
};

// A press is the first move with a button: it selects the pressed element
// (a block with its ports) unless it is selected already, and starts a drag.
TEST_F(GlyphMouseTest, PressingSelectsByKindAndStartsADrag) {
    struct Case {
        const char* name;
        int glyph, button;
        bool pre_selected;
        std::vector<int> selection;
        bool dragging;
    };
    const Case cases[] = {
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
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        deselecciona(window, app);
        window.mouse.dragging = kFalse;
        window.mouse.linking = kTrue;
        select_element(window, app, k.glyph == r ? c : r);
        if (k.pre_selected) select_element(window, app, k.glyph);
        press(k.glyph, k.button);
        EXPECT_TRUE(selection() == k.selection);
        EXPECT_EQ(window.mouse.dragging != 0, k.dragging);
        EXPECT_EQ(window.mouse.linking == 0, k.dragging);
    }
}

TEST_F(GlyphMouseTest, LeftDragMovesTheGroupKeepingTheGrabPoint) {
    select_element(window, app, r);
    select_element(window, app, c);
    press(r);
    // The group moves with the pressed glyph, so the pointer is again at
    // (30, 40) of it after each move.
    image1_MouseMove(window, app, r, 1, 0, 130, 90);
    EXPECT_EQ(obj(r).left, 3100);
    EXPECT_EQ(obj(r).top, 3050);
    EXPECT_EQ(obj(c).left, 4100);
    EXPECT_EQ(obj(c).top, 3050);
    EXPECT_EQ(window.mouse.lastx, 30);
    EXPECT_EQ(window.mouse.lasty, 40);
}

TEST_F(GlyphMouseTest, ClickingSelectsByKind) {
    struct Case {
        const char* name;
        int glyph;
        std::vector<int> selection;
    };
    const Case cases[] = {
        {"signal block", block, {block, input, output}},
        {"input port", input, {}},
        {"output port", output, {}},
        {"connection point", point, {point}},
        {"port of no block", lone_output, {}},
        {"plain element", r, {r}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        select_element(window, app, c);
        window.Text1.visible = true;
        image1_Click(window, app, k.glyph);
        EXPECT_TRUE(selection() == k.selection);
        EXPECT_TRUE(window.menus.copy);  // even when nothing is selected
        EXPECT_FALSE(window.Text1.visible);
    }
}

TEST_F(GlyphMouseTest, TheClickEndingADragOnlyEndsIt) {
    select_element(window, app, r);
    select_element(window, app, c);
    press(r);
    image1_Click(window, app, r);
    EXPECT_EQ(window.mouse.dragging, kFalse);
    EXPECT_TRUE(selection() == (std::vector<int>{r, c}));
    image1_Click(window, app, r);
    EXPECT_TRUE(selection() == std::vector<int>{r});
}

}  // namespace
}  // namespace vantor
