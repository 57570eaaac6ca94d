// Bonds drawn with the left button and copy-drags with the right one,
// through the window's own mouse handlers.
#include "editor/connect.h"

#include <gtest/gtest.h>

#include "connect_fixtures.h"
#include "editor/duplicate.h"
#include "window/selection.h"

namespace vantor {
namespace {

using test::con;
using test::ConnectTest;
using test::element;
using test::signal_block;

class BondDrawingTest : public ConnectTest {
  protected:
    void reset() override {
        ConnectTest::reset();
        one = add(element("111", "1", 10), 1000, 1000);
        zero = add(element("000", "0", 10), 4000, 1000);
        c = add(element("C__", "C", 1), 1000, 4000);
        r = add(element("R__", "R", 1), 4000, 4000);
    }
    int one = 0, zero = 0, c = 0, r = 0;
};

TEST_F(BondDrawingTest, TheReleaseMakesABondOnlyWhereThePointerShowedConnect) {
    const struct {
        const char* name;
        int from, to;
        bool bonded_before;  // one and c already joined
        int pointer;
        bool made;
    } cases[] = {
        {"junction to element", one, c, false, kPointerConnect, true},
        {"element to junction", c, zero, false, kPointerConnect, true},
        {"junction to junction", one, zero, false, kPointerConnect, true},
        {"two ordinary elements", c, r, false, kPointerCross, false},
        {"the start element itself", one, one, false, kPointerCross, false},
        {"a second bond to the same pair", c, one, true, kPointerCross, false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        reset();
        if (k.bonded_before) {
            add_bond(one, c, 0, 0, 0, 0);
            ++window.model.objs[static_cast<std::size_t>(one)].numlin;
        }
        const int bonds = window.model.nlin;
        select_element(window, app, r);
        EXPECT_EQ(drag_bond(k.from, k.to), k.pointer);
        EXPECT_TRUE(selection().empty());
        EXPECT_FALSE(window.Line1.visible);
        ASSERT_EQ(window.model.nlin, bonds + (k.made ? 1 : 0));
        if (!k.made) continue;
        const int j = window.model.nlin;
        EXPECT_EQ(bond(j), (LineRecord{0, static_cast<std::int16_t>(k.from),
                                       static_cast<std::int16_t>(k.to), kTrue}));
        EXPECT_EQ(window.linea[j].color, app.colsel);
        EXPECT_TRUE(window.linea[j].visible && window.linea2[j].visible);
        EXPECT_EQ(obj(k.from).numlin, 1);
        EXPECT_EQ(obj(k.to).numlin, 1);
    }
}

TEST_F(BondDrawingTest, TheFirstStepStartsTheBondAtTheElementUnderThePointer) {
    form_mousemove(window, app, 0, 0, cx(one), cy(one));
    form_mousemove(window, app, 1, 0, 1010, 1020);
    ASSERT_TRUE(window.Line1.visible);
    EXPECT_EQ(bond(1), (LineRecord{0, static_cast<std::int16_t>(one), 0, 0}));
    EXPECT_FALSE(window.linea[1].visible);
    form_mousemove(window, app, 1, 0, 2500, 3000);
    EXPECT_EQ(window.Line1.x1, 1010);
    EXPECT_EQ(window.Line1.y2, 3000);
}

TEST_F(BondDrawingTest, ABondStartsOnlyAtAnElementAndBelowTheBondLimit) {
    // After a release on empty space the bond is gone and the pointer is
    // still a cross, but no element is under it any more.
    drag_bond(cx(one), cy(one), 2500, 3000);
    ASSERT_EQ(window.model.nlin, 0);
    ASSERT_EQ(window.MousePointer, kPointerCross);
    form_mousemove(window, app, 1, 0, 2500, 3000);
    form_mousemove(window, app, 1, 0, cx(c), cy(c));
    EXPECT_FALSE(window.Line1.visible);
    Form_MouseUp(window, app, 1, 0, cx(c), cy(c));
    EXPECT_EQ(window.model.nlin, 0);

    fill_bonds_to_the_limit();
    drag_bond(one, c);
    EXPECT_EQ(window.model.nlin, kMaxBonds);
    EXPECT_EQ(obj(one).numlin, 0);
}

TEST_F(BondDrawingTest, TheWindowScrollsToKeepTheRubberBandsEndInView) {
    window.viewport.width = 7335;
    window.viewport.height = 3810;
    const struct {
        const char* name;
        int h0, v0;  // scroll values before the step
        float x, y;
        int h, v;
    } cases[] = {
        {"inside", 0, 0, 5000, 2000, 0, 0},
        {"near the bottom", 0, 0, 5000, 2400, 0, 90},
        {"near the right", 0, 0, 7000, 1000, 1165, 0},
        {"above the top", 3000, 3000, 3500, 2900.5f, 3000, 2800},
        {"left of the edge", 3000, 3000, 50, 3500, 0, 3000},
        {"far away", 0, 0, 40000, 40000, 20000, 20000},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
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

class CopyDragTest : public ConnectTest {
  protected:
    void reset() override {
        ConnectTest::reset();
        one = add(element("111", "1", 10), 1000, 1000);
        c = add(element("C__", "C", 1), 1000, 3000);
        r = add(element("R__", "R", 1), 3000, 1000);
        add_bond(one, c, 0, 0, 0, 0, 2);  // 1: inside the group
        add_bond(one, r, 0, 0, 0, 0);     // 2: to an element left out
        for (int i : {one, c}) ++window.model.objs[static_cast<std::size_t>(i)].numlin;
        ++window.model.objs[static_cast<std::size_t>(one)].numlin;
        ++window.model.objs[static_cast<std::size_t>(r)].numlin;
        select_element(window, app, one);
        select_element(window, app, c);
        select_bond(window, app, 1);
        select_bond(window, app, 2);
    }
    int one = 0, c = 0, r = 0;
};

TEST_F(CopyDragTest, CopiesTheGroupWithItsBondsAndOnlyThePressedCopyFollows) {
    right_drag(one, 2000, 500);
    ASSERT_EQ(window.model.nobj, 5);
    const int one_copy = 4, c_copy = 5;
    EXPECT_EQ(obj(one_copy).type, obj(one).type);
    EXPECT_EQ(obj(one_copy).left, 1000 + 2000);
    EXPECT_EQ(obj(one_copy).top, 1000 + 500);
    EXPECT_EQ(obj(c_copy).left, obj(c).left);  // on top of what it copies
    EXPECT_EQ(obj(c_copy).top, obj(c).top);
    EXPECT_GT(glyph(c_copy).z, glyph(c).z);

    ASSERT_EQ(window.model.nlin, 3);
    EXPECT_EQ(bond(3), (LineRecord{2, one_copy, c_copy, 0}));
    EXPECT_EQ(obj(one_copy).numlin, 1);
    EXPECT_EQ(obj(c_copy).numlin, 1);
    EXPECT_EQ(obj(one).numlin, 2);
    // The copy that moved alone is the only selection left.
    EXPECT_TRUE(selection() == std::vector<int>{one_copy});
    EXPECT_EQ(bond(1).selected, 0);
    EXPECT_EQ(window.mouse.linking, kFalse);
    EXPECT_EQ(window.mouse.dragging, kFalse);
}

TEST_F(CopyDragTest, LaterStepsMoveTheCopyByWhatThePointerMoved) {
    image1_MouseMove(window, app, one, 2, 0, 30, 40);
    image1_MouseMove(window, app, one, 2, 0, 530, 40);
    image1_MouseMove(window, app, one, 2, 0, 560, 100);
    EXPECT_EQ(window.mouse.linking, kTrue);
    EXPECT_EQ(obj(4).left, 1000 + 530);
    EXPECT_EQ(obj(4).top, 1000 + 60);
    EXPECT_EQ(obj(one).left, 1000);
}

TEST_F(CopyDragTest, AtTheLimitsARightDragCopiesNothing) {
    for (bool bonds : {false, true}) {
        SCOPED_TRACE(bonds ? "bonds" : "elements");
        reset();
        if (bonds) {
            fill_bonds_to_the_limit();
        } else {
            while (window.model.nobj < kMaxElements - 1) add(element("R__", "R"), 9000, 9000);
        }
        const int elements = window.model.nobj;
        right_drag(one, 2000, 500);
        EXPECT_EQ(window.model.nobj, elements);
        EXPECT_EQ(window.model.nlin, bonds ? kMaxBonds : 2);
    }
}

// The links inside a copied signal connection follow the copies.
TEST_F(ConnectTest, DuplicateMapsOwnersAndAttachedPortsToTheCopies) {
    const int block = add(signal_block("De", 0, 1), 1000, 1000);
    const int output = add(con(block, -1), 1240, 1000);
    ObjRecord point_record = con(output, -1);
    const int scope = add(signal_block("scope", 1, 0), 4000, 3000);
    const int input = add(con(scope, 0), 3880, 3000);
    point_record.index = static_cast<std::int16_t>(input);
    const int point = add(point_record, 1240, 3000);
    const struct {
        const char* name;
        std::vector<int> selected;
        int point_owner_copy;  // 0: not copied
        int point_index_copy;
    } cases[] = {
        {"the whole connection", {block, output, scope, input, point}, 7, 9},
        {"without the scope", {block, output, point}, 7, 0},
        {"the point alone", {point}, 0, 0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        window.model.nobj = 5;
        deselecciona(window, app);
        for (int i : k.selected) select_element(window, app, i);
        ASSERT_TRUE(duplicate_fits(window));
        duplicar(window, app);
        const int copy = window.objlink[static_cast<std::size_t>(point)];
        ASSERT_GT(copy, 5);
        EXPECT_EQ(obj(copy).auxil2, k.point_owner_copy);
        EXPECT_EQ(obj(copy).index, k.point_index_copy);
        EXPECT_EQ(window.objlink[static_cast<std::size_t>(block)] != 0, k.point_owner_copy != 0);
    }
}

}  // namespace
}  // namespace vantor
