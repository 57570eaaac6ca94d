// Bonds drawn with the left button, signal links and copy-drags with the
// right one, through the window's own mouse handlers.
#include "editor/connect.h"

#include <gtest/gtest.h>

#include "editor/duplicate.h"
#include "editor/mouse_handlers.h"
#include "editor_fixtures.h"
#include "model/element_kinds.h"
#include "model/text.h"
#include "window/selection.h"

namespace vantor {
namespace {

using test::con;
using test::EditorTest;
using test::element;
using test::signal_block;

class ConnectTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        // Large enough that no gesture here scrolls, unless a test says so.
        window.viewport.width = window.viewport.height = 30000;
    }

    float cx(int i) { return glyph(i).left + glyph(i).width / 2; }
    float cy(int i) { return glyph(i).top + glyph(i).height / 2; }

    // Hovers at (x0, y0), drags with the left button to (x1, y1), and returns
    // the pointer shape seen there before the release.
    int drag_bond(float x0, float y0, float x1, float y1) {
        form_mousemove(window, app, 0, 0, x0, y0);
        form_mousemove(window, app, 1, 0, x0, y0);
        form_mousemove(window, app, 1, 0, x1, y1);
        const int shown = window.MousePointer;
        Form_MouseUp(window, app, 1, 0, x1, y1);
        return shown;
    }
    int drag_bond(int from, int to) { return drag_bond(cx(from), cy(from), cx(to), cy(to)); }

    // A right-button drag of glyph i by (dx, dy), released at the end; the
    // pointer is given relative to the pressed glyph, which stays put.
    void right_drag(int i, float dx, float dy) {
        image1_MouseMove(window, app, i, 2, 0, 30, 40);
        image1_MouseMove(window, app, i, 2, 0, 30 + dx, 40 + dy);
        image1_MouseUp(window, app, i, 2, 0, 30 + dx, 40 + dy);
    }

    // Left-drags connection point p so that its glyph's centre lands on
    // glyph `onto`'s centre.
    void left_drag_onto(int p, int onto) {
        const float dx = cx(onto) - cx(p);
        const float dy = cy(onto) - cy(p);
        image1_MouseMove(window, app, p, 1, 0, 10, 10);
        image1_MouseMove(window, app, p, 1, 0, 10 + dx, 10 + dy);
        image1_MouseUp(window, app, p, 1, 0, 10, 10);
        image1_Click(window, app, p);
    }

    void fill_bonds_to_the_limit() {
        while (window.model.nlin < kMaxBonds) add_bond(0, 0, 0, 0, 0, 0);
    }
    void fill_elements_to_the_limit() {
        while (window.model.nobj < kMaxElements) add(element("R__", "R"), 9000, 9000);
    }
};

class BondDrawingTest : public ConnectTest {
  protected:
    void SetUp() override {
        ConnectTest::SetUp();
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
        SetUp();
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

// A detector with an output port, and a scope with an input port.
class SignalLinkTest : public ConnectTest {
  protected:
    void SetUp() override {
        ConnectTest::SetUp();
        source = add(signal_block("De", 0, 1), 1000, 1000);
        output = add(test::lone_port(source, -1), 1240, 1000);
        scope = add(signal_block("scope", 1, 0), 4000, 3000);
        input = add(test::lone_port(scope, 0), 3880, 3000);
    }
    int source = 0, output = 0, scope = 0, input = 0;
};

TEST_F(SignalLinkTest, ARightDragFromAPortLeavesAFreeConnectionPoint) {
    right_drag(output, 1000, 0);
    ASSERT_EQ(window.model.nobj, 5);
    const int p = 5;
    EXPECT_TRUE(is_connection_point(window.model, p));
    EXPECT_EQ(obj(p).caption.trimmed(), std::string(1, kBullet));
    EXPECT_EQ(glyph(p).caption, std::string(1, kBullet));
    EXPECT_EQ(obj(p).auxil2, output);
    EXPECT_EQ(obj(p).auxil3, 0);
    EXPECT_EQ(obj(p).index, 0);
    EXPECT_EQ(obj(p).left, 1240 + 1000);
    EXPECT_EQ(obj(p).top, 1000);
    ASSERT_EQ(window.model.nlin, 1);
    // Moving the point alone cleared the link's selection; the release
    // selected the point.
    EXPECT_EQ(bond(1), (LineRecord{4, static_cast<std::int16_t>(output), p, 0}));
    EXPECT_TRUE(selection() == std::vector<int>{p});
    EXPECT_EQ(window.linea[1].width, 1);
    EXPECT_FALSE(window.linea2[1].visible);
    EXPECT_EQ(window.mouse.linking, kFalse);
}

// A point copied without its chain names no element: an output port of no
// block, from which a right drag draws a link as from any output port.
TEST_F(SignalLinkTest, ARightDragFromAPointWithoutItsChainStartsALink) {
    ObjRecord lone = test::con(0, -1);
    lone.caption = std::string(1, kBullet);
    const int from = add(lone, 2000, 2000);
    right_drag(from, 0, 1000);
    ASSERT_EQ(window.model.nobj, from + 1);
    const int p = from + 1;
    EXPECT_TRUE(is_connection_point(window.model, p));
    EXPECT_EQ(obj(p).auxil2, from);
    ASSERT_EQ(window.model.nlin, 1);
    EXPECT_EQ(bond(1),
              (LineRecord{4, static_cast<std::int16_t>(from), static_cast<std::int16_t>(p), 0}));
    // The redraw leaves the port of no block where it was.
    EXPECT_EQ(obj(from).left, 2000);
    EXPECT_EQ(obj(from).top, 2000);
}

TEST_F(SignalLinkTest, APointDroppedOnAFreeInputPortIsAttachedAndSnapped) {
    right_drag(output, 1000, 0);
    const int p = window.model.nobj;
    left_drag_onto(p, input);
    EXPECT_EQ(obj(p).index, input);
    ASSERT_EQ(window.model.nlin, 2);
    EXPECT_EQ(bond(2).causa, 4);
    EXPECT_EQ(bond(2).obj1, p);
    EXPECT_EQ(bond(2).obj2, input);
    // The corner between the output port and the input port.
    EXPECT_EQ(obj(p).top, obj(input).top);
    EXPECT_EQ(obj(p).left, obj(output).left);
    EXPECT_TRUE(window.linea[2].visible && window.linea[2].width == 1);

    // A second point on the same port stays free where it was dropped.
    right_drag(output, 300, 600);
    const int q = window.model.nobj;
    left_drag_onto(q, input);
    EXPECT_EQ(obj(q).index, 0);
    EXPECT_EQ(window.model.nlin, 3);
    EXPECT_EQ(obj(q).top, obj(input).top + glyph(input).height / 2 - glyph(q).height / 2);
}

TEST_F(SignalLinkTest, ARightDragReleasedOnAFreeInputPortAttachesAtOnce) {
    const float dx = cx(input) - cx(output);
    const float dy = cy(input) - cy(output);
    right_drag(output, dx, dy);
    const int p = window.model.nobj;
    EXPECT_EQ(obj(p).index, input);
    EXPECT_EQ(window.model.nlin, 2);
    EXPECT_EQ(bond(1).obj1, output);
    EXPECT_EQ(bond(2).obj2, input);
    // The attaching link is selected; it is the release's last word.
    EXPECT_EQ(bond(2).selected, kTrue);
}

TEST_F(SignalLinkTest, AChainGrowsFromItsLastPoint) {
    right_drag(output, 1000, 0);
    const int p = window.model.nobj;
    right_drag(p, 0, 1000);
    const int q = window.model.nobj;
    EXPECT_EQ(q, p + 1);
    EXPECT_EQ(obj(q).auxil2, p);
    EXPECT_EQ(bond(2).obj1, p);
    EXPECT_EQ(bond(2).obj2, q);
}

TEST_F(SignalLinkTest, NothingHappensUntilThePointerLeavesTheGlyphByItsSize) {
    image1_MouseMove(window, app, output, 2, 0, 30, 40);
    image1_MouseMove(window, app, output, 2, 0, 30 + glyph(output).width, 40);
    EXPECT_EQ(window.model.nobj, 4);
    image1_MouseMove(window, app, output, 2, 0, 30 + glyph(output).width + 1, 40);
    EXPECT_EQ(window.model.nobj, 5);
    // The input port never reacts.
    right_drag(input, 2000, 2000);
    EXPECT_EQ(window.model.nobj, 5);
}

TEST_F(SignalLinkTest, AtTheLimitsNoPointIsMadeAndNoneAttached) {
    right_drag(output, 1000, 0);
    const int p = window.model.nobj;
    fill_bonds_to_the_limit();
    left_drag_onto(p, input);
    EXPECT_EQ(obj(p).index, 0);
    EXPECT_EQ(window.model.nlin, kMaxBonds);

    right_drag(output, 1000, 1000);
    EXPECT_EQ(window.model.nobj, p);
    EXPECT_EQ(window.mouse.linking, kFalse);

    SetUp();
    fill_elements_to_the_limit();
    right_drag(output, 1000, 0);
    EXPECT_EQ(window.model.nlin, 0);
}

class CopyDragTest : public ConnectTest {
  protected:
    void SetUp() override {
        ConnectTest::SetUp();
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
        SetUp();
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
