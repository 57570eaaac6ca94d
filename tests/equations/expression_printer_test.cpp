#include <gtest/gtest.h>

#include "equations/expression_printer.h"

namespace vantor::equations {
namespace {

using GiNaC::ex;
using GiNaC::numeric;

TEST(ExpressionPrinter, FcnSyntax) {
    const GiNaC::symbol a("a"), b("b"), k("k"), m("m"), p("p"), q("q"), t("t"), x("x"), F("F");
    const GiNaC::symbol L("L"), C("C");
    const struct {
        ex e;
        const char* plain;
    } cases[] = {
        {F - k * q - b * p / m, "F - b*p/m - k*q"},
        {3 * GiNaC::pow(x, 2), "3*x^2"},
        {1 / (L * C), "1/(C*L)"},
        {GiNaC::sqrt(x), "sqrt(x)"},
        {1 / GiNaC::sqrt(x), "1/sqrt(x)"},
        {numeric(1, 2) * x, "x/2"},
        {numeric(-3, 4) * x, "-3*x/4"},
        {numeric(0.1) * x, "0.1*x"},
        {numeric(1e-5), "1e-05"},
        {numeric(-2.5), "-2.5"},
        {5 * (t >= numeric(0.2)), "5*(t>=0.2)"},
        {t >= 1, "t>=1"},
        {x + (t < 1), "x + (t<1)"},
        {GiNaC::sin(x * t) * b, "b*sin(t*x)"},
        {GiNaC::pow(a + b, 2), "(a + b)^2"},
        {GiNaC::pow(x, -2), "1/x^2"},
        {GiNaC::pow(x, numeric(1, 3)), "x^(1/3)"},
        {GiNaC::pow(x, a), "x^a"},
        {GiNaC::pow(-x, a), "(-x)^a"},
        {(a + b) / (k + m), "(a + b)/(k + m)"},
        {-x, "-x"},
        {GiNaC::csgn(x), "sgn(x)"},
        {GiNaC::atan2(a, b), "atan2(a, b)"},
        {GiNaC::abs(x - 1), "abs(x - 1)"},
        {GiNaC::Pi * x, "pi*x"},
        {GiNaC::step(t - 1), "(t - 1>=0)"},
        {ex(0), "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(print_expression(c.e), c.plain);
    // Numbers read back exactly.
    for (double v : {0.1, 1.0 / 3, 6.02214076e23, -1e-300, 12.0})
        EXPECT_EQ(std::stod(format_number(v)), v) << format_number(v);
    EXPECT_EQ(format_number(-0.0), "0");
}

TEST(ExpressionPrinter, Latex) {
    const GiNaC::symbol b("b"), m("m"), p2("p2"), La("La"), x("x");
    EXPECT_EQ(print_latex(-b * p2 / m), "-\\frac{b\\,p_{2}}{m}");
    EXPECT_EQ(print_latex(x / La), "\\frac{x}{\\mathit{La}}");
    EXPECT_EQ(print_latex(GiNaC::sqrt(x)), "\\sqrt{x}");
    EXPECT_EQ(print_latex(numeric(1e-5) * x), "1 \\cdot 10^{-5}\\,x");
    EXPECT_EQ(print_latex(GiNaC::abs(x)), "\\left|x\\right|");
    EXPECT_EQ(latex_name("R_1"), "R_{1}");
    EXPECT_EQ(latex_name("a_b"), "\\mathit{a\\_b}");
    EXPECT_EQ(latex_name("C12"), "C_{12}");
}

// GiNaC orders terms by hashes that depend on the order in which symbols were
// made; the text must not.
TEST(ExpressionPrinter, TextDoesNotDependOnSymbolCreationOrder) {
    const auto build = [](const GiNaC::symbol& a, const GiNaC::symbol& b, const GiNaC::symbol& c) {
        return print_expression(a * b - 2 * c / a + GiNaC::pow(b + c, 2) * a - 7 +
                                GiNaC::sin(a - c));
    };
    const GiNaC::symbol a1("a"), b1("b"), c1("c");
    const std::string first = build(a1, b1, c1);
    const GiNaC::symbol c2("c"), b2("b"), a2("a");
    EXPECT_EQ(build(a2, b2, c2), first);
    EXPECT_EQ(first, "a*(b + c)^2 + a*b - 2*c/a + sin(a - c) - 7");
}

// Which sign GiNaC keeps inside a sum factor also changes from run to run;
// built unevaluated here, both forms must show alike.
TEST(ExpressionPrinter, ASumFactorShowsWithItsFirstTermPositive) {
    const GiNaC::symbol a("a"), b("b"), c("c");
    const auto held = [](GiNaC::exvector factors, int coefficient) {
        factors.push_back(coefficient);
        return GiNaC::ex(GiNaC::mul(factors).hold());
    };
    EXPECT_EQ(print_expression(held({a - b, c}, 1)), "c*(a - b)");
    EXPECT_EQ(print_expression(held({b - a, c}, -1)), "c*(a - b)");
    EXPECT_EQ(print_expression(held({GiNaC::pow(b - a, 3), GiNaC::pow(c, -1)}, 1)), "-(a - b)^3/c");
    EXPECT_EQ(print_expression(held({GiNaC::pow(b - a, -2), c}, 1)), "c/(a - b)^2");
    EXPECT_EQ(print_expression(GiNaC::pow(b - a, 2)), "(a - b)^2");
}

}  // namespace
}  // namespace vantor::equations
