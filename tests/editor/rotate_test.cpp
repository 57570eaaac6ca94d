// Rotate: a signal block's ports turn clockwise and its caption follows.
#include "editor/rotate.h"

#include <gtest/gtest.h>

#include "display/stored_int16.h"
#include "edit_fixtures.h"

namespace vantor {
namespace {

using test::EditTest;
using test::element;

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
        SetUp();
        const int b = drop(block(row.type, row.parameters, 2, 1), 2000, 2000);
        for (int turn = 0; turn < row.turns; ++turn) rotate_Click(window, app);
        EXPECT_EQ(obj(b).caption.trimmed(), row.caption) << row.type << ' ' << row.parameters;
        EXPECT_EQ(glyph(b).caption, row.caption);
    }
    SetUp();
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
