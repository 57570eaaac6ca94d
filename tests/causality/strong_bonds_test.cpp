#include "causality/strong_bonds.h"

#include <gtest/gtest.h>

#include "causality/causality_fixtures.h"

namespace vantor {
namespace {

struct Strong {
    int obj, first, end;
    friend bool operator==(const Strong&, const Strong&) = default;
};

Strong strong_of(const test::ModelBuilder& b, int i) {
    const ObjRecord& o = b.obj(i);
    return {o.strongobj, o.strongfirst, o.strongend};
}

TEST(StrongBonds, EachJunctionFindsTheBondThatFixesItsCommonVariable) {
    test::ModelBuilder b;
    const int one = b.add("111");
    const int zero = b.add("000");
    const int c = b.add("C__");
    const int one2 = b.add("111");
    const int zero2 = b.add("000");
    b.bond(one, c, 1);    // 1-junction as obj1, stroke away from it: strong
    b.bond(zero, c, 2);   // 0-junction as obj1, stroke at it: strong
    b.bond(c, one2, 2);   // 1-junction as obj2, stroke at obj1: strong
    b.bond(c, zero2, 1);  // 0-junction as obj2, stroke at it: strong
    causalizar(b.window.model);
    EXPECT_EQ(strong_of(b, one), (Strong{c, -1, 2}));
    EXPECT_EQ(strong_of(b, zero), (Strong{c, -1, 2}));
    EXPECT_EQ(strong_of(b, one2), (Strong{c, 0, 1}));
    // Column 2 is where the partner puts its effort output on a bond with causa 1.
    EXPECT_EQ(strong_of(b, zero2), (Strong{c, 0, 2}));
}

TEST(StrongBonds, WeakOrFreeBondsLeaveNoStrongBondAndTheLastQualifyingWins) {
    test::ModelBuilder b;
    const int zero = b.add("000");
    const int r1 = b.add("R__");
    const int r2 = b.add("R__");
    const int one = b.add("111");
    b.bond(zero, r1, 1);  // stroke away from the 0-junction: weak
    b.bond(one, r1, 0);
    b.bond(one, r2, 4);  // a signal link never counts
    b.window.model.objs[one].strongobj = 7;
    b.window.model.objs[one].strongend = 9;
    causalizar(b.window.model);
    EXPECT_EQ(b.obj(zero).strongobj, 0);
    EXPECT_EQ(strong_of(b, one), (Strong{0, 0, 9}));  // only strongobj is reset

    b.bond(r1, zero, 1);
    b.bond(r2, zero, 1);
    causalizar(b.window.model);
    EXPECT_EQ(b.obj(zero).strongobj, r2);
}

TEST(StrongBonds, OneElementUpdateAgreesWithTheFullRecomputation) {
    test::ModelBuilder b;
    const int one = b.add("111");
    const int zero = b.add("000");
    const int i = b.add("I__");
    b.bond(one, zero, 1);
    b.bond(zero, i, 2);
    b.bond(i, one, 2);
    b.bond(zero, 500, 2);  // an end outside the model
    BondLists lists(b.window.model);
    Model full = b.window.model;
    causalizar(full);
    for (int e = 1; e <= 3; ++e) update_strong_bond(b.window.model, lists, e);
    for (int e = 1; e <= 3; ++e) {
        EXPECT_EQ(b.obj(e).strongobj, full.objs[e].strongobj) << e;
        EXPECT_EQ(b.obj(e).strongfirst, full.objs[e].strongfirst) << e;
        EXPECT_EQ(b.obj(e).strongend, full.objs[e].strongend) << e;
    }
    EXPECT_EQ(b.obj(zero).strongobj, 500);
}

}  // namespace
}  // namespace vantor
