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

TEST_F(SideBySide, CausaDecidesLineStrokeBarbAndWidth) {
    const struct {
        int causa;
        float x1, x2;
        bool stroke;
        float stroke_x;  // the end it crosses
        bool barb;
        float width;
    } cases[] = {
        {0, 284.48784f, 955.51216f, false, 0, true, 2},
        {1, 284.48784f, 955.51216f, true, 955.51216f, true, 2},
        {2, 284.48784f, 955.51216f, true, 284.48784f, true, 2},
        {3, 284.48784f, 955.51216f, false, 0, true, 2},
        {4, 120, 1120, false, 0, false, 1},  // a signal link: centre to centre
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.causa);
        w.window.model.nlin = 0;
        const int j = w.bond(a, b, c.causa);
        w.barb(j).visible = !c.barb;
        w.stroke(j).visible = !c.stroke;
        w.window.saved = kTrue;
        refresco(w.window, w.app);
        EXPECT_NEAR(w.line(j).x1, c.x1, 1e-3);
        EXPECT_NEAR(w.line(j).x2, c.x2, 1e-3);
        EXPECT_EQ(w.line(j).y1, 112.5f);
        EXPECT_EQ(w.line(j).y2, 112.5f);
        EXPECT_EQ(w.line(j).width, c.width);
        EXPECT_EQ(w.stroke(j).visible, c.stroke);
        EXPECT_EQ(w.barb(j).visible, c.barb);
        if (c.barb) {
            EXPECT_LT(w.barb(j).y1, 112.5f);  // obj1 on the left: barb above
        }
        if (c.stroke) {
            EXPECT_NEAR((w.stroke(j).x1 + w.stroke(j).x2) / 2, c.stroke_x, 1e-3);
            EXPECT_NEAR(w.stroke(j).y1, 112.5 - 120, 1e-3);
            EXPECT_NEAR(w.stroke(j).y2, 112.5 + 120, 1e-3);
        }
        EXPECT_EQ(w.window.saved, kFalse);
    }
}

TEST_F(SideBySide, SelectedBondIsRedAndEnablesTheEditCommands) {
    const int selected = w.bond(a, b, 1);
    const int plain = w.bond(b, a);
    w.rec(selected).selected = kTrue;
    w.line(plain).color = w.app.colsel;
    refresco(w.window, w.app);
    for (const LineControl* l : {&w.line(selected), &w.barb(selected), &w.stroke(selected)})
        EXPECT_EQ(l->color, 255);
    for (const LineControl* l : {&w.line(plain), &w.barb(plain), &w.stroke(plain)})
        EXPECT_EQ(l->color, 0);
    EXPECT_TRUE(w.window.menus.ddelete);
    EXPECT_TRUE(w.window.menus.copy);
}

TEST_F(SideBySide, BondWithAnEndOutsideTheModelIsNotDrawn) {
    const int j = w.bond(a, 7);
    w.line(j).x1 = 5;
    refresco(w.window, w.app);
    EXPECT_EQ(w.line(j).x1, 5);
}

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
    refresco(w.window, w.app);
    EXPECT_TRUE(w.glyph(a).autosize);
    EXPECT_EQ(w.glyph(a).width, 240);
}

TEST(ParameterPreview, SecondLineWithTheFirstFiveCharacters) {
    const struct {
        const char* type;
        const char* caption;
        const char* parameters;  // nullptr: never assigned (NUL bytes)
        int auxil1;
        bool showp;
        const char* shown;
    } cases[] = {
        {"C", "  C  ", "  0.001  ", 0, true, "C\r:0.001"},
        {"R", "R1", "12345678", 0, true, "R1\r:12345"},
        {"C", "C", "0.001", 0, false, "C"},
        {"C", "C", "   ", 0, true, "C"},
        {"C", "C", nullptr, 0, true, "C"},
        {"C", "C", "0.001", 1, true, "C"},
        {"000", "0", "1", 0, true, "0"},
        {"111", "1", "1", 0, true, "1"},
        {"Tex", "note", "1", 0, true, "note"},
        {"con", ">", "1", 0, true, ">"},
    };
    for (const auto& c : cases) {
        WindowBuilder w;
        const int i = w.element(c.type, c.caption, 0, 0);
        w.obj(i).parameters = c.parameters != nullptr ? ValueText(c.parameters) : ValueText{};
        w.obj(i).auxil1 = static_cast<std::int16_t>(c.auxil1);
        w.window.menus.showp = c.showp;
        refresco(w.window, w.app);
        EXPECT_EQ(w.glyph(i).caption, c.shown) << c.type << "|" << c.caption;
    }
}

// A framed block "S" over "U": 150 x 480, at left 1000, top 1001. Its four
// inputs (">", 120 x 225) sit on its left at 1001 + 480 * (k - 1/2) / 4 -
// 112.5: 948.5, 1068.5, 1188.5 and 1308.5, each rounded to the even neighbour.
TEST(PortPlacement, InputsSpreadDownTheLeftRoundedHalfToEven) {
    WindowBuilder w;
    const int block = w.element("sum", "S\rU", 1000, 1001);
    w.frame(block);
    w.obj(block).maxsigninp = 4;
    for (int k = 1; k <= 4; ++k) w.con(block, k, false);
    // Ports come after their block and are placed before it in the pass: a
    // drop redraws twice, so that the block's glyph has its size.
    refresco(w.window, w.app);
    refresco(w.window, w.app);
    EXPECT_EQ(w.glyph(block).height, 480);
    const int tops[4] = {948, 1068, 1188, 1308};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(w.obj(block + 1 + k).left, 880) << k;
        EXPECT_EQ(w.obj(block + 1 + k).top, tops[k]) << k;
        EXPECT_EQ(w.glyph(block + 1 + k).top, tops[k]) << k;
    }
}

// "MUX" framed is 390 x 255; output 2 of 3 sits on the right, centred on the
// block's middle: top 2000 + 127.5 - 112.5.
TEST(PortPlacement, MiddleOutputOfThreeSitsRightAndCentred) {
    WindowBuilder w;
    const int block = w.element("mux", "MUX", 3000, 2000);
    w.frame(block);
    w.obj(block).signout = 3;
    w.obj(block).selected = kTrue;
    w.glyph(block).color = 255;
    const int p1 = w.con(block, 1, true);
    const int p2 = w.con(block, 2, true);
    const int p3 = w.con(block, 3, true);
    refresco(w.window, w.app);
    refresco(w.window, w.app);
    EXPECT_EQ(w.obj(p2).left, 3390);
    EXPECT_EQ(w.obj(p2).top, 2015);
    EXPECT_EQ(w.obj(p1).top, 1930);
    EXPECT_EQ(w.obj(p3).top, 2100);
    EXPECT_EQ(w.obj(p2).selected, kTrue);  // the owner's selection and colour
    EXPECT_EQ(w.glyph(p2).color, 255);
    EXPECT_EQ(w.glyph(p2).left, 3390);
}

TEST(PortPlacement, PortsThatCannotBePlacedStayWhereTheyAre) {
    WindowBuilder w;
    const int block = w.element("sum", "S", 1000, 1000);
    w.obj(block).signout = 0;  // edited down while its output port remains
    w.obj(block).selected = kTrue;
    const int counted_out = w.con(block, 1, true);
    const int orphan = w.con(50, 1, true);
    for (int p : {counted_out, orphan}) {
        w.obj(p).left = 123;
        w.obj(p).top = 456;
    }
    refresco(w.window, w.app);
    for (int p : {counted_out, orphan}) {
        EXPECT_EQ(w.obj(p).left, 123) << p;
        EXPECT_EQ(w.obj(p).top, 456) << p;
    }
    EXPECT_EQ(w.obj(orphan).selected, 0);
}

// Deleting the note moves the last element, a port, into its slot: its glyph
// follows and it is still placed beside its block.
TEST(TextNotes, EmptyNoteIsDeletedAndThePortMovedIntoItsSlotIsPlaced) {
    WindowBuilder w;
    w.element("Tex", "", 100, 100);
    const int block = w.element("sum", "SUM", 1000, 1000);
    w.obj(block).signout = 1;
    w.con(block, 1, true);
    refresco(w.window, w.app);
    ASSERT_EQ(w.window.model.nobj, 2);
    EXPECT_EQ(w.obj(1).type, "con");
    EXPECT_EQ(w.obj(1).left, 1360);
    EXPECT_EQ(w.obj(1).top, 1000);
    EXPECT_EQ(w.glyph(1).left, 1360);
    EXPECT_EQ(w.glyph(1).caption, ">");
}

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
