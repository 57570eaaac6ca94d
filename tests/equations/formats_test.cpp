#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "equations/formats.h"
#include "json_reader.h"
#include "test_scratch.h"
#include "test_systems.h"

namespace vantor::equations {
namespace {

using test::Json;

Json json_of(const EquationSystem& system, bool numeric) {
    const std::string text = format_json(system, analyse(system), {numeric, "msd"});
    return test::JsonReader(text).document();
}

TEST(JsonFormat, ReadsBackInTheDocumentedShape) {
    const Json j = json_of(test::mass_spring_damper(), false);
    const std::vector<std::string> keys = {
        "states", "inputs", "outputs", "parameters", "derivatives", "outputs_eq", "linear",
        "A",      "B",      "C",       "D",          "poles",       "notes"};
    EXPECT_EQ(j.keys, keys);
    EXPECT_EQ(j["states"][1]["name"].text, "q3");
    EXPECT_EQ(j["states"][1]["element"].number, 3);
    EXPECT_EQ(j["states"][1]["kind"].text, "q");
    EXPECT_EQ(j["states"][1]["initial"].number, 0);
    EXPECT_EQ(j["inputs"][0]["value"].text, "1");
    EXPECT_EQ(j["outputs"][0]["name"].text, "5scope/1 (scope)");
    EXPECT_EQ(j["outputs"][0]["port"].number, 1);
    EXPECT_EQ(j["parameters"][1]["text"].text, "50");
    EXPECT_EQ(j["parameters"][1]["value"].number, 50);
    EXPECT_EQ(j["derivatives"][0].text, "F - b*p2/m - k*q3");
    EXPECT_EQ(j["outputs_eq"][0].text, "p2/m");
    EXPECT_TRUE(j["linear"].flag);
    // Symbolic entries are text, plain numbers are numbers.
    EXPECT_EQ(j["A"][0][0].text, "-b/m");
    EXPECT_EQ(j["A"][1][1].kind, Json::Kind::kNumber);
    ASSERT_EQ(j["poles"].items.size(), 2u);
    EXPECT_DOUBLE_EQ(j["poles"][1]["re"].number, -1);
    EXPECT_NEAR(j["poles"][1]["im"].number, 4.898979485566356, 1e-12);
    EXPECT_TRUE(j["notes"].items.empty());
}

TEST(JsonFormat, NumericAndMissingValues) {
    const Json numeric = json_of(test::mass_spring_damper(), true);
    EXPECT_EQ(numeric["derivatives"][0].text, "F - 2*p2 - 50*q3");
    EXPECT_EQ(numeric["A"][0][0].number, -2);
    EXPECT_EQ(numeric["C"][0][0].number, 0.5);

    const Json missing = json_of(test::mass_spring_damper(std::nullopt), true);
    EXPECT_EQ(missing["parameters"][1]["value"].kind, Json::Kind::kNull);
    EXPECT_EQ(missing["A"][0][1].text, "-k");
    EXPECT_EQ(missing["poles"].kind, Json::Kind::kNull);
    ASSERT_EQ(missing["notes"].items.size(), 1u);
    EXPECT_NE(missing["notes"][0].text.find("parameter k of element 3"), std::string::npos);
}

TEST(JsonFormat, EscapesNamesAndLeavesMatricesOutWhenNotLinear) {
    EquationSystem system = test::series_rlc();
    system.outputs[0].name = "a \"quoted\" \\ name\n\x01";
    system.notes = {"tab\there"};
    system.derivatives[1] = GiNaC::sin(system.states[0].symbol);
    const Json j = json_of(system, false);
    EXPECT_EQ(j["outputs"][0]["name"].text, system.outputs[0].name);
    EXPECT_EQ(j["notes"][0].text, "tab\there");
    EXPECT_FALSE(j["linear"].flag);
    for (const char* m : {"A", "B", "C", "D", "poles"})
        EXPECT_EQ(j[m].kind, Json::Kind::kNull) << m;
}

// R = 10 makes 1/(R - 10) a division by zero: the numeric forms say so.
TEST(JsonFormat, ValuesThatDivideByZeroAreRefused) {
    EquationSystem system = test::series_rlc();
    const GiNaC::ex R = system.parameters[1].symbol;
    system.derivatives[1] = system.states[0].symbol / (R - 10);
    const Analysis a = analyse(system);
    EXPECT_FALSE(a.numeric);
    EXPECT_NE(a.numeric_problem.find("A(2,1)"), std::string::npos) << a.numeric_problem;
    EXPECT_NO_THROW(format_json(system, a, {false, ""}));
    EXPECT_THROW(format_json(system, a, {true, ""}), NumericError);
}

TEST(MatlabFormat, NumericMatricesAndNamedSystem) {
    EquationSystem system = test::series_rlc();
    system.inputs[0].name = "V'in";
    const std::string m = format_matlab(system, analyse(system), {false, "rlc"});
    EXPECT_NE(m.find("A = [-100, -1000;\n     10, 0];\n"), std::string::npos) << m;
    EXPECT_NE(m.find("C = [0, 1000];\n"), std::string::npos) << m;
    EXPECT_NE(m.find("sys = ss(A, B, C, D, 'StateName', {'p2'; 'q4'}, 'InputName', {'V''in'}, "
                     "'OutputName', {'5scope/1 (scope)'});\n"),
              std::string::npos)
        << m;
    system.inputs.clear();
    system.derivatives[0] = -system.parameters[1].symbol * system.states[0].symbol;
    EXPECT_NE(format_matlab(system, analyse(system), {}).find("B = zeros(2, 0);"),
              std::string::npos);
    system.derivatives[0] = GiNaC::pow(system.states[0].symbol, 2);
    EXPECT_THROW(format_matlab(system, analyse(system), {}), NumericError);
}

TEST(TextFormat, EquationsMatricesAndPoles) {
    const EquationSystem system = test::mass_spring_damper();
    const std::string text = format_text(system, analyse(system), {true, "msd"});
    for (const char* line :
         {"  dp2/dt = F - 2*p2 - 50*q3\n", "  dq3/dt = 0.5*p2\n", "  y1 = 0.5*p2\n",
          "A =\n  [ -2  -50]\n  [0.5    0]\n", "  -1 - 4.89898i   wn = 5 rad/s, zeta = 0.2\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
    }
}

TEST(LatexFormat, CompilesOnItsOwn) {
    EquationSystem system = test::series_rlc();
    system.outputs[0].name = "5scope/1 (scope) 100% & _more_";
    const std::string tex = format_latex(system, analyse(system), {false, "series_rlc"});
    EXPECT_NE(tex.find("\\frac{dp_{2}}{dt} &= "), std::string::npos);
    EXPECT_NE(tex.find("\\begin{align*}"), std::string::npos);
    if (std::system("command -v pdflatex >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdflatex is not installed: the LaTeX document was not compiled";
    const std::string dir = vantor::test::scratch_dir();
    std::ofstream(dir + "equations.tex") << tex;
    const std::string command = "cd '" + dir +
                                "' && pdflatex -interaction=nonstopmode -halt-on-error "
                                "equations.tex >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << tex;
}

}  // namespace
}  // namespace vantor::equations
