#include "window/deletion.h"

#include <gtest/gtest.h>

#include "model/text.h"
#include "window/window_builder.h"

namespace vantor {
namespace {

using test::WindowBuilder;

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

}  // namespace
}  // namespace vantor
