#include <gtest/gtest.h>

#include "causality/causality_commands.h"
#include "causality/causality_fixtures.h"
#include "causality/priority_tables.h"

namespace vantor {
namespace {

using Events = std::vector<std::string>;

class AssignCausality : public testing::Test {
  protected:
    test::ProgramDir dir_{"assign", test::standard_tables()};
    test::ModelBuilder b_;
    test::RecordingHost host_;

    AssignOutcome assign() {
        return assign_Click(b_.window, read_priority_tables(dir_.path()), host_);
    }
};

TEST_F(AssignCausality, AnEmptyModelReadsTheTablesAndSaysNothing) {
    EXPECT_EQ(assign(), AssignOutcome::kCompleted);
    EXPECT_EQ(host_.messages(), Events{});
}

TEST_F(AssignCausality, SeriesCircuitGetsIntegralCausalitySilently) {
    const int se = b_.add("Se_");
    const int one = b_.add("111");
    const int c = b_.add("C__");
    const int i = b_.add("I__");
    const int r = b_.add("R__");
    b_.bond(se, one);
    b_.bond(one, c);
    b_.bond(one, i);
    b_.bond(one, r);
    EXPECT_EQ(assign(), AssignOutcome::kCompleted);
    EXPECT_EQ(host_.messages(), Events{});
    EXPECT_EQ(b_.causa(1), 1);  // the source imposes effort
    EXPECT_EQ(b_.causa(2), 2);  // the C imposes effort: integral
    EXPECT_EQ(b_.causa(3), 1);  // the I receives effort: integral
    EXPECT_EQ(b_.causa(4), 2);
    EXPECT_EQ(host_.events.back(), "redraw");

    // A second run on the finished model shows nothing and changes nothing.
    host_.events.clear();
    EXPECT_EQ(assign(), AssignOutcome::kCompleted);
    EXPECT_EQ(host_.events, (Events{"redraw"}));
    EXPECT_EQ(b_.causa(2), 2);
}

TEST_F(AssignCausality, MandatoryConflictStopsWithTheLastConflictingElementSelected) {
    const int se1 = b_.add("Se_");
    const int se2 = b_.add("Se_");
    const int zero = b_.add("000");
    const int c = b_.add("C__");
    b_.bond(zero, se1, 1);  // pushes effort into the source: wrong
    b_.bond(zero, se2, 1);
    const int free_bond = b_.bond(zero, c);
    EXPECT_EQ(assign(), AssignOutcome::kCausalityError);
    EXPECT_EQ(host_.messages(), Events{kCausalityErrorMessage});
    EXPECT_EQ(b_.obj(se2).selected, kTrue);
    EXPECT_EQ(b_.obj(se1).selected, kFalse);
    // Only Extend Causality's conflicts set the flag, and none ran here.
    EXPECT_EQ(b_.window.causerr, kFalse);
    EXPECT_EQ(b_.causa(free_bond), 0);  // the command stopped before pass 3
}

TEST_F(AssignCausality, DerivativeCausalityIsAWarningThatSelectsTheElements) {
    const int se = b_.add("Se_");
    const int zero = b_.add("000");
    const int c1 = b_.add("C__");
    const int c2 = b_.add("C__");
    b_.bond(se, zero);
    b_.bond(zero, c1);
    b_.bond(zero, c2);
    b_.window.model.lines[1].selected = kTrue;
    b_.window.model.objs[se].selected = kTrue;
    EXPECT_EQ(assign(), AssignOutcome::kCompleted);
    EXPECT_EQ(host_.messages(), Events{kDerivativeMessage});
    EXPECT_EQ(host_.events[host_.events.size() - 3], "derivative 3 4");
    for (int i : {se, zero}) EXPECT_EQ(b_.obj(i).selected, kFalse) << i;
    for (int i : {c1, c2}) EXPECT_EQ(b_.obj(i).selected, kTrue) << i;
    EXPECT_EQ(b_.window.model.lines[1].selected, kFalse);
    EXPECT_EQ(b_.causa(2), 1);  // the source fixes the effort of both
    EXPECT_EQ(b_.causa(3), 1);
    EXPECT_EQ(b_.window.causerr, kFalse);
}

TEST_F(AssignCausality, AStrokeChosenByTheFreeTableIsAnAlgebraicLoop) {
    const int se = b_.add("Se_");
    const int one = b_.add("111");
    const int r1 = b_.add("R__");
    const int zero = b_.add("000");
    const int r2 = b_.add("R__");
    const int r3 = b_.add("R__");
    b_.bond(se, one);
    b_.bond(one, r1);
    b_.bond(one, zero);
    b_.bond(zero, r2);
    b_.bond(zero, r3);
    EXPECT_EQ(assign(), AssignOutcome::kCompleted);
    EXPECT_EQ(host_.messages(), Events{kAlgebraicLoopMessage});
    for (int j = 1; j <= 5; ++j) EXPECT_NE(b_.causa(j), 0) << j;
}

TEST_F(AssignCausality, ElementsWithoutUsableBondsAreSkipped) {
    const int se = b_.add("Se_");
    const int r = b_.add("R__");
    const int one = b_.add("111");
    b_.bond(se, one, 4);
    b_.bond(r, one, 3);
    EXPECT_EQ(assign(), AssignOutcome::kCausalityError);  // only the isolated junction
    EXPECT_EQ(b_.obj(one).selected, kTrue);
    EXPECT_EQ(b_.causa(1), 4);
    EXPECT_EQ(b_.causa(2), 3);
}

TEST_F(AssignCausality, AnUnreadableTableStopsTheCommandNamingTheFile) {
    const int se = b_.add("Se_");
    const int one = b_.add("111");
    const int c = b_.add("C__");
    const int r = b_.add("R__");
    b_.bond(se, one);
    b_.bond(one, c);
    b_.bond(one, r);
    std::filesystem::remove(priority_table_path(dir_.path(), 3));
    EXPECT_EQ(assign(), AssignOutcome::kTableUnreadable);
    ASSERT_EQ(host_.messages().size(), 1u);
    EXPECT_NE(host_.messages()[0].find(priority_table_path(dir_.path(), 3)), std::string::npos);
    EXPECT_EQ(b_.causa(1), 1);  // what passes 1 and 2 did stays
    EXPECT_EQ(b_.causa(2), 0);
    EXPECT_EQ(b_.window.causerr, kTrue);
}

// The tables are read before the first pass, but each one's faults are told
// when its pass comes, as when each pass read its own file: after the earlier
// passes' warnings, and never after a stop.
TEST_F(AssignCausality, ATablesFaultIsToldOnlyWhenItsPassComes) {
    dir_.set_table(1, "Se_\r\n");
    std::filesystem::remove(priority_table_path(dir_.path(), 3));
    const std::string no_end = "Priority table " + priority_table_path(dir_.path(), 1) +
                               " has no end line; it was read to the end of the file";
    const std::string unreadable = "Priority table " + priority_table_path(dir_.path(), 3) +
                                   ": cannot open for reading: No such file or directory";
    struct Case {
        bool conflict;  // the source's bond pushes effort into it
        AssignOutcome outcome;
        Events messages;
    } cases[] = {
        {true, AssignOutcome::kCausalityError, {no_end, kCausalityErrorMessage}},
        {false, AssignOutcome::kTableUnreadable, {no_end, unreadable}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.conflict);
        test::ModelBuilder b;
        const int se = b.add("Se_");
        b.bond(b.add("000"), se, c.conflict ? 1 : 0);
        test::RecordingHost host;
        EXPECT_EQ(assign_Click(b.window, read_priority_tables(dir_.path()), host), c.outcome);
        EXPECT_EQ(host.messages(), c.messages);
    }
}

}  // namespace
}  // namespace vantor
