#include "display/viewport.h"

#include <gtest/gtest.h>

#include <tuple>

#include "display/redraw.h"
#include "window/window_builder.h"

namespace vantor {
namespace {

using test::WindowBuilder;

// Two elements joined by a bond with a stroke and by a signal link, drawn,
// with the rubber band and the selection rectangle about.
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
        before = w.window;
    }
    WindowBuilder w;
    int a = 0, b = 0, bond = 0, link = 0;
    ModelWindow before;
};

bool same_ends(const LineControl& x, const LineControl& y) {
    return x.x1 == y.x1 && x.y1 == y.y1 && x.x2 == y.x2 && x.y2 == y.y2;
}

// What a scroll does to the model and the drawn controls is pinned by the
// journal case co2_scroll_moves_only_the_screen. The rubber band and the
// selection rectangle, which the state file does not show, keep their place
// on the screen too; values are clamped, and an unchanged one runs nothing.
TEST_F(Scrolled, RubberBandKeepsItsPlaceAndValuesAreClamped) {
    set_hscroll(w.window, 500);
    set_vscroll(w.window, 300);
    EXPECT_TRUE(same_ends(w.window.Line1, LineControl{510, 320, 530, 340, 0, true, 1}));
    EXPECT_EQ(std::pair(w.window.sector.left, w.window.sector.top), std::pair(550.0f, 360.0f));
    const std::tuple<int, int, float> steps[] = {
        {25000, 20000, 20010}, {20000, 20000, 20010}, {-5, 0, 10}};
    for (const auto& [value, shown, x1] : steps) {
        set_hscroll(w.window, value);
        EXPECT_EQ(w.window.viewport.HScroll1.value, shown) << value;
        EXPECT_EQ(w.window.Line1.x1, x1) << value;
    }
}

TEST_F(Scrolled, ShiftIsGlyphOnesOffsetFromItsRecord) {
    w.glyph(a).left = 1007;
    w.glyph(a).top = 990;
    mrefresco(w.window);
    EXPECT_EQ(std::pair(w.glyph(a).left, w.glyph(a).top), std::pair(1000.0f, 1000.0f));
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
