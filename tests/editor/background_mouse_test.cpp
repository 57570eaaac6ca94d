#include "editor/background_mouse.h"

#include <gtest/gtest.h>

#include "editor/hit_tests.h"
#include "editor_fixtures.h"
#include "window/selection.h"

namespace vantor {
namespace {

using test::con;
using test::EditorTest;
using test::element;
using test::signal_block;

class BackgroundMouseTest : public EditorTest {
  protected:
    // A left drag over the background from (x0, y0) to (x1, y1), released there.
    void drag_rectangle(float x0, float y0, float x1, float y1) {
        form_mousemove(window, app, 1, 0, x0, y0);
        form_mousemove(window, app, 1, 0, x1, y1);
        Form_MouseUp(window, app, 1, 0, x1, y1);
    }
    void double_click_at(float x, float y) {
        Form_MouseUp(window, app, 1, 0, x, y);
        Form_DblClick(window);
        Form_MouseUp(window, app, 1, 0, x, y);
    }
};

TEST_F(BackgroundMouseTest, FindsTheFirstElementThatCanTakeABondWithinItsGlyphSize) {
    ObjRecord full = element("C__", "CC", 1);
    full.numlin = 1;
    add(full, 1000, 1000);                                // 1: no free bond slot
    add(element("Tex", "note", 5), 1000, 1000);           // 2: notes never take bonds
    const int r = add(element("R__", "RR"), 1000, 1000);  // 3: 240 x 225, centre (1120, 1112.5)
    add(element("I__", "II"), 1000, 1000);                // 4: same place, later
    const struct {
        float x, y;
        int found;
    } cases[] = {
        {1120 - 239, 1112.5f, r},
        {1120 + 240, 1112.5f, 0},
        {1120, 1112.5f + 224, r},
        {1120, 1112.5f + 225, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        EXPECT_EQ(busca_objeto(window, c.x, c.y), c.found);
    }
}

TEST_F(BackgroundMouseTest, FindsTheLastBondPassingWithin40TwipsBetweenItsEnds) {
    add_bond(0, 0, 1000, 1000, 2000, 1000);  // 1
    add_bond(0, 0, 1500, 500, 1500, 1500);   // 2: crosses bond 1 at (1500, 1000)
    add_bond(0, 0, 3000, 3000, 3000, 3000);  // 3: no length
    add_bond(0, 0, 0, 0, 1091, 2955);        // 4
    const struct {
        float x, y;
        int found;
    } cases[] = {
        {1200, 1039, 1},
        {1200, 1040, 0},
        {999, 1000, 0},
        {1001, 1000, 1},  // beyond an end, and just inside it
        {1500, 1000, 2},  // both hit: the last one counts
        {3000, 3000, 0},
        // On bond 4's line rounding makes the squared distance slightly
        // negative; the point is on the line all the same.
        {327.3f, 886.5f, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        EXPECT_EQ(busca_linea(window, c.x, c.y), c.found);
    }
}

TEST_F(BackgroundMouseTest, HoveringShowsTheCrossNearAnElementWithAFreeSlot) {
    add(element("R__", "R"), 1000, 1000);
    window.mouse.dragging = kTrue;
    form_mousemove(window, app, 0, 0, 1050, 1100);
    EXPECT_EQ(window.MousePointer, kPointerCross);
    EXPECT_EQ(window.mouse.overobj, 1);
    EXPECT_EQ(window.mouse.dragging, kFalse);
    form_mousemove(window, app, 0, 0, 3000, 3000);
    EXPECT_EQ(window.MousePointer, kPointerArrow);
    EXPECT_EQ(window.mouse.overobj, 0);

    // A left drag starting on the cross draws a bond, not a rectangle.
    form_mousemove(window, app, 0, 0, 1050, 1100);
    form_mousemove(window, app, 1, 0, 1050, 1100);
    EXPECT_EQ(app.selband, kFalse);
    EXPECT_FALSE(window.sector.visible);
}

TEST_F(BackgroundMouseTest, RectangleFollowsThePointerFromItsFirstCorner) {
    form_mousemove(window, app, 1, 0, 2000, 1500);
    EXPECT_EQ(app.selband, kTrue);
    EXPECT_EQ(app.selready, kFalse);
    form_mousemove(window, app, 1, 0, 1200, 1800);
    const RectangleShape& band = window.sector;
    EXPECT_TRUE(band.visible);
    EXPECT_EQ((std::vector<float>{band.left, band.top, band.width, band.height}),
              (std::vector<float>{1200, 1500, 800, 300}));

    Form_MouseUp(window, app, 1, 0, 1200, 1800);
    EXPECT_FALSE(band.visible);
    EXPECT_EQ((std::vector<float>{band.width, band.height}), (std::vector<float>{1, 1}));
    EXPECT_EQ(app.selband, kFalse);
    EXPECT_EQ(app.selready, kTrue);
}

TEST_F(BackgroundMouseTest, RectangleSelectsGlyphsWhoseTopLeftCornerIsStrictlyInside) {
    add(element("R__", "RRRR"), 1000, 1000);
    const struct {
        float x0, y0, x1, y1;
        bool selects;
    } cases[] = {
        {900, 900, 1001, 1001, true},     // only the corner inside
        {1000, 900, 1200, 1100, false},   // corner on the left edge
        {900, 900, 1100, 1000, false},    // corner on the bottom edge
        {1100, 1100, 1300, 1300, false},  // inside the glyph, not round its corner
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x0 << ", " << c.y0);
        drag_rectangle(c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(selected(1), c.selects);
        EXPECT_EQ(window.menus.copy, c.selects);
    }
}

TEST_F(BackgroundMouseTest, RectangleSelectsBondsOnlyTogetherWithAnElement) {
    const int a = add(element("R__", "R"), 1000, 1000);
    const int b = add(element("000", "0"), 3000, 1000);
    const int j = add_bond(a, b, 1200, 1100, 2900, 1100);

    drag_rectangle(1100, 1000, 3100, 1200);  // the whole bond, no corner
    EXPECT_FALSE(bond_selected(j));
    EXPECT_TRUE(selection().empty());
    EXPECT_FALSE(window.menus.ddelete);

    drag_rectangle(900, 900, 2000, 1200);  // a corner and one end
    EXPECT_FALSE(bond_selected(j));
    EXPECT_TRUE(selection() == std::vector<int>{a});

    drag_rectangle(900, 900, 3100, 1200);  // both corners and both ends
    EXPECT_TRUE(bond_selected(j));
    EXPECT_EQ(window.linea[static_cast<std::size_t>(j)].color, app.colsel);
    EXPECT_TRUE(selection() == (std::vector<int>{a, b}));
    EXPECT_TRUE(window.menus.ddelete);
}

TEST_F(BackgroundMouseTest, RotateNeedsExactlyOneElementThatIsNotAPort) {
    const int block = add(signal_block("sum", 1, 0), 1000, 1000);
    add(con(block, 0), 1300, 1000);
    add(element("R__", "R"), 3000, 1000);
    drag_rectangle(900, 900, 1500, 1500);
    EXPECT_EQ(selection().size(), 2u);
    EXPECT_TRUE(window.menus.rotate);
    drag_rectangle(500, 500, 3500, 1500);  // wherever the redraw put the port
    EXPECT_EQ(selection().size(), 3u);
    EXPECT_FALSE(window.menus.rotate);
    EXPECT_TRUE(window.menus.copy);
}

TEST_F(BackgroundMouseTest, LargeEmptyRectangleMakesATextNote) {
    add(element("R__", "R"), 100, 100);
    window.Text1.text = "old";
    drag_rectangle(5300, 5000, 5000, 5300);
    ASSERT_EQ(window.model.nobj, 2);
    EXPECT_EQ(obj(2).type.trimmed() + "|" + obj(2).caption.trimmed(), "Tex|");
    EXPECT_EQ((std::vector<int>{obj(2).left, obj(2).top, obj(2).maxlin}),
              (std::vector<int>{5000, 5000, 0}));
    EXPECT_EQ((std::vector<float>{glyph(2).width, glyph(2).height}),
              (std::vector<float>{300, 300}));
    EXPECT_TRUE(selection() == std::vector<int>{2});
    EXPECT_EQ(glyph(2).color, app.colsel);

    const TextBox& box = window.Text1;
    EXPECT_TRUE(box.visible && box.focused);
    EXPECT_EQ((std::vector<float>{box.left, box.top, box.width, box.height}),
              (std::vector<float>{5000, 5000, 300, 300}));
}

TEST_F(BackgroundMouseTest, SmallOrLimitedEmptyRectangleMakesNoNote) {
    const struct {
        float width, height;
        int nobj;
    } cases[] = {{200, 300, 1}, {300, 250, 1}, {300, 300, 1000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        init_model_window(window, 1);
        const int a = add(element("R__", "R"), 100, 100);
        const int b = add(element("000", "0"), 4000, 100);
        const int j = add_bond(a, b, 5010, 5010, 5100, 5100);
        window.model.nobj = static_cast<std::int16_t>(c.nobj);
        window.Text1.visible = true;
        window.Text1.text = "old";
        drag_rectangle(5000, 5000, 5000 + c.width, 5000 + c.height);
        EXPECT_EQ(window.model.nobj, c.nobj);
        EXPECT_FALSE(bond_selected(j));
        EXPECT_FALSE(window.menus.ddelete);
        EXPECT_FALSE(window.Text1.visible);
        EXPECT_EQ(window.Text1.text, "");
    }
}

TEST_F(BackgroundMouseTest, ClickSelectsTheBondUnderThePointerWithItsPort) {
    const int block = add(signal_block("sum", 1, 0), 1000, 1000);
    const int port = add(con(block, 0), 900, 1000);
    const int point = add(con(port, -1), 500, 1000);
    const int j = add_bond(point, port, 500, 1100, 900, 1100, 4);
    const int other = add(element("R__", "R"), 3000, 3000);
    select_element(window, app, other);
    window.Text1.visible = true;
    window.Text1.text = "x";

    Form_MouseUp(window, app, 1, 0, 700, 1110);
    EXPECT_TRUE(bond_selected(j));
    EXPECT_TRUE(selection() == std::vector<int>{port});
    EXPECT_TRUE(window.menus.ddelete);
    EXPECT_FALSE(window.menus.copy);
    EXPECT_FALSE(window.Text1.visible);
    EXPECT_EQ(window.Text1.text, "");
    EXPECT_EQ(bond(j).causa, 4);

    Form_MouseUp(window, app, 1, 0, 700, 2000);  // on nothing
    EXPECT_FALSE(bond_selected(j));
    EXPECT_TRUE(selection().empty());
}

TEST_F(BackgroundMouseTest, DoubleClickOnABondCyclesItsCausalStroke) {
    const int a = add(element("R__", "R"), 1000, 1000);
    const int b = add(element("111", "1"), 2000, 1000);
    const int j = add_bond(a, b, 1130, 1100, 1990, 1100);
    const int cycle[][2] = {{0, 1}, {1, 2}, {2, 0}, {3, 4}, {4, 4}};
    for (const auto& c : cycle) {
        SCOPED_TRACE(c[0]);
        bond(j).causa = static_cast<std::int16_t>(c[0]);
        window.saved = kTrue;
        double_click_at(1500, 1100);
        EXPECT_EQ(bond(j).causa, c[1]);
        EXPECT_TRUE(bond_selected(j));
        EXPECT_EQ(window.saved, c[0] < 4 ? kFalse : kTrue);  // the partial redraw ran
        EXPECT_EQ(window.mouse.dblclick, kFalse);
    }
    // The double click is used up: the next click only selects.
    bond(j).causa = 0;
    Form_MouseUp(window, app, 1, 0, 1500, 1100);
    EXPECT_EQ(bond(j).causa, 0);
}

TEST_F(BackgroundMouseTest, LosingTheFocusOnlyEndsTheDrag) {
    app.dragobj = element("R__", "R");
    add(element("R__", "R"), 100, 100);
    window.mouse.fromobj = 1;
    window.mouse.dragging = kTrue;
    Form_LostFocus(window);
    EXPECT_EQ(window.mouse.dragging, kFalse);
    EXPECT_EQ(window.model.nobj, 1);
}

}  // namespace
}  // namespace vantor
