#include "model/drawn_counts.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

// A block with two ports, a signal chain through a connection point, a text
// note and power bonds of every causality.
Model drawn_model() {
    Model m;
    const struct {
        const char* type;
        int auxil2;
    } objs[] = {
        {"Se", 0},  {"111", 0}, {"C", 0},   {"sum", 0},   {"con", 4},
        {"con", 4}, {"con", 5}, {"Tex", 0}, {"con", 999},  // an owner outside the model
    };
    for (const auto& o : objs) {
        ObjRecord& r = m.objs[static_cast<std::size_t>(++m.nobj)];
        r.type = o.type;
        r.auxil2 = static_cast<std::int16_t>(o.auxil2);
    }
    for (int causa : {0, 1, 2, 3, 4, 4}) {
        m.lines[static_cast<std::size_t>(++m.nlin)].causa = static_cast<std::int16_t>(causa);
    }
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
