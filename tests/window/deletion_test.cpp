#include "window/deletion.h"

#include <gtest/gtest.h>

#include "model/text.h"
#include "window/window_builder.h"

namespace vantor {
namespace {

using test::WindowBuilder;

// The record moves into the hole; the hole's line controls stay its own
// until a redraw draws the moved bond on them.
TEST(BondDeletion, BondProperLowersBothEndsAndLastBondFillsTheHole) {
    WindowBuilder w;
    const int a = w.element("R", "A", 0, 0);
    const int b = w.element("000", "0", 500, 0);
    const int c = w.element("C", "C", 1000, 0);
    w.bond(a, b, 1);
    w.bond(b, c, 2);
    w.obj(a).numlin = w.obj(c).numlin = 1;
    w.obj(b).numlin = 2;
    w.line(1).x1 = 111;
    w.barb(1).width = 5;
    w.line(2).x1 = 777;
    w.stroke(2).visible = true;

    borrar_linea(w.window, 1);

    EXPECT_EQ(w.window.model.nlin, 1);
    EXPECT_EQ(w.rec(1), (LineRecord{2, 2, 3, 0}));
    EXPECT_EQ(w.line(1).x1, 111);
    EXPECT_EQ(w.barb(1).width, 5);
    EXPECT_FALSE(w.stroke(1).visible);
    EXPECT_FALSE(w.line(2).visible);  // unloaded
    EXPECT_EQ(w.obj(a).numlin, 0);
    EXPECT_EQ(w.obj(b).numlin, 1);
    EXPECT_EQ(w.obj(c).numlin, 1);
}

TEST(BondDeletion, SignalLinkFreesItsConnectionPointAndKeepsNumlin) {
    WindowBuilder w;
    const int block = w.element("sum", "S", 0, 0);
    const int out = w.con(block, 1, true);
    const int point = w.con(out, 0, false, "\x95");
    const int in = w.con(block, 1, false);
    w.obj(point).index = static_cast<std::int16_t>(in);
    w.obj(point).numlin = w.obj(in).numlin = 1;
    w.bond(point, in, 4);

    borrar_linea(w.window, 1);

    EXPECT_EQ(w.window.model.nlin, 0);
    EXPECT_EQ(w.obj(point).index, 0);
    EXPECT_EQ(w.obj(point).numlin, 1);
    EXPECT_EQ(w.obj(in).numlin, 1);
}

TEST(BondDeletion, BondNamingAnElementOutsideTheModelChangesNoNumlin) {
    WindowBuilder w;
    const int a = w.element("R", "A", 0, 0);
    w.obj(a).numlin = 1;
    w.bond(a, 9, 0);
    borrar_linea(w.window, 1);
    EXPECT_EQ(w.window.model.nlin, 0);
    EXPECT_EQ(w.obj(a).numlin, 1);
}

// Five elements; deleting 2 takes its two bonds and moves element 5 to 2.
TEST(ElementDeletion, LastElementFillsTheHoleAndBondEndsFollow) {
    WindowBuilder w;
    for (const char* name : {"A", "B", "C", "D", "E"}) w.element("R", name, 100, 100);
    w.bond(1, 2);  // deleted
    w.bond(5, 3);
    w.bond(2, 5);  // deleted
    w.bond(4, 5);
    for (int i = 1; i <= 5; ++i) w.obj(i).numlin = 1;
    w.obj(5).numlin = 3;
    w.glyph(5).left = 4321;
    w.glyph(5).color = 255;
    w.line(1).x1 = 11;
    w.line(4).x1 = 44;
    w.line(2).x1 = 22;

    borrar_objeto(w.window, w.app, 2);

    ASSERT_EQ(w.window.model.nobj, 4);
    ASSERT_EQ(w.window.model.nlin, 2);
    // Bond 3 went first (bond 4 into its slot), then bond 1 (that bond into slot 1).
    EXPECT_EQ(w.rec(1), (LineRecord{0, 4, 2, 0}));
    EXPECT_EQ(w.rec(2), (LineRecord{0, 2, 3, 0}));
    EXPECT_EQ(w.line(1).x1, 11);
    EXPECT_EQ(w.line(2).x1, 22);
    EXPECT_EQ(w.obj(2).caption.trimmed(), "E");
    EXPECT_EQ(w.obj(2).numlin, 2);  // lost its bond to the deleted element
    EXPECT_EQ(w.obj(1).numlin, 0);
    EXPECT_EQ(w.glyph(2).caption, "E");
    EXPECT_EQ(w.glyph(2).left, 4321);
    EXPECT_EQ(w.glyph(2).color, 255);
    EXPECT_FALSE(w.glyph(5).visible);  // unloaded
}

// A block with two inputs and one output, a chain from its output back to its
// first input, and a bond elsewhere: deleting the block deletes its ports,
// the chain and its links, and leaves the bond.
TEST(ElementDeletion, SignalBlockTakesItsPortsAndChainAlong) {
    WindowBuilder w;
    const int r = w.element("R", "R", 0, 0);
    const int block = w.element("sum", "S", 0, 0);
    w.obj(block).maxsigninp = 2;
    w.obj(block).signout = 1;
    const int in1 = w.con(block, 1, false);
    w.con(block, 2, false);
    const int out = w.con(block, 1, true);
    const int point = w.con(out, 0, false, "\x95");
    w.obj(point).index = static_cast<std::int16_t>(in1);
    const int c = w.element("C", "C", 0, 0);
    w.bond(out, point, 4);
    w.bond(point, in1, 4);
    w.bond(r, c);
    w.obj(r).numlin = w.obj(c).numlin = 1;

    borrar_objeto(w.window, w.app, block);

    ASSERT_EQ(w.window.model.nobj, 2);
    ASSERT_EQ(w.window.model.nlin, 1);
    EXPECT_EQ(w.obj(1).caption.trimmed(), "R");
    EXPECT_EQ(w.obj(2).caption.trimmed(), "C");
    EXPECT_EQ(w.rec(1), (LineRecord{0, 1, 2, 0}));
    EXPECT_EQ(w.obj(1).numlin, 1);
    EXPECT_EQ(w.obj(2).numlin, 1);
    for (int i = 3; i <= 7; ++i) EXPECT_FALSE(w.glyph(i).visible) << i;
}

// Two chains wait on two input ports by `index`; deleting the first port
// frees its point and renumbers the other, which takes the deleted slot.
TEST(ElementDeletion, ConnectionPointIndexFollowsItsInputPort) {
    WindowBuilder w;
    const int a = w.element("mux", "A", 0, 0);
    w.obj(a).signout = 2;
    const int out1 = w.con(a, 1, true);
    const int out2 = w.con(a, 2, true);
    const int b = w.element("dem", "B", 0, 0);
    w.obj(b).maxsigninp = 2;
    const int p1 = w.con(out1, 0, false, "\x95");
    const int p2 = w.con(out2, 0, false, "\x95");
    const int in1 = w.con(b, 1, false);
    const int in2 = w.con(b, 2, false);
    w.obj(p1).index = static_cast<std::int16_t>(in1);
    w.obj(p2).index = static_cast<std::int16_t>(in2);

    borrar_objeto(w.window, w.app, in1);

    ASSERT_EQ(w.window.model.nobj, 7);
    EXPECT_EQ(w.obj(p1).index, 0);
    EXPECT_EQ(w.obj(p2).index, 7);
    EXPECT_EQ(w.obj(7).auxil3, 2);
    EXPECT_EQ(w.obj(7).auxil2, b);
    EXPECT_EQ(w.obj(p1).auxil2, out1);
}

// The point hangs on the last element, which moves into the hole its input
// port leaves: while its `auxil2` still names the old last number it is a
// connection point all the same, and is freed; its `auxil2` then follows the
// move, as every port's does.
TEST(ElementDeletion, PointOnTheMovedElementIsFreedFromItsDeletedPort) {
    WindowBuilder w;
    const int a = w.element("mux", "A", 0, 0);
    w.obj(a).signout = 1;
    const int b = w.element("dem", "B", 0, 0);
    w.obj(b).maxsigninp = 1;
    const int in = w.con(b, 1, false);
    const int point = w.con(5, 0, false, "\x95");
    w.obj(point).index = static_cast<std::int16_t>(in);
    ASSERT_EQ(w.con(a, 1, true), 5);

    borrar_objeto(w.window, w.app, in);

    ASSERT_EQ(w.window.model.nobj, 4);
    EXPECT_EQ(w.obj(in).signout, -1);  // the output port, moved
    EXPECT_EQ(w.obj(point).auxil2, in);
    EXPECT_EQ(w.obj(point).index, 0);
}

}  // namespace
}  // namespace vantor
