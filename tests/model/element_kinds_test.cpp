#include "model/element_kinds.h"

#include <gtest/gtest.h>

#include "model/drawn_counts.h"

namespace vantor {
namespace {

ObjRecord con_on(int auxil2, int signout) {
    ObjRecord o;
    o.type = "con";
    o.auxil2 = static_cast<std::int16_t>(auxil2);
    o.signout = static_cast<std::int16_t>(signout);
    return o;
}

// A block (1) with an output port (2), a point after it (3), and "con"
// elements whose `auxil2` names nothing (4..7): ports of no block.
TEST(ElementKinds, ConsAreTakenApartByWhatTheirAuxil2NamesWithinTheTable) {
    Model m;
    m.objs[1].type = "sum";
    m.objs[1].signout = 1;
    m.objs[2] = con_on(1, -1);
    m.objs[3] = con_on(2, -1);
    m.objs[4] = con_on(0, -1);
    m.objs[5] = con_on(-32768, 0);
    m.objs[6] = con_on(8, -1);  // past nobj
    m.objs[7] = con_on(32767, 5);
    m.nobj = 7;
    const struct {
        int i;
        bool port, block_port, output, input, point;
    } rows[] = {
        {1, false, false, false, false, false}, {2, true, true, true, false, false},
        {3, false, false, false, false, true},  {4, true, false, true, false, false},
        {5, true, false, false, true, false},   {6, true, false, true, false, false},
        {7, true, false, false, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.i);
        EXPECT_EQ(is_port(m, row.i), row.port);
        EXPECT_EQ(is_block_port(m, row.i), row.block_port);
        EXPECT_EQ(is_output_port(m, row.i), row.output);
        EXPECT_EQ(is_input_port(m, row.i), row.input);
        EXPECT_EQ(is_connection_point(m, row.i), row.point);
    }

    // A number read from a file may lie outside the table: no kind reads it.
    for (int i = 0; i < kTableSlots; ++i) m.objs[static_cast<std::size_t>(i)] = con_on(0, 0);
    m.nobj = kMaxElements;
    for (const int i : {-32768, -1, 1001, 32767}) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(is_con_at(m, i) || is_port(m, i) || is_block_port(m, i) ||
                     is_input_port(m, i) || is_output_port(m, i) || is_connection_point(m, i));
    }
    EXPECT_TRUE(is_input_port(m, kMaxElements));
}

// A block with two ports, a signal chain through a connection point, a text
// note and power bonds of every causality.
Model drawn_model() {
    Model m;
    const char* types[] = {"Se", "111", "C", "sum", "con", "con", "con", "Tex", "con"};
    const int owners[] = {0, 0, 0, 0, 4, 4, 5, 0, 999};  // 999: an owner outside the model
    for (int k = 0; k < 9; ++k) {
        m.objs[++m.nobj] = con_on(owners[k], 0);
        m.objs[m.nobj].type = types[k];
    }
    for (int causa : {0, 1, 2, 3, 4, 4}) m.lines[++m.nlin].causa = static_cast<std::int16_t>(causa);
    return m;
}

// Damaged counts are held inside the tables.
TEST(DrawnCounts, CountsWhatTheUserDrewWithinTheTables) {
    Model m = drawn_model();
    DrawnCounts counts = drawn_counts(m);
    EXPECT_EQ(counts.elements, 4);  // Se, 1, C and the sum
    EXPECT_EQ(counts.bonds, 4);
    EXPECT_EQ(counts.links, 2);
    m.nobj = -3;
    m.nlin = 32000;
    counts = drawn_counts(m);
    EXPECT_EQ(counts.elements, 0);
    EXPECT_EQ(counts.links, 2);
    EXPECT_EQ(counts.bonds, kMaxBonds - 2);
}

}  // namespace
}  // namespace vantor
