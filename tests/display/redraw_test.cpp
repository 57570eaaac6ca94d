#include "display/redraw.h"

#include <gtest/gtest.h>

#include "model/text.h"
#include "window/window_builder.h"

namespace vantor {
namespace {

using test::WindowBuilder;

// "AB" and "CD" glyphs, 240 x 225, side by side at the same height: a bond
// runs along y 112.5 between the circles of radius 164.48784.
struct SideBySide : ::testing::Test {
    SideBySide() {
        a = w.element("R", "AB", 0, 0);
        b = w.element("C", "CD", 1000, 0);
    }
    WindowBuilder w;
    int a = 0, b = 0;
};

// What each causa draws, the red of selected bonds and the black of the
// others, and a bond to no element left undrawn are pinned by the journal
// cases co_redraw_bond_by_causa and co2_redraw_*.
TEST_F(SideBySide, PartialRedrawTouchesOnlyTheSelection) {
    const int c = w.element("R", "EF", 0, 2000);
    const int d = w.element("C", "GH", 1000, 2000);
    const int near = w.bond(a, b);
    const int far = w.bond(c, d);
    w.obj(a).selected = kTrue;
    w.obj(a).left = 40;  // moved; its glyph not yet
    w.barb(near).visible = false;
    w.line(far).x1 = 5;
    w.glyph(c).left = 77;

    qrefresco(w.window, w.app);

    EXPECT_EQ(w.glyph(a).left, 40);
    EXPECT_NEAR(w.line(near).x1, 324.48784, 1e-3);
    EXPECT_FALSE(w.barb(near).visible);  // a bond made hidden stays hidden
    EXPECT_EQ(w.line(far).x1, 5);
    EXPECT_EQ(w.glyph(c).left, 77);
    EXPECT_EQ(w.window.saved, kFalse);
}

TEST_F(SideBySide, FixedSizeEndsAtTheFullRedrawOnly) {
    w.glyph(a).autosize = false;
    w.glyph(a).width = 999;
    w.obj(a).selected = kTrue;
    qrefresco(w.window, w.app);
    EXPECT_EQ(w.glyph(a).width, 999);
    w.window.saved = kTrue;
    refresco(w.window, w.app);
    EXPECT_EQ(w.window.saved, kFalse);
    EXPECT_TRUE(w.glyph(a).autosize && w.glyph(a).width == 240);
}

// The parameter preview is pinned by the co_redraw_parameter* journal cases.
// Port placement and the deletion of an empty note are pinned by journal
// cases (co_ports_*, co_note_empty_deleted).
TEST(TextNotes, NoteIsSizedOnceToItsTextUnlessBeingEdited) {
    WindowBuilder w;
    const int note = w.element("Tex", "hello", 100, 100);
    w.obj(note).selected = kTrue;
    w.glyph(note).autosize = false;
    w.glyph(note).width = 3000;
    w.window.Text1.visible = true;
    qrefresco(w.window, w.app);
    EXPECT_EQ(w.glyph(note).width, 3000);

    w.window.Text1.visible = false;
    qrefresco(w.window, w.app);
    EXPECT_EQ(w.glyph(note).width, 600);
    EXPECT_FALSE(w.glyph(note).autosize);
}

TEST(ConnectionPoints, ShowTheBulletUnlessADragIsUnderWay) {
    WindowBuilder w;
    const int block = w.element("mux", "M", 0, 0);
    w.obj(block).signout = 1;
    const int out = w.con(block, 1, true);
    const int point = w.con(out, 0, false, "x");
    w.window.mouse.dragging = kTrue;
    refresco(w.window, w.app);
    EXPECT_EQ(w.glyph(point).caption, "x");
    w.window.mouse.dragging = 0;
    refresco(w.window, w.app);
    EXPECT_EQ(w.glyph(point).caption, "\x95");
    EXPECT_EQ(w.obj(point).caption.trimmed(), std::string(1, kBullet));
}

}  // namespace
}  // namespace vantor
