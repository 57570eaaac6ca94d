#include "simulink/sim/diagram_check.h"

#include <gtest/gtest.h>

#include "simulink/sim/script_reader.h"
#include "simulink/sim/test_scripts.h"

namespace vantor::sim {
namespace {

using Problems = std::vector<std::string>;

Diagram script(const std::string& body) {
    return read_script("sys = 'm'; new_system(sys)\n" + body, ScriptDialect::kCurrent);
}

TEST(DiagramCheck, PassesASoundDiagramAndUnwiredSpareBlocks) {
    Diagram d = read_script(test::kRcScript, ScriptDialect::kCurrent);
    EXPECT_EQ(check_diagram(d), Problems{});
    // A template's block for the other orientation has no line at all.
    d.blocks.push_back({"spare", "Sum", {{"Inputs", "++-"}}, {}});
    EXPECT_EQ(check_diagram(d), Problems{});
}

TEST(DiagramCheck, CountsPortsFromTheParameters) {
    const Diagram d = script(
        "add_block('built-in/Constant',[sys '/c'])\n"
        "add_block('built-in/Product',[sys '/p'],'Inputs','*/')\n"
        "add_block('built-in/Mux',[sys '/mx'],'Inputs','3')\n"
        "add_block('built-in/Demux',[sys '/dm'],'Outputs','2')\n"
        "add_block('built-in/Sum',[sys '/s'],'Inputs','|+-')\n"
        "add_block('built-in/Terminator',[sys '/t'])\n"
        "add_line(sys,'c/1','p/1'); add_line(sys,'c/1','p/2')\n"
        "add_line(sys,'p/1','mx/1'); add_line(sys,'c/1','mx/2'); add_line(sys,'c/1','mx/3')\n"
        "add_line(sys,'mx/1','dm/1'); add_line(sys,'dm/1','s/1'); add_line(sys,'dm/2','s/2')\n"
        "add_line(sys,'s/1','t/1')\n");
    EXPECT_EQ(check_diagram(d), Problems{});
}

TEST(DiagramCheck, ReportsLinesToPortsThatDoNotExist) {
    const Diagram d = script(
        "add_block('built-in/Step',[sys '/u'])\n"
        "add_block('built-in/Sum',[sys '/s'],'Inputs','+-')\n"
        "add_block('built-in/Scope',[sys '/sc'])\n"
        "add_line(sys,'u/1','s/1'); add_line(sys,'u/1','s/2')\n"
        "add_line(sys,'u/1','gone/1')\n"
        "add_line(sys,'u/2','sc/1')\n"
        "add_line(sys,'s/1','s/3')\n"
        "add_line(sys,'sc/1','u/1')\n");
    EXPECT_EQ(check_diagram(d), (Problems{
                                    "line u/1 -> gone/1: no block 'gone'",
                                    "line u/2 -> sc/1: 'u' has 1 output(s)",
                                    "line s/1 -> s/3: 's' has 2 input(s)",
                                    "line sc/1 -> u/1: 'sc' has 0 output(s)",
                                    "line sc/1 -> u/1: 'u' has 0 input(s)",
                                }));
}

TEST(DiagramCheck, ReportsInputsFedTwiceOrNotAtAll) {
    const Diagram d = script(
        "add_block('built-in/Constant',[sys '/c'])\n"
        "add_block('built-in/Sum',[sys '/s'],'Inputs','+++')\n"
        "add_block('built-in/Integrator',[sys '/i'])\n"
        "add_line(sys,'c/1','s/2'); add_line(sys,'i/1','s/2')\n"
        "add_line(sys,'s/1','i/1')\n");
    EXPECT_EQ(check_diagram(d), (Problems{
                                    "input 2 of 's' is fed by 2 lines",
                                    "input 1 of 's' is not fed",
                                    "input 3 of 's' is not fed",
                                }));
}

TEST(DiagramCheck, ReportsTypesParametersAndValuesSimulinkWouldRefuse) {
    Diagram d = script(
        "add_block('built-in/Gain',[sys '/g'],'Gain','1/(2')\n"
        "add_block('built-in/Fcn',[sys '/f'],'Expr','u^2+x')\n"
        "add_block('built-in/Sum',[sys '/s'],'Inputs','+*')\n"
        "add_block('built-in/Mux',[sys '/m'],'Inputs','two')\n");
    d.blocks.push_back({"l", "Lookup", {}, {}});
    d.blocks.push_back({"i", "Integrator", {{"Gain", "2"}}, {}});
    d.blocks.push_back({"g", "Gain", {}, {}});
    const Problems problems = check_diagram(d);
    ASSERT_EQ(problems.size(), 7u) << testing::PrintToString(problems);
    EXPECT_EQ(problems[0], "block 'g' parameter Gain: expression '1/(2': ')' is missing");
    EXPECT_NE(problems[1].find("unknown name 'x'"), std::string::npos);
    EXPECT_EQ(problems[2], "block 's': Inputs '+*' is not a sign list");
    EXPECT_EQ(problems[3], "block 'm': Inputs 'two' is not a port count");
    EXPECT_EQ(problems[4], "block 'l' has the unknown type 'Lookup'");
    EXPECT_EQ(problems[5], "block 'i': Integrator blocks have no parameter Gain");
    EXPECT_EQ(problems[6], "block 'g' is defined twice");
}

}  // namespace
}  // namespace vantor::sim
