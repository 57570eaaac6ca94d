#include "simulink/block_captions.h"

#include <gtest/gtest.h>

#include "causality/causality_fixtures.h"

namespace vantor {
namespace {

// A block with input ports and an output port whose captions show the side.
test::ModelBuilder block(const char* input_arrow, int inputs = 2) {
    test::ModelBuilder b;
    b.add("sum");
    for (int k = 0; k < inputs; ++k) {
        const int port = b.add("con");
        b.window.model.objs[port].auxil2 = 1;
        b.window.model.objs[port].caption = input_arrow;
    }
    return b;
}

TEST(BlockCaptions, SumSignsSitBetweenThePorts) {
    EXPECT_EQ(suma(block(">").window.model, "+-", 1), "+ \r- ");
    EXPECT_EQ(suma(block("v").window.model, "+-", 1), "+  - ");
    EXPECT_EQ(suma(block("^").window.model, "+--", 1), "+  -  - ");
    EXPECT_EQ(suma(test::ModelBuilder().window.model, "+", 1), "+ ");
}

TEST(BlockCaptions, MuxAndDemuxArePaddedToTheMiddle) {
    const Model sides = block(">").window.model;
    const Model top = block("v").window.model;
    EXPECT_EQ(mux(sides, 2, 1), "mux");
    EXPECT_EQ(mux(sides, 3, 1), "mux");
    EXPECT_EQ(mux(sides, 5, 1), "\rmux\r");
    EXPECT_EQ(mux(sides, 6, 1), "\r\rmux\r\r");
    EXPECT_EQ(demux(top, 4, 1),
              "\xA0"
              "demux\xA0");
    EXPECT_EQ(demux(sides, 1, 1), "demux");
}

TEST(BlockCaptions, OnlyTheFirstPortOfTheBlockCounts) {
    test::ModelBuilder b = block(">");
    b.window.model.objs[3].caption = "v";  // the second port says nothing
    EXPECT_EQ(mux(b.window.model, 5, 1), "\rmux\r");
    // For a sum, the first input port: an output port first is passed over.
    b.window.model.objs[2].signout = -1;
    EXPECT_EQ(suma(b.window.model, "+-", 1), "+  - ");
}

}  // namespace
}  // namespace vantor
