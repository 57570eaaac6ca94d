#include "editor/pointer_router.h"

#include <gtest/gtest.h>

#include "display/viewport.h"
#include "editor/dispatch.h"
#include "editor/drop.h"
#include "editor_fixtures.h"
#include "journal/journal_writer.h"

namespace vantor {
namespace {

using test::element;
using Lines = std::vector<std::string>;

// The router records what it emits and, like the window's owner, runs it.
class PointerRouterTest : public test::EditorTest {
  protected:
    Lines events;
    PointerRouter router{[this](const EditorEvent& e) {
        events.push_back(format_journal_line(e));
        dispatch_pointer_event(window, app, host, e);
    }};
};

TEST_F(PointerRouterTest, TheTopmostVisibleGlyphTakesThePoint) {
    const int a = add(element("R__", "RRRR"), 1000, 1000);  // 480 x 225
    const int b = add(element("C__", "CCCC"), 1200, 1100);
    glyph(add(element("I__", "IIII"), 1000, 1000)).visible = false;
    // clang-format off
    const struct { int z_a, z_b; float x, y; int found; } cases[] = {
        {0, 0, 1300, 1150, b},  // equal z: the later glyph is on top
        {2, 1, 1300, 1150, a}, {1, 2, 1300, 1150, b},
        {2, 1, 1000, 1000, a},  // the top-left corner belongs to the glyph
        {2, 1, 1480, 1150, b},  // the right edge does not
        {0, 0, 900, 1150, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        glyph(a).z = c.z_a;
        glyph(b).z = c.z_b;
        EXPECT_EQ(glyph_at(window, c.x, c.y), c.found) << c.x << ", " << c.y;
    }
}

TEST_F(PointerRouterTest, APressShowsAtTheFirstMoveAndTheGlyphKeepsThePointer) {
    // An output port: it does not move when dragged.
    const int block = add(test::signal_block("sum", 0, 1), 100, 100);
    add(test::con(block, -1), 1500, 1500);
    window.viewport.HScroll1.value = 300;
    router.press(window, 1, 0, 80, 101);  // twips (1500, 1515): (0, 15) on the port
    EXPECT_TRUE(events.empty());
    router.move(window, 0, 81, 101);
    router.move(window, 0, 500, 500);  // far off the port: still its event
    router.release(window, 1, 0, 500, 500);
    router.move(window, 0, 500, 500);
    EXPECT_EQ(events, (Lines{"image1_mousemove 2 1 0 15 15", "image1_mousemove 2 1 0 6300 6000",
                             "image1_mouseup 2 1 0 6300 6000", "image1_click 2",
                             "form_mousemove 0 0 7800 7500"}));
}

// The caption box keeps its own events; a background press keeps the pointer
// over glyphs.
TEST_F(PointerRouterTest, TheCaptionBoxAndABackgroundPressKeepThePointer) {
    add(element("R__", "R"), 1500, 1500);
    window.Text1.visible = true;
    window.Text1.width = window.Text1.height = 300;
    router.press(window, 1, 0, 5, 5);
    router.move(window, 0, 6, 6);
    router.release(window, 1, 0, 6, 6);
    router.move(window, 0, 30, 30);
    window.Text1.visible = false;
    router.press(window, 1, 0, 0, 0);
    router.move(window, 0, 101, 101);  // over the glyph
    router.release(window, 1, 0, 101, 101);
    EXPECT_EQ(events, (Lines{"form_mousemove 0 0 450 450", "form_mousemove 1 0 1515 1515",
                             "form_mouseup 1 0 1515 1515"}));
}

// Only a left release on a glyph clicks; a double click arrives after the
// click, before the second release.
TEST_F(PointerRouterTest, ClicksAndDoubleClicksFollowTheirRelease) {
    add(element("R__", "R"), 0, 0);
    router.press(window, 2, 1, 1, 1);
    router.press(window, 1, 0, 1, 1);
    router.release(window, 2, 0, 1, 1);
    router.release(window, 1, 0, 1, 1);
    for (double px : {1.0, 200.0}) {
        router.press(window, 1, 0, px, 1);
        router.release(window, 1, 0, px, 1);
        router.double_click(window, 1, 0, px, 1);
        router.release(window, 1, 0, px, 1);
    }
    EXPECT_EQ(events,
              (Lines{"image1_mouseup 1 2 0 15 15", "image1_mouseup 1 1 0 15 15", "image1_click 1",
                     "image1_mouseup 1 1 0 15 15", "image1_click 1", "image1_dblclick 1",
                     "image1_mouseup 1 1 0 15 15", "form_mouseup 1 0 3000 15", "form_dblclick",
                     "form_mouseup 1 0 3000 15"}));
}

// The pointer keeps its grip on a dragged glyph: the release is relative to
// where the glyph now stands. A drop after scrolling lands in scrolled twips.
TEST_F(PointerRouterTest, ADraggedGlyphAndADropFollowTheScrolledView) {
    add(element("R__", "R"), 1500, 1500);
    window.viewport.HScroll1.value = 300;
    router.press(window, 1, 0, 80, 101);
    router.move(window, 0, 90, 105);   // twips (1650, 1575): the press
    router.move(window, 0, 100, 110);  // (1800, 1650): 150, 75 further
    router.release(window, 1, 0, 100, 110);
    EXPECT_EQ(events, (Lines{"image1_mousemove 1 1 0 150 75", "image1_mousemove 1 1 0 300 150",
                             "image1_mouseup 1 1 0 150 75", "image1_click 1"}));
    EXPECT_EQ(obj(1).left, 1650);

    set_hscroll(window, 500);
    app.dragobj = element("R__", "R");  // 120 x 225
    router.drop(window, 8, 20, "lib", 1);
    EXPECT_EQ(obj(2).left, 8 * 15 + 500 - 60);
}

}  // namespace
}  // namespace vantor
