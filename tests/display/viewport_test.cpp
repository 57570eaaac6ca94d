#include "display/viewport.h"

#include <gtest/gtest.h>

#include "display/redraw.h"
#include "window/window_builder.h"

namespace vantor {
namespace {

using test::WindowBuilder;

// Two elements joined by a bond with a stroke and by a signal link, drawn,
// with the rubber band, the selection rectangle and the edit box about.
struct Scrolled : ::testing::Test {
    Scrolled() {
        a = w.element("R", "AB", 1000, 1000);
        b = w.element("C", "CD", 3000, 1000);
        bond = w.bond(a, b, 1);
        link = w.bond(b, a, 4);
        refresco(w.window, w.app);
        w.window.Line1 = LineControl{10, 20, 30, 40, 0, true, 1};
        w.window.sector.left = 50;
        w.window.sector.top = 60;
        w.window.Text1.left = 70;
        w.window.Text1.top = 80;
        before = w.window.model;
        for (int j = 1; j <= 2; ++j) lines_before[j] = {w.line(j), w.barb(j), w.stroke(j)};
    }
    WindowBuilder w;
    int a = 0, b = 0, bond = 0, link = 0;
    Model before;
    struct Lines {
        LineControl line, barb, stroke;
    };
    Lines lines_before[3];
};

void expect_same(const LineControl& x, const LineControl& y) {
    EXPECT_EQ(x.x1, y.x1);
    EXPECT_EQ(x.y1, y.y1);
    EXPECT_EQ(x.x2, y.x2);
    EXPECT_EQ(x.y2, y.y2);
}

// Controls are in scrolled coordinates: the same numbers after a scroll to
// the right by 500 are 500 twips further left on the screen.
TEST_F(Scrolled, RightBy500KeepsModelCoordinatesAndRecords) {
    set_hscroll(w.window, 500);

    EXPECT_EQ(w.window.viewport.HScroll1.value, 500);
    EXPECT_EQ(w.window.model.objs, before.objs);
    EXPECT_EQ(w.window.model.lines, before.lines);
    EXPECT_EQ(w.glyph(a).left, 1000);
    EXPECT_EQ(w.glyph(b).left, 3000);
    expect_same(w.line(bond), lines_before[bond].line);
    expect_same(w.barb(bond), lines_before[bond].barb);
    expect_same(w.stroke(bond), lines_before[bond].stroke);
    expect_same(w.line(link), lines_before[link].line);
    // The link's hidden barb and stroke keep their place on the screen.
    EXPECT_EQ(w.barb(link).x1, lines_before[link].barb.x1 + 500);
    EXPECT_EQ(w.stroke(link).x2, lines_before[link].stroke.x2 + 500);
    // So do the rubber band, the rectangle and the edit box.
    EXPECT_EQ(w.window.Line1.x1, 510);
    EXPECT_EQ(w.window.Line1.x2, 530);
    EXPECT_EQ(w.window.Line1.y1, 20);
    EXPECT_EQ(w.window.sector.left, 550);
    EXPECT_EQ(w.window.Text1.left, 570);
    EXPECT_EQ(w.window.Text1.top, 80);
}

TEST_F(Scrolled, VerticalScrollShiftsTheOtherAxis) {
    set_vscroll(w.window, 300);
    EXPECT_EQ(w.glyph(a).top, 1000);
    expect_same(w.line(bond), lines_before[bond].line);
    EXPECT_EQ(w.window.Line1.y1, 320);
    EXPECT_EQ(w.window.Line1.x1, 10);
    EXPECT_EQ(w.window.Text1.top, 380);
}

TEST_F(Scrolled, ValuesAreClampedAndAnUnchangedValueRunsNothing) {
    set_hscroll(w.window, 25000);
    EXPECT_EQ(w.window.viewport.HScroll1.value, 20000);
    EXPECT_EQ(w.window.Line1.x1, 20010);
    set_hscroll(w.window, 20000);
    EXPECT_EQ(w.window.Line1.x1, 20010);
    set_hscroll(w.window, -5);
    EXPECT_EQ(w.window.viewport.HScroll1.value, 0);
    EXPECT_EQ(w.window.Line1.x1, 10);
}

TEST_F(Scrolled, ShiftIsGlyphOnesOffsetFromItsRecord) {
    w.glyph(a).left = 1007;
    w.glyph(a).top = 990;
    mrefresco(w.window);
    EXPECT_EQ(w.glyph(a).left, 1000);
    EXPECT_EQ(w.glyph(a).top, 1000);
    EXPECT_EQ(w.line(bond).x1, lines_before[bond].line.x1 - 7);
    EXPECT_EQ(w.line(bond).y2, lines_before[bond].line.y2 + 10);
    EXPECT_EQ(w.barb(link).x1, lines_before[link].barb.x1);  // hidden: left alone
}

struct ResizeCase {
    float width, height;
    int hscroll, vscroll;
    float vscroll_left, vscroll_height, hscroll_top, hscroll_width, label_left, label_top;
};

TEST(FormResize, BarsFollowTheWindowSizeAndScroll) {
    const ResizeCase cases[] = {
        {7335, 3810, 0, 0, 6960, 2895, 2880, 6975, 6975, 2895},
        {300, 800, 0, 0, 0, 0, 0, 0, 0, 0},
        {7335, 3810, 500, 200, 7460, 2895, 3080, 6975, 7475, 3095},
        {10000, 5000, 0, 0, 9625, 4085, 4070, 9640, 9640, 4085},
    };
    for (const ResizeCase& c : cases) {
        WindowBuilder w;
        set_hscroll(w.window, c.hscroll);
        set_vscroll(w.window, c.vscroll);
        w.window.viewport.width = c.width;
        w.window.viewport.height = c.height;
        Form_Resize(w.window);
        const Viewport& v = w.window.viewport;
        EXPECT_EQ(v.VScroll1.left, c.vscroll_left) << c.width << "x" << c.height;
        EXPECT_EQ(v.VScroll1.height, c.vscroll_height) << c.width << "x" << c.height;
        EXPECT_EQ(v.HScroll1.top, c.hscroll_top) << c.width << "x" << c.height;
        EXPECT_EQ(v.HScroll1.width, c.hscroll_width) << c.width << "x" << c.height;
        EXPECT_EQ(v.label1_left, c.label_left) << c.width << "x" << c.height;
        EXPECT_EQ(v.label1_top, c.label_top) << c.width << "x" << c.height;
    }
}

TEST(ExisteLinea, FindsEitherDirectionButNeverTheLastBond) {
    WindowBuilder w;
    for (int i = 0; i < 4; ++i) w.element("R", "X", 0, 0);
    EXPECT_FALSE(existe_linea(w.window, 1, 2));
    w.bond(1, 2);
    w.bond(3, 1);
    w.bond(2, 3);  // being drawn
    EXPECT_TRUE(existe_linea(w.window, 1, 2));
    EXPECT_TRUE(existe_linea(w.window, 2, 1));
    EXPECT_TRUE(existe_linea(w.window, 1, 3));
    EXPECT_TRUE(existe_linea(w.window, 3, 1));
    EXPECT_FALSE(existe_linea(w.window, 2, 3));
    EXPECT_FALSE(existe_linea(w.window, 1, 4));
}

}  // namespace
}  // namespace vantor
