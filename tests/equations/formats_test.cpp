// What the command cases of the shipped examples cannot show: names with
// control bytes, systems that are not linear or have no inputs, and a LaTeX
// document that compiles.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "equations/formats.h"
#include "test_scratch.h"
#include "test_systems.h"

namespace vantor::equations {
namespace {

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(JsonFormat, EscapesControlBytesAndLeavesMatricesOutWhenNotLinear) {
    EquationSystem system = test::series_rlc();
    system.outputs[0].name = "a \"quoted\" \\ name\n\x01";
    system.notes = {"tab\there"};
    system.derivatives[1] = GiNaC::sin(system.states[0].symbol);
    const std::string j = format_json(system, analyse(system), {false, ""});
    EXPECT_TRUE(has(j, R"("name": "a \"quoted\" \\ name\n\u0001")")) << j;
    EXPECT_TRUE(has(j, R"("tab\there")")) << j;
    EXPECT_TRUE(has(j, "\"linear\": false,\n"));
    for (const char* m : {"A", "B", "C", "D", "poles"})
        EXPECT_TRUE(has(j, "\"" + std::string(m) + "\": null")) << m;
}

TEST(MatlabFormat, NoInputsGiveAnEmptyBAndANonlinearSystemIsRefused) {
    EquationSystem system = test::series_rlc();
    system.inputs.clear();
    system.derivatives[0] = -system.parameters[1].symbol * system.states[0].symbol;
    EXPECT_TRUE(has(format_matlab(system, analyse(system), {}), "B = zeros(2, 0);"));
    system.derivatives[0] = GiNaC::pow(system.states[0].symbol, 2);
    EXPECT_THROW(format_matlab(system, analyse(system), {}), NumericError);
}

TEST(LatexFormat, CompilesOnItsOwn) {
    EquationSystem system = test::series_rlc();
    system.outputs[0].name = "5scope/1 (scope) 100% & _more_ \\ {x} ~^#$";
    const std::string tex = format_latex(system, analyse(system), {false, "series_rlc"});
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
