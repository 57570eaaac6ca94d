// Delete keeps the tables dense with every reference following; Rotate turns
// a signal block's ports clockwise and its caption follows.
#include "editor/edit_commands.h"

#include <gtest/gtest.h>

#include "display/stored_int16.h"
#include "edit_fixtures.h"
#include "editor/rotate.h"

namespace vantor {
namespace {

using test::con;
using test::EditTest;
using test::element;

class DeleteTest : public EditTest {
  protected:
    void expect_bonds(const std::vector<std::pair<int, int>>& ends) {
        ASSERT_EQ(window.model.nlin, static_cast<int>(ends.size()));
        for (int j = 1; j <= window.model.nlin; ++j) {
            const std::pair<int, int> made(bond(j).obj1, bond(j).obj2);
            EXPECT_EQ(made, ends[j - 1]) << j;
        }
    }
};

TEST_F(DeleteTest, ABlockGoesWithItsPortsAndTheRestIsRenumberedDensely) {
    add(element("Se_", "Se"), 100, 100);
    add(element("000", "0", 4), 900, 100);
    const int sum = drop(block("sum", "+-", 2, 1), 2000, 1500);  // 3, ports 4..6
    add(element("C__", "C"), 900, 900);
    add(element("R__", "R"), 1800, 900);
    add_bond(1, 2, 0, 0, 0, 0);
    add_bond(2, 7, 0, 0, 0, 0);
    add_bond(2, 8, 0, 0, 0, 0);
    add_bond(6, 4, 0, 0, 0, 4);
    select_only({sum, 4, 5, 6});
    ddelete_Click(window, app);

    ASSERT_EQ(window.model.nobj, 4);
    EXPECT_EQ(type(3) + glyph(3).caption + type(4) + glyph(4).caption, "C__CR__R");
    expect_bonds({{1, 2}, {2, 3}, {2, 4}});
    EXPECT_TRUE(selection().empty());
    EXPECT_FALSE(window.menus.ddelete || window.menus.copy || window.menus.rotate);
}

TEST_F(DeleteTest, TheLastElementMovesIntoTheHoleWithItsPortsAndBonds) {
    add(element("Se_", "Se"), 100, 100);
    add(element("C__", "C"), 500, 100);
    add(con(5, 0), 0, 0);
    add(con(5, -1), 0, 0);
    ObjRecord junction = element("000", "0", 4);
    junction.maxsigninp = junction.signout = 1;
    junction.numlin = 2;
    add(junction, 1500, 800);
    add_bond(1, 5, 0, 0, 0, 0);
    add_bond(2, 5, 0, 0, 0, 0);
    select_only({2});
    ddelete_Click(window, app);

    ASSERT_EQ(window.model.nobj, 4);
    EXPECT_EQ(type(2) + glyph(2).caption, "0000");
    EXPECT_EQ(obj(2).numlin, 1);
    EXPECT_EQ(obj(3).auxil2 + obj(4).auxil2, 4);
    expect_bonds({{1, 2}});
}

TEST_F(DeleteTest, APointLosesItsInputPortWhenThatBlockGoes) {
    drop(block("gai", "1", 1, 1), 1000, 1000);                // 1, ports 2 and 3
    const int b = drop(block("gai", "1", 1, 1), 4000, 1000);  // 4, ports 5 and 6
    const int cp = point(3, 5, 2500, 1000);
    add_bond(3, cp, 0, 0, 0, 0, 4);
    add_bond(cp, 5, 0, 0, 0, 0, 4);
    select_only({b, 5, 6});
    ddelete_Click(window, app);

    ASSERT_EQ(window.model.nobj, 4);
    EXPECT_EQ(obj(4).auxil2, 3);
    EXPECT_EQ(obj(4).index, 0);
    expect_bonds({{3, 4}});
}

TEST_F(DeleteTest, OnlyABondProperLowersTheCountsOfItsEnds) {
    for (const int causa : {0, 2, 4}) {
        reset();
        ObjRecord a = element("000", "0", 4);
        a.numlin = 1;
        add(a, 100, 100);
        add(a, 900, 100);
        add_bond(1, 2, 0, 0, 0, 0, causa);
        select_only({}, {1});
        ddelete_Click(window, app);

        EXPECT_EQ(window.model.nlin, 0);
        EXPECT_EQ(obj(1).numlin + obj(2).numlin, causa < 4 ? 0 : 2) << causa;
    }
}

class RotateTest : public EditTest {};

TEST(TurnedClockwise, OnlyTheFourArrowsTurn) {
    const char* rows[][2] = {{">", "v"}, {"v", "<"}, {"<", "^"}, {"^", ">"}, {"V", "V"}, {"", ""}};
    for (const auto& row : rows) EXPECT_EQ(turned_clockwise(row[0]), row[1]) << row[0];
}

TEST_F(RotateTest, FourTurnsBringEveryPortBackAndPointsStay) {
    const int b = drop(block("gai", "1", 2, 1), 2000, 2000);  // ports 2..4
    const int cp = point(4, 0, 4000, 2000);
    select_only({b, 2, 3, 4, cp});
    for (const char* ports : {">>>", "vvv", "<<<", "^^^", ">>>"}) {
        std::string records, glyphs;
        for (int k = 2; k <= 4; ++k) {
            records += obj(k).caption.trimmed();
            glyphs += glyph(k).caption;
        }
        EXPECT_EQ(records, ports);
        EXPECT_EQ(glyphs, ports);
        EXPECT_EQ(obj(cp).caption.trimmed() + obj(b).caption.trimmed(), "\x95gai");
        rotate_Click(window, app);
    }
}

TEST_F(RotateTest, SumMuxAndDemuxCaptionsFollowTheirPorts) {
    const struct {
        const char* type;
        const char* parameters;
        int turns;
        const char* caption;
    } rows[] = {
        {"sum", "+-", 1, "+  -"},
        {"sum", "+-", 2, "+ \r-"},
        {"sum", " ++- ", 1, "+  +  -"},
        {"mux", "3.5", 1, "\xA0mux\xA0"},  // the count is rounded: 4 ports
        {"mux", "5.5", 1, "\xA0\xA0mux\xA0\xA0"},
        {"mux", "4", 2, "\rmux\r"},
        {"dem", "4", 1,
         "\xA0"
         "demux\xA0"},
        {"dem", "x", 1, "demux"},
    };
    for (const auto& row : rows) {
        reset();
        const int b = drop(block(row.type, row.parameters, 2, 1), 2000, 2000);
        for (int turn = 0; turn < row.turns; ++turn) rotate_Click(window, app);
        EXPECT_EQ(obj(b).caption.trimmed(), row.caption) << row.type << ' ' << row.parameters;
        EXPECT_EQ(glyph(b).caption, row.caption);
    }
    reset();
    drop(block("mux", "40000", 2, 1), 2000, 2000);
    EXPECT_THROW(rotate_Click(window, app), Int16Overflow);
}

TEST_F(RotateTest, NothingTurnsUnlessExactlyOneBlockIsSelected) {
    const int a = drop(block("sum", "+-", 2, 1), 2000, 2000);
    const int b = drop(block("sum", "+-", 2, 1), 5000, 2000);
    const int c = add(element("C__", "C"), 100, 100);
    for (const std::vector<int>& chosen : {std::vector<int>{a, b}, {c}, {2, 3}, {}}) {
        select_only(chosen);
        const std::string before = test::dump_state(window, app);
        rotate_Click(window, app);
        EXPECT_EQ(test::dump_state(window, app), before);
    }
}

}  // namespace
}  // namespace vantor
