// Signal links drawn with the right button from a port or a connection
// point, through the window's own mouse handlers.
#include <gtest/gtest.h>

#include "connect_fixtures.h"
#include "model/element_kinds.h"
#include "model/text.h"

namespace vantor {
namespace {

using test::ConnectTest;
using test::signal_block;

// A detector with an output port, and a scope with an input port.
class SignalLinkTest : public ConnectTest {
  protected:
    void reset() override {
        ConnectTest::reset();
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

    reset();
    fill_elements_to_the_limit();
    right_drag(output, 1000, 0);
    EXPECT_EQ(window.model.nlin, 0);
}

}  // namespace
}  // namespace vantor
