#include "sim/diagram_check.h"

#include <gtest/gtest.h>

#include <tuple>

#include "sim/generated_check.h"
#include "sim/script_reader.h"
#include "sim/test_scripts.h"

namespace vantor::sim {
namespace {

using Problems = std::vector<std::string>;

Diagram script(const std::string& body) {
    return read_script("sys = 'm'; new_system(sys)\n" + body, ScriptDialect::kCurrent);
}

// The messages, a warning marked as such.
Problems messages(const std::vector<Problem>& problems) {
    Problems texts;
    for (const Problem& p : problems)
        texts.push_back((p.severity == Severity::kWarning ? "warning: " : "") + p.message);
    return texts;
}

TEST(DiagramCheck, ReportsLinesAndInputsAgainstThePortsOfEachBlock) {
    const std::pair<const char*, Problems> cases[] = {
        {"ports_counted", {}},
        {"ports_missing",
         {"line u/1 -> gone/1: no block 'gone'", "line u/2 -> sc/1: 'u' has 1 output(s)",
          "line s/1 -> s/3: 's' has 2 input(s)", "line sc/1 -> u/1: 'sc' has 0 output(s)",
          "line sc/1 -> u/1: 'u' has 0 input(s)"}},
        {"inputs_fed",
         {"input 2 of 's' is fed by 2 lines", "warning: input 1 of 's' is not fed",
          "warning: input 3 of 's' is not fed"}},
    };
    for (const auto& [name, expected] : cases) {
        const Diagram d = read_script(test::diagram_text(name), ScriptDialect::kCurrent);
        EXPECT_EQ(messages(check_diagram(d)), expected) << name;
    }
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
    EXPECT_EQ(messages(check_diagram(d)),
              (Problems{"block 'g' parameter Gain: expression '1/(2': ')' is missing",
                        "block 'f' parameter Expr: expression 'u^2+x': unknown name 'x'",
                        "block 's': Inputs '+*' is not a sign list",
                        "block 'm': Inputs 'two' is not a port count",
                        "block 'l' has the unknown type 'Lookup'",
                        "block 'i': Integrator blocks have no parameter Gain",
                        "block 'g' is defined twice"}));
    // A parameter's problem carries its block's line, for the template behind it.
    const std::vector<Problem> found = check_diagram(d);
    ASSERT_EQ(found.size(), 7u);
    EXPECT_EQ(found[0].line, 2);  // after the line that makes the system
    EXPECT_EQ(found[1].line, 3);
    EXPECT_EQ(found[5].line, 0);  // a block that was not read from a file
}

TEST(GeneratedCheck, ReadsEachFormAndReportsWhatItCannotRead) {
    const char* kMdl =
        "Model {\n Name \"m\"\n System {\n  Name \"m\"\n"
        "  Block { BlockType Lookup Name \"3q\" }\n"
        "  Block { BlockType Gain Name \"3e\" Gian \"2\" }\n"
        "  Line { SrcBlock \"3q\" SrcPort 1 DstBlock \"3e\" DstPort 1 }\n }\n}\n";
    const std::tuple<GeneratedForm, std::string, Problems> cases[] = {
        {GeneratedForm::kScript, test::diagram_text("rc"), {}},
        {GeneratedForm::kScript1,
         "sys = 'm'; new_system(sys); add_block('built-in/Transfer Fcn',[sys,'/','2t']);\n"
         "add_block('built-in/Integrator',[sys,'/','3q']); set_param([sys,'/','3q'],'Initial','1')",
         {"block '2t' has the unknown type 'Transfer Fcn'"}},
        {GeneratedForm::kMdl,
         kMdl,
         {"block '3q' has the unknown type 'Lookup'",
          "block '3e': Gain blocks have no parameter Gian"}},
        {GeneratedForm::kScript,
         "sys = 'm'; new_system(sys)\nadd_line(sys,'a/1','b')",
         {"script line 2: line end 'b' is not block/port"}},
        {GeneratedForm::kMdl, "Model {\n", {".mdl line 1: the Model section is not closed"}},
    };
    for (const auto& [form, text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(messages(check_generated(text, form)), expected);
    }
}

}  // namespace
}  // namespace vantor::sim
