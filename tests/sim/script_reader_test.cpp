#include "sim/script_reader.h"

#include <gtest/gtest.h>

#include "sim/read_error.h"
#include "sim/test_scripts.h"
#include "sim/test_tables.h"

namespace vantor::sim {
namespace {

const Block& block(const Diagram& d, const std::string& name) {
    for (const Block& b : d.blocks) {
        if (b.name == name) return b;
    }
    throw std::runtime_error("no block " + name);
}

// What the RC script's blocks and lines mean its exact run shows (see the
// simulator's tests); here what a run cannot: names, the stop time, places.
TEST(ScriptReader, BuildsTheDiagramOfAScript) {
    const Diagram d = read_script(test::kRcScript, ScriptDialect::kCurrent);
    EXPECT_EQ(d.name, "rc");
    EXPECT_DOUBLE_EQ(d.stop_time, 5);
    EXPECT_EQ(block(d, "src").params,
              (std::map<std::string, std::string>{{"Time", "0"}, {"After", "1"}}));
    EXPECT_EQ(block(d, "err").position, (std::array<int, 4>{80, -20, 100, 40}));  // continued line
    EXPECT_EQ(block(d, "k").position, (std::array<int, 4>{120, 20, 150, 50}));    // set afterwards
}

TEST(ScriptReader, MatchesParameterNamesWithoutCaseAndComputesPositions) {
    const Diagram d = read_script(
        "new_system('m'); bdclose all\n"
        "add_block('built-in/Fcn','m/f','expr','u^2','POSITION',[48-15,78,48+15,78+30])\n"
        "add_block('built-in/Constant',['m','/','c'],'Value','''x''','Position',[1 -2 3 - 1 "
        "2*(1+1)])\n"
        "set_param('m/f','Position','[5, 6, 7, 8]')\n",
        ScriptDialect::kCurrent);
    EXPECT_EQ(block(d, "f").params.at("Expr"), "u^2");
    EXPECT_EQ(block(d, "f").position, (std::array<int, 4>{5, 6, 7, 8}));
    EXPECT_EQ(block(d, "c").params.at("Value"), "'x'");
    EXPECT_EQ(block(d, "c").position, (std::array<int, 4>{1, -2, 2, 4}));
}

TEST(ScriptReader, TranslatesSimulink1Names) {
    const Diagram d = read_script(test::diagram_text("simulink1"), ScriptDialect::kSimulink1);
    EXPECT_EQ(block(d, "s").type, "Step");
    EXPECT_EQ(block(d, "s").position, (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(block(d, "w").type, "Sin");
    EXPECT_EQ(block(d, "w").params.at("Amplitude"), "3");
    EXPECT_EQ(block(d, "i").params.at("InitialCondition"), "1");
    EXPECT_EQ(block(d, "j").params.at("Inputs"), "+-");
    EXPECT_DOUBLE_EQ(d.stop_time, 4);
}

TEST(ScriptReader, BoundsBracketNestingAt256) {
    const auto script = [](int depth) {
        return "sys='m'; new_system(sys)\nadd_block('built-in/Gain',[sys '/g'],'Position'," +
               std::string(static_cast<std::size_t>(depth), '[') + "1 2 3 4" +
               std::string(static_cast<std::size_t>(depth), ']') + ")\n";
    };
    EXPECT_EQ(read_script(script(256), ScriptDialect::kCurrent).blocks[0].position[3], 4);
    for (int depth : {257, 100000}) {
        try {
            read_script(script(depth), ScriptDialect::kCurrent);
            ADD_FAILURE() << "accepted " << depth;
        } catch (const ReadError& e) {
            EXPECT_EQ(e.line(), 2);
            EXPECT_EQ(std::string(e.what()), "script line 2: more than 256 nested brackets");
        }
    }
}

// Each script is refused with a message that holds the given words; the
// names of each dialect are not the other's.
TEST(ScriptReader, NamesWhatItDoesNotKnow) {
    for (const auto& [file, dialect] :
         {std::pair{"as2_script_refusals.txt", ScriptDialect::kCurrent},
          std::pair{"as2_script1_refusals.txt", ScriptDialect::kSimulink1}}) {
        for (const auto& [script, name] : test::table(file)) {
            SCOPED_TRACE(script);
            try {
                read_script(script, dialect);
                ADD_FAILURE() << "read";
            } catch (const std::runtime_error& e) {
                EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
            }
        }
    }
}

}  // namespace
}  // namespace vantor::sim
