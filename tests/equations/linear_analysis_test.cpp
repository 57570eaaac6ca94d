// Transfer functions, what is not linear, and the output formats for names
// with control bytes, systems without inputs and a LaTeX document that
// compiles; the matrices and poles of the examples are pinned by the
// equations command cases.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>

#include "equations/analysis.h"
#include "equations/formats.h"
#include "equations/transfer_function.h"
#include "test_scratch.h"
#include "test_systems.h"

namespace vantor::equations {
namespace {

// Worked out by hand: s/m / (s^2 + b/m s + k/m) and 1/LC / (s^2 + R/L s + 1/LC);
// with the output q4/C + V, D = 1 and the numerator leads with 1.
TEST(LinearAnalysis, TransferFunctionsMatchClosedForms) {
    EquationSystem feedthrough = test::series_rlc();
    feedthrough.outputs_eq[0] += feedthrough.inputs[0].symbol;
    const struct {
        const char* name;
        EquationSystem system;
        std::vector<double> numerator, denominator;
    } cases[] = {
        {"mass_spring_damper", test::mass_spring_damper(), {0, 0.5, 0}, {1, 2, 25}},
        {"series_rlc", test::series_rlc(), {0, 0, 10000}, {1, 100, 10000}},
        {"feedthrough", feedthrough, {1, 100, 20000}, {1, 100, 10000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Analysis a = analyse(c.system);
        ASSERT_TRUE(a.numeric) << a.numeric_problem;
        const TransferFunction tf = transfer_function(*a.numeric, 0, 0);
        ASSERT_EQ(tf.numerator.size(), c.numerator.size());
        ASSERT_EQ(tf.denominator.size(), c.denominator.size());
        for (std::size_t k = 0; k < c.numerator.size(); ++k) {
            EXPECT_NEAR(tf.numerator[k], c.numerator[k], 1e-9 * c.denominator.back());
            EXPECT_NEAR(tf.denominator[k], c.denominator[k], 1e-9 * c.denominator.back());
        }
    }
    // s / (m s^2 + b s + k), whatever the form, at s = 3 with m = 2, k = 50, b = 4.
    const EquationSystem system = test::mass_spring_damper();
    const GiNaC::symbol s("s");
    const auto tf = symbolic_transfer_function(analyse_linear(system), s, 0, 0);
    ASSERT_TRUE(tf);
    GiNaC::exmap at{{s, 3}};
    for (const Parameter& p : system.parameters) at[p.symbol] = GiNaC::numeric(*p.value);
    const GiNaC::ex value = (tf->numerator / tf->denominator).subs(at).evalf();
    EXPECT_NEAR(GiNaC::ex_to<GiNaC::numeric>(value).to_double(), 3.0 / (18 + 12 + 50), 1e-12);
    EXPECT_EQ(tf->denominator.degree(s), 2);
    // Past four states the symbolic form is not attempted.
    feedthrough.states.resize(5, feedthrough.states[1]);
    feedthrough.derivatives.resize(5, 0);
    EXPECT_FALSE(symbolic_transfer_function(analyse_linear(feedthrough), s, 0, 0));
}

TEST(LinearAnalysis, WhatIsNotLinear) {
    EquationSystem system = test::mass_spring_damper();
    const GiNaC::ex q = system.states[1].symbol, u = system.inputs[0].symbol, t = system.t;
    // A square, a sine, a comparison of an input, time, a constant, a product, a division.
    const GiNaC::ex cases[] = {q * q, GiNaC::sin(q), q + (u >= 1), q * t, q + 1, q * u, u / q};
    for (const GiNaC::ex& derivative : cases) {
        system.derivatives[1] = derivative;
        const Analysis a = analyse(system);
        EXPECT_FALSE(a.linear.linear) << derivative;
        EXPECT_FALSE(a.numeric) << derivative;
        EXPECT_NE(a.numeric_problem.find("not linear: the derivatives"), std::string::npos)
            << derivative << ": " << a.numeric_problem;
    }
    EquationSystem implicit = test::series_rlc();
    implicit.implicit = {implicit.states[0].symbol};
    EXPECT_FALSE(analyse_linear(implicit).linear);
}

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
