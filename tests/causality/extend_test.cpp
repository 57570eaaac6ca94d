#include <gtest/gtest.h>

#include "causality/causality_commands.h"
#include "causality/causality_fixtures.h"

namespace vantor {
namespace {

using Events = std::vector<std::string>;

TEST(ExtendCausality, AJunctionsStrongBondDecidesItsWeakBonds) {
    test::ModelBuilder b;
    const int one = b.add("111");
    const int se = b.add("Se_");
    const int r = b.add("R__");
    const int i = b.add("I__");
    const int zero = b.add("000");
    const int c = b.add("C__");
    b.bond(se, one, 1);  // at the 1-junction
    b.bond(one, r);
    b.bond(one, i, 1);  // away from it: the strong bond
    b.bond(one, zero);
    b.bond(zero, c);
    test::RecordingHost host;
    extend_Click(b.window, host);
    EXPECT_EQ(b.causa(2), 2);  // weak bonds of a 1-junction: stroke at the junction
    EXPECT_EQ(b.causa(4), 2);
    EXPECT_EQ(b.causa(5), 2);  // the 0-junction's last free bond becomes strong: stroke at it
    EXPECT_EQ(host.events, (Events{"redraw"}));
    EXPECT_EQ(b.window.causerr, 0);
}

TEST(ExtendCausality, TheLastFreeBondOfAJunctionBecomesStrong) {
    test::ModelBuilder b;
    const int one = b.add("111");
    const int a = b.add("Se_");
    const int c = b.add("Se_");
    const int d = b.add("I__");
    b.bond(a, one, 1);
    b.bond(one, c, 2);
    b.bond(one, d);
    test::RecordingHost host;
    extend_Click(b.window, host);
    EXPECT_EQ(b.causa(3), 1);  // away from the junction
}

TEST(ExtendCausality, ConflictsSelectTheElementAndSetCauserr) {
    // Two strokes at a 0-junction: the later bond is strong, the other conflicts.
    test::ModelBuilder b;
    const int zero = b.add("000");
    const int c1 = b.add("C__");
    const int c2 = b.add("C__");
    b.bond(c1, zero, 1);
    b.bond(c2, zero, 1);
    b.window.model.lines[1].selected = kTrue;
    test::RecordingHost host;
    extend_Click(b.window, host);
    EXPECT_EQ(host.events,
              (Events{"select 1", "message: Causality error in the selected element", "redraw"}));
    EXPECT_EQ(b.obj(zero).strongobj, c2);
    EXPECT_EQ(b.obj(zero).selected, kTrue);
    EXPECT_EQ(b.window.model.lines[1].selected, kFalse);
    EXPECT_EQ(b.window.causerr, kTrue);

    // An isolated junction is an error every time.
    test::ModelBuilder lonely;
    lonely.add("R__");
    lonely.add("111");
    test::RecordingHost again;
    extend_Click(lonely.window, again);
    extend_Click(lonely.window, again);
    EXPECT_EQ(again.messages().size(), 2u);
    EXPECT_EQ(lonely.obj(2).selected, kTrue);
}

TEST(ExtendCausality, TransformersKeepAndGyratorsTurnTheStroke) {
    for (const char* type : {"TRF", "MTF", "GYR", "MGY"}) {
        const bool gyrator = type[0] != 'T' && type[1] != 'T';
        test::ModelBuilder b;
        const int left = b.add("R__");
        const int two_port = b.add(type);
        const int right = b.add("R__");
        b.bond(left, two_port);
        b.bond(two_port, right, 2);  // only the later bond carries a stroke
        test::RecordingHost host;
        extend_Click(b.window, host);
        EXPECT_EQ(b.causa(1), gyrator ? 1 : 2) << type;

        // A stroke that contradicts the rule is a conflict at the two-port.
        b.window.model.lines[1].causa = static_cast<std::int16_t>(gyrator ? 2 : 1);
        extend_Click(b.window, host);
        EXPECT_EQ(b.window.causerr, kTrue) << type;
        EXPECT_EQ(b.obj(two_port).selected, kTrue) << type;
    }
}

TEST(ExtendCausality, ACorruptStrokeOnAGyratorIsAConflictNotAHang) {
    test::ModelBuilder b;
    const int gy = b.add("GYR");
    const int r = b.add("R__");
    b.bond(r, gy, -1);
    b.bond(gy, r);
    test::RecordingHost host;
    extend_Click(b.window, host);
    EXPECT_EQ(b.window.causerr, kTrue);
    EXPECT_EQ(b.causa(2), 0);
}

TEST(UndoCausality, ClearsStrokesButNotSignalLinks) {
    test::ModelBuilder b;
    const int x = b.add("111");
    const int y = b.add("R__");
    b.bond(x, y, 1);
    b.bond(x, y, 2);
    b.bond(x, y, 3);
    b.bond(x, y, 4);
    b.bond(x, y, -5);
    test::RecordingHost host;
    Undo_Click(b.window, host);
    EXPECT_EQ(b.causa(1), 0);
    EXPECT_EQ(b.causa(2), 0);
    EXPECT_EQ(b.causa(3), 3);
    EXPECT_EQ(b.causa(4), 4);
    EXPECT_EQ(b.causa(5), 0);
    EXPECT_EQ(host.events, (Events{"redraw"}));
}

}  // namespace
}  // namespace vantor
