#include <gtest/gtest.h>

#include "display/redraw.h"
#include "display/stored_int16.h"
#include "display/viewport.h"
#include "window/selection.h"
#include "window/window_builder.h"

namespace vantor {
namespace {

using test::WindowBuilder;

// The window is the new window's 7335 x 3810 twips at scroll 0, 0: the
// working area runs to 25335 across and 21810 down.
struct Drag : ::testing::Test {
    int add(const char* caption, int left, int top, bool selected = true) {
        const int i = w.element("R", caption, left, top);
        if (selected) select_element(w.window, w.app, i);
        return i;
    }
    int left(int i) { return w.obj(i).left; }
    WindowBuilder w;
};

TEST_F(Drag, SelectedBlockTakesItsPortsAndTheSelection) {
    const int block = add("SUM", 1000, 1000);
    w.obj(block).signout = 1;
    const int port = w.con(block, 1, true);
    const int other = add("C", 2000, 1500);
    const int idle = add("R", 3000, 1500, false);
    const int j = w.bond(other, idle);
    refresco(w.window, w.app);
    ASSERT_EQ(left(port), 1360);

    mover(w.window, w.app, block, 100, 0);

    EXPECT_EQ(left(block), 1100);
    EXPECT_EQ(left(other), 2100);
    EXPECT_EQ(left(idle), 3000);
    EXPECT_EQ(w.obj(port).selected, kTrue);
    EXPECT_EQ(left(port), 1460);  // placed again beside its block
    EXPECT_EQ(w.glyph(other).left, 2100);
    EXPECT_EQ(w.line(j).x1, 2287.5);  // 2100 + 60 + 127.5, the radius of "C"
}

TEST_F(Drag, UnselectedElementMovesAloneAndBecomesTheSelection) {
    const int a = add("A", 1000, 1000);
    const int b = add("B", 2000, 1000, false);
    mover(w.window, w.app, b, 10.5f, -20);
    EXPECT_EQ(left(a), 1000);
    EXPECT_EQ(left(b), 2010);  // 2010.5 to the even neighbour
    EXPECT_EQ(w.obj(b).top, 980);
    EXPECT_EQ(w.obj(a).selected, 0);
    EXPECT_EQ(w.glyph(a).color, 0);
    EXPECT_EQ(w.obj(b).selected, kTrue);
    EXPECT_EQ(w.glyph(b).color, 255);
    EXPECT_TRUE(w.window.menus.rotate);
}

TEST_F(Drag, GroupPushedBackFromTheLeftEdge) {
    const int a = add("A", 60, 1000);
    const int b = add("B", 500, 1200);
    mover(w.window, w.app, a, -100, 0);  // a would reach left -40
    EXPECT_EQ(left(a), 0);
    EXPECT_EQ(left(b), 440);
    EXPECT_EQ(w.window.viewport.HScroll1.value, 0);
}

TEST_F(Drag, GroupPushedBackFromTheBottomOfTheWorkingAreaAndFollowed) {
    const int a = add("A", 1000, 21800);
    mover(w.window, w.app, a, 0, 100);
    EXPECT_EQ(w.obj(a).top, 21810);
    // Kept in view: 21810 - 3810 + 1500, at most 20000.
    EXPECT_EQ(w.window.viewport.VScroll1.value, 19500);
    EXPECT_EQ(w.glyph(a).top, 21810);
}

// Wider than the working area: one corrective move, then it stays
// overshooting on both sides.
TEST_F(Drag, OversizedGroupGetsOneCorrectiveMove) {
    const int a = add("A", 0, 1000);
    const int b = add("B", 25400, 1000);
    mover(w.window, w.app, a, -10, 0);
    // a at -10, b at 25390 overshooting by 55: moved by -55 + 10.
    EXPECT_EQ(left(a), -55);
    EXPECT_EQ(left(b), 25345);
}

// The view follows the dragged element: down when it comes within 1500 of the
// bottom edge (to top - 3810 + 1500), right within 500 of the right edge (to
// left - 7335 + 1500), back to 100 before it when it passes the top or left.
TEST(DragView, FollowsTheDraggedElement) {
    const struct {
        int left, top, hscroll, vscroll;
        float dx, dy;
        int hscroll_after, vscroll_after;
    } cases[] = {
        {1000, 2000, 0, 0, 0, 500, 0, 190},  {1000, 1200, 0, 1000, 0, -300, 0, 800},
        {6900, 1000, 0, 0, 100, 0, 1165, 0}, {1300, 1000, 1200, 0, -150, 0, 1050, 0},
        {1000, 1000, 0, 0, 100, 100, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.left << "," << c.top);
        WindowBuilder w;
        const int a = w.element("R", "A", c.left, c.top);
        select_element(w.window, w.app, a);
        set_hscroll(w.window, c.hscroll);
        set_vscroll(w.window, c.vscroll);
        mover(w.window, w.app, a, c.dx, c.dy);
        EXPECT_EQ(w.window.viewport.HScroll1.value, c.hscroll_after);
        EXPECT_EQ(w.window.viewport.VScroll1.value, c.vscroll_after);
        EXPECT_EQ(w.glyph(a).top, w.obj(a).top);  // whatever the scroll
    }
}

TEST_F(Drag, MoveBeyondSixteenBitsStopsTheHandler) {
    const int a = add("A", 1000, 1000);
    EXPECT_THROW(mover(w.window, w.app, a, 40000, 0), Int16Overflow);
}

}  // namespace
}  // namespace vantor
