#include <gtest/gtest.h>

#include <cmath>

#include "equations/analysis.h"
#include "equations/transfer_function.h"
#include "test_systems.h"

namespace vantor::equations {
namespace {

struct LinearCase {
    const char* name;
    EquationSystem system;
    std::vector<double> A, B, C, D;  // row by row
    double wn, zeta;                 // of the complex pair
    std::vector<double> numerator, denominator;
};

// The closed forms, worked out by hand: wn = sqrt(k/m) = 5, zeta =
// b/(2 sqrt(k m)) = 0.2; wn = 1/sqrt(LC) = 100, zeta = R/2 sqrt(C/L) = 0.5.
// Transfer functions s/m / (s^2 + b/m s + k/m) and 1/LC / (s^2 + R/L s + 1/LC).
std::vector<LinearCase> linear_cases() {
    return {
        {"mass_spring_damper",
         test::mass_spring_damper(),
         {-2, -50, 0.5, 0},
         {1, 0},
         {0.5, 0},
         {0},
         5,
         0.2,
         {0, 0.5, 0},
         {1, 2, 25}},
        {"series_rlc",
         test::series_rlc(),
         {-100, -1000, 10, 0},
         {1, 0},
         {0, 1000},
         {0},
         100,
         0.5,
         {0, 0, 10000},
         {1, 100, 10000}},
    };
}

void expect_grid(const Grid<double>& grid, const std::vector<double>& expected, const char* name) {
    ASSERT_EQ(grid.cells.size(), expected.size()) << name;
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_NEAR(grid.cells[k], expected[k], 1e-12 * (1 + std::abs(expected[k]))) << name << k;
}

TEST(LinearAnalysis, MatricesPolesAndTransferFunctionsMatchClosedForms) {
    for (const LinearCase& c : linear_cases()) {
        SCOPED_TRACE(c.name);
        const Analysis a = analyse(c.system);
        ASSERT_TRUE(a.linear.linear) << a.linear.reason;
        ASSERT_TRUE(a.numeric) << a.numeric_problem;
        expect_grid(a.numeric->A, c.A, "A");
        expect_grid(a.numeric->B, c.B, "B");
        expect_grid(a.numeric->C, c.C, "C");
        expect_grid(a.numeric->D, c.D, "D");
        ASSERT_EQ(a.poles.size(), 2u);
        const double damped = c.wn * std::sqrt(1 - c.zeta * c.zeta);
        for (int k = 0; k < 2; ++k) {
            EXPECT_NEAR(a.poles[k].re, -c.zeta * c.wn, 1e-9 * c.wn);
            EXPECT_NEAR(a.poles[k].im, k == 0 ? -damped : damped, 1e-9 * c.wn);  // negative first
            EXPECT_NEAR(a.poles[k].wn, c.wn, 1e-9 * c.wn);
            EXPECT_NEAR(a.poles[k].zeta, c.zeta, 1e-9);
        }
        const TransferFunction tf = transfer_function(*a.numeric, 0, 0);
        ASSERT_EQ(tf.numerator.size(), c.numerator.size());
        ASSERT_EQ(tf.denominator.size(), c.denominator.size());
        for (std::size_t k = 0; k < c.numerator.size(); ++k) {
            EXPECT_NEAR(tf.numerator[k], c.numerator[k], 1e-9 * c.denominator.back());
            EXPECT_NEAR(tf.denominator[k], c.denominator[k], 1e-9 * c.denominator.back());
        }
    }
}

TEST(LinearAnalysis, SymbolicTransferFunction) {
    const EquationSystem system = test::mass_spring_damper();
    const LinearSystem linear = analyse_linear(system);
    ASSERT_TRUE(linear.linear);
    const GiNaC::symbol s("s");
    const auto tf = symbolic_transfer_function(linear, s, 0, 0);
    ASSERT_TRUE(tf);
    // s / (m s^2 + b s + k), whatever the form, at s = 3 with m = 2, k = 50, b = 4.
    GiNaC::exmap at;
    at[s] = 3;
    for (const Parameter& p : system.parameters) at[p.symbol] = GiNaC::numeric(*p.value);
    const GiNaC::ex value = (tf->numerator / tf->denominator).subs(at).evalf();
    EXPECT_NEAR(GiNaC::ex_to<GiNaC::numeric>(value).to_double(), 3.0 / (18 + 12 + 50), 1e-12);
    EXPECT_EQ(tf->denominator.degree(s), 2);
}

// y = q4/C + V: D = 1, so the numerator has the denominator's order and
// leads with 1: (s^2 + 100 s + 20000) / (s^2 + 100 s + 10000).
TEST(LinearAnalysis, TransferFunctionWithAFeedthrough) {
    EquationSystem system = test::series_rlc();
    system.outputs_eq[0] += system.inputs[0].symbol;
    const Analysis a = analyse(system);
    ASSERT_TRUE(a.numeric);
    const TransferFunction tf = transfer_function(*a.numeric, 0, 0);
    const std::vector<double> numerator = {1, 100, 20000};
    ASSERT_EQ(tf.numerator.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) EXPECT_NEAR(tf.numerator[k], numerator[k], 1e-8);

    system.states.resize(5, system.states[1]);
    system.derivatives.resize(5, 0);
    EXPECT_FALSE(symbolic_transfer_function(analyse_linear(system), GiNaC::symbol("s"), 0, 0));
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

TEST(LinearAnalysis, AParameterWithoutValueKeepsTheSymbolsAndNamesIt) {
    const EquationSystem system = test::mass_spring_damper(std::nullopt);
    const Analysis a = analyse(system);
    EXPECT_TRUE(a.linear.linear);
    EXPECT_FALSE(a.numeric);
    EXPECT_TRUE(a.poles.empty());
    EXPECT_NE(a.numeric_problem.find("the parameter k of element 3 has no value"),
              std::string::npos)
        << a.numeric_problem;
}

}  // namespace
}  // namespace vantor::equations
