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
        before = w.window;
    }
    WindowBuilder w;
    int a = 0, b = 0, bond = 0, link = 0;
    ModelWindow before;
};

bool same_ends(const LineControl& x, const LineControl& y) {
    return x.x1 == y.x1 && x.y1 == y.y1 && x.x2 == y.x2 && x.y2 == y.y2;
}

// Controls are in scrolled coordinates: the same numbers after a scroll to
// the right by 500 are 500 twips further left on the screen.
TEST_F(Scrolled, ScrollingKeepsModelCoordinatesAndMovesTheRest) {
    set_hscroll(w.window, 500);
    EXPECT_EQ(w.window.viewport.HScroll1.value, 500);
    EXPECT_EQ(w.window.model.objs, before.model.objs);
    EXPECT_EQ(w.window.model.lines, before.model.lines);
    EXPECT_EQ(w.glyph(b).left, 3000);
    for (auto lines : {&ModelWindow::linea, &ModelWindow::linea2, &ModelWindow::Linea3})
        EXPECT_TRUE(same_ends((w.window.*lines)[bond], (before.*lines)[bond]));
    EXPECT_TRUE(same_ends(w.line(link), before.linea[link]));
    // The link's hidden barb and stroke keep their place on the screen.
    EXPECT_EQ(w.barb(link).x1, before.linea2[link].x1 + 500);
    EXPECT_EQ(w.stroke(link).x2, before.Linea3[link].x2 + 500);

    set_vscroll(w.window, 300);
    EXPECT_EQ(w.glyph(a).top, 1000);
    EXPECT_TRUE(same_ends(w.line(bond), before.linea[bond]));
    // The rubber band, the rectangle and the edit box keep their place too.
    EXPECT_TRUE(same_ends(w.window.Line1, LineControl{510, 320, 530, 340, 0, true, 1}));
    EXPECT_EQ(w.window.sector.left, 550);
    EXPECT_EQ(w.window.sector.top, 360);
    EXPECT_EQ(w.window.Text1.left, 570);
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
    EXPECT_EQ(w.line(bond).x1, before.linea[bond].x1 - 7);
    EXPECT_EQ(w.line(bond).y2, before.linea[bond].y2 + 10);
    EXPECT_EQ(w.barb(link).x1, before.linea2[link].x1);  // hidden: left alone
}

TEST(FormResize, BarsFollowTheWindowSizeAndScroll) {
    const struct {
        float width, height;
        int hscroll, vscroll;
        float vscroll_left, vscroll_height, hscroll_top, hscroll_width, label_left, label_top;
    } cases[] = {
        {7335, 3810, 0, 0, 6960, 2895, 2880, 6975, 6975, 2895},
        {300, 800, 0, 0, 0, 0, 0, 0, 0, 0},
        {7335, 3810, 500, 200, 7460, 2895, 3080, 6975, 7475, 3095},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " at " << c.hscroll);
        WindowBuilder w;
        set_hscroll(w.window, c.hscroll);
        set_vscroll(w.window, c.vscroll);
        w.window.viewport.width = c.width;
        w.window.viewport.height = c.height;
        Form_Resize(w.window);
        const Viewport& v = w.window.viewport;
        EXPECT_EQ(v.VScroll1.left, c.vscroll_left);
        EXPECT_EQ(v.VScroll1.height, c.vscroll_height);
        EXPECT_EQ(v.HScroll1.top, c.hscroll_top);
        EXPECT_EQ(v.HScroll1.width, c.hscroll_width);
        EXPECT_EQ(v.label1_left, c.label_left);
        EXPECT_EQ(v.label1_top, c.label_top);
    }
}

TEST(ExisteLinea, FindsEitherDirectionButNeverTheLastBond) {
    WindowBuilder w;
    for (int i = 0; i < 4; ++i) w.element("R", "X", 0, 0);
    EXPECT_FALSE(existe_linea(w.window, 1, 2));
    w.bond(1, 2);
    w.bond(3, 1);
    w.bond(2, 3);  // being drawn
    for (auto [i, j] : {std::pair{1, 2}, {2, 1}, {1, 3}, {3, 1}})
        EXPECT_TRUE(existe_linea(w.window, i, j)) << i << j;
    EXPECT_FALSE(existe_linea(w.window, 2, 3));
    EXPECT_FALSE(existe_linea(w.window, 1, 4));
}

}  // namespace
}  // namespace vantor
